#include "practice/PracticeLogWindow.h"

#include "data/PracticeListModel.h"
#include "data/PracticeLog.h"
#include "data/TableNotices.h"
#include "engines/PracticeStreak.h"
#include "practice/PracticeLogCsv.h"
#include "practice/WordsChartLoader.h"
#include "shared/desktop/BusyPointer.h"
#include "shared/desktop/Clock.h"
#include "shared/desktop/Desktop.h"
#include "shared/widgets/ControlMakers.h"
#include "shared/widgets/FatalError.h"
#include "shared/widgets/ResultKeeping.h"
#include "shared/widgets/WordsChart.h"

#include <QDateTime>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSaveFile>
#include <QTableView>
#include <QVBoxLayout>

using namespace ControlMakers;

namespace {

// "1 record", "3 records": the text for one or the one for many, each with "%1" for the count.
QString counted(qint64 count, const QString& one, const QString& many)
{
    return (count == 1 ? one : many).arg(QLocale().toString(count));
}

QString wordsText(qint64 words)
{
    return counted(words, PracticeLogWindow::tr("%1 word"), PracticeLogWindow::tr("%1 words"));
}

QString totalsText(const QString& heading, const PracticeLog::Totals& totals)
{
    return PracticeLogWindow::tr("%1: %2, %3, %4")
        .arg(heading,
             counted(totals.records, PracticeLogWindow::tr("%1 record"),
                     PracticeLogWindow::tr("%1 records")),
             counted(qRound64(totals.seconds / 60.0), PracticeLogWindow::tr("%1 minute"),
                     PracticeLogWindow::tr("%1 minutes")),
             wordsText(totals.words));
}

QLabel* summaryLabel(const QString& name, QWidget* parent)
{
    auto* label = named(new QLabel(parent), name);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

} // namespace

PracticeLogWindow::PracticeLogWindow(QWidget* parent)
    : ToolWindow(QStringLiteral("frmPracticeLog"), tr("Practice Log"), parent),
      m_model(new PracticeListModel(this))
{
    createControls();
    arrangeControls();
    connectControls();
    resize(sizeHint().expandedTo(QSize(860, 620)));
}

void PracticeLogWindow::createControls()
{
    m_list = named(new QTableView(this), QStringLiteral("grdPractice"));
    m_list->setAccessibleName(tr("Practice records"));
    m_list->setModel(m_model);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setTabKeyNavigation(false);
    m_list->setWordWrap(false);
    m_list->verticalHeader()->hide();
    // Rows of one height need not be measured one by one, however many there are.
    m_list->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_list->verticalHeader()->setDefaultSectionSize(m_list->fontMetrics().height() + 6);
    m_list->horizontalHeader()->setStretchLastSection(true);
    // Room for each column's longest text, the first line taking the rest; room for nine rows.
    const QFontMetrics metrics = m_list->fontMetrics();
    const QString longestDate =
        QLocale().toString(QDateTime(QDate(2026, 12, 28), QTime(12, 59, 59)), QLocale::ShortFormat);
    const QString widest[] = {longestDate, PracticeLog::shownKind(QStringLiteral("Writing Sprint")),
                              tr("Minutes"), QStringLiteral("10,000"), tr("WPM")};
    int listWidth = metrics.horizontalAdvance(tr("The first line of it"));
    for (int column = 0; column < int(std::size(widest)); ++column) {
        m_list->setColumnWidth(column, metrics.horizontalAdvance(widest[column]) + 16);
        listWidth += m_list->columnWidth(column);
    }
    m_list->setMinimumSize(listWidth, m_list->verticalHeader()->defaultSectionSize() * 10);

    m_detail = named(new QPlainTextEdit(this), QStringLiteral("txtDetail"));
    m_detail->setAccessibleName(tr("Practice text"));
    m_detail->setReadOnly(true);
    m_detail->setTabChangesFocus(true);
    m_detail->setMinimumWidth(metrics.averageCharWidth() * 36);
    ResultKeeping* keeping = ResultKeeping::attach(m_detail);
    keeping->setKeepsWholeTextWithoutSelection(true);
    keeping->setSource([this] { return std::pair(m_chosenKind, m_chosenDay); });

    m_week = summaryLabel(QStringLiteral("lblWeek"), this);
    m_allTime = summaryLabel(QStringLiteral("lblAllTime"), this);
    m_streak = summaryLabel(QStringLiteral("lblStreak"), this);

    m_deleteButton = button(QStringLiteral("cmdDelete"), tr("&Delete"),
                            tr("Delete the chosen practice record"), this);
    m_exportButton = button(QStringLiteral("cmdExport"), tr("&Export…"),
                            tr("Save the whole log as a CSV file"), this);
    m_closeButton = button(QStringLiteral("cmdClose"), tr("Close"), {}, this);
}

void PracticeLogWindow::arrangeControls()
{
    auto* window = new QVBoxLayout(this);
    auto* records = new QHBoxLayout;
    records->addWidget(m_list, 3);
    records->addWidget(m_detail, 2);
    window->addLayout(records, 3);

    auto* summary = new QHBoxLayout;
    m_chartPlace = new QVBoxLayout;
    summary->addLayout(m_chartPlace, 3);
    auto* totals = new QVBoxLayout;
    for (QLabel* label : {m_week, m_allTime, m_streak})
        totals->addWidget(label);
    totals->addStretch();
    summary->addLayout(totals, 1);
    window->addLayout(summary, 2);

    auto* commands = new QHBoxLayout;
    commands->addWidget(m_deleteButton);
    commands->addWidget(m_exportButton);
    commands->addStretch();
    commands->addWidget(m_closeButton);
    window->addLayout(commands);
}

void PracticeLogWindow::connectControls()
{
    connect(m_deleteButton, &QPushButton::clicked, this, &PracticeLogWindow::deleteChosen);
    connect(m_exportButton, &QPushButton::clicked, this, &PracticeLogWindow::exportLog);
    connect(m_closeButton, &QPushButton::clicked, this, &ToolWindow::unload);
    connect(m_list->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &PracticeLogWindow::showChosen);
    connect(&TableNotices::instance(), &TableNotices::written, this, [this](const QString& table) {
        if (table == PracticeLog::Table)
            refresh();
    });
}

void PracticeLogWindow::createChart()
{
    QString problem;
    m_chart = WordsChartLoader::createChart(this, &problem);
    if (m_chart) {
        QWidget* chart = m_chart->widget();
        chart->setObjectName(QStringLiteral("chtWordsPerDay"));
        chart->setAccessibleName(tr("Words per day"));
        chart->setMinimumHeight(220);
        m_chartPlace->addWidget(chart);
        return;
    }
    auto* missing = named(new QLabel(tr("The chart could not be shown."), this),
                          QStringLiteral("lblChartMissing"));
    missing->setToolTip(problem);
    m_wordsList = named(new QListWidget(this), QStringLiteral("lstWordsPerDay"));
    m_wordsList->setAccessibleName(tr("Words per day"));
    m_chartPlace->addWidget(missing);
    m_chartPlace->addWidget(m_wordsList);
}

void PracticeLogWindow::load()
{
    const BusyPointer busy;
    createChart();
    setTabOrderChain({m_list, m_detail, m_deleteButton, m_exportButton, m_closeButton});
    if (m_wordsList)
        setTabOrderChain({m_exportButton, m_wordsList, m_closeButton});
    refresh();
}

qint64 PracticeLogWindow::chosenKey() const
{
    const QModelIndex current = m_list->currentIndex();
    return current.isValid() ? m_model->key(current.row()) : -1;
}

void PracticeLogWindow::choose(qint64 key, int rowOtherwise)
{
    int row = key >= 0 ? m_model->rowOf(key) : -1;
    if (row < 0)
        row = std::min(rowOtherwise, m_model->rowCount() - 1);
    m_list->setCurrentIndex(m_model->index(row, 0));
    showChosen();
}

void PracticeLogWindow::refresh()
{
    const qint64 chosen = chosenKey();
    const int chosenRow = std::max(m_list->currentIndex().row(), 0);
    StoreError error;
    if (!m_model->select(&error))
        return reportFatalError(error);
    choose(chosen, chosenRow);
    showSummary();
}

void PracticeLogWindow::showSummary()
{
    const QDate today = currentDateTime().date();
    PracticeLog::Totals week;
    PracticeLog::Totals allTime;
    QList<QDate> days;
    QList<QPair<QDate, int>> written;
    StoreError error;
    const QDate first = today.addDays(1 - ChartDays);
    if (!PracticeLog::totals(PracticeStreak::weekStart(today, QLocale().firstDayOfWeek()), &week,
                             &error) ||
        !PracticeLog::totals({}, &allTime, &error) || !PracticeLog::practiceDays(&days, &error) ||
        !PracticeLog::wordsPerDay(first, today, &written, &error))
        return reportFatalError(error);
    m_week->setText(totalsText(tr("This week"), week));
    m_allTime->setText(totalsText(tr("All time"), allTime));
    m_streak->setText(
        tr("Streak: %1")
            .arg(counted(PracticeStreak::days(days, today), tr("%1 day"), tr("%1 days"))));

    // Every day of the chart, those without practice at nought.
    QList<QPair<QDate, int>> perDay;
    for (QDate day = first; day <= today; day = day.addDays(1))
        perDay.append({day, 0});
    for (const auto& [day, words] : std::as_const(written))
        perDay[first.daysTo(day)].second = words;
    if (m_chart)
        return m_chart->showWords(perDay);
    m_wordsList->clear();
    for (auto day = perDay.crbegin(); day != perDay.crend(); ++day)
        m_wordsList->addItem(QStringLiteral("%1: %2").arg(
            QLocale().toString(day->first, tr("ddd d MMM")), wordsText(day->second)));
}

void PracticeLogWindow::showChosen()
{
    const qint64 key = chosenKey();
    m_deleteButton->setEnabled(key >= 0);
    m_chosenKind.clear();
    m_chosenDay = {};
    if (key < 0)
        return m_detail->clear();
    StoreError error;
    const std::optional<PracticeLog::Record> record = PracticeLog::record(key, &error);
    if (!record)
        return reportFatalError(error);
    m_chosenKind = record->kind;
    m_chosenDay = record->started.date();
    const QString prompts = record->prompts.trimmed();
    m_detail->setPlainText(prompts.isEmpty()
                               ? record->responses
                               : prompts + QStringLiteral("\n\n") + record->responses);
}

void PracticeLogWindow::deleteChosen()
{
    const qint64 key = chosenKey();
    if (key < 0)
        return;
    if (desktop().messageBox(tr("Delete this practice record?"), windowTitle(), MessageIcon::None,
                             MessageButtons::YesNo) != MessageAnswer::Yes)
        return;
    const BusyPointer busy;
    StoreError error;
    // The notice of the deletion reads the list again.
    if (!PracticeLog::remove(key, &error))
        reportFailedWrite(
            error, RefusedWrite::deleting(tr("this practice record"), tr("It is still there")));
}

void PracticeLogWindow::exportLog()
{
    const QString fileName = desktop().askSaveFileName(
        tr("Export Practice Log"), tr("Practice Log.csv"), {tr("CSV file (*.csv)")});
    if (fileName.isEmpty())
        return;
    const BusyPointer busy;
    QList<PracticeLog::Record> records;
    StoreError error;
    if (!PracticeLog::allRecords(&records, &error))
        return reportFatalError(error);
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(PracticeLogCsv::text(records).toUtf8()) < 0 || !file.commit())
        desktop().messageBox(tr("The log could not be saved.  ") + file.errorString(),
                             tr("Export Practice Log"), MessageIcon::Exclamation,
                             MessageButtons::Ok);
}
