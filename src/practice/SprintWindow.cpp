#include "practice/SprintWindow.h"

#include "engines/WordCount.h"
#include "practice/AppendOnlyTextEdit.h"
#include "practice/SprintPrompt.h"
#include "shared/desktop/Clock.h"
#include "shared/desktop/TimerHold.h"
#include "shared/widgets/ControlMakers.h"
#include "shared/widgets/FatalError.h"
#include "shared/widgets/SeededGeneration.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>

using namespace ControlMakers;

namespace {

// The kind the practice log keeps, in English.
const QString Kind = QStringLiteral("Writing Sprint");
// Often enough for the seconds left to count down evenly.
constexpr int RefreshInterval = 250;

// The count in the text for one or the one for many, each with "%1" for the count.
QString counted(qint64 count, const QString& one, const QString& many)
{
    return (count == 1 ? one : many).arg(count);
}

QString wordsText(qint64 words)
{
    return counted(words, SprintWindow::tr("%1 word"), SprintWindow::tr("%1 words"));
}

QString pace(qint64 wordsPerMinute)
{
    return counted(wordsPerMinute, SprintWindow::tr("%1 word a minute"),
                   SprintWindow::tr("%1 words a minute"));
}

// "10 minutes", "45 seconds", "2 minutes and 5 seconds".
QString durationText(int seconds)
{
    const QString minutes =
        counted(seconds / 60, SprintWindow::tr("%1 minute"), SprintWindow::tr("%1 minutes"));
    const QString rest =
        counted(seconds % 60, SprintWindow::tr("%1 second"), SprintWindow::tr("%1 seconds"));
    if (seconds < 60)
        return rest;
    return seconds % 60 == 0 ? minutes : SprintWindow::tr("%1 and %2").arg(minutes, rest);
}

QLabel* makeLabel(const QString& name, const QString& caption, QWidget* buddy)
{
    auto* label = named(new QLabel(caption), name);
    label->setBuddy(buddy);
    return label;
}

QLabel* makeFigure(const QString& name, const QString& accessibleName)
{
    auto* figure = named(new QLabel, name);
    figure->setAccessibleName(accessibleName);
    return figure;
}

} // namespace

SprintWindow::SprintWindow(QWidget* parent)
    : ToolWindow(QStringLiteral("frmSprint"), tr("Writing Sprint"), parent)
{
    createControls();
    arrangeControls();
    connectControls();
    showState();
    showFigures();
    resize(sizeHint().expandedTo(QSize(720, 480)));
}

void SprintWindow::createControls()
{
    m_minutes = named(new QSpinBox, QStringLiteral("spnMinutes"));
    m_minutes->setAccessibleName(tr("Minutes"));
    m_minutes->setRange(1, 120);
    m_minutes->setValue(10);
    m_wordGoal = named(new QSpinBox, QStringLiteral("spnWordGoal"));
    m_wordGoal->setAccessibleName(tr("Word goal"));
    m_wordGoal->setRange(0, 100000);
    m_wordGoal->setSpecialValueText(tr("None"));
    m_promptKind = named(new QComboBox, QStringLiteral("cboPrompt"));
    m_promptKind->setAccessibleName(tr("Prompt"));
    m_promptKind->addItems(SprintPrompt::captions());
    m_noDeleting = checkBox(QStringLiteral("chkNoDeleting"), tr("No deleting"));
    m_noDeleting->setToolTip(tr("While the sprint runs, nothing written can be taken back"));
    m_startButton = button(QStringLiteral("cmdStart"), tr("&Start"));
    m_closeButton = button(QStringLiteral("cmdClose"), tr("Close"));

    m_prompt = named(new QLabel, QStringLiteral("lblPrompt"));
    m_prompt->setAccessibleName(tr("Prompt text"));
    m_prompt->setWordWrap(true);
    QFont promptFont = m_prompt->font();
    promptFont.setBold(true);
    m_prompt->setFont(promptFont);
    m_text = named(new AppendOnlyTextEdit, QStringLiteral("txtSprint"));
    m_text->setAccessibleName(tr("Sprint text"));
    m_text->setTabChangesFocus(true);
    m_text->setPlaceholderText(tr("Press Start, then write."));
    m_text->setReadOnly(true); // nothing is written outside a sprint until the first one starts
    enlargeFont(m_text, 1.25);

    m_words = makeFigure(QStringLiteral("lblWords"), tr("Words"));
    m_characters = makeFigure(QStringLiteral("lblCharacters"), tr("Characters"));
    m_wordsPerMinute = makeFigure(QStringLiteral("lblWordsPerMinute"), tr("Words a minute"));
    m_timeLeft = makeFigure(QStringLiteral("lblTimeLeft"), tr("Time left"));
    enlargeFont(m_timeLeft, 1.5);

    m_timer = addTimer(QStringLiteral("tmrSprint"));
    m_timer->setInterval(RefreshInterval);
}

void SprintWindow::arrangeControls()
{
    auto* settings = new QHBoxLayout;
    settings->addWidget(makeLabel(QStringLiteral("lblMinutes"), tr("&Minutes:"), m_minutes));
    settings->addWidget(m_minutes);
    settings->addSpacing(12);
    settings->addWidget(makeLabel(QStringLiteral("lblWordGoal"), tr("Word &goal:"), m_wordGoal));
    settings->addWidget(m_wordGoal);
    settings->addSpacing(12);
    settings->addWidget(makeLabel(QStringLiteral("lblPromptKind"), tr("&Prompt:"), m_promptKind));
    settings->addWidget(m_promptKind);
    settings->addSpacing(12);
    settings->addWidget(m_noDeleting);
    settings->addStretch();
    settings->addWidget(m_startButton);

    auto* figures = new QHBoxLayout;
    for (QLabel* figure : {m_words, m_characters, m_wordsPerMinute}) {
        figures->addWidget(figure);
        figures->addSpacing(18);
    }
    figures->addStretch();
    figures->addWidget(m_timeLeft);
    figures->addSpacing(18);
    figures->addWidget(m_closeButton);

    auto* window = new QVBoxLayout(this);
    window->addLayout(settings);
    window->addWidget(m_prompt);
    window->addWidget(m_text, 1);
    window->addLayout(figures);
    setTabOrderChain(
        {m_minutes, m_wordGoal, m_promptKind, m_noDeleting, m_startButton, m_text, m_closeButton});
    setDefaultButton(m_startButton);
}

void SprintWindow::connectControls()
{
    connect(m_startButton, &QPushButton::clicked, this, &SprintWindow::pressStart);
    connect(m_closeButton, &QPushButton::clicked, this, &ToolWindow::unload);
    connect(m_text, &QPlainTextEdit::textChanged, this, [this] {
        if (m_running)
            showFigures();
    });
    // Before the first sprint the time left is the time set.
    connect(m_minutes, &QSpinBox::valueChanged, this, &SprintWindow::showFigures);
    connect(m_wordGoal, &QSpinBox::valueChanged, this, &SprintWindow::showFigures);
    TimerHold::connectTicks(m_timer, nullptr, [this] { checkTime(); });
}

void SprintWindow::pressStart()
{
    if (m_running)
        finishSprint();
    else if (m_unsaved)
        saveFinished();
    else
        startSprint();
}

void SprintWindow::startSprint()
{
    if (!keepEdits())
        return;
    m_keptId = -1;
    m_text->setAppendOnly(false);
    m_text->setReadOnly(false);
    m_text->clear();
    showPrompt();
    m_started = currentDateTime();
    m_sprintMinutes = m_minutes->value();
    m_running = true;
    m_text->setAppendOnly(m_noDeleting->isChecked());
    m_timer->start();
    showState();
    showFigures();
    m_text->setFocus();
}

void SprintWindow::showPrompt()
{
    const auto kind = SprintPrompt::Kind(m_promptKind->currentIndex());
    if (kind == SprintPrompt::Kind::None) {
        m_promptText.clear();
        m_seed.reset();
        SeededGeneration::clearShown(m_prompt);
    } else {
        SeededGeneration::Roll roll(SeededGeneration::drawSeed());
        m_promptText = SprintPrompt::draw(kind, roll);
        m_seed = roll.seed();
        SeededGeneration::markShown(m_prompt, roll);
    }
    m_prompt->setText(m_promptText);
}

void SprintWindow::checkTime()
{
    if (!m_running)
        return;
    if (elapsedMsecs() >= durationMsecs())
        finishSprint();
    else
        showFigures();
}

void SprintWindow::finishSprint()
{
    if (!m_running)
        return;
    m_endedAfter = std::min(elapsedMsecs(), durationMsecs());
    m_running = false;
    m_timer->stop();
    m_text->setAppendOnly(false);
    showState();
    showFigures();
    const QString text = m_text->toPlainText();
    const WordCount::Count count = WordCount::of(text);
    if (count.characters == 0)
        return; // nothing written, nothing to keep
    PracticeLog::Record record;
    record.kind = Kind;
    record.started = m_started;
    record.seconds = int(m_endedAfter / 1000);
    record.prompts = m_promptText;
    record.responses = text;
    record.words = count.words;
    record.characters = count.characters;
    record.seed = m_seed;
    m_unsaved = record;
    saveFinished();
}

bool SprintWindow::saveFinished()
{
    if (!m_unsaved)
        return true;
    StoreError error;
    if (!PracticeLog::add(&*m_unsaved, &error)) {
        reportFailedWrite(
            error, RefusedWrite::saving(tr("this sprint"), tr("What you wrote is still here")));
        showState();
        return false;
    }
    showStatus(tr("Sprint saved: %1 in %2, %3.")
                   .arg(wordsText(m_unsaved->words), durationText(m_unsaved->seconds),
                        pace(qRound(m_unsaved->wordsPerMinute()))));
    m_keptId = m_unsaved->id;
    m_keptText = m_unsaved->responses;
    m_unsaved.reset();
    showState();
    return true;
}

bool SprintWindow::keepEdits()
{
    const QString text = m_text->toPlainText();
    if (m_keptId < 0 || text == m_keptText)
        return true;
    StoreError error;
    if (!PracticeLog::setResponses(m_keptId, text, &error)) {
        reportFailedWrite(error, RefusedWrite::saving(tr("your changes to this sprint"),
                                                      tr("What you wrote is still here")));
        return false;
    }
    m_keptText = text;
    return true;
}

void SprintWindow::showState()
{
    if (m_running)
        m_startButton->setText(tr("&Stop"));
    else if (m_unsaved)
        m_startButton->setText(tr("&Save"));
    else
        m_startButton->setText(tr("&Start"));
    // The settings make the sprint: they stay as they are while it runs.
    const QList<QWidget*> settings = {m_minutes, m_wordGoal, m_promptKind, m_noDeleting};
    for (QWidget* setting : settings)
        setting->setEnabled(!m_running);
}

void SprintWindow::showFigures()
{
    const WordCount::Count count = WordCount::of(m_text->toPlainText());
    const int goal = m_wordGoal->value();
    m_words->setText(goal > 0 ? tr("%1 of %2 words").arg(count.words).arg(goal)
                              : wordsText(count.words));
    m_characters->setText(counted(count.characters, tr("%1 character"), tr("%1 characters")));
    const qint64 run = m_running ? elapsedMsecs() : m_endedAfter;
    const qint64 seconds = run / 1000;
    m_wordsPerMinute->setText(pace(seconds > 0 ? qRound(count.words * 60.0 / seconds) : 0));
    // The seconds left are rounded up: the last one shows until the time is over.
    const qint64 left = (m_running || m_sprintMinutes > 0) ? (durationMsecs() - run + 999) / 1000
                                                           : m_minutes->value() * 60;
    m_timeLeft->setText(tr("%1:%2 left").arg(left / 60).arg(left % 60, 2, 10, QChar(u'0')));
}

qint64 SprintWindow::elapsedMsecs() const
{
    return std::max<qint64>(0, m_started.msecsTo(currentDateTime()));
}

qint64 SprintWindow::durationMsecs() const
{
    return qint64(m_sprintMinutes) * 60 * 1000;
}

void SprintWindow::closeEvent(QCloseEvent* event)
{
    if (m_running)
        finishSprint();
    else
        saveFinished();
    // Refused, and told: what was written stays on view.
    if (m_unsaved || !keepEdits()) {
        event->ignore();
        return;
    }
    ToolWindow::closeEvent(event);
}
