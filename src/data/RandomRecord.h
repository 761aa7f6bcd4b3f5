#pragma once

#include "data/StoreError.h"

#include <optional>
#include <QString>

class QRandomGenerator;
class QVariant;

// Draws a uniformly chosen value from a list table: the table's second field, read by
// position, with its first letter upper-cased. Rows whose value is empty or blank are never
// drawn.
//
// A draw costs the same whatever the table's size. A small table's drawable values are read
// once and kept; a large one's rows are read as they are drawn (a random rowid, tried again when
// no drawable value has it). Everything kept is dropped as soon as anything in the database
// changes, through this connection or any other, so a row added anywhere is drawn from at once.
namespace RandomRecord {
std::optional<QString> draw(const QString& table, QRandomGenerator& random, StoreError* error);
// A short hash of what draws from the table depend on (its drawable rows' keys and values): the
// same generator state draws the same value while the fingerprint stays the same.
std::optional<quint32> fingerprint(const QString& table, StoreError* error);
// How many values a draw from the table can return now; -1 after a failure.
qint64 drawableCount(const QString& table, StoreError* error);
// Whether a draw could return the value of a row: it is neither Null nor blank (empty or spaces).
bool isDrawable(const QVariant& value);
// Forgets every kept table and the connection; must run before the database closes.
void forgetTables();
} // namespace RandomRecord
