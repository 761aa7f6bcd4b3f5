#pragma once

#include <QDate>
#include <QList>
#include <QPair>
#include <QtPlugin>

class QWidget;

// A chart of the words written each day, one bar a day. It is drawn by a plugin loaded when a
// window first shows it, so that the charting library is not loaded with the program.
class WordsChart
{
public:
    virtual ~WordsChart() = default;

    // The chart's widget, owned by the parent it was made with.
    virtual QWidget* widget() = 0;
    // Shows one bar for each day given, in their order, zero days included.
    virtual void showWords(const QList<QPair<QDate, int>>& days) = 0;
    // The bars as shown, for readers that cannot see them: each bar's day and its words.
    virtual QList<QPair<QDate, int>> shownWords() const = 0;
};

// What the plugin offers: charts made on request.
class WordsChartMaker
{
public:
    virtual ~WordsChartMaker() = default;

    virtual WordsChart* createChart(QWidget* parent) = 0;
};

#define WordsChartMaker_iid "io.github.quillane.WordsChartMaker/1.0"
Q_DECLARE_INTERFACE(WordsChartMaker, WordsChartMaker_iid)
