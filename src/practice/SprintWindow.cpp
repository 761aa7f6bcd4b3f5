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

const QString Caption = QStringLiteral("Writing Sprint");
// Often enough for the seconds left to count down evenly.
constexpr int RefreshInterval = 250;

QString counted(qint64 count, const QString& one, const QString& many)
{
    return QStringLiteral("%1 %2").arg(count).arg(count == 1 ? one : many);
}

QString wordsText(qint64 words)
{
    return counted(words, QStringLiteral("word"), QStringLiteral("words"));
}

QString pace(qint64 wordsPerMinute)
{
    return counted(wordsPerMinute, QStringLiteral("word a minute"),
                   QStringLiteral("words a minute"));
}

// "10 minutes", "45 seconds", "2 minutes and 5 seconds".
QString durationText(int seconds)
{
    const QString minutes =
        counted(seconds / 60, QStringLiteral("minute"), QStringLiteral("minutes"));
    const QString rest = counted(seconds % 60, QStringLiteral("second"), QStringLiteral("seconds"));
    if (seconds < 60)
        return rest;
    return seconds % 60 == 0 ? minutes : minutes + QStringLiteral(" and ") + rest;
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
    : ToolWindow(QStringLiteral("frmSprint"), Caption, parent)
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
    m_minutes->setAccessibleName(QStringLiteral("Minutes"));
    m_minutes->setRange(1, 120);
    m_minutes->setValue(10);
    m_wordGoal = named(new QSpinBox, QStringLiteral("spnWordGoal"));
    m_wordGoal->setAccessibleName(QStringLiteral("Word goal"));
    m_wordGoal->setRange(0, 100000);
    m_wordGoal->setSpecialValueText(QStringLiteral("None"));
    m_promptKind = named(new QComboBox, QStringLiteral("cboPrompt"));
    m_promptKind->setAccessibleName(QStringLiteral("Prompt"));
    m_promptKind->addItems(SprintPrompt::captions());
    m_noDeleting = checkBox(QStringLiteral("chkNoDeleting"), QStringLiteral("No deleting"));
    m_noDeleting->setToolTip(
        QStringLiteral("While the sprint runs, nothing written can be taken back"));
    m_startButton = button(QStringLiteral("cmdStart"), QStringLiteral("&Start"));
    m_closeButton = button(QStringLiteral("cmdClose"), QStringLiteral("Close"));

    m_prompt = named(new QLabel, QStringLiteral("lblPrompt"));
    m_prompt->setAccessibleName(QStringLiteral("Prompt text"));
    m_prompt->setWordWrap(true);
    QFont promptFont = m_prompt->font();
    promptFont.setBold(true);
    m_prompt->setFont(promptFont);
    m_text = named(new AppendOnlyTextEdit, QStringLiteral("txtSprint"));
    m_text->setAccessibleName(QStringLiteral("Sprint text"));
    m_text->setTabChangesFocus(true);
    m_text->setPlaceholderText(QStringLiteral("Press Start, then write."));
    m_text->setReadOnly(true); // nothing is written outside a sprint until the first one starts
    enlargeFont(m_text, 1.25);

    m_words = makeFigure(QStringLiteral("lblWords"), QStringLiteral("Words"));
    m_characters = makeFigure(QStringLiteral("lblCharacters"), QStringLiteral("Characters"));
    m_wordsPerMinute =
        makeFigure(QStringLiteral("lblWordsPerMinute"), QStringLiteral("Words a minute"));
    m_timeLeft = makeFigure(QStringLiteral("lblTimeLeft"), QStringLiteral("Time left"));
    enlargeFont(m_timeLeft, 1.5);

    m_timer = addTimer(QStringLiteral("tmrSprint"));
    m_timer->setInterval(RefreshInterval);
}

void SprintWindow::arrangeControls()
{
    auto* settings = new QHBoxLayout;
    settings->addWidget(
        makeLabel(QStringLiteral("lblMinutes"), QStringLiteral("&Minutes:"), m_minutes));
    settings->addWidget(m_minutes);
    settings->addSpacing(12);
    settings->addWidget(
        makeLabel(QStringLiteral("lblWordGoal"), QStringLiteral("Word &goal:"), m_wordGoal));
    settings->addWidget(m_wordGoal);
    settings->addSpacing(12);
    settings->addWidget(
        makeLabel(QStringLiteral("lblPromptKind"), QStringLiteral("&Prompt:"), m_promptKind));
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
    record.kind = Caption;
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
        reportFailedWrite(error,
                          RefusedWrite::saving(QStringLiteral("this sprint"),
                                               QStringLiteral("What you wrote is still here")));
        showState();
        return false;
    }
    showStatus(QStringLiteral("Sprint saved: %1 in %2, %3.")
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
        reportFailedWrite(error,
                          RefusedWrite::saving(QStringLiteral("your changes to this sprint"),
                                               QStringLiteral("What you wrote is still here")));
        return false;
    }
    m_keptText = text;
    return true;
}

void SprintWindow::showState()
{
    if (m_running)
        m_startButton->setText(QStringLiteral("&Stop"));
    else if (m_unsaved)
        m_startButton->setText(QStringLiteral("&Save"));
    else
        m_startButton->setText(QStringLiteral("&Start"));
    // The settings make the sprint: they stay as they are while it runs.
    const QList<QWidget*> settings = {m_minutes, m_wordGoal, m_promptKind, m_noDeleting};
    for (QWidget* setting : settings)
        setting->setEnabled(!m_running);
}

void SprintWindow::showFigures()
{
    const WordCount::Count count = WordCount::of(m_text->toPlainText());
    const int goal = m_wordGoal->value();
    m_words->setText(goal > 0 ? QStringLiteral("%1 of %2 words").arg(count.words).arg(goal)
                              : wordsText(count.words));
    m_characters->setText(
        counted(count.characters, QStringLiteral("character"), QStringLiteral("characters")));
    const qint64 run = m_running ? elapsedMsecs() : m_endedAfter;
    const qint64 seconds = run / 1000;
    m_wordsPerMinute->setText(pace(seconds > 0 ? qRound(count.words * 60.0 / seconds) : 0));
    // The seconds left are rounded up: the last one shows until the time is over.
    const qint64 left = (m_running || m_sprintMinutes > 0) ? (durationMsecs() - run + 999) / 1000
                                                           : m_minutes->value() * 60;
    m_timeLeft->setText(
        QStringLiteral("%1:%2 left").arg(left / 60).arg(left % 60, 2, 10, QChar(u'0')));
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
