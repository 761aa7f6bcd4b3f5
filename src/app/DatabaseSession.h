#pragma once

#include "data/StoreError.h"

// Decides where the run's files are, puts the folders in the run settings, and tells the user
// when the database was copied out of a read-only program folder. A database named on the
// command line is used as it is, and nothing is copied to the user's data folder for it.
void locateDatabase(const QString& namedDatabase = {});
// Tells the user that the program already runs for the database but does not answer, so this
// run ends.
void tellDatabaseHeld();
// Opens the run's database at the path in the run settings and keeps the day's backup of it,
// telling the user what went wrong: a missing or damaged file ends the start-up unless the user
// takes the newest whole backup in its place, any other failure may be retried. False means the
// program must end.
bool openDatabase();
// Tells the user that the database lacks a table or a column the program needs, when the error
// says so; true when it was told.
bool explainMissingContents(const StoreError& error);
// Releases the database just before the program ends.
void closeDatabase();
