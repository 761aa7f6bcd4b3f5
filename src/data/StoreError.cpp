#include "data/StoreError.h"

#include <QSqlError>

namespace {
// SQLite's extended result codes for a violated unique index and primary key.
const QString UniqueViolation = QStringLiteral("2067");
const QString PrimaryKeyViolation = QStringLiteral("1555");
const QString PlainConstraintViolation = QStringLiteral("19");
} // namespace

StoreError StoreError::fromSql(const QSqlError& error, const QString& source)
{
    StoreError result;
    result.source = source;
    result.description = error.databaseText().isEmpty() ? error.text() : error.databaseText();
    const QString code = error.nativeErrorCode();
    result.sqliteCode = code.toInt();
    if (code == UniqueViolation || code == PrimaryKeyViolation ||
        (code == PlainConstraintViolation && result.description.contains("UNIQUE"))) {
        result.number = EngineError::DuplicateValue;
    } else {
        bool ok = false;
        result.number = code.toInt(&ok);
        if (!ok || result.number == 0)
            result.number = 3000; // the engine's "reserved error": a failure without a code
    }
    return result;
}

StoreError::Cause StoreError::cause() const
{
    if (number == EngineError::DuplicateValue)
        return Cause::Duplicate;
    switch (sqliteCode & 0xff) { // SQLite's primary result codes
    case 5:                      // busy
    case 6:                      // locked
        return Cause::Busy;
    case 8:  // read only
    case 14: // the journal could not be made
        return Cause::ReadOnly;
    case 13:
        return Cause::DiskFull;
    case 10:
        return Cause::WriteFailed;
    case 19: // constraint
    case 20: // datatype mismatch
        return Cause::RefusedValue;
    default:
        return Cause::Other;
    }
}
