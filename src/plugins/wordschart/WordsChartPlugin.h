#pragma once

#include "shared/widgets/WordsChart.h"

#include <QObject>

// Makes the charts of words per day with Qt Charts.
class WordsChartPlugin : public QObject, public WordsChartMaker
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID WordsChartMaker_iid)
    Q_INTERFACES(WordsChartMaker)

public:
    WordsChart* createChart(QWidget* parent) override;
};
