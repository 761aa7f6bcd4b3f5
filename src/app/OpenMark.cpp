#include "app/OpenMark.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

OpenMark::OpenMark(const QString& databasePath)
    : m_path(QFileInfo(databasePath)
                 .dir()
                 .filePath(u'.' + QFileInfo(databasePath).fileName() + QStringLiteral(".open")))
{}

bool OpenMark::isLeft() const
{
    return QFileInfo::exists(m_path);
}

void OpenMark::set() const
{
    QFile mark(m_path);
    if (!mark.exists())
        mark.open(QIODevice::WriteOnly);
}

void OpenMark::clear() const
{
    QFile::remove(m_path);
}
