#pragma once

#include "shared/ToolWindow.h"

#include <QList>
#include <QMetaObject>

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QTimer;

// The brainstorm drill: the writer names a topic, then answers one random prompt word after
// another (a question word, noun, verb, adjective or adverb) with ideas. A new word comes after
// each idea, or at every tick of the timer. The topic and the ideas collect in a printable list.
class frmBrainstorm : public ToolWindow
{
    Q_OBJECT

public:
    explicit frmBrainstorm(QWidget* parent = nullptr);
    ~frmBrainstorm() override;

    QLabel* lblTopic;
    QLineEdit* txtTopic;
    QLineEdit* txtQuestionWord;
    QLabel* lblIdea;
    QLineEdit* txtResponse;
    QGroupBox* frmPrompt;
    QList<QRadioButton*> optPrompt; // Question word, Noun, Verb, Adjective, Adverb
    QCheckBox* chkRandom;
    QCheckBox* chkTimer;
    QListWidget* lstResults;
    QPushButton* cmdPrint;
    QPushButton* cmdClip;
    QPushButton* cmdClear;
    QPushButton* cmdOK;
    QTimer* tmrBrainstorm;

    void activate() override;
    void startIdea();
    // Shows a random word of the prompt kind (0 to 4, as the optPrompt buttons).
    void determineWord(qint16 index);
    void txtTopic_KeyPress();
    void txtTopic_LostFocus(QWidget* newFocus);
    void txtResponse_KeyPress();
    void chkTimer_Click();
    void chkRandom_Click();
    void tmrBrainstorm_Timer();
    void cmdClear_Click();
    void cmdClip_Click();
    void cmdPrint_Click();
    void cmdOK_Click();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void createControls();
    void arrangeControls();
    void connectControls();
    void askForTopic();
    bool holdsFocus() const;

    QButtonGroup* m_promptKinds;
    QMetaObject::Connection m_focusWatch;
    // Set while activation moves the focus about: those moves are not the writer's.
    bool m_activating = false;
};
