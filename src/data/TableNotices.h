#pragma once

#include <QObject>
#include <QString>

// Tells every open window when rows of a table are written from outside it, so that it shows
// what is stored instead of what was there before. Every such write announces itself here:
// - a row written from elsewhere (a line kept from a generator): record windows of the table
//   save what was typed into them first, and show the row as stored afterwards;
// - the links of a story link table added, changed or removed: every list of them reads them
//   again.
class TableNotices : public QObject
{
    Q_OBJECT

public:
    static TableNotices& instance();

    static void announceWriting(const QString& table) { emit instance().aboutToWrite(table); }
    static void announceWritten(const QString& table, qint64 key)
    {
        emit instance().written(table, key);
    }
    // The links of the table were written by origin (may be null), which has its own view of
    // them already.
    static void announceLinks(const QString& linkTable, const QObject* origin = nullptr)
    {
        emit instance().linksChanged(linkTable, origin);
    }

signals:
    void aboutToWrite(const QString& table);
    void written(const QString& table, qint64 key);
    void linksChanged(const QString& linkTable, const QObject* origin);

private:
    TableNotices() = default;
};
