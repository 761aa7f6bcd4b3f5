#include "practice/WordsChartLoader.h"

#include "shared/widgets/WordsChart.h"

#include <QCoreApplication>
#include <QDir>
#include <QPluginLoader>

namespace WordsChartLoader {

namespace {

const QString PluginName = QStringLiteral("quillane-wordschart");

QStringList& chosenFolders()
{
    static QStringList chosen;
    return chosen;
}

} // namespace

QStringList folders()
{
    if (!chosenFolders().isEmpty())
        return chosenFolders();
    const QDir program(QCoreApplication::applicationDirPath());
    return {program.path(),
            QDir::cleanPath(program.filePath(QStringLiteral(QUILLANE_PLUGINS_FROM_PROGRAM)))};
}

void setFolders(const QStringList& folders)
{
    chosenFolders() = folders;
}

WordsChart* createChart(QWidget* parent, QString* problem)
{
    QStringList problems;
    for (const QString& folder : folders()) {
        // The loader stays loaded for the run: the charts it made live in its code.
        QPluginLoader loader(QDir(folder).filePath(PluginName));
        if (auto* maker = qobject_cast<WordsChartMaker*>(loader.instance()))
            return maker->createChart(parent);
        problems << loader.errorString();
    }
    *problem = problems.join(u'\n');
    return nullptr;
}

} // namespace WordsChartLoader
