#pragma once

#include "data/StoreError.h"

#include <QStringList>
#include <QVariant>

class QSqlRecord;

// The tables of the database the user may edit, and their sizes.
namespace UserTables {
// Every table in the database's own order, but the engine's own (sqlite_...) and the ones whose
// names begin with "MSys"; views are never listed, as they cannot be edited.
QStringList names(StoreError* error);
// The number of rows of the table, or -1 after a failure.
qint64 rowCount(const QString& table, StoreError* error);
// The values of one field of every row of the table, in the table's order; false after a failure.
bool fieldValues(const QString& table, const QString& field, QStringList* values,
                 StoreError* error);
// Adds a row for the user to fill in and gives its key (invalid after a failure). Its fields
// are empty, but for those that must have a value and have no default: such a field takes the
// value of the given row (or else the first) when rows share values in it, as a category,
// and an empty text (or 0 for a number) when each row has its own.
QVariant addRow(const QString& table, const QSqlRecord& current, StoreError* error);
} // namespace UserTables
