#pragma once

#include "data/StoreError.h"

#include <QString>
#include <QVariantList>

// Runs one statement that writes a table in a transaction of its own, the open windows told
// before and after (TableNotices). With a key below 0 the statement adds a row and the key
// becomes the new row's. With a key of a row that must still be there, a statement that changes
// no row fails with EngineError::RecordDeleted.
enum class RowGone { Fails, IsFine };
bool writeAnnounced(const QString& table, const QString& sql, const QVariantList& values,
                    qint64* key, RowGone rowGone, const QString& source, StoreError* error);
