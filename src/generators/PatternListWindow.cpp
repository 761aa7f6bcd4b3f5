#include "generators/PatternListWindow.h"

#include "data/UserTables.h"
#include "engines/Random.h"
#include "shared/desktop/BusyPointer.h"
#include "shared/desktop/Desktop.h"
#include "shared/desktop/TimerHold.h"
#include "shared/widgets/ControlMakers.h"
#include "shared/widgets/FatalError.h"
#include "shared/widgets/OutputText.h"
#include "shared/widgets/SeededGeneration.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>

PatternListWindow::PatternListWindow(const QString& windowName, const QString& caption,
                                     const QString& patternTable, const QString& timerName,
                                     QWidget* parent)
    : ToolWindow(windowName, caption, parent), m_patternTable(patternTable)
{
    m_results = ControlMakers::resultsList();
    m_patterns = ControlMakers::named(new QListWidget, QStringLiteral("lstPatternType"));
    m_patterns->setAccessibleName(tr("Patterns"));
    ControlMakers::enlargeFont(m_patterns, 4.0 / 3.0);
    // The lists share the room by the layout's columns, not by their contents.
    for (QListWidget* list : {m_results, m_patterns})
        list->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Expanding);
    m_patterns->setToolTip(tr("Double-click for the key to the codes"));
    m_patterns->viewport()->installEventFilter(this);
    m_randomPattern = ControlMakers::checkBox(QStringLiteral("chkRandom"), tr("Random Pattern"));
    m_timerBox = ControlMakers::checkBox(QStringLiteral("chkSentence"), tr("Timer"));
    m_generate = ControlMakers::button(QStringLiteral("cmdGenerate"), tr("&Generate"));
    m_print = ControlMakers::button(QStringLiteral("cmdPrint"), tr("&Print"));
    m_copy = ControlMakers::button(QStringLiteral("cmdClip"), tr("&Clipboard"));
    m_clear = ControlMakers::button(QStringLiteral("cmdClear"), tr("Clear List"));
    m_close = ControlMakers::button(QStringLiteral("OK_BT"), tr("Close"));
    m_timer = addTimer(timerName);
    m_timer->setInterval(1000);
    setDefaultButton(m_generate);
    m_generate->setDefault(true);

    auto* grid = new QGridLayout(this);
    m_options = new QGridLayout;
    m_options->addWidget(m_randomPattern, 0, 0);
    m_options->addWidget(m_timerBox, 1, 0);
    grid->addWidget(m_results, 0, 0, 2, 4);
    grid->addWidget(m_patterns, 0, 4);
    grid->addLayout(m_options, 1, 4);
    const QList<QPushButton*> buttons = {m_generate, m_print, m_copy, m_clear, m_close};
    for (int column = 0; column < buttons.size(); ++column) {
        grid->addWidget(buttons.at(column), 2, column);
        // Five columns of about a button's width, as the button row below them.
        grid->setColumnStretch(column, 1);
    }
    grid->setRowStretch(0, 1);
    resize(500, 310);

    connect(m_generate, &QPushButton::clicked, this, &PatternListWindow::generate);
    TimerHold::connectTicks(m_timer, m_timerBox, [this] { generate(); });
    connect(m_timerBox, &QCheckBox::clicked, this, &PatternListWindow::toggleTimer);
    connect(m_clear, &QPushButton::clicked, this, [this] {
        m_results->clear();
        m_listed.clear();
        m_freshRolls.forgetNotice();
    });
    connect(m_print, &QPushButton::clicked, this,
            [this] { printResults(windowTitle(), m_results); });
    connect(m_copy, &QPushButton::clicked, this, [this] { copyResults(windowTitle(), m_results); });
    connect(m_close, &QPushButton::clicked, this, &PatternListWindow::unload);
    SeededGeneration::addGenerateFromSeed(m_results,
                                          [this](quint32 seed) { generateFromSeed(seed); });
}

void PatternListWindow::addOption(QWidget* option)
{
    // Extra options stand between "Random Pattern" and "Timer", in the order they are added.
    m_options->removeWidget(m_timerBox);
    const int row = m_options->count(); // "Random Pattern" and the options added before
    m_options->addWidget(option, row, 0);
    m_options->addWidget(m_timerBox, row + 1, 0);
}

void PatternListWindow::setTabOrderEndingWith(const QList<QWidget*>& rest)
{
    setTabOrderChain(QList<QWidget*>{m_generate, m_print, m_copy, m_clear, m_patterns,
                                     m_randomPattern, m_timerBox} +
                     rest);
}

QWidget* PatternListWindow::resultsList() const
{
    return m_results;
}

QWidget* PatternListWindow::closeButton() const
{
    return m_close;
}

void PatternListWindow::load()
{
    const BusyPointer busy;
    loadPatterns();
}

void PatternListWindow::loadPatterns()
{
    // Each pattern table keeps its patterns in a field of its own name.
    QStringList patterns;
    StoreError error;
    if (!UserTables::fieldValues(m_patternTable, m_patternTable, &patterns, &error)) {
        error.source = QStringLiteral("loadListBox");
        reportFatalError(error);
        return;
    }
    m_patterns->addItems(patterns);
}

void PatternListWindow::generate()
{
    std::optional<Rolled> rolled;
    const auto roll = m_freshRolls.roll(
        [&](SeededGeneration::Roll& roll) -> std::optional<bool> {
            rolled = rollLine(roll);
            if (!rolled)
                return std::nullopt;
            return rolled->sound && isTaken(rolled->line);
        },
        windowTitle());
    if (roll)
        addResult(rolled->line, *roll);
}

void PatternListWindow::avoidRepeats(int tries, const QString& notice)
{
    m_freshRolls = FreshRolls(tries, notice);
}

void PatternListWindow::generateFromSeed(quint32 seed)
{
    SeededGeneration::Roll roll(seed);
    if (const std::optional<Rolled> rolled = rollLine(roll))
        addResult(rolled->line, roll);
}

bool PatternListWindow::isTaken(const QString& line) const
{
    return m_listed.contains(line.toCaseFolded());
}

std::optional<PatternListWindow::Rolled> PatternListWindow::rollLine(SeededGeneration::Roll& roll)
{
    if (m_randomPattern->isChecked()) {
        roll.noteList(m_patternTable);
        const int count = m_patterns->count();
        const int n = int(count * roll.random().unit() + 1);
        m_patterns->setCurrentRow(n - 1);
        m_currentPattern = count > 0 ? m_patterns->item(n - 1)->text() : QString();
    } else {
        const QListWidgetItem* selected = m_patterns->currentItem();
        m_currentPattern = selected && selected->isSelected() ? selected->text() : QString();
    }
    if (m_currentPattern.isEmpty()) {
        desktop().messageBox(tr("No pattern has been selected."), tr("Pattern Selection"),
                             MessageIcon::Information, MessageButtons::Ok);
        return std::nullopt;
    }
    return expandPattern(roll);
}

void PatternListWindow::toggleTimer()
{
    // The timer follows the clicks, not the box's value; the two start out agreeing.
    if (m_timer->isActive())
        m_timer->stop();
    else
        m_timer->start();
}

void PatternListWindow::addResult(const QString& line, const SeededGeneration::Roll& roll)
{
    auto* item = new QListWidgetItem(line);
    SeededGeneration::markLine(item, roll);
    ControlMakers::addResultLine(m_results, item);
    m_listed.insert(line.toCaseFolded());
}

bool PatternListWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_patterns->viewport()) {
        const bool doubleClick = event->type() == QEvent::MouseButtonDblClick;
        const bool rightPress = event->type() == QEvent::MouseButtonPress &&
                                static_cast<QMouseEvent*>(event)->button() == Qt::RightButton;
        if (doubleClick || rightPress) {
            showCodeKey();
            return true;
        }
    }
    return ToolWindow::eventFilter(watched, event);
}
