#pragma once

#include <QObject>
#include <QString>

// Tells every open list of story links when the links of a table were written, so that a window
// showing them reads them again instead of showing what was there before. Every write of a link
// table announces itself here.
class LinkNotices : public QObject
{
    Q_OBJECT

public:
    static LinkNotices& instance();

    // The links of the table were added, changed or removed by origin (may be null), which has
    // its own view of them already.
    static void announce(const QString& linkTable, const QObject* origin = nullptr);

signals:
    void linksChanged(const QString& linkTable, const QObject* origin);

private:
    LinkNotices() = default;
};
