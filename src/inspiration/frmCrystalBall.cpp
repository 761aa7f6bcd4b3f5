#include "inspiration/frmCrystalBall.h"

#include "shared/RandomListValue.h"
#include "shared/BusyPointer.h"
#include "shared/ControlMakers.h"
#include "shared/TimerHold.h"
#include "shared/WindowServices.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QCloseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

using namespace ControlMakers;

frmCrystalBall::frmCrystalBall(QWidget* parent)
    : ToolWindow(QStringLiteral("frmCrystalBall"), QStringLiteral("Crystal Ball"), parent)
{
    txtAdvice = named(new QPlainTextEdit, QStringLiteral("txtAdvice"));
    txtAdvice->setAccessibleName(QStringLiteral("Advice"));
    txtAdvice->setReadOnly(true);
    txtAdvice->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    enlargeFont(txtAdvice, 1.5);
    cmdAdvice = button(QStringLiteral("cmdAdvice"), QStringLiteral("&Advice"));
    chkTimer = checkBox(QStringLiteral("chkTimer"), QStringLiteral("Timer"));
    cmdClose = button(QStringLiteral("cmdClose"), QStringLiteral("Close"));
    tmrAdvice = named(new QTimer(this), QStringLiteral("tmrAdvice"));
    setTimers(this);

    auto* commands = new QHBoxLayout;
    commands->addWidget(cmdAdvice);
    commands->addWidget(chkTimer);
    commands->addStretch();
    commands->addWidget(cmdClose);
    auto* window = new QVBoxLayout(this);
    window->addWidget(txtAdvice, 1);
    window->addLayout(commands);
    setTabOrder(cmdAdvice, chkTimer);
    setTabOrder(chkTimer, cmdClose);
    setTabOrder(cmdClose, txtAdvice);
    resize(sizeHint().expandedTo(QSize(460, 240)));

    connect(cmdAdvice, &QPushButton::clicked, this, &frmCrystalBall::cmdAdvice_Click);
    connect(chkTimer, &QCheckBox::clicked, this, &frmCrystalBall::chkTimer_Click);
    TimerHold::connectTicks(tmrAdvice, chkTimer, [this] { tmrAdvice_Timer(); });
    connect(cmdClose, &QPushButton::clicked, this, &frmCrystalBall::cmdClose_Click);
}

void frmCrystalBall::activate()
{
    setHourglass();
    tileChildren();
    setTimers(this);
    showAlone();
    resetPointer();
}

void frmCrystalBall::cmdAdvice_Click()
{
    txtAdvice->setPlainText(getRandomRecord(QStringLiteral("advice")));
}

void frmCrystalBall::chkTimer_Click()
{
    if (chkTimer->isChecked())
        tmrAdvice->start();
    else
        tmrAdvice->stop();
    cmdAdvice->setFocus();
}

void frmCrystalBall::tmrAdvice_Timer()
{
    cmdAdvice_Click();
}

void frmCrystalBall::cmdClose_Click()
{
    unload();
}

void frmCrystalBall::closeEvent(QCloseEvent* event)
{
    tmrAdvice->stop();
    ToolWindow::closeEvent(event);
}
