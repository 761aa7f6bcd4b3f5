#include "data/Relationships.h"

#include "data/Database.h"
#include "data/TableNotices.h"
#include "data/Transaction.h"

#include <QCoreApplication>
#include <QSqlError>
#include <QSqlQuery>

#include <functional>

namespace {

struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(Relationships)
};

} // namespace

namespace Relationships {

namespace {

// The kind read from the other side: its mirror in the list, or itself.
QString mirrorOf(const QString& kind)
{
    return QStringLiteral("coalesce((SELECT nullif(mirror, '') FROM relationship WHERE "
                          "relationship = %1), %1)")
        .arg(kind);
}

bool exec(QSqlQuery& query, const QString& source, StoreError* error)
{
    if (query.exec())
        return true;
    *error = StoreError::fromSql(query.lastError(), source);
    return false;
}

bool read(QSqlQuery& query, const QString& source, QList<Relationship>* relationships,
          StoreError* error)
{
    if (!exec(query, source, error))
        return false;
    relationships->clear();
    while (query.next())
        relationships->append({query.value(0).toLongLong(), query.value(1).toLongLong(),
                               query.value(2).toLongLong(), query.value(3).toString(),
                               query.value(4).toString(), query.value(5).toString(),
                               query.value(6).toString()});
    return true;
}

// Refuses a relationship of a character to itself, and one the table holds already from either
// side but for the row of the key.
bool check(qint64 key, qint64 fromKey, qint64 toKey, const QString& kind, const QString& source,
           StoreError* error)
{
    if (fromKey == toKey) {
        *error = {EngineError::RuleViolated, source,
                  Texts::tr("A character cannot be related to itself.")};
        return false;
    }
    QSqlQuery query(Database::connection());
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT 1 FROM character_relationship WHERE ID <> ? AND "
                                 "((From_ID = ? AND To_ID = ? AND Kind = ?) OR (From_ID = ? AND "
                                 "To_ID = ? AND Kind = %1))")
                      .arg(mirrorOf(QStringLiteral("?"))));
    for (const QVariant& value :
         {QVariant(key), QVariant(fromKey), QVariant(toKey), QVariant(kind), QVariant(toKey),
          QVariant(fromKey), QVariant(kind), QVariant(kind)})
        query.addBindValue(value);
    if (!exec(query, source, error))
        return false;
    if (query.next()) {
        *error = {EngineError::DuplicateValue, source, Texts::tr("A duplicate exists.")};
        return false;
    }
    return true;
}

// Runs one write of a relationship in a transaction of its own, checked first where it gives
// one from a character to another, and tells every list of relationships.
bool write(const QString& sql, const QVariantList& values, qint64* key,
           const std::function<bool(StoreError*)>& checkFirst, const QString& source,
           StoreError* error)
{
    Transaction transaction(source);
    if (!transaction.begin(error) || (checkFirst && !checkFirst(error)))
        return false;
    QSqlQuery query(Database::connection());
    query.prepare(sql);
    for (const QVariant& value : values)
        query.addBindValue(value);
    if (!exec(query, source, error))
        return false;
    if (*key < 0) {
        *key = query.lastInsertId().toLongLong();
    } else if (query.numRowsAffected() < 1) {
        *error = {EngineError::RecordDeleted, source, Texts::tr("Record is deleted.")};
        return false;
    }
    if (!transaction.commit(error))
        return false;
    TableNotices::announceLinks(table());
    return true;
}

} // namespace

QString table()
{
    return QStringLiteral("character_relationship");
}

bool characters(QList<Character>* characters, StoreError* error)
{
    QSqlQuery query(Database::connection());
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT ID, Name FROM \"character\" ORDER BY Name COLLATE "
                                 "NOCASE, ID"));
    if (!exec(query, QStringLiteral("Relationships.characters"), error))
        return false;
    characters->clear();
    while (query.next())
        characters->append({query.value(0).toLongLong(), query.value(1).toString()});
    return true;
}

bool of(qint64 characterKey, QList<Relationship>* relationships, StoreError* error)
{
    QSqlQuery query(Database::connection());
    query.setForwardOnly(true);
    // Each row read from the character's side: as stored when it starts there, mirrored when it
    // ends there.
    query.prepare(
        QStringLiteral("SELECT seen.ID, seen.self, seen.other, other.Name, seen.kind, seen.mirror, "
                       "seen.Note FROM (SELECT ID, From_ID AS self, To_ID AS other, Kind AS kind, "
                       "%1 AS mirror, Note FROM character_relationship WHERE From_ID = ? UNION ALL "
                       "SELECT ID, To_ID, From_ID, %1, Kind, Note FROM character_relationship "
                       "WHERE To_ID = ?) AS seen JOIN \"character\" AS other ON other.ID = "
                       "seen.other ORDER BY other.Name COLLATE NOCASE, seen.kind COLLATE NOCASE, "
                       "seen.ID")
            .arg(mirrorOf(QStringLiteral("Kind"))));
    query.addBindValue(characterKey);
    query.addBindValue(characterKey);
    return read(query, QStringLiteral("Relationships.of"), relationships, error);
}

bool among(const QList<qint64>& characterKeys, QList<Relationship>* relationships,
           StoreError* error)
{
    relationships->clear();
    if (characterKeys.isEmpty())
        return true;
    QStringList keys;
    for (qint64 key : characterKeys)
        keys << QString::number(key); // whole numbers: nothing a user typed
    const QString set = keys.join(u',');
    QSqlQuery query(Database::connection());
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT link.ID, link.From_ID, link.To_ID, other.Name, "
                                 "link.Kind, %1, link.Note FROM character_relationship AS link "
                                 "JOIN \"character\" AS other ON other.ID = link.To_ID WHERE "
                                 "link.From_ID IN (%2) AND link.To_ID IN (%2) ORDER BY link.ID")
                      .arg(mirrorOf(QStringLiteral("link.Kind")), set));
    return read(query, QStringLiteral("Relationships.among"), relationships, error);
}

bool add(qint64 fromKey, qint64 toKey, const QString& kind, const QString& note, qint64* key,
         StoreError* error)
{
    const QString source = QStringLiteral("Relationships.add");
    *key = -1;
    return write(
        QStringLiteral("INSERT INTO character_relationship (From_ID, To_ID, Kind, Note) "
                       "VALUES (?, ?, ?, ?)"),
        {fromKey, toKey, kind, note.isEmpty() ? QVariant() : QVariant(note)}, key,
        [&](StoreError* failure) { return check(-1, fromKey, toKey, kind, source, failure); },
        source, error);
}

bool update(qint64 key, qint64 fromKey, qint64 toKey, const QString& kind, const QString& note,
            StoreError* error)
{
    const QString source = QStringLiteral("Relationships.update");
    return write(
        QStringLiteral("UPDATE character_relationship SET From_ID = ?, To_ID = ?, Kind = "
                       "?, Note = ? WHERE ID = ?"),
        {fromKey, toKey, kind, note.isEmpty() ? QVariant() : QVariant(note), key}, &key,
        [&](StoreError* failure) { return check(key, fromKey, toKey, kind, source, failure); },
        source, error);
}

bool remove(qint64 key, StoreError* error)
{
    return write(QStringLiteral("DELETE FROM character_relationship WHERE ID = ?"), {key}, &key, {},
                 QStringLiteral("Relationships.remove"), error);
}

QList<RecordTable::Link> characterLinks()
{
    return {{table(), QStringLiteral("From_ID")}, {table(), QStringLiteral("To_ID")}};
}

} // namespace Relationships
