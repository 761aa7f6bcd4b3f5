#include "app/DataLocations.h"

#include "app/HelpCommands.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

DataLocations::DataLocations(const QString& programFolder, const QString& userFolder)
    : m_programFolder(programFolder), m_userFolder(userFolder), m_dataFolder(programFolder)
{
    // Installed, the binary is in bin/ and its files in share/quillane/ beside it.
    const QString shared =
        QDir(programFolder).absoluteFilePath(QStringLiteral("../share/quillane"));
    m_installed = !QFileInfo::exists(QDir(programFolder).filePath(HelpDocuments::OnlineHelp)) &&
                  QFileInfo::exists(QDir(shared).filePath(HelpDocuments::OnlineHelp));
    if (m_installed)
        m_dataFolder = QDir::cleanPath(shared);
    m_databasePath = QDir(programFolder).filePath(DatabaseName);
}

bool DataLocations::isWritable(const QString& path)
{
    return QFileInfo(path).isWritable() && (QFile::permissions(path) & QFileDevice::WriteOwner);
}

void DataLocations::prepareDatabase()
{
    if (!m_installed && isWritable(m_programFolder))
        return;
    const QString beside = m_databasePath;
    const QDir user(m_userFolder);
    m_databasePath = user.filePath(DatabaseName);
    if (QFileInfo::exists(m_databasePath) || user.exists(QStringLiteral("backups")))
        return;
    const QString source = !m_installed && QFileInfo::exists(beside)
                               ? beside
                               : QDir(m_dataFolder).filePath(DatabaseName);
    if (!QFileInfo::exists(source))
        return; // told as a missing database, at the place it belongs
    // The template is read-only where it is installed; the user's copy is theirs to change.
    if (!user.mkpath(QStringLiteral(".")) || !QFile::copy(source, m_databasePath) ||
        !QFile::setPermissions(m_databasePath,
                               QFile::permissions(m_databasePath) | QFileDevice::WriteOwner)) {
        qWarning("Could not copy %s to %s", qPrintable(source), qPrintable(m_databasePath));
        QFile::remove(m_databasePath);
        m_databasePath = source; // opened as it is, with the read-only warning
        return;
    }
    if (source == beside)
        m_copiedFromProgramFolder = beside;
}
