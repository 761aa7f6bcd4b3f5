#pragma once

#include <QString>

class TestDatabase;

// What several of the bench's measures share.

// Adds a list table of the given number of rows ("word0", "word1"...) to the database.
void fillTable(TestDatabase& db, const QString& table, int rows);
// The peak resident memory of this process so far, in KiB.
long peakMemoryKib();
// Lowers the peak resident memory to what is resident now, where the system allows it, so that
// the growth of a measure is not hidden by an earlier peak.
void resetPeakMemory();
