#pragma once

#include "shared/desktop/Desktop.h"
#include "shared/widgets/DrillLog.h"
#include "shared/widgets/ToolWindow.h"

#include <QStringList>

class QComboBox;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

// The story wizard: the questions of a chosen category are asked one at a time, and every
// question is recorded with its answer in a list that can be printed or copied.
class StoryWizardWindow : public ToolWindow
{
    Q_OBJECT

public:
    explicit StoryWizardWindow(QWidget* parent = nullptr);

    void load() override;
    void activate() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keepWork() override;

private:
    void createControls();
    void arrangeControls();
    void connectControls();

    void fillCategories();
    // Starts the category in the combo box afresh, unless the box is empty.
    void chooseCategory();
    void startCategory();
    // Leaves the area disabled and says why the category has nothing to ask.
    void refuseCategory(const QString& message, MessageIcon icon);
    bool allAsked() const { return m_current >= m_questions.size(); }
    void presentQuestion();
    void nextQuestion();
    // The question area: the question, the answer box and the record.
    void enableQuestionArea(bool enabled);
    // Enter in the answer box: records the question and its answer and moves on.
    void recordAnswer();
    void restartCategory();

    QComboBox* m_categories;
    QPlainTextEdit* m_question;
    QLineEdit* m_answer;
    QListWidget* m_results;
    QList<QPushButton*> m_buttons;
    QStringList m_questions; // of the chosen category, in the order they are asked
    qsizetype m_current = 0;
    DrillLog m_drill{QStringLiteral("Story Wizard")};
};
