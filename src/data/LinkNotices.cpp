#include "data/LinkNotices.h"

LinkNotices& LinkNotices::instance()
{
    static LinkNotices notices;
    return notices;
}

void LinkNotices::announce(const QString& linkTable, const QObject* origin)
{
    emit instance().linksChanged(linkTable, origin);
}
