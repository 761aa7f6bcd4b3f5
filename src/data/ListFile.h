#pragma once

#include <optional>
#include <QList>
#include <QString>
#include <QStringList>

// Word lists kept in files: plain UTF-8 text, one value a line, or CSV, one row a line.
namespace ListFile {
// The values of the file: its lines, or the first field of each CSV row (a file named ".csv").
// Nothing when the file cannot be read or is not UTF-8 text; problem then says why.
std::optional<QStringList> readValues(const QString& path, QString* problem);
// Writes the rows: their fields joined by tabs in a text file, as CSV in a ".csv" file.
bool writeRows(const QString& path, const QList<QStringList>& rows, QString* problem);
} // namespace ListFile
