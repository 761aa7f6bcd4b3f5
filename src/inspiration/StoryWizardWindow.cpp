#include "inspiration/StoryWizardWindow.h"

#include "data/StoredQuery.h"
#include "shared/desktop/BusyPointer.h"
#include "shared/desktop/Desktop.h"
#include "shared/widgets/ControlMakers.h"
#include "shared/widgets/FatalError.h"
#include "shared/widgets/OutputText.h"
#include "shared/widgets/WindowServices.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {

using ControlMakers::named;

QLabel* makeLabel(const QString& name, const QString& caption, QWidget* buddy)
{
    auto* label = named(new QLabel(caption), name);
    label->setBuddy(buddy);
    return label;
}

QString withFirstLetterUpper(QString text)
{
    if (!text.isEmpty())
        text[0] = text.at(0).toUpper();
    return text;
}

// The first column of every row of a stored query (a view, or a statement kept in the database
// with its parameters), in order; a failure is told as the routine's.
bool readFirstColumn(const QString& storedQuery, const QVariantMap& parameters, QStringList* values,
                     StoreError* error, const QString& routine)
{
    if (StoredQuery::firstColumn(storedQuery, parameters, values, error))
        return true;
    error->source = routine;
    return false;
}

bool readCategories(QStringList* categories, StoreError* error)
{
    return readFirstColumn(QStringLiteral("questionCategory"), {}, categories, error,
                           QStringLiteral("addListItem"));
}

// The questions of a category, in the order they are asked.
bool readQuestions(const QString& category, QStringList* questions, StoreError* error)
{
    return readFirstColumn(QStringLiteral("questionList"), {{QStringLiteral("CATEGORY"), category}},
                           questions, error, QStringLiteral("getSelectedQuestion"));
}

} // namespace

StoryWizardWindow::StoryWizardWindow(QWidget* parent)
    : ToolWindow(QStringLiteral("frmStoryWizard"), tr("Story Wizard"), parent)
{
    createControls();
    arrangeControls();
    connectControls();
    resize(sizeHint().expandedTo(QSize(520, 420)));
}

void StoryWizardWindow::createControls()
{
    m_categories = named(new QComboBox, QStringLiteral("cboQuestions"));
    m_categories->setEditable(true);
    // A typed text is looked for, never added to the list.
    m_categories->setInsertPolicy(QComboBox::NoInsert);
    m_categories->setToolTip(tr("Select the category of questions"));
    m_categories->setAccessibleName(tr("Category"));

    m_question = named(new QPlainTextEdit, QStringLiteral("txtQuestion"));
    m_question->setReadOnly(true);
    m_question->setToolTip(tr("Quillane question to aid you in getting started."));
    m_question->setAccessibleName(tr("Question"));

    m_answer = named(new QLineEdit, QStringLiteral("txtAnswer"));
    m_answer->setToolTip(tr("Place your answer to the question in this field and hit ENTER."));
    m_answer->setAccessibleName(tr("Answer"));

    m_results = ControlMakers::resultsList();
    m_results->setAccessibleName(tr("Questions and answers"));

    m_buttons = {ControlMakers::button(QStringLiteral("cmdClip"), tr("&Clipboard")),
                 ControlMakers::button(QStringLiteral("cmdPrint"), tr("&Print")),
                 ControlMakers::button(QStringLiteral("cmdClear"), tr("Clear")),
                 ControlMakers::button(QStringLiteral("cmdClose"), tr("Close"))};
}

void StoryWizardWindow::arrangeControls()
{
    // Three lines of question, whatever the font.
    const QMargins margins = m_question->contentsMargins();
    m_question->setFixedHeight(m_question->fontMetrics().lineSpacing() * 3 +
                               int(2 * m_question->document()->documentMargin()) + margins.top() +
                               margins.bottom());

    auto* questionFrame = named(new QGroupBox(tr("Question && Answer")), QStringLiteral("Frame1"));
    auto* questionArea = new QGridLayout(questionFrame);
    questionArea->addWidget(makeLabel(QStringLiteral("Label1"), tr("Category:"), m_categories), 0,
                            0);
    questionArea->addWidget(m_categories, 0, 1);
    questionArea->addWidget(makeLabel(QStringLiteral("lblQuestion"), tr("Question:"), m_question),
                            1, 0, Qt::AlignTop);
    questionArea->addWidget(m_question, 1, 1);
    questionArea->addWidget(makeLabel(QStringLiteral("lblAnswer"), tr("Answer:"), m_answer), 2, 0);
    questionArea->addWidget(m_answer, 2, 1);
    questionArea->setColumnStretch(1, 1);

    auto* recordFrame = named(new QGroupBox(tr("Response")), QStringLiteral("Frame2"));
    auto* record = new QVBoxLayout(recordFrame);
    record->addWidget(m_results);

    auto* window = new QVBoxLayout(this);
    window->addWidget(questionFrame);
    window->addWidget(recordFrame, 1);
    window->addLayout(ControlMakers::buttonRow(m_buttons));

    QList<QWidget*> tabOrder = {m_answer, m_categories, m_question, m_results};
    tabOrder += QList<QWidget*>(m_buttons.cbegin(), m_buttons.cend());
    setTabOrderChain(tabOrder);
    // The answer box comes first: the window opens ready for typing.
    m_answer->setFocus();
}

void StoryWizardWindow::connectControls()
{
    connect(m_categories, &QComboBox::activated, this, &StoryWizardWindow::chooseCategory);
    m_categories->installEventFilter(this);
    connect(m_answer, &QLineEdit::returnPressed, this, &StoryWizardWindow::recordAnswer);
    connect(m_buttons.at(0), &QPushButton::clicked, this,
            [this] { copyResults(windowTitle(), m_results); });
    connect(m_buttons.at(1), &QPushButton::clicked, this,
            [this] { printResults(windowTitle(), m_results); });
    connect(m_buttons.at(2), &QPushButton::clicked, this, &StoryWizardWindow::restartCategory);
    connect(m_buttons.at(3), &QPushButton::clicked, this, &ToolWindow::unload);
}

void StoryWizardWindow::load()
{
    const BusyPointer busy;
    tileChildren();
    fillCategories();
}

void StoryWizardWindow::activate()
{
    showAlone();
}

void StoryWizardWindow::fillCategories()
{
    QStringList categories;
    StoreError error;
    if (!readCategories(&categories, &error)) {
        reportFatalError(error);
        return;
    }
    for (const QString& category : std::as_const(categories))
        m_categories->addItem(withFirstLetterUpper(category));
    if (m_categories->count() == 0) {
        enableQuestionArea(false); // nothing to ask until questions are added
        return;
    }
    m_categories->setCurrentIndex(0);
    chooseCategory();
}

void StoryWizardWindow::chooseCategory()
{
    const BusyPointer busy;
    if (!m_categories->currentText().isEmpty())
        startCategory();
}

void StoryWizardWindow::startCategory()
{
    enableQuestionArea(true);
    // The answers typed so far are kept before the category starts afresh.
    m_drill.keep(m_results);
    m_results->clear();
    m_drill.resultsCleared();
    m_questions.clear();
    m_current = 0;
    StoreError error;
    if (!readQuestions(m_categories->currentText(), &m_questions, &error)) {
        refuseCategory(
            tr("The questions of this category could not be read.\n%1").arg(error.description),
            MessageIcon::Exclamation);
        return;
    }
    if (m_questions.isEmpty()) {
        refuseCategory(tr("There are no questions in this category yet."),
                       MessageIcon::Information);
        return;
    }
    presentQuestion();
}

void StoryWizardWindow::refuseCategory(const QString& message, MessageIcon icon)
{
    m_questions.clear();
    m_question->clear();
    enableQuestionArea(false);
    desktop().messageBox(message, tr("Story Wizard"), icon, MessageButtons::Ok);
}

void StoryWizardWindow::presentQuestion()
{
    if (allAsked())
        enableQuestionArea(false);
    else
        m_question->setPlainText(m_questions.at(m_current));
    if (!allAsked())
        m_drill.notePrompt(m_questions.at(m_current));
}

void StoryWizardWindow::nextQuestion()
{
    if (allAsked())
        return;
    ++m_current;
    presentQuestion();
    m_answer->clear();
}

void StoryWizardWindow::enableQuestionArea(bool enabled)
{
    for (QWidget* control : QList<QWidget*>{m_question, m_answer, m_results})
        control->setEnabled(enabled);
}

void StoryWizardWindow::recordAnswer()
{
    m_drill.noteResponse(m_answer->text());
    ControlMakers::addResultLines(m_results, {tr("Question: %1").arg(m_question->toPlainText()),
                                              m_answer->text().isEmpty()
                                                  ? tr("Answer: No response")
                                                  : tr("Answer: %1").arg(m_answer->text())});
    if (!allAsked())
        nextQuestion();
    else
        enableQuestionArea(false);
}

bool StoryWizardWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_categories && event->type() == QEvent::FocusOut && m_answer->isEnabled()) {
        // Opening the list or leaving the program is not leaving the box.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        // Later: the focus is still on its way to the control that takes it.
        if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason)
            QTimer::singleShot(0, m_answer, [this] { m_answer->setFocus(Qt::OtherFocusReason); });
    }
    return ToolWindow::eventFilter(watched, event);
}

void StoryWizardWindow::keepWork()
{
    m_drill.keep(m_results);
}

void StoryWizardWindow::restartCategory()
{
    m_results->clear();
    chooseCategory();
    m_answer->setFocus();
}
