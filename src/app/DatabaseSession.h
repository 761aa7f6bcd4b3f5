#pragma once

#include "data/StoreError.h"

// Opens the run's database at the path in the run settings, telling the user what went wrong:
// a missing file ends the start-up, any other failure may be retried. False means the program
// must end.
bool openDatabase();
// Tells the user that the database lacks a table or a column the program needs, when the error
// says so; true when it was told.
bool explainMissingContents(const StoreError& error);
// Releases the database just before the program ends.
void closeDatabase();
