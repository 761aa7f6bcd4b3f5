#include "inspiration/CrystalBallWindow.h"

#include "shared/desktop/BusyPointer.h"
#include "shared/desktop/TimerHold.h"
#include "shared/widgets/ControlMakers.h"
#include "shared/widgets/ResultKeeping.h"
#include "shared/widgets/SeededGeneration.h"
#include "shared/widgets/WindowServices.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

using namespace ControlMakers;

CrystalBallWindow::CrystalBallWindow(QWidget* parent)
    : ToolWindow(QStringLiteral("frmCrystalBall"), tr("Crystal Ball"), parent)
{
    m_advice = named(new QPlainTextEdit, QStringLiteral("txtAdvice"));
    m_advice->setAccessibleName(tr("Advice"));
    m_advice->setReadOnly(true);
    ResultKeeping::attach(m_advice)->addCommand(SeededGeneration::generateFromSeedOf(
        m_advice, [this](quint32 seed) { showAdviceFromSeed(seed); }));
    m_advice->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    enlargeFont(m_advice, 1.5);
    m_adviceButton = button(QStringLiteral("cmdAdvice"), tr("&Advice"));
    m_timerBox = checkBox(QStringLiteral("chkTimer"), tr("Timer"));
    auto* closeButton = button(QStringLiteral("cmdClose"), tr("Close"));
    m_timer = addTimer(QStringLiteral("tmrAdvice"));
    setTimers(this);

    auto* commands = new QHBoxLayout;
    commands->addWidget(m_adviceButton);
    commands->addWidget(m_timerBox);
    commands->addStretch();
    commands->addWidget(closeButton);
    auto* window = new QVBoxLayout(this);
    window->addWidget(m_advice, 1);
    window->addLayout(commands);
    setTabOrderChain({m_adviceButton, m_timerBox, closeButton, m_advice});
    resize(sizeHint().expandedTo(QSize(460, 240)));

    connect(m_adviceButton, &QPushButton::clicked, this, &CrystalBallWindow::showAdvice);
    connect(m_timerBox, &QCheckBox::clicked, this, &CrystalBallWindow::switchTimer);
    TimerHold::connectTicks(m_timer, m_timerBox, [this] { showAdvice(); });
    connect(closeButton, &QPushButton::clicked, this, &ToolWindow::unload);
}

void CrystalBallWindow::activate()
{
    const BusyPointer busy;
    tileChildren();
    setTimers(this);
    showAlone();
}

void CrystalBallWindow::showAdvice()
{
    showAdviceFromSeed(SeededGeneration::drawSeed());
}

void CrystalBallWindow::showAdviceFromSeed(quint32 seed)
{
    SeededGeneration::Roll roll(seed);
    m_advice->setPlainText(roll.word(QStringLiteral("advice")));
    SeededGeneration::markShown(m_advice, roll);
    m_drill.notePrompt(m_advice->toPlainText(), seed);
}

void CrystalBallWindow::keepWork()
{
    m_drill.keep();
}

void CrystalBallWindow::switchTimer()
{
    if (m_timerBox->isChecked()) {
        m_timer->start();
    } else {
        m_timer->stop();
        m_drill.keep();
    }
    m_adviceButton->setFocus();
}
