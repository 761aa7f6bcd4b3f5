#include "data/UserTables.h"

#include "data/Database.h"

#include <QSqlError>
#include <QSqlQuery>

QStringList UserTables::names(StoreError* error)
{
    QSqlQuery query(Database::connection());
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' "
                                   "AND name NOT LIKE 'sqlite\\_%' ESCAPE '\\' ORDER BY rowid"))) {
        *error = StoreError::fromSql(query.lastError(), QStringLiteral("setCustomTable"));
        return {};
    }
    QStringList tables;
    while (query.next()) {
        const QString name = query.value(0).toString();
        if (!name.startsWith(QLatin1String("MSys"), Qt::CaseSensitive))
            tables << name;
    }
    return tables;
}

qint64 UserTables::rowCount(const QString& table, StoreError* error)
{
    QSqlQuery query(Database::connection());
    if (!query.exec(QStringLiteral("SELECT count(*) FROM ") + Database::quoteIdentifier(table)) ||
        !query.next()) {
        *error = StoreError::fromSql(query.lastError(), QStringLiteral("rowCount"));
        return -1;
    }
    return query.value(0).toLongLong();
}
