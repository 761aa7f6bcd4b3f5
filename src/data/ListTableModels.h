#pragma once

#include <QString>

class QSqlQueryModel;

// One model per list table, shared by every combo box that offers the table's words: the rows of
// its value field (named like the table) in table order. A model is made on first use and reads
// its rows as they are shown.
namespace ListTableModels {

QSqlQueryModel* model(const QString& table);
// Reads every model's rows again, so words added since are offered.
void refreshAll();

} // namespace ListTableModels
