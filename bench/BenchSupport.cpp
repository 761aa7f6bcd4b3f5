#include "BenchSupport.h"

#include "data/Database.h"
#include "support/TestDatabase.h"

#include <QFile>
#include <QSqlQuery>

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

long peakMemoryKib()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return 0;
}

void resetPeakMemory()
{
    QFile refs(QStringLiteral("/proc/self/clear_refs"));
    if (refs.open(QIODevice::WriteOnly))
        refs.write("5");
}
