#include "generators/PatternListWindow.h"

#include "data/Database.h"
#include "shared/FatalError.h"
#include "shared/BusyPointer.h"
#include "shared/ControlMakers.h"
#include "shared/Desktop.h"
#include "shared/OutputText.h"
#include "shared/Random.h"
#include "shared/TimerHold.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QSqlError>
#include <QSqlQuery>
#include <QTimer>

PatternListWindow::PatternListWindow(const QString& windowName, const QString& caption,
                                     const QString& patternTable, const QString& timerName,
                                     QWidget* parent)
    : ToolWindow(windowName, caption, parent), m_patternTable(patternTable)
{
    lstResults = ControlMakers::resultsList();
    lstPatternType = ControlMakers::named(new QListWidget, QStringLiteral("lstPatternType"));
    lstPatternType->setAccessibleName(QStringLiteral("Patterns"));
    ControlMakers::enlargeFont(lstPatternType, 4.0 / 3.0);
    // The lists share the room by the layout's columns, not by their contents.
    for (QListWidget* list : {lstResults, lstPatternType})
        list->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Expanding);
    lstPatternType->setToolTip(QStringLiteral("Double-click for the key to the codes"));
    lstPatternType->viewport()->installEventFilter(this);
    chkRandom =
        ControlMakers::checkBox(QStringLiteral("chkRandom"), QStringLiteral("Random Pattern"));
    chkSentence = ControlMakers::checkBox(QStringLiteral("chkSentence"), QStringLiteral("Timer"));
    cmdGenerate = ControlMakers::button(QStringLiteral("cmdGenerate"), QStringLiteral("&Generate"));
    cmdPrint = ControlMakers::button(QStringLiteral("cmdPrint"), QStringLiteral("&Print"));
    cmdClip = ControlMakers::button(QStringLiteral("cmdClip"), QStringLiteral("&Clipboard"));
    cmdClear = ControlMakers::button(QStringLiteral("cmdClear"), QStringLiteral("Clear List"));
    OK_BT = ControlMakers::button(QStringLiteral("OK_BT"), QStringLiteral("Close"));
    timer = new QTimer(this);
    timer->setObjectName(timerName);
    timer->setInterval(1000);
    setDefaultButton(cmdGenerate);
    cmdGenerate->setDefault(true);

    auto* grid = new QGridLayout(this);
    m_options = new QGridLayout;
    m_options->addWidget(chkRandom, 0, 0);
    m_options->addWidget(chkSentence, 1, 0);
    grid->addWidget(lstResults, 0, 0, 2, 4);
    grid->addWidget(lstPatternType, 0, 4);
    grid->addLayout(m_options, 1, 4);
    const QList<QPushButton*> buttons = {cmdGenerate, cmdPrint, cmdClip, cmdClear, OK_BT};
    for (int column = 0; column < buttons.size(); ++column)
        grid->addWidget(buttons.at(column), 2, column);
    // Five columns of about a button's width, as the button row below them.
    for (int column = 0; column < buttons.size(); ++column)
        grid->setColumnStretch(column, 1);
    grid->setRowStretch(0, 1);
    resize(500, 310);

    connect(cmdGenerate, &QPushButton::clicked, this, &PatternListWindow::cmdGenerate_Click);
    TimerHold::connectTicks(timer, chkSentence, [this] { cmdGenerate_Click(); });
    connect(chkSentence, &QCheckBox::clicked, this, &PatternListWindow::chkSentence_Click);
    connect(cmdClear, &QPushButton::clicked, this, &PatternListWindow::cmdClear_Click);
    connect(cmdPrint, &QPushButton::clicked, this, &PatternListWindow::cmdPrint_Click);
    connect(cmdClip, &QPushButton::clicked, this, &PatternListWindow::cmdClip_Click);
    connect(OK_BT, &QPushButton::clicked, this, &PatternListWindow::OK_BT_Click);
}

void PatternListWindow::addOptionBox(QCheckBox* box)
{
    // Extra boxes stand between "Random Pattern" and "Timer".
    m_options->removeWidget(chkSentence);
    m_options->addWidget(box, 1, 0);
    m_options->addWidget(chkSentence, 2, 0);
}

void PatternListWindow::load()
{
    setHourglass();
    loadListBox();
    resetPointer();
}

void PatternListWindow::loadListBox()
{
    const QString field = Database::quoteIdentifier(m_patternTable);
    QSqlQuery query(Database::connection());
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("SELECT %1 FROM %1").arg(field))) {
        reportFatalError(StoreError::fromSql(query.lastError(), QStringLiteral("loadListBox")));
        return;
    }
    while (query.next())
        lstPatternType->addItem(query.value(0).toString());
}

void PatternListWindow::cmdGenerate_Click()
{
    if (chkRandom->isChecked()) {
        const int count = lstPatternType->count();
        const int n = int(count * Random::instance().unit() + 1);
        lstPatternType->setCurrentRow(n - 1);
        currentPattern = count > 0 ? lstPatternType->item(n - 1)->text() : QString();
    } else {
        const QListWidgetItem* selected = lstPatternType->currentItem();
        currentPattern = selected && selected->isSelected() ? selected->text() : QString();
    }
    if (currentPattern.isEmpty()) {
        desktop().messageBox(QStringLiteral("No pattern has been selected."),
                             QStringLiteral("Pattern Selection"), MessageIcon::Information,
                             MessageButtons::Ok);
        return;
    }
    expandPattern();
}

void PatternListWindow::chkSentence_Click()
{
    // The timer follows the clicks, not the box's value; the two start out agreeing.
    if (timer->isActive())
        timer->stop();
    else
        timer->start();
}

void PatternListWindow::cmdClear_Click()
{
    lstResults->clear();
}

void PatternListWindow::cmdPrint_Click()
{
    printList(this);
}

void PatternListWindow::cmdClip_Click()
{
    copyList(this);
}

void PatternListWindow::OK_BT_Click()
{
    unload();
}

void PatternListWindow::addResult(const QString& line)
{
    ControlMakers::addResultLine(lstResults, line);
}

bool PatternListWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == lstPatternType->viewport()) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const bool doubleClick = event->type() == QEvent::MouseButtonDblClick;
        const bool rightPress =
            event->type() == QEvent::MouseButtonPress && mouse->button() == Qt::RightButton;
        if (doubleClick || rightPress) {
            showCodeKey();
            return true;
        }
    }
    return ToolWindow::eventFilter(watched, event);
}
