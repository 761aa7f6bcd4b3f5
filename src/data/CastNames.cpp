#include "data/CastNames.h"

#include "data/Database.h"

#include <QSqlError>
#include <QSqlQuery>

#include <algorithm>

bool CastNames::read(QStringList* names, StoreError* error)
{
    QSqlQuery query(Database::connection());
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("SELECT DISTINCT Name FROM character WHERE visible <> -1 AND "
                                   "trim(Name) <> ''"))) {
        *error = StoreError::fromSql(query.lastError(), QStringLiteral("CastNames.read"));
        return false;
    }
    names->clear();
    while (query.next())
        names->append(query.value(0).toString());
    std::sort(names->begin(), names->end(), [](const QString& a, const QString& b) {
        return a.compare(b, Qt::CaseInsensitive) < 0;
    });
    return true;
}

bool CastNames::isHeld(const QString& name, bool* held, StoreError* error)
{
    QSqlQuery query(Database::connection());
    query.prepare(QStringLiteral("SELECT 1 FROM character WHERE Name = ? COLLATE NOCASE LIMIT 1"));
    query.addBindValue(name);
    if (!query.exec()) {
        *error = StoreError::fromSql(query.lastError(), QStringLiteral("CastNames.isHeld"));
        return false;
    }
    *held = query.next();
    return true;
}
