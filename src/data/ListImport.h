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

// A list table holds one value a row: a whole-number key and one value field. Of any other
// table, why tells what it holds instead ("questions holds 2 values a row (category, question)").
bool isValueList(const QString& table, QString* why = nullptr);
// Adds the values that are neither blank nor present already, all or none.
bool addValues(const QString& table, const QStringList& values, Counts* counts, StoreError* error);
// Every row of the table in table order, the key left out.
QList<QStringList> rowsWithoutKey(const QString& table, StoreError* error);
} // namespace ListImport
