#pragma once

#include <QDateTime>

// The program's clock. Tests fix it so that dated output can be compared byte for byte.
QDateTime currentDateTime();
// Fixes the clock at a moment; an invalid moment lets it run again.
void setFixedDateTime(const QDateTime& moment);
