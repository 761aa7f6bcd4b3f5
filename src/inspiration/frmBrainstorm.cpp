#include "inspiration/frmBrainstorm.h"

#include "shared/RandomListValue.h"
#include "shared/ControlMakers.h"
#include "shared/Desktop.h"
#include "shared/OutputText.h"
#include "shared/Random.h"
#include "shared/TimerHold.h"
#include "shared/WindowServices.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <QTimer>

#include <iterator>

using namespace ControlMakers;

namespace {

struct PromptKind
{
    const char* caption;
    const char* table;
};

// In the order of the option buttons: the index is the kind number.
constexpr PromptKind PromptKinds[] = {
    {"Question word", "questionWords"}, {"Noun", "noun"},     {"Verb", "verb"},
    {"Adjective", "adjective"},         {"Adverb", "adverb"},
};
constexpr int PromptKindCount = int(std::size(PromptKinds));

} // namespace

frmBrainstorm::frmBrainstorm(QWidget* parent)
    : ToolWindow(QStringLiteral("frmBrainstorm"), QStringLiteral("Brainstorm"), parent)
{
    createControls();
    arrangeControls();
    connectControls();
    resize(sizeHint().expandedTo(QSize(560, 380)));
}

frmBrainstorm::~frmBrainstorm()
{
    // The boxes are destroyed after this part of the window, and the focus moves as they go.
    disconnect(m_focusWatch);
}

void frmBrainstorm::createControls()
{
    lblTopic = named(new QLabel(QStringLiteral("Topic:")), QStringLiteral("lblTopic"));
    txtTopic = named(new QLineEdit, QStringLiteral("txtTopic"));
    txtQuestionWord = named(new QLineEdit, QStringLiteral("txtQuestionWord"));
    txtQuestionWord->setAccessibleName(QStringLiteral("Prompt word"));
    txtQuestionWord->setReadOnly(true);
    txtQuestionWord->setFocusPolicy(Qt::ClickFocus);
    QFont wordFont = txtQuestionWord->font();
    wordFont.setBold(true);
    txtQuestionWord->setFont(wordFont);
    lblIdea = named(new QLabel(QStringLiteral("Idea:")), QStringLiteral("lblIdea"));
    txtResponse = named(new QLineEdit, QStringLiteral("txtResponse"));

    frmPrompt = named(new QGroupBox(QStringLiteral("Prompt")), QStringLiteral("frmPrompt"));
    m_promptKinds = new QButtonGroup(this);
    for (int kind = 0; kind < PromptKindCount; ++kind) {
        auto* option = named(new QRadioButton(QString::fromLatin1(PromptKinds[kind].caption)),
                             QStringLiteral("optPrompt_%1").arg(kind));
        m_promptKinds->addButton(option, kind);
        optPrompt.append(option);
    }
    optPrompt.first()->setChecked(true);
    chkRandom = checkBox(QStringLiteral("chkRandom"), QStringLiteral("Random"));
    chkTimer = checkBox(QStringLiteral("chkTimer"), QStringLiteral("Timer"));

    lstResults = resultsList();
    cmdPrint = button(QStringLiteral("cmdPrint"), QStringLiteral("&Print"));
    cmdClip = button(QStringLiteral("cmdClip"), QStringLiteral("&Clipboard"));
    cmdClear = button(QStringLiteral("cmdClear"), QStringLiteral("Clear List"));
    cmdOK = button(QStringLiteral("cmdOK"), QStringLiteral("Close"));

    tmrBrainstorm = named(new QTimer(this), QStringLiteral("tmrBrainstorm"));
    setTimers(this);
}

void frmBrainstorm::arrangeControls()
{
    auto* kinds = new QVBoxLayout(frmPrompt);
    for (QRadioButton* option : std::as_const(optPrompt))
        kinds->addWidget(option);

    auto* options = new QVBoxLayout;
    options->addWidget(frmPrompt);
    options->addWidget(chkRandom);
    options->addWidget(chkTimer);
    options->addStretch();

    // The prompt word stands above the options, the idea box runs under both.
    auto* grid = new QGridLayout(this);
    grid->addWidget(lblTopic, 0, 0);
    grid->addWidget(txtTopic, 0, 1);
    grid->addWidget(txtQuestionWord, 0, 2);
    grid->addWidget(lblIdea, 1, 0);
    grid->addWidget(txtResponse, 1, 1, 1, 2);
    grid->addWidget(lstResults, 2, 0, 1, 2);
    grid->addLayout(options, 2, 2);
    grid->addLayout(buttonRow({cmdPrint, cmdClip, cmdClear, cmdOK}), 3, 0, 1, 3);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(2, 1);
    lstResults->setMinimumWidth(lstResults->fontMetrics().averageCharWidth() * 28);
    lblTopic->setBuddy(txtTopic);
    lblIdea->setBuddy(txtResponse);

    QList<QWidget*> tabOrder = {txtTopic, txtResponse};
    tabOrder += QList<QWidget*>(optPrompt.cbegin(), optPrompt.cend());
    tabOrder += {chkRandom, chkTimer, lstResults, cmdPrint, cmdClip, cmdClear, cmdOK};
    setTabOrderChain(tabOrder);
}

void frmBrainstorm::connectControls()
{
    connect(txtTopic, &QLineEdit::returnPressed, this, &frmBrainstorm::txtTopic_KeyPress);
    connect(txtResponse, &QLineEdit::returnPressed, this, &frmBrainstorm::txtResponse_KeyPress);
    connect(chkTimer, &QCheckBox::clicked, this, &frmBrainstorm::chkTimer_Click);
    connect(chkRandom, &QCheckBox::clicked, this, &frmBrainstorm::chkRandom_Click);
    TimerHold::connectTicks(tmrBrainstorm, chkTimer, [this] { tmrBrainstorm_Timer(); });
    connect(cmdClear, &QPushButton::clicked, this, &frmBrainstorm::cmdClear_Click);
    connect(cmdClip, &QPushButton::clicked, this, &frmBrainstorm::cmdClip_Click);
    connect(cmdPrint, &QPushButton::clicked, this, &frmBrainstorm::cmdPrint_Click);
    connect(cmdOK, &QPushButton::clicked, this, &frmBrainstorm::cmdOK_Click);

    // Only a move to another control of this window leaves the topic box: switching windows,
    // minimizing, closing or a message box taking the focus does not.
    m_focusWatch =
        connect(qApp, &QApplication::focusChanged, this, [this](QWidget* old, QWidget* now) {
            if (old == txtTopic && now && now != txtTopic && !m_activating && isAncestorOf(now) &&
                now->isVisible())
                txtTopic_LostFocus(now);
        });
}

void frmBrainstorm::activate()
{
    const QScopedValueRollback<bool> activating(m_activating, true);
    tileChildren();
    startIdea();
    setTimers(this);
    txtTopic->setFocus();
    showAlone();
}

void frmBrainstorm::startIdea()
{
    txtResponse->clear();
    txtResponse->setFocus();
}

void frmBrainstorm::determineWord(qint16 index)
{
    txtQuestionWord->setText(getRandomRecord(QString::fromLatin1(PromptKinds[index].table)));
}

void frmBrainstorm::txtTopic_KeyPress()
{
    txtResponse->setFocus();
}

void frmBrainstorm::txtTopic_LostFocus(QWidget* newFocus)
{
    if (!txtTopic->text().isEmpty()) {
        lstResults->addItem(QStringLiteral("Topic: ") + txtTopic->text());
        txtResponse->setFocus();
        return;
    }
    // Close closes, topic or not.
    if (newFocus == cmdOK)
        return;
    // The message waits until the click or key that moved the focus is done, so that no
    // button is left half pressed under it.
    QMetaObject::invokeMethod(this, &frmBrainstorm::askForTopic, Qt::QueuedConnection);
}

void frmBrainstorm::askForTopic()
{
    // In the meantime the writer may have typed a topic, closed the window or left it.
    if (!txtTopic->text().isEmpty() || !holdsFocus() || cmdOK->hasFocus())
        return;
    desktop().messageBox(QStringLiteral("You need to enter a topic."),
                         QStringLiteral("Enter a Topic"), MessageIcon::Information,
                         MessageButtons::Ok);
    txtTopic->setFocus();
}

bool frmBrainstorm::holdsFocus() const
{
    const QWidget* focused = QApplication::focusWidget();
    return focused && isAncestorOf(focused) && focused->isVisible();
}

void frmBrainstorm::txtResponse_KeyPress()
{
    if (txtResponse->text().isEmpty())
        return;
    addResultLine(lstResults, txtResponse->text());
    txtResponse->clear();
    determineWord(qint16(m_promptKinds->checkedId()));
    startIdea();
}

void frmBrainstorm::chkTimer_Click()
{
    if (chkTimer->isChecked())
        tmrBrainstorm->start();
    else
        tmrBrainstorm->stop();
    chkRandom->setEnabled(chkTimer->isChecked());
    txtResponse->setFocus();
}

void frmBrainstorm::chkRandom_Click()
{
    txtResponse->setFocus();
}

void frmBrainstorm::tmrBrainstorm_Timer()
{
    if (chkTimer->isChecked() && chkRandom->isChecked())
        determineWord(qint16(randomNumber(PromptKindCount) - 1));
    else if (chkTimer->isChecked())
        determineWord(qint16(m_promptKinds->checkedId()));
    // A tick never pulls the writer out of the topic box, nor in from another window.
    if (holdsFocus() && !txtTopic->hasFocus())
        txtResponse->setFocus();
}

void frmBrainstorm::cmdClear_Click()
{
    lstResults->clear();
    txtQuestionWord->clear();
    txtResponse->clear();
    txtResponse->setFocus();
}

void frmBrainstorm::cmdClip_Click()
{
    copyList(this);
}

void frmBrainstorm::cmdPrint_Click()
{
    printList(this);
}

void frmBrainstorm::cmdOK_Click()
{
    unload();
}

void frmBrainstorm::closeEvent(QCloseEvent* event)
{
    tmrBrainstorm->stop();
    ToolWindow::closeEvent(event);
}
