#pragma once

#include "shared/ToolWindow.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTimer;

// The free association drill: a random noun is shown, the user types the first response that
// comes to mind and presses Enter, and the pair is recorded. A noun left unanswered for eight
// seconds is replaced without being recorded.
class frmFreeAss : public ToolWindow
{
    Q_OBJECT

public:
    // How long a noun waits for its response; the application's timer setting does not apply.
    static constexpr int AnswerPeriod = 8000;

    explicit frmFreeAss(QWidget* parent = nullptr);

    QLabel* lblStimulus;
    QLineEdit* txtStimulus;
    QLabel* lblResponse;
    QLineEdit* txtResponse;
    QListWidget* lstResults;
    QPushButton* cmdGenerate; // its caption is the drill's state
    QPushButton* cmdPrint;
    QPushButton* cmdClip;
    QPushButton* cmdClear;
    QPushButton* cmdOK;
    QTimer* tmrFreeAss;

    // Shows the next noun and restarts the answer period.
    void newWord();

    void activate() override;
    void cmdGenerate_Click();
    // Enter in the response box: records the pair and moves on.
    void txtResponse_KeyPress();
    void tmrFreeAss_Timer();
    void cmdClear_Click();
    void cmdClip_Click();
    void cmdPrint_Click();
    void cmdOK_Click();

    // For tests only: a shorter answer period, so that a tick needs no eight-second wait.
    void setAnswerPeriodForTests(int milliseconds) { m_answerPeriod = milliseconds; }

private:
    void arrangeControls();
    void connectControls();

    int m_answerPeriod = AnswerPeriod;
};
