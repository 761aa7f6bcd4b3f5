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
    // Opens an existing database file for reading and writing; never creates one.
    static bool open(const QString& path, StoreError* error);
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
