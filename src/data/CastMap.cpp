#include "data/CastMap.h"

#include "data/Database.h"

#include <QSqlError>
#include <QSqlQuery>

#include <algorithm>

namespace CastMap {

namespace {

const QString Table = QStringLiteral("cast_map_position");

bool run(QSqlQuery& query, const QString& source, StoreError* error)
{
    if (query.exec())
        return true;
    *error = StoreError::fromSql(query.lastError(), source);
    return false;
}

} // namespace

bool characters(qint64 storyKey, QList<Character>* characters, StoreError* error)
{
    QSqlQuery query(Database::connection());
    query.setForwardOnly(true);
    if (storyKey == AllCharacters) {
        query.prepare(QStringLiteral("SELECT ID, Name FROM \"character\" WHERE visible <> -1 "
                                     "ORDER BY Name COLLATE NOCASE, ID"));
    } else {
        query.prepare(QStringLiteral("SELECT item.ID, item.Name FROM Story_Character AS link "
                                     "JOIN \"character\" AS item ON item.ID = link.Character_ID "
                                     "WHERE link.Story_ID = ? ORDER BY link.ID"));
        query.addBindValue(storyKey);
    }
    if (!run(query, QStringLiteral("CastMap.characters"), error))
        return false;
    characters->clear();
    while (query.next()) {
        const qint64 key = query.value(0).toLongLong();
        // A character linked to the story twice is one box.
        if (std::none_of(characters->cbegin(), characters->cend(),
                         [key](const Character& seen) { return seen.key == key; }))
            characters->append({key, query.value(1).toString()});
    }
    return true;
}

bool positions(qint64 storyKey, QHash<qint64, QPointF>* positions, StoreError* error)
{
    QSqlQuery query(Database::connection());
    query.setForwardOnly(true);
    query.prepare(
        QStringLiteral("SELECT Character_ID, x, y FROM cast_map_position WHERE Story_ID = ?"));
    query.addBindValue(storyKey);
    if (!run(query, QStringLiteral("CastMap.positions"), error))
        return false;
    positions->clear();
    while (query.next())
        positions->insert(query.value(0).toLongLong(),
                          QPointF(query.value(1).toDouble(), query.value(2).toDouble()));
    return true;
}

bool keepPosition(qint64 storyKey, qint64 characterKey, const QPointF& centre, StoreError* error)
{
    QSqlQuery query(Database::connection());
    query.prepare(QStringLiteral("INSERT OR REPLACE INTO cast_map_position (Story_ID, "
                                 "Character_ID, x, y) VALUES (?, ?, ?, ?)"));
    for (const QVariant& value :
         {QVariant(storyKey), QVariant(characterKey), QVariant(centre.x()), QVariant(centre.y())})
        query.addBindValue(value);
    return run(query, QStringLiteral("CastMap.keepPosition"), error);
}

QList<RecordTable::Link> characterLinks()
{
    return {{Table, QStringLiteral("Character_ID")}};
}

QList<RecordTable::Link> storyLinks()
{
    return {{Table, QStringLiteral("Story_ID")}};
}

} // namespace CastMap
