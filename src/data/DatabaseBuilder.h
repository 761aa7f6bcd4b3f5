#pragma once

#include <QString>

// Makes a database file from its text sources: a schema script and, for each table that ships
// with rows, a file in the tables folder: "<table>.txt" holds one value per line for
// the table's second field (keys run from 1 in file order), "<table>.tsv" holds a header line of
// field names and one tab-separated row per line ("\t", "\n" and "\\" escape a tab, a line break
// and a backslash; an empty cell is Null). The result depends on the sources alone.
namespace DatabaseBuilder {
bool build(const QString& schemaFile, const QString& tablesFolder, const QString& databasePath,
           QString* error);
}
