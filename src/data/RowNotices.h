#pragma once

#include <QObject>
#include <QString>

// Tells the open record windows when a row of their table is written from outside them (a line
// kept from a generator), so that they save what was typed into them first and show the row as
// stored afterwards.
class RowNotices : public QObject
{
    Q_OBJECT

public:
    static RowNotices& instance();

    static void announceWriting(const QString& table) { emit instance().aboutToWrite(table); }
    static void announceWritten(const QString& table, qint64 key)
    {
        emit instance().written(table, key);
    }

signals:
    void aboutToWrite(const QString& table);
    void written(const QString& table, qint64 key);

private:
    RowNotices() = default;
};
