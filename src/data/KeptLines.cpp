#include "data/KeptLines.h"

#include "data/AnnouncedWrite.h"
#include "data/Database.h"

#include <QLocale>
#include <QSqlError>
#include <QSqlQuery>

namespace KeptLines {

namespace {

QString quoted(const QString& name)
{
    return Database::quoteIdentifier(name);
}

// Runs one write of the kind's table; a record deleted after it was chosen keeps nothing.
bool write(Kind kind, const QString& sql, const QVariantList& values, qint64* key,
           StoreError* error)
{
    return writeAnnounced(place(kind).table, sql, values, key, RowGone::Fails,
                          QStringLiteral("KeptLines.write"), error);
}

} // namespace

const Place& place(Kind kind)
{
    static const Place places[] = {
        {QStringLiteral("character"), QStringLiteral("Name"), QStringLiteral("Notes")},
        {QStringLiteral("Scene Profile"), QStringLiteral("Scene Name"),
         QStringLiteral("Scene Notes")},
        {QStringLiteral("Story Profile"), QStringLiteral("Story Name"), QStringLiteral("Notes")},
    };
    return places[int(kind)];
}

bool records(Kind kind, QList<Record>* found, StoreError* error)
{
    const Place& where = place(kind);
    QSqlQuery query(Database::connection());
    query.setForwardOnly(true);
    // Stories have no hidden rows; the others hide the rows marked -1, as their windows do.
    const QString shown = kind == Kind::Story ? QString() : QStringLiteral(" WHERE visible <> -1");
    if (!query.exec(QStringLiteral("SELECT ID, %1 FROM %2%3 ORDER BY %1 COLLATE NOCASE, ID")
                        .arg(quoted(where.nameField), quoted(where.table), shown))) {
        *error = StoreError::fromSql(query.lastError(), QStringLiteral("KeptLines.records"));
        return false;
    }
    found->clear();
    while (query.next())
        found->append({query.value(0).toLongLong(), query.value(1).toString()});
    return true;
}

bool fieldText(Kind kind, qint64 key, const QString& field, QString* text, StoreError* error)
{
    QSqlQuery query(Database::connection());
    query.prepare(QStringLiteral("SELECT %1 FROM %2 WHERE ID = ?")
                      .arg(quoted(field), quoted(place(kind).table)));
    query.addBindValue(key);
    if (!query.exec()) {
        *error = StoreError::fromSql(query.lastError(), QStringLiteral("KeptLines.fieldText"));
        return false;
    }
    *text = query.next() ? query.value(0).toString() : QString();
    return true;
}

qint64 newCharacter(const QString& field, const QString& value, StoreError* error)
{
    qint64 key = -1;
    if (!write(Kind::Character,
               QStringLiteral("INSERT INTO character (%1) VALUES (?)").arg(quoted(field)), {value},
               &key, error))
        return -1;
    return key;
}

bool setField(Kind kind, qint64 key, const QString& field, const QString& value, StoreError* error)
{
    return write(kind,
                 QStringLiteral("UPDATE %1 SET %2 = ? WHERE ID = ?")
                     .arg(quoted(place(kind).table), quoted(field)),
                 {value, key}, &key, error);
}

bool appendToNotes(Kind kind, qint64 key, const QString& line, StoreError* error)
{
    const Place& where = place(kind);
    const QString notes = quoted(where.notesField);
    return write(kind,
                 QStringLiteral("UPDATE %1 SET %2 = CASE WHEN coalesce(%2, '') = '' THEN ? "
                                "ELSE %2 || char(10) || ? END WHERE ID = ?")
                     .arg(quoted(where.table), notes),
                 {line, line, key}, &key, error);
}

QString withSource(const QString& line, const QString& source, const QDate& date)
{
    return line + QStringLiteral(" — ") + source + QStringLiteral(", ") +
           QLocale::c().toString(date, QStringLiteral("d MMM yyyy"));
}

} // namespace KeptLines
