#pragma once

#include "data/StoreError.h"

#include <QString>
#include <QStringList>

// The cultures of the name lists (maleName, femaleName, surnames), and the culture whose names
// suit a country's people or a language's speakers. A file without the culture fields (an older
// one opened read-only) simply knows no culture.
namespace NameCultures {

// The field that holds a row's culture.
inline const QString Field = QStringLiteral("culture");

// The cultures that have a surname and a first name of either sex, sorted; none without the
// fields.
bool cultures(QStringList* cultures, StoreError* error);
// The culture of a value of a list table (a country or a language), matched without regard to
// case; empty when it has none, or the table has no culture field.
bool cultureOf(const QString& table, const QString& value, QString* culture, StoreError* error);
// The values of a name list of the culture, in the list's order; every value for an empty
// culture or a list without the culture field.
bool names(const QString& table, const QString& culture, QStringList* names, StoreError* error);

} // namespace NameCultures
