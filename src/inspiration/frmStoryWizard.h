#pragma once

#include "shared/Desktop.h"
#include "shared/ToolWindow.h"

#include <memory>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QSqlQuery;

// The story wizard: the questions of a chosen category are asked one at a time, and every
// question is recorded with its answer in a list that can be printed or copied.
class frmStoryWizard : public ToolWindow
{
    Q_OBJECT

public:
    explicit frmStoryWizard(QWidget* parent = nullptr);
    ~frmStoryWizard() override;

    QGroupBox* Frame1;
    QLabel* Label1;
    QComboBox* cboQuestions;
    QLabel* lblQuestion;
    QPlainTextEdit* txtQuestion;
    QLabel* lblAnswer;
    QLineEdit* txtAnswer;
    QGroupBox* Frame2;
    QListWidget* lstResults;
    QPushButton* cmdClip;
    QPushButton* cmdPrint;
    QPushButton* cmdClear;
    QPushButton* cmdClose;

    void addListItem();
    // Starts the category in the combo box afresh at its first question.
    void getSelectedQuestion();
    void presentQuestion();
    void nextQuestion();
    // The question area: the question, the answer box and the record.
    void enableUI(bool tf);

    void load() override;
    void activate() override;
    void cboQuestions_Click();
    void cboQuestions_LostFocus();
    // Enter in the answer box: records the question and its answer and moves on.
    void txtAnswer_KeyPress();
    void cmdClear_Click();
    void cmdClip_Click();
    void cmdPrint_Click();
    void cmdClose_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createControls();
    void arrangeControls();
    void connectControls();
    // Leaves the area disabled and says why the category has nothing to ask.
    void refuseCategory(const QString& message, MessageIcon icon);

    std::unique_ptr<QSqlQuery> m_questions;
};
