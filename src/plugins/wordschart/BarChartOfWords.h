#pragma once

#include "shared/widgets/WordsChart.h"

#include <QChartView>

class QBarCategoryAxis;
class QBarSet;
class QValueAxis;

// A bar chart of the words written each day, the days along the bottom by their number in the
// month, the words up the side.
class BarChartOfWords : public QChartView, public WordsChart
{
    Q_OBJECT

public:
    explicit BarChartOfWords(QWidget* parent);

    QWidget* widget() override { return this; }
    void showWords(const QList<QPair<QDate, int>>& days) override;
    QList<QPair<QDate, int>> shownWords() const override;

private:
    QBarSet* m_words;
    QBarCategoryAxis* m_days;
    QValueAxis* m_scale;
    QList<QDate> m_shownDays;
};
