#include "data/StoredQuery.h"

#include "data/Database.h"

#include <QSqlError>

bool StoredQuery::run(const QString& name, const QVariantMap& parameters, QSqlQuery* query,
                      StoreError* error)
{
    const auto fail = [&](const QSqlQuery& failed) {
        if (error)
            *error = StoreError::fromSql(failed.lastError(), QStringLiteral("StoredQuery.run"));
        return false;
    };
    QString sql = QStringLiteral("SELECT * FROM ") + Database::quoteIdentifier(name);
    if (Database::hasTable(QStringLiteral("MSysQueries"))) {
        QSqlQuery stored(Database::connection());
        stored.prepare(QStringLiteral("SELECT sql FROM MSysQueries WHERE name = ?"));
        stored.addBindValue(name);
        if (!stored.exec())
            return fail(stored);
        if (stored.next())
            sql = stored.value(0).toString();
    }
    *query = QSqlQuery(Database::connection());
    query->setForwardOnly(true);
    if (!query->prepare(sql))
        return fail(*query);
    for (auto parameter = parameters.cbegin(); parameter != parameters.cend(); ++parameter) {
        if (sql.contains(u':' + parameter.key(), Qt::CaseInsensitive))
            query->bindValue(u':' + parameter.key(), parameter.value());
    }
    return query->exec() || fail(*query);
}

bool StoredQuery::firstColumn(const QString& name, const QVariantMap& parameters,
                              QStringList* values, StoreError* error)
{
    QSqlQuery query;
    if (!run(name, parameters, &query, error))
        return false;
    while (query.next())
        values->append(query.value(0).toString());
    return true;
}
