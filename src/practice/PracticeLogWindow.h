#pragma once

#include "shared/widgets/ToolWindow.h"

#include <QDate>

class PracticeListModel;
class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QTableView;
class QVBoxLayout;
class WordsChart;

// The practice log: every writing sprint and drill, newest first, the whole text of the one
// chosen, the totals of this week and of all time, the streak of days practised, and a chart
// of the words written each day of the last thirty. A record can be deleted, and the log
// exported as CSV. The log follows records saved while it is open.
class PracticeLogWindow : public ToolWindow
{
    Q_OBJECT

public:
    explicit PracticeLogWindow(QWidget* parent = nullptr);

    void load() override;
    // The chart of words per day, or null when it could not be shown.
    const WordsChart* chart() const { return m_chart; }

    // The days the chart covers, ending today.
    static constexpr int ChartDays = 30;

private:
    void createControls();
    void arrangeControls();
    void connectControls();
    // Makes the chart with its plugin, or, when it cannot be loaded, a plain list of the words
    // per day under a line saying so.
    void createChart();

    // Reads the list again, keeping the chosen record chosen while it is there.
    void refresh();
    void showSummary();
    void showChosen();
    qint64 chosenKey() const;
    void choose(qint64 key, int rowOtherwise);

    void deleteChosen();
    void exportLog();

    PracticeListModel* m_model;
    QTableView* m_list = nullptr;
    QPlainTextEdit* m_detail = nullptr;
    QLabel* m_week = nullptr;
    QLabel* m_allTime = nullptr;
    QLabel* m_streak = nullptr;
    QVBoxLayout* m_chartPlace = nullptr;
    WordsChart* m_chart = nullptr;
    QListWidget* m_wordsList = nullptr; // instead of the chart, when it cannot be shown
    QPushButton* m_deleteButton = nullptr;
    QPushButton* m_exportButton = nullptr;
    QPushButton* m_closeButton = nullptr;
    QString m_chosenKind; // of the record shown in the detail, which a kept line names
    QDate m_chosenDay;
};
