#pragma once

#include "data/StoreError.h"

#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <QVariantMap>

// Runs a stored query of the database: a view, or an entry of MSysQueries (SQL text whose
// parameters, such as ":CATEGORY", take the values given by name). The query is positioned
// before its first row.
namespace StoredQuery {

bool run(const QString& name, const QVariantMap& parameters, QSqlQuery* query, StoreError* error);
// Appends the first column of every row of the stored query to values, in order.
bool firstColumn(const QString& name, const QVariantMap& parameters, QStringList* values,
                 StoreError* error);

} // namespace StoredQuery
