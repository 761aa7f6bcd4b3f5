#pragma once

#include <optional>
#include <QList>
#include <QString>
#include <QStringList>

// Word lists kept in files: plain UTF-8 text, one value a line, or CSV, one value a row. A list
// whose values carry further fields (a verb's frame) has them after the value: on its line,
// after tabs, or in the CSV row's next fields.
namespace ListFile {
struct Contents
{
    QList<QStringList> rows; // the value first, then as many further fields as the file gives
    QString heading;         // a CSV file's first row, when it names the list's field
};

// The rows of the file: its lines, or the fields of each CSV row (a file named ".csv"), the
// first fieldNames.size() of them. A line is split at tabs only for a list of several fields.
// A CSV file whose first row starts with the value field's name (in any case) has it as a
// heading, not as a value. Nothing when the file cannot be read, is not UTF-8 text or is broken
// CSV; problem then says why.
std::optional<Contents> readValues(const QString& path, const QStringList& fieldNames,
                                   QString* problem);
// Writes the rows: their fields joined by tabs in a text file; as CSV, under a heading row of the
// field names, in a ".csv" file. A text file cannot keep a field with a line break or starting
// with a byte-order mark: then nothing is written and problem names the first such field.
bool writeRows(const QString& path, const QStringList& fieldNames, const QList<QStringList>& rows,
               QString* problem);
} // namespace ListFile
