#include "inspiration/frmStoryWizard.h"

#include "data/StoredQuery.h"
#include "shared/BusyPointer.h"
#include "shared/ControlMakers.h"
#include "shared/Desktop.h"
#include "shared/FatalError.h"
#include "shared/OutputText.h"
#include "shared/WindowServices.h"

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

const QString Caption = QStringLiteral("Story Wizard");

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

} // namespace

frmStoryWizard::frmStoryWizard(QWidget* parent)
    : ToolWindow(QStringLiteral("frmStoryWizard"), Caption, parent)
{
    createControls();
    arrangeControls();
    connectControls();
    resize(sizeHint().expandedTo(QSize(520, 420)));
}

frmStoryWizard::~frmStoryWizard() = default;

void frmStoryWizard::createControls()
{
    Frame1 = named(new QGroupBox(QStringLiteral("Question && Answer")), QStringLiteral("Frame1"));
    cboQuestions = named(new QComboBox, QStringLiteral("cboQuestions"));
    cboQuestions->setEditable(true);
    // A typed text is looked for, never added to the list.
    cboQuestions->setInsertPolicy(QComboBox::NoInsert);
    cboQuestions->setToolTip(QStringLiteral("Select the category of questions"));
    cboQuestions->setAccessibleName(QStringLiteral("Category"));
    Label1 = makeLabel(QStringLiteral("Label1"), QStringLiteral("Category:"), cboQuestions);

    txtQuestion = named(new QPlainTextEdit, QStringLiteral("txtQuestion"));
    txtQuestion->setReadOnly(true);
    txtQuestion->setToolTip(QStringLiteral("Quillane question to aid you in getting started."));
    txtQuestion->setAccessibleName(QStringLiteral("Question"));
    lblQuestion =
        makeLabel(QStringLiteral("lblQuestion"), QStringLiteral("Question:"), txtQuestion);

    txtAnswer = named(new QLineEdit, QStringLiteral("txtAnswer"));
    txtAnswer->setToolTip(
        QStringLiteral("Place your answer to the question in this field and hit ENTER."));
    txtAnswer->setAccessibleName(QStringLiteral("Answer"));
    lblAnswer = makeLabel(QStringLiteral("lblAnswer"), QStringLiteral("Answer:"), txtAnswer);

    Frame2 = named(new QGroupBox(QStringLiteral("Response")), QStringLiteral("Frame2"));
    lstResults = ControlMakers::resultsList();
    lstResults->setAccessibleName(QStringLiteral("Questions and answers"));

    cmdClip = ControlMakers::button(QStringLiteral("cmdClip"), QStringLiteral("&Clipboard"));
    cmdPrint = ControlMakers::button(QStringLiteral("cmdPrint"), QStringLiteral("&Print"));
    cmdClear = ControlMakers::button(QStringLiteral("cmdClear"), QStringLiteral("Clear"));
    cmdClose = ControlMakers::button(QStringLiteral("cmdClose"), QStringLiteral("Close"));
}

void frmStoryWizard::arrangeControls()
{
    // Three lines of question, whatever the font.
    const QMargins margins = txtQuestion->contentsMargins();
    txtQuestion->setFixedHeight(txtQuestion->fontMetrics().lineSpacing() * 3 +
                                int(2 * txtQuestion->document()->documentMargin()) + margins.top() +
                                margins.bottom());

    auto* questionArea = new QGridLayout(Frame1);
    questionArea->addWidget(Label1, 0, 0);
    questionArea->addWidget(cboQuestions, 0, 1);
    questionArea->addWidget(lblQuestion, 1, 0, Qt::AlignTop);
    questionArea->addWidget(txtQuestion, 1, 1);
    questionArea->addWidget(lblAnswer, 2, 0);
    questionArea->addWidget(txtAnswer, 2, 1);
    questionArea->setColumnStretch(1, 1);

    auto* record = new QVBoxLayout(Frame2);
    record->addWidget(lstResults);

    auto* window = new QVBoxLayout(this);
    window->addWidget(Frame1);
    window->addWidget(Frame2, 1);
    window->addLayout(ControlMakers::buttonRow({cmdClip, cmdPrint, cmdClear, cmdClose}));

    const QList<QWidget*> tabOrder = {txtAnswer, cboQuestions, txtQuestion, lstResults,
                                      cmdClip,   cmdPrint,     cmdClear,    cmdClose};
    setTabOrderChain(tabOrder);
    // The answer box comes first: the window opens ready for typing.
    txtAnswer->setFocus();
}

void frmStoryWizard::connectControls()
{
    connect(cboQuestions, &QComboBox::activated, this, &frmStoryWizard::cboQuestions_Click);
    cboQuestions->installEventFilter(this);
    connect(txtAnswer, &QLineEdit::returnPressed, this, &frmStoryWizard::txtAnswer_KeyPress);
    connect(cmdClear, &QPushButton::clicked, this, &frmStoryWizard::cmdClear_Click);
    connect(cmdClip, &QPushButton::clicked, this, &frmStoryWizard::cmdClip_Click);
    connect(cmdPrint, &QPushButton::clicked, this, &frmStoryWizard::cmdPrint_Click);
    connect(cmdClose, &QPushButton::clicked, this, &frmStoryWizard::cmdClose_Click);
}

void frmStoryWizard::load()
{
    setHourglass();
    tileChildren();
    addListItem();
    resetPointer();
}

void frmStoryWizard::activate()
{
    showAlone();
}

void frmStoryWizard::addListItem()
{
    QSqlQuery categories;
    StoreError error;
    if (!StoredQuery::run(QStringLiteral("questionCategory"), {}, &categories, &error)) {
        reportFatalError(error);
        return;
    }
    while (categories.next())
        cboQuestions->addItem(withFirstLetterUpper(categories.value(0).toString()));
    if (cboQuestions->count() == 0) {
        enableUI(false); // nothing to ask until questions are added
        return;
    }
    cboQuestions->setCurrentIndex(0);
    cboQuestions_Click();
}

void frmStoryWizard::cboQuestions_Click()
{
    setHourglass();
    if (!cboQuestions->currentText().isEmpty())
        getSelectedQuestion();
    resetPointer();
}

void frmStoryWizard::getSelectedQuestion()
{
    enableUI(true);
    lstResults->clear();
    m_questions = std::make_unique<QSqlQuery>();
    StoreError error;
    if (!StoredQuery::run(QStringLiteral("questionList"),
                          {{QStringLiteral("CATEGORY"), cboQuestions->currentText()}},
                          m_questions.get(), &error)) {
        refuseCategory(QStringLiteral("The questions of this category could not be read.\n") +
                           error.description,
                       MessageIcon::Exclamation);
        return;
    }
    if (!m_questions->next()) {
        refuseCategory(QStringLiteral("There are no questions in this category yet."),
                       MessageIcon::Information);
        return;
    }
    presentQuestion();
}

void frmStoryWizard::refuseCategory(const QString& message, MessageIcon icon)
{
    m_questions.reset();
    txtQuestion->clear();
    enableUI(false);
    desktop().messageBox(message, Caption, icon, MessageButtons::Ok);
}

void frmStoryWizard::presentQuestion()
{
    if (!m_questions || !m_questions->isValid())
        enableUI(false);
    else
        txtQuestion->setPlainText(m_questions->value(0).toString());
}

void frmStoryWizard::nextQuestion()
{
    if (!m_questions || !m_questions->isValid())
        return;
    m_questions->next();
    presentQuestion();
    txtAnswer->clear();
}

void frmStoryWizard::enableUI(bool tf)
{
    for (QWidget* control : QList<QWidget*>{txtQuestion, txtAnswer, lstResults})
        control->setEnabled(tf);
}

void frmStoryWizard::txtAnswer_KeyPress()
{
    ControlMakers::addResultLine(lstResults,
                                 QStringLiteral("Question: ") + txtQuestion->toPlainText());
    ControlMakers::addResultLine(lstResults, txtAnswer->text().isEmpty()
                                                 ? QStringLiteral("Answer: No response")
                                                 : QStringLiteral("Answer: ") + txtAnswer->text());
    if (m_questions && m_questions->isValid())
        nextQuestion();
    else
        enableUI(false);
}

void frmStoryWizard::cboQuestions_LostFocus()
{
    if (!txtAnswer->isEnabled())
        return;
    // Later: the focus is still on its way to the control that takes it.
    QTimer::singleShot(0, txtAnswer, [this] { txtAnswer->setFocus(Qt::OtherFocusReason); });
}

bool frmStoryWizard::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == cboQuestions && event->type() == QEvent::FocusOut) {
        // Opening the list or leaving the program is not leaving the box.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason)
            cboQuestions_LostFocus();
    }
    return ToolWindow::eventFilter(watched, event);
}

void frmStoryWizard::cmdClear_Click()
{
    lstResults->clear();
    cboQuestions_Click();
    txtAnswer->setFocus();
}

void frmStoryWizard::cmdClip_Click()
{
    setHourglass();
    copyList(this);
    resetPointer();
}

void frmStoryWizard::cmdPrint_Click()
{
    printList(this);
}

void frmStoryWizard::cmdClose_Click()
{
    unload();
}
