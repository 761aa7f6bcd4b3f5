#include "app/DataLocations.h"

#include "app/HelpCommands.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryFile>

#include <unistd.h>

namespace {

const QString Backups = QStringLiteral("backups");

// Fills a new temporary file with the source, whole and on the disk, ready to be renamed.
bool copyInto(const QString& source, QTemporaryFile& part)
{
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly) || !part.open())
        return false;
    for (QByteArray block; !(block = in.read(1 << 20)).isEmpty();) {
        if (part.write(block) != block.size())
            return false;
    }
    // The template is read-only where it is installed; the user's copy is theirs to change.
    return in.error() == QFileDevice::NoError && part.flush() && ::fsync(part.handle()) == 0 &&
           part.setPermissions(QFile::permissions(source) | QFileDevice::ReadOwner |
                               QFileDevice::WriteOwner);
}

bool writeText(const QString& path, const QString& text)
{
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text.toUtf8()) >= 0 && file.commit();
}

} // namespace

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

QString DataLocations::identityOf(const QString& path)
{
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : canonical;
}

QString DataLocations::templatePath() const
{
    return m_installed ? QDir(m_dataFolder).filePath(DatabaseName)
                       : QDir(m_programFolder).filePath(QStringLiteral("template/") + DatabaseName);
}

bool DataLocations::copyNew(const QString& source, const QString& target,
                            const std::function<bool()>& beforePlacing)
{
    QTemporaryFile part(target + QStringLiteral(".XXXXXX"));
    if (!copyInto(source, part) || (beforePlacing && !beforePlacing()) || !part.rename(target))
        return false;
    part.setAutoRemove(false);
    return true;
}

bool DataLocations::isWritable(const QString& path)
{
    return QFileInfo(path).isWritable() && (QFile::permissions(path) & QFileDevice::WriteOwner);
}

void DataLocations::prepareDatabase()
{
    if (!m_installed && isWritable(m_programFolder) && !keepsCopy())
        return;
    const QString beside = m_databasePath;
    const QDir user(m_userFolder);
    m_databasePath = user.filePath(DatabaseName);
    if (QFileInfo::exists(m_databasePath) || user.exists(Backups))
        return;
    const QString source = !m_installed && QFileInfo::exists(beside)
                               ? beside
                               : QDir(m_dataFolder).filePath(DatabaseName);
    if (!QFileInfo::exists(source))
        return; // told as a missing database, at the place it belongs
    if (!copyToUserFolder(source)) {
        qWarning("Could not copy %s to %s", qPrintable(source), qPrintable(m_databasePath));
        m_databasePath = source; // opened as it is, with the read-only warning
    }
}

// The user was told that their work is saved in the copy from now on: the copy stays in use
// while it, or its backups, are there.
bool DataLocations::keepsCopy() const
{
    const QDir user(m_userFolder);
    QFile copiedFrom(user.filePath(CopiedFromName));
    return (user.exists(DatabaseName) || user.exists(Backups)) &&
           copiedFrom.open(QIODevice::ReadOnly) &&
           QString::fromUtf8(copiedFrom.readAll()).trimmed() == identityOf(m_programFolder);
}

// The copy is made whole under a name of its own and renamed into place without replacing
// anything, so that of two first starts at once neither loses or removes the other's copy: one
// made meanwhile is as good as this one.
bool DataLocations::copyToUserFolder(const QString& source)
{
    const bool fromProgramFolder = source == QDir(m_programFolder).filePath(DatabaseName);
    if (!QDir(m_userFolder).mkpath(QStringLiteral(".")))
        return false;
    bool whole = false; // and the choice remembered, so only placing it can have failed
    const bool placed = copyNew(source, m_databasePath, [&] {
        // Remembered before the copy is in place, so that no start finds the copy without the
        // choice.
        whole = !fromProgramFolder || writeText(QDir(m_userFolder).filePath(CopiedFromName),
                                                identityOf(m_programFolder) + u'\n');
        return whole;
    });
    if (!placed)
        return whole && QFileInfo::exists(m_databasePath);
    if (fromProgramFolder)
        m_copiedFromProgramFolder = source;
    return true;
}
