#pragma once

#include "data/PracticeLog.h"

#include <QList>
#include <QString>

// The practice log as CSV for a spreadsheet: a heading line, then a line for each record in the
// order given, with the columns of the log's list, the whole prompts and responses and the
// seed. Lines end with CRLF; numbers are written the same in every language.
namespace PracticeLogCsv {
QString text(const QList<PracticeLog::Record>& records);
}
