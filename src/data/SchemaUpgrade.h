#pragma once

#include "data/StoreError.h"

#include <QString>

struct sqlite3;

// The layout of the database file by version number. SQLite keeps the number in the file (its
// user_version); files made before it was kept read 0 and are version 1. Each later version is
// one step from the one before, which an older file runs through in order.
namespace SchemaUpgrade {

inline constexpr int CurrentVersion = 5;

// The layout version of the database, or -1 when it cannot be read.
int versionOf(sqlite3* db);
// Runs the steps from the given version to the current one and records the current version,
// inside the caller's transaction.
bool runSteps(sqlite3* db, int fromVersion, QString* error);
// Whether a step gives every row of the list table, shipped with the program in a table file
// that a new database must not load a second time.
bool stepFillsTable(const QString& table);
// Brings the database up to the current version in one transaction: after a failure the file is
// as it was.
bool upgrade(sqlite3* db, StoreError* error);

} // namespace SchemaUpgrade
