#include "GridBench.h"

#include "BenchSupport.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTableView>
#include <QTest>
#include <QTextStream>

#include <cstdlib>

namespace {

const QByteArray ChildArgument = "--grid-rows";

// Prints the milliseconds to show the list in the grid and to reach its end, the row reached
// (1 for the first), the rows of the list, the value shown there, and the growth of the peak
// memory from before the list was shown, in KiB.
void measureGrid(int rows)
{
    CustomizationOnLists customization({{QStringLiteral("bigList"), rows}});
    QTableView* grid = customization.grid();
    resetPeakMemory();
    const long memoryBefore = peakMemoryKib();
    QElapsedTimer timer;
    timer.start();
    customization.choose(QStringLiteral("bigList"));
    const double openMs = double(timer.nsecsElapsed()) / 1e6;
    timer.restart();
    QTest::keyClick(grid, Qt::Key_End, Qt::ControlModifier);
    QCoreApplication::processEvents();
    const double endMs = double(timer.nsecsElapsed()) / 1e6;
    const QModelIndex reached = grid->currentIndex();
    QTextStream(stdout) << openMs << ' ' << endMs << ' ' << reached.row() + 1 << ' '
                        << grid->model()->rowCount() << ' ' << reached.data().toString() << ' '
                        << peakMemoryKib() - memoryBefore << '\n';
}

} // namespace

bool runGridChild(int argc, char* argv[])
{
    if (argc != 3 || argv[1] != ChildArgument)
        return false;
    measureGrid(QByteArray(argv[2]).toInt());
    return true;
}

void benchGrid()
{
    QTextStream out(stdout);
    out << "Customization grid, Ctrl+End over a list of n rows (median of 5 runs):\n";
    for (const int rows : {1000, 1000000}) {
        const ChildRuns runs =
            runChildren({QString::fromLatin1(ChildArgument), QString::number(rows)}, 5);
        const QList<QByteArray> reached = runs.value(0);
        out << QStringLiteral("  %1 rows: shown in %2 ms, Ctrl+End in %3 ms to row %4 of %5 "
                              "(\"%6\"), peak memory +%7 MiB\n")
                   .arg(rows, 7)
                   .arg(medianFigure(runs, 0), 0, 'f', 1)
                   .arg(medianFigure(runs, 1), 0, 'f', 1)
                   .arg(QString::fromLatin1(reached.value(2)),
                        QString::fromLatin1(reached.value(3)),
                        QString::fromLatin1(reached.value(4)))
                   .arg(medianFigure(runs, 5, 1024), 0, 'f', 1);
        out.flush();
    }
}
