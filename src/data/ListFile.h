#pragma once

#include <optional>
#include <QList>
#include <QString>
#include <QStringList>

// Word lists kept in files: plain UTF-8 text, one value a line, or CSV, one value a row.
namespace ListFile {
struct Contents
{
    QStringList values;
    QString heading; // a CSV file's first row, when it names the list's field
};

// The values of the file: its lines, or the first field of each CSV row (a file named ".csv").
// A CSV file whose first row is the field's name (in any case) has it as a heading, not as a
// value. Nothing when the file cannot be read, is not UTF-8 text or is broken CSV; problem then
// says why.
std::optional<Contents> readValues(const QString& path, const QString& fieldName, QString* problem);
// Writes the rows: their fields joined by tabs in a text file; as CSV, under a heading row of the
// field names, in a ".csv" file. A text file cannot keep a field with a line break or starting
// with a byte-order mark: then nothing is written and problem names the first such field.
bool writeRows(const QString& path, const QStringList& fieldNames, const QList<QStringList>& rows,
               QString* problem);
} // namespace ListFile
