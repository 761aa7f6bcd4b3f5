#pragma once

#include "data/StoreError.h"

#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// A database of the program's schema made fresh in a temporary folder from a folder of table
// files (the small fixture tables unless told otherwise), opened as the run's database. While it
// lives, a fatal error is recorded instead of ending the test program.
class TestDatabase
{
public:
    explicit TestDatabase(const QString& tablesFolder = fixtureTables());
    ~TestDatabase();

    bool isOpen() const { return m_open; }
    QString error() const { return m_error; }
    QString path() const { return m_folder.filePath(QStringLiteral("quillane97.mdb")); }
    QString folder() const { return m_folder.path(); }

    // Runs one statement on the open database; false (with a warning) when it fails.
    bool execute(const QString& sql);
    // The first field of the first row of a query, or an invalid value.
    QVariant scalar(const QString& sql);
    // The first field of every row of a query, a Null one as empty text; nothing (with a
    // warning) when the query fails.
    QStringList column(const QString& sql);

    // A second connection to the file, as another program would hold; it goes with this
    // database. Its transactions lock out the program's own.
    QSqlDatabase otherConnection();

    QList<int> fatalErrors; // the error number of each fatal report

    static QString schemaFile() { return QStringLiteral(QUILLANE_SOURCE_DIR "/data/schema.sql"); }
    static QString fixtureTables() { return QStringLiteral(QUILLANE_FIXTURES_DIR "/tables"); }
    static QString shippedTables() { return QStringLiteral(QUILLANE_SOURCE_DIR "/data/tables"); }

private:
    QTemporaryDir m_folder;
    bool m_open = false;
    QString m_error;
};
