#include "BenchSupport.h"

#include "data/Database.h"
#include "support/TestDatabase.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QSqlQuery>
#include <QTableView>

#include <algorithm>
#include <vector>

void fillTable(TestDatabase& db, const QString& table, int rows)
{
    db.execute(
        QStringLiteral("CREATE TABLE \"%1\" (ID INTEGER PRIMARY KEY, word TEXT)").arg(table));
    QSqlQuery insert(Database::connection());
    Database::connection().transaction();
    insert.prepare(QStringLiteral("INSERT INTO \"%1\" (word) VALUES (?)").arg(table));
    for (int i = 0; i < rows; ++i) {
        insert.addBindValue(QStringLiteral("word%1").arg(i));
        insert.exec();
    }
    Database::connection().commit();
}

void resetPeakMemory()
{
    QFile refs(QStringLiteral("/proc/self/clear_refs"));
    if (refs.open(QIODevice::WriteOnly))
        refs.write("5");
}

ChildRuns runChildren(const QStringList& arguments, int runs)
{
    ChildRuns printed;
    for (int run = 0; run < runs; ++run) {
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(), arguments);
        child.waitForFinished(600000);
        printed.append(child.readAllStandardOutput().trimmed().split(' '));
    }
    return printed;
}

double medianFigure(const ChildRuns& runs, int index, double scale)
{
    std::vector<double> figures;
    for (const QList<QByteArray>& words : runs)
        figures.push_back(words.value(index).toDouble() / scale);
    std::sort(figures.begin(), figures.end());
    return figures.empty() ? 0 : figures[figures.size() / 2];
}

CustomizationOnLists::CustomizationOnLists(const QList<std::pair<QString, int>>& tables)
{
    for (const auto& [table, rows] : tables)
        fillTable(db, table, rows);
    window.load();
    window.show();
    QCoreApplication::processEvents();
}

void CustomizationOnLists::choose(const QString& table)
{
    auto* tables = window.findChild<QComboBox*>(QStringLiteral("cboTableName"));
    tables->setCurrentIndex(tables->findText(table));
    emit tables->activated(tables->currentIndex());
    QCoreApplication::processEvents();
}

QTableView* CustomizationOnLists::grid() const
{
    return window.findChild<QTableView*>(QStringLiteral("grdCustom"));
}
