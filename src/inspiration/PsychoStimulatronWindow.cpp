#include "inspiration/PsychoStimulatronWindow.h"

#include "engines/CircleShower.h"
#include "engines/PsychoJump.h"
#include "inspiration/ShowerSurface.h"
#include "shared/desktop/BusyPointer.h"
#include "shared/desktop/Desktop.h"
#include "shared/desktop/TimerHold.h"
#include "shared/widgets/AccessKeys.h"
#include "shared/widgets/SeededGeneration.h"
#include "shared/widgets/WindowServices.h"

#include <QMdiSubWindow>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {

// The word tables in the order of the draw: 1 noun, 2 verb, 3 adjective, 4 and 5 names.
const QStringList WordTables = {QStringLiteral("noun"), QStringLiteral("verb"),
                                QStringLiteral("adjective"), QStringLiteral("femaleName"),
                                QStringLiteral("maleName")};

} // namespace

PsychoStimulatronWindow::PsychoStimulatronWindow(QWidget* parent)
    : ToolWindow(QStringLiteral("frmPsycho"), tr("PyschoStimulatron"), parent)
{
    m_shower = new ShowerSurface(this);
    m_shower->setObjectName(QStringLiteral("shower"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_shower);

    // The button floats over the circles wherever its jumps take it, so no layout places it.
    m_wordButton = new QPushButton(QString(20, u'x'), m_shower);
    m_wordButton->setObjectName(QStringLiteral("cmdPsycho"));
    m_wordButton->setAccessibleDescription(tr("Click to think about this word"));
    m_wordButton->setAutoDefault(false);
    QFont font = m_wordButton->font();
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(14.25);
    font.setBold(true);
    m_wordButton->setFont(font);
    // Sized once for twenty letters, so every word fits without the button changing size.
    m_wordButton->resize(m_wordButton->sizeHint());
    resize(640, 400);
    m_wordButton->move((width() - m_wordButton->width()) / 2,
                       (height() - m_wordButton->height()) / 2);
    setDefaultButton(m_wordButton);
    AccessKeys::leaveAlone(m_wordButton); // it shows a word, not a command

    // Both intervals are the window's own; the settings interval does not apply here.
    m_moveTimer = addTimer(QStringLiteral("tmrMoveButton"));
    m_moveTimer->setInterval(200);
    m_wordTimer = addTimer(QStringLiteral("tmrPsycho1"));
    m_wordTimer->setInterval(6000);
    m_moveTimer->start();
    m_wordTimer->start();

    m_wordButton->setContextMenuPolicy(Qt::ActionsContextMenu);
    m_wordButton->addAction(SeededGeneration::generateFromSeedOf(
        m_wordButton, [this](quint32 seed) { showWordFromSeed(seed); }));

    connect(m_wordButton, &QPushButton::clicked, this, &PsychoStimulatronWindow::offerWord);
    TimerHold::connectTicks(m_moveTimer, nullptr, [this] { jumpButton(); });
    TimerHold::connectTicks(m_wordTimer, nullptr, [this] { showNewWord(); });
}

void PsychoStimulatronWindow::load()
{
    showNewWord();
}

void PsychoStimulatronWindow::activate()
{
    const BusyPointer busy;
    tileChildren();
    showAlone();
    outerWindow()->showMaximized();
}

void PsychoStimulatronWindow::jumpButton()
{
    const PsychoJump::Bounds bounds = PsychoJump::boundsOf(outerWindow()->frameGeometry());
    SeededGeneration::Roll roll(SeededGeneration::drawSeed());
    m_shower->setShower(CircleShower::draw(m_shower->size(), roll.random()));
    const auto direction = PsychoJump::Direction(roll.random().number(4));
    m_wordButton->move(PsychoJump::jump(m_wordButton->geometry(), bounds, direction));
}

void PsychoStimulatronWindow::showNewWord()
{
    showWordFromSeed(SeededGeneration::drawSeed());
}

void PsychoStimulatronWindow::showWordFromSeed(quint32 seed)
{
    SeededGeneration::Roll roll(seed);
    const int kind = roll.random().number(int(WordTables.size()));
    m_wordButton->setText(roll.word(WordTables.at(kind - 1)));
    SeededGeneration::markShown(m_wordButton, roll);
    m_wordSeed = seed;
}

void PsychoStimulatronWindow::offerWord()
{
    m_drill.notePrompt(m_wordButton->text(), m_wordSeed);
    desktop().messageBox(m_wordButton->text(), tr("Think about this word."),
                         MessageIcon::Information, MessageButtons::Ok);
}

void PsychoStimulatronWindow::resizeEvent(QResizeEvent* event)
{
    ToolWindow::resizeEvent(event);
    // The six-second period runs on untouched.
    showNewWord();
}

void PsychoStimulatronWindow::closeEvent(QCloseEvent* event)
{
    // A maximised child would leave the frame's next active child maximised too.
    QWidget* outer = outerWindow();
    outer->setWindowState(outer->windowState() & ~(Qt::WindowMaximized | Qt::WindowMinimized));
    ToolWindow::closeEvent(event);
}

void PsychoStimulatronWindow::keepWork()
{
    m_drill.keep();
}

QWidget* PsychoStimulatronWindow::outerWindow()
{
    if (auto* child = qobject_cast<QMdiSubWindow*>(parentWidget()))
        return child;
    return this;
}
