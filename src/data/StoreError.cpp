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

bool StoreError::isRecoverable() const
{
    if (number == EngineError::DuplicateValue)
        return true;
    // SQLite's primary result codes: busy, locked, read only, disk full, journal not made,
    // constraint, datatype mismatch.
    switch (number & 0xff) {
    case 5:
    case 6:
    case 8:
    case 13:
    case 14:
    case 19:
    case 20:
        return true;
    default:
        return false;
    }
}

bool StoreError::isBusy() const
{
    const int code = number & 0xff;
    return code == 5 || code == 6; // SQLite's busy and locked
}
