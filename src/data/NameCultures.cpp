#include "data/NameCultures.h"

#include "data/Database.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

namespace {

const QString Source = QStringLiteral("NameCultures");

bool hasCultureField(const QString& table)
{
    return Database::connection().record(table).contains(NameCultures::Field);
}

bool run(QSqlQuery& query, StoreError* error)
{
    if (query.exec())
        return true;
    *error = StoreError::fromSql(query.lastError(), Source);
    return false;
}

} // namespace

bool NameCultures::cultures(QStringList* cultures, StoreError* error)
{
    cultures->clear();
    for (const QString& table :
         {QStringLiteral("maleName"), QStringLiteral("femaleName"), QStringLiteral("surnames")}) {
        if (!hasCultureField(table))
            return true;
    }
    QSqlQuery query(Database::connection());
    query.setForwardOnly(true);
    query.prepare(QStringLiteral(
        "SELECT DISTINCT trim(culture) AS name FROM surnames WHERE trim(culture) <> '' AND "
        "trim(culture) IN (SELECT trim(culture) FROM maleName UNION SELECT trim(culture) FROM "
        "femaleName) ORDER BY name COLLATE NOCASE"));
    if (!run(query, error))
        return false;
    while (query.next())
        cultures->append(query.value(0).toString());
    return true;
}

bool NameCultures::cultureOf(const QString& table, const QString& value, QString* culture,
                             StoreError* error)
{
    culture->clear();
    if (value.trimmed().isEmpty() || !hasCultureField(table))
        return true;
    const QString quoted = Database::quoteIdentifier(table);
    QSqlQuery query(Database::connection());
    query.prepare(QStringLiteral("SELECT trim(culture) FROM %1 WHERE %2 = ? COLLATE NOCASE AND "
                                 "trim(culture) <> '' LIMIT 1")
                      .arg(quoted, Database::quoteIdentifier(table)));
    query.addBindValue(value.trimmed());
    if (!run(query, error))
        return false;
    if (query.next())
        *culture = query.value(0).toString();
    return true;
}

bool NameCultures::names(const QString& table, const QString& culture, QStringList* names,
                         StoreError* error)
{
    names->clear();
    const bool all = culture.isEmpty() || !hasCultureField(table);
    const QString quoted = Database::quoteIdentifier(table);
    QSqlQuery query(Database::connection());
    query.setForwardOnly(true);
    query.prepare(
        QStringLiteral("SELECT CAST(%2 AS TEXT) FROM %1 WHERE trim(CAST(%2 AS TEXT)) <> ''%3 "
                       "ORDER BY rowid")
            .arg(quoted, quoted, all ? QString() : QStringLiteral(" AND culture = ?")));
    if (!all)
        query.addBindValue(culture);
    if (!run(query, error))
        return false;
    while (query.next())
        names->append(query.value(0).toString());
    return true;
}
