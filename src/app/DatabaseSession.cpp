#include "app/DatabaseSession.h"

#include "app/ApplicationIdentity.h"
#include "app/DataLocations.h"
#include "app/OpenMark.h"

#include "data/Database.h"
#include "data/DatabaseBackup.h"
#include "data/SchemaUpgrade.h"
#include "shared/desktop/BusyPointer.h"
#include "shared/desktop/Clock.h"
#include "shared/desktop/Desktop.h"
#include "shared/widgets/FatalError.h"
#include "shared/widgets/RunPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QStandardPaths>

namespace {

struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(DatabaseSession)
};

QString stoppedTitle()
{
    return Texts::tr("The Magic Stopped.");
}

QString putBack()
{
    return Texts::tr("Quillane has left it as it is. Put back a copy of quillane97.mdb from a "
                     "backup or from the installation, then start Quillane again.");
}

void tell(const QString& text, MessageIcon icon)
{
    desktop().messageBox(text, stoppedTitle(), icon, MessageButtons::Ok);
}

// Why the file at the path can never serve as the database, or nothing when trying again
// might help.
QString unusableReason(const QString& path, const StoreError& error)
{
    const QString name = QDir::toNativeSeparators(path);
    if (QFileInfo(path).isDir())
        return Texts::tr("%1 is a folder, not the database file. ").arg(name) + putBack();
    if (error.number == EngineError::NotADatabase || error.number == EngineError::DamagedFile)
        return Texts::tr("%1 is empty, cut short or not a Quillane database. ").arg(name) +
               putBack();
    return {};
}

void warnWhenReadOnly(const QString& path)
{
    const QString folder = QFileInfo(path).absolutePath();
    // Saving needs the file and its folder writable (SQLite writes its journal beside the file).
    if (!DataLocations::isWritable(path))
        tell(Texts::tr("The database %1 is read-only, so Quillane can show what is saved but "
                       "cannot save changes. Make it writable (check its permissions) and start "
                       "Quillane again.")
                 .arg(QDir::toNativeSeparators(path)),
             MessageIcon::Exclamation);
    else if (!DataLocations::isWritable(folder))
        tell(Texts::tr("The folder %1 is read-only, so Quillane can show what is saved but cannot "
                       "save changes. Make it writable (check its permissions) and start "
                       "Quillane again.")
                 .arg(QDir::toNativeSeparators(folder)),
             MessageIcon::Exclamation);
}

// Where the file and its folder are writable, brings a file an older version made up to date,
// after keeping a copy of it as it is; a file that could not be brought up to date, or that a
// newer version made, is kept from any write. Gives what to tell the user, if anything.
QString settleVersion(const QString& path)
{
    const QString name = QDir::toNativeSeparators(path);
    const QString readOnly = Texts::tr("you can look but not save");
    const int version = SchemaUpgrade::versionOf(Database::handle());
    if (version == SchemaUpgrade::CurrentVersion)
        return {};
    QString told;
    // A read-only file is told as such, and stays as it is anyway.
    const bool writable = DataLocations::isWritable(path) &&
                          DataLocations::isWritable(QFileInfo(path).absolutePath());
    if (version > SchemaUpgrade::CurrentVersion) {
        told = Texts::tr("%1 was saved by a newer version of Quillane, so this version opens "
                         "it read-only: %2. Install the newer version to work in it.")
                   .arg(name, readOnly);
    } else if (writable) {
        const DatabaseBackup backups(path);
        StoreError error;
        QString copy;
        if (!backups.keepBeforeUpgrade(version, &copy, &error)) {
            qWarning("The database was not upgraded, as no copy of it could be kept: %s",
                     qPrintable(error.description));
            told = Texts::tr("Quillane must bring %1 up to date for this version, but could "
                             "not first keep a copy of it in %2, so it has left the file as "
                             "it was and opens it read-only: %3. Make sure that folder can be "
                             "written and the disk has room, then start Quillane again.")
                       .arg(name, QDir::toNativeSeparators(backups.folder()), readOnly);
        } else if (!SchemaUpgrade::upgrade(Database::handle(), &error)) {
            qWarning("The database was not upgraded: %s", qPrintable(error.description));
            told = Texts::tr("Quillane could not bring %1 up to date for this version, so it "
                             "has left the file as it was and opens it read-only: %2. A copy "
                             "of the file is kept as %3.")
                       .arg(name, readOnly, QDir::toNativeSeparators(copy));
        }
    }
    StoreError error;
    if (!told.isEmpty() && !Database::preventWrites(&error))
        qWarning("The database could not be kept from writes: %s", qPrintable(error.description));
    return told;
}

// A backup a day, made quietly: the start goes on without one, and a read-only folder has its
// own warning already.
void keepBackup(const QString& path)
{
    StoreError error;
    if (!DatabaseBackup(path).keepDaily(currentDateTime().date(), &error))
        qWarning("No backup of the database was made: %s", qPrintable(error.description));
}

// Opening reads only the file's header and schema; every page is read where damage is likely:
// after a run that did not close the database, and in the copy each daily backup checks.
bool openAndCheck(const QString& path, StoreError* error)
{
    if (!Database::open(path, error))
        return false;
    const OpenMark mark(path);
    if (mark.isLeft() && !Database::checkWhole(error)) {
        Database::close();
        return false;
    }
    mark.set();
    return true;
}

// A file SQLite cannot read, or no file at all, may be replaced by a backup.
bool isLost(const QString& path, const StoreError& error)
{
    return !QFileInfo(path).isDir() &&
           (error.number == EngineError::NotADatabase || error.number == EngineError::DamagedFile ||
            error.number == EngineError::FileNotFound);
}

// Offers the newest whole backup in place of the lost database; true when it was put back. A
// damaged file is set aside in the backups folder, never deleted.
bool restoreBackup(const QString& path, bool missing)
{
    const DatabaseBackup backups(path);
    std::optional<DatabaseBackup::Copy> backup;
    {
        const BusyPointer busy;
        backup = backups.newestWhole(currentDateTime().date());
    }
    const BusyPointer::Pause forQuestion; // an outer guard may live on while it is open
    if (!backup)
        return false;
    const QString setAside = backups.pathForSetAside(currentDateTime().date());
    const QString name = QDir::toNativeSeparators(path);
    const QString made = QLocale().toString(backup->day, QLocale::LongFormat);
    const QString question =
        missing ? Texts::tr("Quillane cannot find the magical database %1: choose Yes to put "
                            "back the backup made on %2, or No to leave Quillane.")
                      .arg(name, made)
                : Texts::tr("%1 is empty, cut short or not a Quillane database: choose Yes "
                            "to put back the backup made on %2, keeping the damaged file as "
                            "%3, or No to leave it as it is.")
                      .arg(name, made, QDir::toNativeSeparators(setAside));
    if (desktop().messageBox(question, stoppedTitle(), MessageIcon::Exclamation,
                             MessageButtons::YesNo) != MessageAnswer::Yes)
        return false;
    StoreError error;
    if (backups.restore(backup->path, setAside, &error))
        return true;
    qWarning("The backup was not put back: %s", qPrintable(error.description));
    return false;
}

} // namespace

void locateDatabase(const QString& namedDatabase)
{
    RunPaths& paths = runPaths();
    DataLocations locations(paths.programFolder,
                            QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    paths.dataFolder = locations.dataFolder();
    if (!namedDatabase.isEmpty()) {
        paths.databasePath = namedDatabase;
        return;
    }
    locations.prepareDatabase();
    paths.databasePath = locations.databasePath();
    const QString from = locations.copiedFromProgramFolder();
    if (!from.isEmpty())
        // All is well, so the notice has the program's ordinary title.
        desktop().messageBox(
            Texts::tr("The folder %1 is read-only, so Quillane keeps your work in %2, a copy "
                      "of %3 made now. Changes are saved in the copy from now on.")
                .arg(QDir::toNativeSeparators(QFileInfo(from).absolutePath()),
                     QDir::toNativeSeparators(paths.databasePath), QDir::toNativeSeparators(from)),
            ProgramName, MessageIcon::Information, MessageButtons::Ok);
}

void tellDatabaseHeld()
{
    tell(Texts::tr("Quillane is already running for %1 but does not answer. Close it, then "
                   "start Quillane again.")
             .arg(QDir::toNativeSeparators(runPaths().databasePath)),
         MessageIcon::Exclamation);
}

bool openDatabase()
{
    const BusyPointer busy;
    const QString path = runPaths().databasePath;
    bool offered = false;
    for (;;) {
        StoreError error;
        if (openAndCheck(path, &error)) {
            const QString versionNotice = settleVersion(path);
            keepBackup(path);
            const BusyPointer::Pause forNotice;
            if (!versionNotice.isEmpty())
                tell(versionNotice, MessageIcon::Exclamation);
            warnWhenReadOnly(path);
            return true;
        }
        const BusyPointer::Pause forMessages; // until the next attempt
        // Once only: a backup put back that still fails to open is not offered again.
        if (!offered && isLost(path, error)) {
            offered = true;
            if (restoreBackup(path, error.number == EngineError::FileNotFound))
                continue;
        }
        if (const QString reason = unusableReason(path, error); !reason.isEmpty()) {
            tell(reason, MessageIcon::Critical);
            return false;
        }
        if (error.number == EngineError::FileNotFound) {
            tell(Texts::tr("Quillane cannot find the magical database."), MessageIcon::Information);
            return false;
        }
        if (error.isBusy()) {
            if (desktop().messageBox(Texts::tr("%1 is in use by another program. Close "
                                               "that program, then choose Yes to try again "
                                               "or No to leave Quillane.")
                                         .arg(QDir::toNativeSeparators(path)),
                                     Texts::tr("Retry"), MessageIcon::Exclamation,
                                     MessageButtons::YesNo) != MessageAnswer::Yes)
                return false;
        } else if (!offerRetry(error, Texts::tr("Retry"))) {
            return false;
        }
    }
}

bool explainMissingContents(const StoreError& error)
{
    if (!error.description.startsWith(QLatin1String("no such ")))
        return false;
    tell(Texts::tr("%1 lacks part of what Quillane needs (%2). ")
                 .arg(QDir::toNativeSeparators(runPaths().databasePath), error.description) +
             putBack(),
         MessageIcon::Critical);
    return true;
}

void closeDatabase()
{
    Database::close();
    OpenMark(runPaths().databasePath).clear();
}
