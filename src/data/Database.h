#pragma once

#include "data/StoreError.h"

#include <QSqlDatabase>
#include <QString>

struct sqlite3;

// The one database of the run: an SQLite file opened once at start-up and shared by every
// window through Qt's default connection.
class Database
{
public:
    // Opens an existing database file for reading and writing; never creates one. A file that is
    // empty, cut short or no database fails here; damage inside it shows only to checkWhole().
    static bool open(const QString& path, StoreError* error);
    // Reads every page of the open database, finding damage anywhere in the file (not whether
    // each index matches its table). It reads the whole file, which takes a while on a large one.
    static bool checkWhole(StoreError* error);
    // Refuses every write through the connection until it is closed: the file is kept as it is.
    static bool preventWrites(StoreError* error);
    static void close();
    static bool isOpen();

    static QSqlDatabase connection();
    static QString path();
    // The SQLite handle behind the connection, for change detection and fast lookups.
    static sqlite3* handle();

    // Quotes a table or field name for SQL. A name written in square brackets ("[Plot Profile]")
    // loses its brackets first.
    static QString quoteIdentifier(const QString& name);
    // True when the database holds a table of that name, compared without regard to case.
    static bool hasTable(const QString& name);
};
