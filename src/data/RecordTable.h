#pragma once

#include "data/StoreError.h"

#include <QString>
#include <QStringList>

class QSqlRecord;

// Writes to one record table, whose rows are known by their ID: adds rows and deletes
// rows, alone or with the rows of other tables that link to them. Each write gives the
// database's error on failure.
class RecordTable
{
public:
    // A table whose rows refer to this table's rows by the field.
    struct Link
    {
        QString table;
        QString field;
    };

    explicit RecordTable(const QString& table);

    // Adds a row of the table's default values and gives its key, or -1 with the error set.
    qint64 insertEmpty(StoreError* error) const;
    // Adds a row with the given fields (any key field is left to the table) and gives its key, or
    // -1 with the error set.
    qint64 insert(const QSqlRecord& fields, StoreError* error) const;
    // Whether the table still holds the row of the key, which another window or program may have
    // deleted since it was read; false with the error set when the table cannot be read.
    bool isStored(qint64 key, StoreError* error) const;
    // Deletes the row of the key.
    bool remove(qint64 key, StoreError* error) const;
    // Deletes the row of the key with every row of the linking tables whose field holds the
    // key, in one transaction: a failure leaves them all as they were.
    bool removeWithLinks(qint64 key, const QList<Link>& links, StoreError* error) const;

private:
    QString m_table; // quoted
};
