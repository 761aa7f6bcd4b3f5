#pragma once

#include "data/StoreError.h"

#include <QList>
#include <QStringList>

// Bringing values into a list table and taking rows out of any table.
namespace ListImport {
struct Counts
{
    int added = 0;
    int skipped = 0; // blank, or present already (ignoring case)
};

// A list table holds one value a row: a whole-number key and one value field, which may be
// followed by fields that tell more of the value (a verb's frame) when the value field is named
// like the table. Of any other table, why tells what it holds instead ("questions holds 2 values
// a row (category, question)").
bool isValueList(const QString& table, QString* why = nullptr);
// The field holding a list table's values; it names the list in a CSV file's heading.
QString valueField(const QString& table);
// Adds the values (the first field of each row) that are neither blank nor present already, all
// or none; each without the blanks and byte-order marks around it. The row's further fields go
// to the fields after the value, blanks trimmed; one missing or blank is Null.
bool addValues(const QString& table, const QList<QStringList>& rows, Counts* counts,
               StoreError* error);
// The names of the table's fields and every row of it in table order, the key left out.
QStringList fieldsWithoutKey(const QString& table);
QList<QStringList> rowsWithoutKey(const QString& table, StoreError* error);
} // namespace ListImport
