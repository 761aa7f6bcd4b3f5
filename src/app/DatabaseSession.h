#pragma once

// Opens the run's database at the path in the run settings, telling the user what went wrong:
// a missing file ends the start-up, any other failure may be retried. False means the program
// must end.
bool openDatabase();
// Releases the database just before the program ends.
void closeDatabase();
