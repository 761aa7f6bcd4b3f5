#pragma once

#include "data/StoreError.h"

#include <optional>
#include <QString>
#include <QStringList>

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
// Limits a draw to the rows whose field holds one of the values, compared as the field compares
// text (one declared COLLATE NOCASE ignores case), and when blankFits, to those too where it is
// Null or blank. Without a field every row fits.
struct Filter
{
    QString field;
    QStringList values;
    bool blankFits = false;
};

std::optional<QString> draw(const QString& table, QRandomGenerator& random, StoreError* error);
// A draw among the rows that fit the filter, as uniform as the plain one; when no drawable row
// fits, the error is EngineError::NoCurrentRecord, as for an empty table.
std::optional<QString> draw(const QString& table, const Filter& filter, QRandomGenerator& random,
                            StoreError* error);
// A short hash of what draws from the table depend on (its drawable rows' keys, values and
// further fields, which filters read): the same generator state draws the same value while the
// fingerprint stays the same.
std::optional<quint32> fingerprint(const QString& table, StoreError* error);
// How many values a draw from the table can return now; -1 after a failure.
qint64 drawableCount(const QString& table, StoreError* error);
// Whether a draw could return the value of a row: it is neither Null nor blank (empty or spaces).
bool isDrawable(const QVariant& value);
// Forgets every kept table and the connection; must run before the database closes.
void forgetTables();
} // namespace RandomRecord
