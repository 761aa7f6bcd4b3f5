#pragma once

#include <optional>
#include <QList>
#include <QString>
#include <QStringList>

// CSV text as RFC 4180 has it: rows of fields split by commas, rows ended by CRLF, LF or CR; a
// field in quotes may hold commas, line breaks and quotes (doubled).
namespace CsvText {
// The rows of the text. A byte-order mark starting a row is left out: files joined end to end
// keep each one's mark there. Nothing when a quoted field is never closed; problem then says
// on which line it opens.
std::optional<QList<QStringList>> rows(const QString& text, QString* problem);
// One row as CSV, without its line end: a field is quoted when it must be to read back as it is.
QString row(const QStringList& fields);
} // namespace CsvText
