#include "data/UserTables.h"

#include "data/Database.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

namespace {

const QString NewRowSource = QStringLiteral("cmdNew_Click");

// A field that must have a value but has no default of its own.
struct RequiredField
{
    QString name;
    bool numeric; // by its declared type, as SQLite gives it a number affinity
};

bool requiredFields(const QString& table, QList<RequiredField>* fields, StoreError* error)
{
    QSqlQuery query(Database::connection());
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT name, upper(type) FROM pragma_table_info(?) "
                                 "WHERE \"notnull\" AND dflt_value IS NULL AND NOT pk"));
    query.addBindValue(table);
    if (!query.exec()) {
        *error = StoreError::fromSql(query.lastError(), NewRowSource);
        return false;
    }
    while (query.next()) {
        const QString type = query.value(1).toString();
        const bool text = type.contains(u"CHAR") || type.contains(u"CLOB") ||
                          type.contains(u"TEXT") || type.contains(u"BLOB") || type.isEmpty();
        fields->append({query.value(0).toString(), !text});
    }
    return true;
}

// The value a new row takes in a required field: see UserTables::addRow.
bool requiredValue(const QString& table, const RequiredField& field, const QSqlRecord& current,
                   QVariant* value, StoreError* error)
{
    const QString column = Database::quoteIdentifier(field.name);
    QSqlQuery query(Database::connection());
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("SELECT count(*) > count(DISTINCT %1), "
                                   "(SELECT %1 FROM %2 LIMIT 1) FROM %2")
                        .arg(column, Database::quoteIdentifier(table))) ||
        !query.next()) {
        *error = StoreError::fromSql(query.lastError(), NewRowSource);
        return false;
    }
    const bool shared = query.value(0).toBool();
    const QVariant currentValue = current.value(field.name);
    if (shared)
        *value = currentValue.isNull() ? query.value(1) : currentValue;
    else
        *value = field.numeric ? QVariant(0) : QVariant(QStringLiteral(""));
    return true;
}

} // namespace

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

bool UserTables::fieldValues(const QString& table, const QString& field, QStringList* values,
                             StoreError* error)
{
    QSqlQuery query(Database::connection());
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("SELECT %1 FROM %2")
                        .arg(Database::quoteIdentifier(field), Database::quoteIdentifier(table)))) {
        *error = StoreError::fromSql(query.lastError(), QStringLiteral("fieldValues"));
        return false;
    }
    while (query.next())
        values->append(query.value(0).toString());
    return true;
}

QVariant UserTables::addRow(const QString& table, const QSqlRecord& current, StoreError* error)
{
    QList<RequiredField> fields;
    if (!requiredFields(table, &fields, error))
        return {};
    QStringList names;
    QVariantList values;
    for (const RequiredField& field : std::as_const(fields)) {
        QVariant value;
        if (!requiredValue(table, field, current, &value, error))
            return {};
        names << Database::quoteIdentifier(field.name);
        values << value;
    }
    QSqlQuery query(Database::connection());
    const QString quotedTable = Database::quoteIdentifier(table);
    query.prepare(names.isEmpty() ? QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(quotedTable)
                                  : QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                        .arg(quotedTable, names.join(u", "),
                                             QStringList(names.size(), "?").join(u", ")));
    for (const QVariant& value : std::as_const(values))
        query.addBindValue(value);
    if (!query.exec()) {
        *error = StoreError::fromSql(query.lastError(), NewRowSource);
        return {};
    }
    return query.lastInsertId();
}
