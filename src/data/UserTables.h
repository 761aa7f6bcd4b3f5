#pragma once

#include "data/StoreError.h"

#include <QStringList>

// The tables of the database the user may edit, and their sizes.
namespace UserTables {
// Every table in the database's own order, but the engine's own (sqlite_...) and the ones whose
// names begin with "MSys"; views are never listed, as they cannot be edited.
QStringList names(StoreError* error);
// The number of rows of the table, or -1 after a failure.
qint64 rowCount(const QString& table, StoreError* error);
} // namespace UserTables
