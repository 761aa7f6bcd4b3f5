#include "BarChartOfWords.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QLocale>
#include <QValueAxis>

#include <algorithm>

BarChartOfWords::BarChartOfWords(QWidget* parent)
    // The view owns the chart it is made with; one set later would leave a default chart behind.
    : QChartView(new QChart, parent), m_words(new QBarSet(tr("Words"))),
      m_days(new QBarCategoryAxis), m_scale(new QValueAxis)
{
    QChart* chart = this->chart();
    auto* series = new QBarSeries;
    series->append(m_words);
    series->setBarWidth(0.8);
    chart->addSeries(series);
    chart->addAxis(m_days, Qt::AlignBottom);
    chart->addAxis(m_scale, Qt::AlignLeft);
    series->attachAxis(m_days);
    series->attachAxis(m_scale);
    m_scale->setLabelFormat(QStringLiteral("%d"));
    chart->legend()->hide();
    chart->setTitle(tr("Words per day"));
    chart->setMargins(QMargins(2, 2, 2, 2));
    // The chart follows the window's colours, dark or light.
    chart->setBackgroundVisible(false);
    const QPalette colours = palette();
    chart->setTitleBrush(colours.windowText());
    for (QAbstractAxis* axis :
         {static_cast<QAbstractAxis*>(m_days), static_cast<QAbstractAxis*>(m_scale)}) {
        axis->setLabelsBrush(colours.windowText());
        axis->setLinePenColor(colours.color(QPalette::Mid));
        axis->setGridLineColor(colours.color(QPalette::Midlight));
    }
    m_words->setColor(colours.color(QPalette::Highlight));
    // A day's number fits under its bar, though the axis would cut it for want of padding.
    m_days->setTruncateLabels(false);
    setRenderHint(QPainter::Antialiasing);
}

void BarChartOfWords::showWords(const QList<QPair<QDate, int>>& days)
{
    m_words->remove(0, m_words->count());
    m_days->clear();
    m_shownDays.clear();
    // The days by their number, a month's first day by the
    // month's name: the labels must differ, and thirty days may hold two days of one number.
    const QLocale locale;
    QStringList labels;
    int most = 0;
    for (const auto& [day, words] : days) {
        labels << (day.day() == 1 ? locale.monthName(day.month(), QLocale::ShortFormat)
                                  : QString::number(day.day()));
        m_words->append(words);
        m_shownDays << day;
        most = std::max(most, words);
    }
    const QString dayFormat = tr("d MMM");
    chart()->setTitle(days.isEmpty() ? tr("Words per day")
                                     : tr("Words per day, %1 – %2")
                                           .arg(locale.toString(days.first().first, dayFormat),
                                                locale.toString(days.last().first, dayFormat)));
    m_days->append(labels);
    m_scale->setRange(0, std::max(10, most));
    m_scale->applyNiceNumbers();
}

QList<QPair<QDate, int>> BarChartOfWords::shownWords() const
{
    QList<QPair<QDate, int>> shown;
    for (int bar = 0; bar < m_words->count(); ++bar)
        shown.append({m_shownDays.value(bar), qRound(m_words->at(bar))});
    return shown;
}
