#include "data/RecordTable.h"

#include "data/Database.h"
#include "data/TableNotices.h"
#include "data/Transaction.h"

#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

namespace {

// Runs a statement that deletes the rows whose field holds the key.
bool removeWhere(const QString& quotedTable, const QString& field, qint64 key,
                 const QString& source, StoreError* error)
{
    QSqlQuery statement(Database::connection());
    statement.prepare(QStringLiteral("DELETE FROM %1 WHERE %2 = ?")
                          .arg(quotedTable, Database::quoteIdentifier(field)));
    statement.addBindValue(key);
    if (statement.exec())
        return true;
    *error = StoreError::fromSql(statement.lastError(), source);
    return false;
}

} // namespace

RecordTable::RecordTable(const QString& table) : m_table(Database::quoteIdentifier(table)) {}

qint64 RecordTable::insertEmpty(StoreError* error) const
{
    QSqlQuery insert(Database::connection());
    if (!insert.exec(QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(m_table))) {
        *error = StoreError::fromSql(insert.lastError(), QStringLiteral("newRecord"));
        return -1;
    }
    return insert.lastInsertId().toLongLong();
}

bool RecordTable::isStored(qint64 key, StoreError* error) const
{
    QSqlQuery query(Database::connection());
    query.prepare(QStringLiteral("SELECT 1 FROM %1 WHERE ID = ?").arg(m_table));
    query.addBindValue(key);
    if (!query.exec()) {
        *error = StoreError::fromSql(query.lastError(), QStringLiteral("RecordTable.isStored"));
        return false;
    }
    return query.next();
}

qint64 RecordTable::insert(const QSqlRecord& fields, StoreError* error) const
{
    QSqlRecord values = fields;
    values.remove(values.indexOf(QStringLiteral("ID")));
    for (int field = 0; field < values.count(); ++field)
        values.setGenerated(field, true); // a model's record marks only the edited fields
    const QSqlDatabase db = Database::connection();
    QSqlQuery insert(db);
    insert.prepare(db.driver()->sqlStatement(QSqlDriver::InsertStatement, m_table, values, true));
    for (int field = 0; field < values.count(); ++field)
        insert.addBindValue(values.value(field));
    if (!insert.exec()) {
        *error = StoreError::fromSql(insert.lastError(), QStringLiteral("RecordTable.insert"));
        return -1;
    }
    return insert.lastInsertId().toLongLong();
}

bool RecordTable::remove(qint64 key, StoreError* error) const
{
    return removeWhere(m_table, QStringLiteral("ID"), key, QStringLiteral("removeRow"), error);
}

bool RecordTable::removeWithLinks(qint64 key, const QList<Link>& links, StoreError* error) const
{
    const QString source = QStringLiteral("removeRecord");
    Transaction transaction(source);
    if (!transaction.begin(error))
        return false;
    for (const Link& link : links) {
        if (!removeWhere(Database::quoteIdentifier(link.table), link.field, key, source, error))
            return false;
    }
    if (!removeWhere(m_table, QStringLiteral("ID"), key, source, error) ||
        !transaction.commit(error))
        return false;
    QStringList announced;
    for (const Link& link : links) {
        if (!announced.contains(link.table))
            TableNotices::announceLinks(link.table);
        announced << link.table;
    }
    return true;
}
