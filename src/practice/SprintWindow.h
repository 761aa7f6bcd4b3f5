#pragma once

#include "data/PracticeLog.h"
#include "shared/widgets/ToolWindow.h"

#include <QDateTime>

#include <optional>

class AppendOnlyTextEdit;
class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QSpinBox;
class QTimer;

// A writing sprint: the writer sets a time and perhaps a word goal and a prompt, presses Start
// and writes against the clock, watching the words, characters, pace and time left. When the
// time is up or the writer stops, the sprint goes into the practice log.
class SprintWindow : public ToolWindow
{
    Q_OBJECT

public:
    explicit SprintWindow(QWidget* parent = nullptr);

protected:
    // A sprint running ends and is saved first: closing never loses it.
    void closeEvent(QCloseEvent* event) override;

private:
    void createControls();
    void arrangeControls();
    void connectControls();

    // Start, Stop or Save, as the button stands.
    void pressStart();
    void startSprint();
    void showPrompt();
    void checkTime();
    void finishSprint();
    // Saves the finished sprint waiting to be saved, if any; false when it is still waiting.
    // Keeps the text edited since the saved sprint ended in its record; false when refused, and
    // told.
    bool keepEdits();
    bool saveFinished();
    void showState();
    void showFigures();
    qint64 elapsedMsecs() const;
    qint64 durationMsecs() const;

    QSpinBox* m_minutes;
    QSpinBox* m_wordGoal;
    QComboBox* m_promptKind;
    QCheckBox* m_noDeleting;
    QPushButton* m_startButton;
    QPushButton* m_closeButton;
    QLabel* m_prompt;
    AppendOnlyTextEdit* m_text;
    QLabel* m_words;
    QLabel* m_characters;
    QLabel* m_wordsPerMinute;
    QLabel* m_timeLeft;
    QTimer* m_timer;

    bool m_running = false;
    QDateTime m_started;
    qint64 m_endedAfter = 0; // the milliseconds run, once the sprint is over
    int m_sprintMinutes = 0;
    QString m_promptText;
    std::optional<qint64> m_seed; // of the prompt's roll
    std::optional<PracticeLog::Record> m_unsaved;
    // The saved sprint and its text as saved: what the writer edits after its end is kept too.
    qint64 m_keptId = -1;
    QString m_keptText;
};
