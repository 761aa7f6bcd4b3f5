#include "data/ListImport.h"

#include "data/Database.h"
#include "data/Transaction.h"

#include <QCoreApplication>
#include <QSet>
#include <QSqlError>
#include <QSqlField>
#include <QSqlIndex>
#include <QSqlQuery>
#include <QSqlRecord>

namespace {

struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(ListImport)
};

} // namespace

namespace {

QString keyField(const QString& table)
{
    const QSqlIndex key = Database::connection().primaryIndex(table);
    return key.count() == 1 ? key.fieldName(0) : QString();
}

// The value as it is stored: without blanks around it, nor byte-order marks before it, which
// the database drops, leaving a blank first.
QString stored(const QString& value)
{
    QString trimmed = value.trimmed();
    while (trimmed.startsWith(QChar::ByteOrderMark))
        trimmed = trimmed.mid(1).trimmed();
    return trimmed;
}

} // namespace

bool ListImport::isValueList(const QString& table, QString* why)
{
    const QSqlRecord fields = Database::connection().record(table);
    const bool keyed = !fields.isEmpty() && keyField(table) == fields.fieldName(0) &&
                       fields.field(0).metaType().id() != QMetaType::QString;
    if (keyed &&
        (fields.count() == 2 ||
         (fields.count() > 2 && fields.fieldName(1).compare(table, Qt::CaseInsensitive) == 0)))
        return true;
    if (why) {
        QStringList values;
        for (int field = keyed ? 1 : 0; field < fields.count(); ++field)
            values << fields.fieldName(field);
        if (values.size() > 1)
            *why = Texts::tr("%1 holds %2 values a row (%3)")
                       .arg(table)
                       .arg(values.size())
                       .arg(values.join(QStringLiteral(", ")));
        else
            *why = values.isEmpty() ? Texts::tr("%1 holds no value").arg(table)
                                    : Texts::tr("%1 has no whole-number key").arg(table);
    }
    return false;
}

QString ListImport::valueField(const QString& table)
{
    return Database::connection().record(table).fieldName(1);
}

bool ListImport::addValues(const QString& table, const QList<QStringList>& rows, Counts* counts,
                           StoreError* error)
{
    QSqlDatabase db = Database::connection();
    const QStringList fields = fieldsWithoutKey(table);
    const QString valueField = ListImport::valueField(table);
    const QString quotedTable = Database::quoteIdentifier(table);
    QSqlQuery query(db);
    query.setForwardOnly(true);
    const auto fail = [&](const QSqlError& sqlError) {
        *error = StoreError::fromSql(sqlError, QStringLiteral("importList"));
        return false;
    };
    Transaction transaction(QStringLiteral("importList"));
    if (!transaction.begin(error))
        return false;
    QSet<QString> present;
    if (!query.exec(QStringLiteral("SELECT %1 FROM %2")
                        .arg(Database::quoteIdentifier(valueField), quotedTable)))
        return fail(query.lastError());
    while (query.next())
        present.insert(query.value(0).toString().trimmed().toCaseFolded());
    QStringList quotedFields, marks;
    for (const QString& field : fields) {
        quotedFields << Database::quoteIdentifier(field);
        marks << QStringLiteral("?");
    }
    query.prepare(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                      .arg(quotedTable, quotedFields.join(u','), marks.join(u',')));
    Counts result;
    for (const QStringList& row : rows) {
        const QString value = stored(row.value(0));
        if (value.isEmpty() || present.contains(value.toCaseFolded())) {
            ++result.skipped;
            continue;
        }
        query.addBindValue(value);
        for (qsizetype field = 1; field < fields.size(); ++field) {
            const QString further = stored(row.value(field));
            query.addBindValue(further.isEmpty() ? QVariant() : QVariant(further));
        }
        if (!query.exec())
            return fail(query.lastError());
        present.insert(value.toCaseFolded());
        ++result.added;
    }
    if (!transaction.commit(error))
        return false;
    *counts = result;
    return true;
}

QStringList ListImport::fieldsWithoutKey(const QString& table)
{
    const QSqlRecord fields = Database::connection().record(table);
    const QString key = keyField(table);
    QStringList names;
    for (int column = 0; column < fields.count(); ++column) {
        if (fields.fieldName(column) != key)
            names << fields.fieldName(column);
    }
    return names;
}

QList<QStringList> ListImport::rowsWithoutKey(const QString& table, StoreError* error)
{
    const int keyColumn = Database::connection().record(table).indexOf(keyField(table));
    QSqlQuery query(Database::connection());
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("SELECT * FROM %1 ORDER BY rowid")
                        .arg(Database::quoteIdentifier(table)))) {
        *error = StoreError::fromSql(query.lastError(), QStringLiteral("exportList"));
        return {};
    }
    QList<QStringList> rows;
    while (query.next()) {
        QStringList fields;
        for (int column = 0; column < query.record().count(); ++column) {
            if (column != keyColumn)
                fields << query.value(column).toString();
        }
        rows << fields;
    }
    return rows;
}
