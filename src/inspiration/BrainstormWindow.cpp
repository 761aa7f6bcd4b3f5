#include "inspiration/BrainstormWindow.h"

#include "shared/desktop/Desktop.h"
#include "shared/desktop/TimerHold.h"
#include "shared/widgets/ControlMakers.h"
#include "shared/widgets/OutputText.h"
#include "shared/widgets/ResultKeeping.h"
#include "shared/widgets/SeededGeneration.h"
#include "shared/widgets/WindowServices.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
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
    {QT_TRANSLATE_NOOP("BrainstormWindow", "Question word"), "questionWords"},
    {QT_TRANSLATE_NOOP("BrainstormWindow", "Noun"), "noun"},
    {QT_TRANSLATE_NOOP("BrainstormWindow", "Verb"), "verb"},
    {QT_TRANSLATE_NOOP("BrainstormWindow", "Adjective"), "adjective"},
    {QT_TRANSLATE_NOOP("BrainstormWindow", "Adverb"), "adverb"},
};
constexpr int PromptKindCount = int(std::size(PromptKinds));

} // namespace

BrainstormWindow::BrainstormWindow(QWidget* parent)
    : ToolWindow(QStringLiteral("frmBrainstorm"), tr("Brainstorm"), parent)
{
    createControls();
    arrangeControls();
    connectControls();
    resize(sizeHint().expandedTo(QSize(560, 380)));
}

BrainstormWindow::~BrainstormWindow()
{
    // The boxes are destroyed after this part of the window, and the focus moves as they go.
    disconnect(m_focusWatch);
}

void BrainstormWindow::createControls()
{
    m_topic = named(new QLineEdit, QStringLiteral("txtTopic"));
    m_promptWord = named(new QLineEdit, QStringLiteral("txtQuestionWord"));
    m_promptWord->setAccessibleName(tr("Prompt word"));
    m_promptWord->setReadOnly(true);
    m_promptWord->setFocusPolicy(Qt::ClickFocus);
    QFont wordFont = m_promptWord->font();
    wordFont.setBold(true);
    m_promptWord->setFont(wordFont);
    m_idea = named(new QLineEdit, QStringLiteral("txtResponse"));

    m_promptFrame = named(new QGroupBox(tr("Prompt")), QStringLiteral("frmPrompt"));
    m_promptKinds = new QButtonGroup(this);
    for (int kind = 0; kind < PromptKindCount; ++kind) {
        auto* option = named(new QRadioButton(tr(PromptKinds[kind].caption)),
                             QStringLiteral("optPrompt_%1").arg(kind));
        m_promptKinds->addButton(option, kind);
    }
    m_promptKinds->button(0)->setChecked(true);
    m_randomKind = checkBox(QStringLiteral("chkRandom"), tr("Random"));
    m_timerBox = checkBox(QStringLiteral("chkTimer"), tr("Timer"));

    m_results = resultsList();
    m_buttons = {button(QStringLiteral("cmdPrint"), tr("&Print")),
                 button(QStringLiteral("cmdClip"), tr("&Clipboard")),
                 button(QStringLiteral("cmdClear"), tr("Clear List")),
                 button(QStringLiteral("cmdOK"), tr("Close"))};
    m_closeButton = m_buttons.last();

    m_timer = addTimer(QStringLiteral("tmrBrainstorm"));
    setTimers(this);
}

void BrainstormWindow::arrangeControls()
{
    auto* kinds = new QVBoxLayout(m_promptFrame);
    const QList<QAbstractButton*> options = m_promptKinds->buttons();
    for (QAbstractButton* option : options)
        kinds->addWidget(option);

    auto* optionColumn = new QVBoxLayout;
    optionColumn->addWidget(m_promptFrame);
    optionColumn->addWidget(m_randomKind);
    optionColumn->addWidget(m_timerBox);
    optionColumn->addStretch();

    auto* topicLabel = named(new QLabel(tr("Topic:")), QStringLiteral("lblTopic"));
    auto* ideaLabel = named(new QLabel(tr("Idea:")), QStringLiteral("lblIdea"));
    topicLabel->setBuddy(m_topic);
    ideaLabel->setBuddy(m_idea);

    // The prompt word stands above the options, the idea box runs under both.
    auto* grid = new QGridLayout(this);
    grid->addWidget(topicLabel, 0, 0);
    grid->addWidget(m_topic, 0, 1);
    grid->addWidget(m_promptWord, 0, 2);
    grid->addWidget(ideaLabel, 1, 0);
    grid->addWidget(m_idea, 1, 1, 1, 2);
    grid->addWidget(m_results, 2, 0, 1, 2);
    grid->addLayout(optionColumn, 2, 2);
    grid->addLayout(buttonRow(m_buttons), 3, 0, 1, 3);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(2, 1);
    m_results->setMinimumWidth(m_results->fontMetrics().averageCharWidth() * 28);

    QList<QWidget*> tabOrder = {m_topic, m_idea};
    tabOrder += QList<QWidget*>(options.cbegin(), options.cend());
    tabOrder += {m_randomKind, m_timerBox, m_results};
    tabOrder += QList<QWidget*>(m_buttons.cbegin(), m_buttons.cend());
    setTabOrderChain(tabOrder);
}

void BrainstormWindow::connectControls()
{
    connect(m_topic, &QLineEdit::returnPressed, m_idea, qOverload<>(&QWidget::setFocus));
    connect(m_idea, &QLineEdit::returnPressed, this, &BrainstormWindow::recordIdea);
    connect(m_timerBox, &QCheckBox::clicked, this, &BrainstormWindow::switchTimer);
    connect(m_randomKind, &QCheckBox::clicked, m_idea, qOverload<>(&QWidget::setFocus));
    TimerHold::connectTicks(m_timer, m_timerBox, [this] { showTimedWord(); });
    connect(m_buttons.at(0), &QPushButton::clicked, this,
            [this] { printResults(windowTitle(), m_results); });
    connect(m_buttons.at(1), &QPushButton::clicked, this,
            [this] { copyResults(windowTitle(), m_results); });
    connect(m_buttons.at(2), &QPushButton::clicked, this, &BrainstormWindow::clearResults);
    connect(m_closeButton, &QPushButton::clicked, this, &ToolWindow::unload);
    ResultKeeping::of(m_results)->addCommand(SeededGeneration::generateFromSeedOf(
        m_promptWord, [this](quint32 seed) { replayPromptWord(seed); }));

    // Only a move to another control of this window leaves the topic box: switching windows,
    // minimizing, closing or a message box taking the focus does not.
    m_focusWatch =
        connect(qApp, &QApplication::focusChanged, this, [this](QWidget* old, QWidget* now) {
            if (old == m_topic && now && now != m_topic && !m_activating && isAncestorOf(now) &&
                now->isVisible())
                leaveTopic(now);
        });
}

void BrainstormWindow::activate()
{
    const QScopedValueRollback<bool> activating(m_activating, true);
    tileChildren();
    startIdea();
    setTimers(this);
    m_topic->setFocus();
    showAlone();
}

void BrainstormWindow::startIdea()
{
    m_idea->clear();
    m_idea->setFocus();
}

void BrainstormWindow::showPromptWord(std::optional<int> kind)
{
    drawPromptWord(SeededGeneration::drawSeed(), kind);
}

void BrainstormWindow::drawPromptWord(quint32 seed, std::optional<int> kind)
{
    SeededGeneration::Roll roll(seed);
    const int drawnKind = kind ? *kind : int(roll.random().below(PromptKindCount));
    m_promptWord->setText(roll.word(QString::fromLatin1(PromptKinds[drawnKind].table)));
    SeededGeneration::markShown(m_promptWord, roll);
    m_drill.notePrompt(m_promptWord->text(), seed);
    m_promptKind = kind;
}

void BrainstormWindow::replayPromptWord(quint32 seed)
{
    // The seed gives the word on view again only when drawn the same way; with no word on view,
    // it is drawn as after an idea.
    drawPromptWord(seed,
                   m_promptWord->text().isEmpty() ? m_promptKinds->checkedId() : m_promptKind);
}

void BrainstormWindow::leaveTopic(QWidget* newFocus)
{
    if (!m_topic->text().isEmpty()) {
        m_results->addItem(tr("Topic: %1").arg(m_topic->text()));
        m_drill.notePrompt(m_results->item(m_results->count() - 1)->text());
        m_idea->setFocus();
        return;
    }
    // Close closes, topic or not.
    if (newFocus == m_closeButton)
        return;
    // The message waits until the click or key that moved the focus is done, so that no
    // button is left half pressed under it.
    QMetaObject::invokeMethod(this, &BrainstormWindow::askForTopic, Qt::QueuedConnection);
}

void BrainstormWindow::askForTopic()
{
    // In the meantime the writer may have typed a topic, closed the window or left it.
    if (!m_topic->text().isEmpty() || !holdsFocus() || m_closeButton->hasFocus())
        return;
    desktop().messageBox(tr("You need to enter a topic."), tr("Enter a Topic"),
                         MessageIcon::Information, MessageButtons::Ok, m_topic);
}

bool BrainstormWindow::holdsFocus() const
{
    const QWidget* focused = QApplication::focusWidget();
    return focused && isAncestorOf(focused) && focused->isVisible();
}

void BrainstormWindow::recordIdea()
{
    if (m_idea->text().isEmpty())
        return;
    addResultLine(m_results, m_idea->text());
    m_drill.noteResponse(m_idea->text());
    m_idea->clear();
    showPromptWord(m_promptKinds->checkedId());
    startIdea();
}

void BrainstormWindow::switchTimer()
{
    if (m_timerBox->isChecked()) {
        m_timer->start();
    } else {
        m_timer->stop();
        m_drill.keep(m_results);
    }
    m_randomKind->setEnabled(m_timerBox->isChecked());
    m_idea->setFocus();
}

void BrainstormWindow::showTimedWord()
{
    if (m_timerBox->isChecked() && m_randomKind->isChecked())
        showPromptWord(std::nullopt);
    else if (m_timerBox->isChecked())
        showPromptWord(m_promptKinds->checkedId());
    // A tick never pulls the writer out of the topic box, nor in from another window.
    if (holdsFocus() && !m_topic->hasFocus())
        m_idea->setFocus();
}

void BrainstormWindow::keepWork()
{
    m_drill.keep(m_results);
}

void BrainstormWindow::clearResults()
{
    m_drill.keep(m_results);
    m_results->clear();
    m_drill.resultsCleared();
    m_promptWord->clear();
    SeededGeneration::clearShown(m_promptWord);
    m_idea->clear();
    m_idea->setFocus();
}
