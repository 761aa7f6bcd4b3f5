#pragma once

#include "shared/widgets/DrillLog.h"
#include "shared/widgets/ToolWindow.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTimer;

// The free association drill: a random noun is shown, the user types the first response that
// comes to mind and presses Enter, and the pair is recorded. A noun left unanswered for eight
// seconds is replaced without being recorded.
class FreeAssociationWindow : public ToolWindow
{
    Q_OBJECT

public:
    // How long a noun waits for its response; the application's timer setting does not apply.
    static constexpr int AnswerPeriod = 8000;

    explicit FreeAssociationWindow(QWidget* parent = nullptr);

    void activate() override;

protected:
    void keepWork() override;

private:
    void arrangeControls(QLabel* stimulusLabel, QLabel* responseLabel);
    void connectControls();

    // Shows the next noun and restarts the answer period.
    void newWord();
    // The same, rolled from the seed; the period restarts only while a drill runs.
    void newWordFromSeed(quint32 seed);
    // The start button starts a drill, the same button (then "Stop") ends it.
    void startOrStop();
    // Enter in the response box: records the pair and moves on.
    void recordResponse();
    void clearResults();
    void clearStimulus();

    // Whether a drill runs; the button's caption, which the Alt letters may change, does not
    // tell.
    bool m_running = false;
    QLineEdit* m_stimulus;
    QLineEdit* m_response;
    QListWidget* m_results;
    QPushButton* m_startButton; // its caption is the drill's state
    QList<QPushButton*> m_buttons;
    QTimer* m_timer;
    DrillLog m_drill{QStringLiteral("Free Association")};
};
