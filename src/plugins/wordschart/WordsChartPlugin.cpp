#include "WordsChartPlugin.h"

#include "BarChartOfWords.h"

WordsChart* WordsChartPlugin::createChart(QWidget* parent)
{
    return new BarChartOfWords(parent);
}
