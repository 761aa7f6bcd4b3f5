#include "data/AnnouncedWrite.h"

#include "data/Database.h"
#include "data/TableNotices.h"
#include "data/Transaction.h"

#include <QCoreApplication>
#include <QSqlError>
#include <QSqlQuery>

namespace {

struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(AnnouncedWrite)
};

} // namespace

bool writeAnnounced(const QString& table, const QString& sql, const QVariantList& values,
                    qint64* key, RowGone rowGone, const QString& source, StoreError* error)
{
    TableNotices::announceWriting(table);
    Transaction transaction(source);
    if (!transaction.begin(error))
        return false;
    QSqlQuery query(Database::connection());
    query.prepare(sql);
    for (const QVariant& value : values)
        query.addBindValue(value);
    if (!query.exec()) {
        *error = StoreError::fromSql(query.lastError(), source);
        return false;
    }
    if (*key < 0) {
        *key = query.lastInsertId().toLongLong();
    } else if (rowGone == RowGone::Fails && query.numRowsAffected() < 1) {
        *error = {EngineError::RecordDeleted, source, Texts::tr("Record is deleted.")};
        return false;
    }
    if (!transaction.commit(error))
        return false;
    TableNotices::announceWritten(table, *key);
    return true;
}
