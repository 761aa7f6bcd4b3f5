#include "inspiration/FreeAssociationWindow.h"

#include "shared/desktop/BusyPointer.h"
#include "shared/desktop/TimerHold.h"
#include "shared/widgets/ControlMakers.h"
#include "shared/widgets/OutputText.h"
#include "shared/widgets/ResultKeeping.h"
#include "shared/widgets/SeededGeneration.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

namespace {

using ControlMakers::named;

QString startCaption()
{
    return FreeAssociationWindow::tr("&Start");
}

QString stopCaption()
{
    return FreeAssociationWindow::tr("&Stop");
}

QLineEdit* makeTextBox(const QString& name, const QString& accessibleName)
{
    auto* box = named(new QLineEdit, name);
    box->setAccessibleName(accessibleName);
    box->setEnabled(false);
    return box;
}

} // namespace

FreeAssociationWindow::FreeAssociationWindow(QWidget* parent)
    : ToolWindow(QStringLiteral("frmFreeAss"), tr("Free Association"), parent)
{
    auto* stimulusLabel = named(new QLabel(tr("Stimulus:")), QStringLiteral("lblStimulus"));
    m_stimulus = makeTextBox(QStringLiteral("txtStimulus"), tr("Stimulus"));
    // Never typed in, but read at a glance: its text keeps the normal colour.
    QPalette stimulusColours = m_stimulus->palette();
    stimulusColours.setColor(QPalette::Disabled, QPalette::Text,
                             stimulusColours.color(QPalette::Active, QPalette::Text));
    m_stimulus->setPalette(stimulusColours);
    auto* responseLabel = named(new QLabel(tr("Response:")), QStringLiteral("lblResponse"));
    m_response = makeTextBox(QStringLiteral("txtResponse"), tr("Response"));
    m_results = ControlMakers::resultsList();
    m_results->setAccessibleName(tr("Stimuli and responses"));
    m_startButton = ControlMakers::button(QStringLiteral("cmdGenerate"), startCaption());
    m_buttons = {m_startButton, ControlMakers::button(QStringLiteral("cmdPrint"), tr("&Print")),
                 ControlMakers::button(QStringLiteral("cmdClip"), tr("&Clipboard")),
                 ControlMakers::button(QStringLiteral("cmdClear"), tr("Clear List")),
                 ControlMakers::button(QStringLiteral("cmdOK"), tr("Close"))};
    m_timer = addTimer(QStringLiteral("tmrFreeAss"));
    m_timer->setInterval(AnswerPeriod);
    // A coarse timer may stretch the user's time to answer by a twentieth.
    m_timer->setTimerType(Qt::PreciseTimer);

    arrangeControls(stimulusLabel, responseLabel);
    connectControls();
    resize(sizeHint().expandedTo(QSize(520, 320)));
}

void FreeAssociationWindow::arrangeControls(QLabel* stimulusLabel, QLabel* responseLabel)
{
    stimulusLabel->setBuddy(m_stimulus);
    responseLabel->setBuddy(m_response);

    auto* grid = new QGridLayout(this);
    grid->addWidget(stimulusLabel, 0, 0);
    grid->addWidget(m_stimulus, 0, 1);
    grid->addWidget(responseLabel, 1, 0);
    grid->addWidget(m_response, 1, 1);
    grid->addWidget(m_results, 2, 0, 1, 2);
    grid->addLayout(ControlMakers::buttonRow(m_buttons), 3, 0, 1, 2);
    grid->setRowStretch(2, 1);
    grid->setColumnStretch(1, 1);

    QList<QWidget*> tabOrder = {m_response};
    tabOrder += QList<QWidget*>(m_buttons.cbegin(), m_buttons.cend());
    tabOrder += m_results;
    setTabOrderChain(tabOrder);
}

void FreeAssociationWindow::connectControls()
{
    connect(m_startButton, &QPushButton::clicked, this, &FreeAssociationWindow::startOrStop);
    connect(m_response, &QLineEdit::returnPressed, this, &FreeAssociationWindow::recordResponse);
    TimerHold::connectTicks(m_timer, nullptr, [this] { newWord(); });
    connect(m_buttons.at(1), &QPushButton::clicked, this,
            [this] { printResults(windowTitle(), m_results); });
    connect(m_buttons.at(2), &QPushButton::clicked, this,
            [this] { copyResults(windowTitle(), m_results); });
    connect(m_buttons.at(3), &QPushButton::clicked, this, &FreeAssociationWindow::clearResults);
    connect(m_buttons.at(4), &QPushButton::clicked, this, &ToolWindow::unload);
    ResultKeeping::of(m_results)->addCommand(SeededGeneration::generateFromSeedOf(
        m_stimulus, [this](quint32 seed) { newWordFromSeed(seed); }));
}

void FreeAssociationWindow::newWord()
{
    newWordFromSeed(SeededGeneration::drawSeed());
}

void FreeAssociationWindow::newWordFromSeed(quint32 seed)
{
    SeededGeneration::Roll roll(seed);
    m_stimulus->setText(roll.word(QStringLiteral("Noun")));
    SeededGeneration::markShown(m_stimulus, roll);
    m_drill.notePrompt(m_stimulus->text(), seed);
    // Starting again restarts the period: the next automatic word is a full period away. Out of
    // a drill, a word rolled from a seed waits for Start.
    if (m_running) {
        m_timer->stop();
        m_timer->start(AnswerPeriod);
    }
}

void FreeAssociationWindow::activate()
{
    const BusyPointer busy;
    ToolWindow::activate();
}

void FreeAssociationWindow::startOrStop()
{
    m_running = !m_running;
    if (m_running) {
        m_startButton->setText(stopCaption());
        m_response->setEnabled(true);
        m_response->setFocus();
        newWord();
    } else {
        m_startButton->setText(startCaption());
        m_drill.keep(m_results);
        m_response->clear();
        clearStimulus();
        m_response->setEnabled(false);
        m_timer->stop();
    }
}

void FreeAssociationWindow::recordResponse()
{
    ControlMakers::addResultLine(
        m_results,
        tr("Stimulus: %1      Response: %2").arg(m_stimulus->text(), m_response->text()));
    m_drill.noteResponse(m_response->text());
    m_response->clear();
    m_response->setFocus();
    newWord();
}

void FreeAssociationWindow::keepWork()
{
    m_drill.keep(m_results);
}

void FreeAssociationWindow::clearResults()
{
    m_drill.keep(m_results);
    m_results->clear();
    m_drill.resultsCleared();
    clearStimulus();
    m_response->clear();
}

void FreeAssociationWindow::clearStimulus()
{
    m_stimulus->clear();
    SeededGeneration::clearShown(m_stimulus);
}
