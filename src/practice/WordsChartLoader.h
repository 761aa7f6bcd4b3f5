#pragma once

#include <QString>
#include <QStringList>

class QWidget;
class WordsChart;

// Finds the chart plugin beside the program, or in the library folder it is installed in, and
// makes charts with it.
namespace WordsChartLoader {

// The folders searched, in order.
QStringList folders();
// Searches these folders instead; an empty list searches the program's own again.
void setFolders(const QStringList& folders);

// A new chart in the parent, or null when no plugin could be loaded, problem then saying why.
WordsChart* createChart(QWidget* parent, QString* problem);

} // namespace WordsChartLoader
