#include "data/DatabaseBackup.h"

#include "data/Database.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QScopeGuard>

#include <sqlite3.h>

#include <algorithm>
#include <optional>

namespace {

struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(DatabaseBackup)
};

} // namespace

namespace {

// What SQLite may keep beside a database file; a journal left there belongs to that file only.
const QStringList Companions = {QString(), QStringLiteral("-journal"), QStringLiteral("-wal"),
                                QStringLiteral("-shm")};
// A backup is written under this suffix and renamed once whole, so a copy cut short by a crash
// never passes for a backup. Each run writes its own ("...mdb.<process>.partial"), so that two
// starts on one day never write, or remove, the same file.
const QString Partial = QStringLiteral(".partial");
// A partial copy older than this was left by a run that ended while writing it; a younger one
// may still be being written by another start.
constexpr qint64 LeftoverAgeSeconds = 3600;

bool fail(StoreError* error, int sqliteCode, const QString& description)
{
    if (error)
        *error = StoreError::fromSqlite(sqliteCode, QStringLiteral("DatabaseBackup"), description);
    return false;
}

QString partialPathFor(const QString& target)
{
    return QStringLiteral("%1.%2%3")
        .arg(target)
        .arg(QCoreApplication::applicationPid())
        .arg(Partial);
}

QString firstValue(sqlite3* db, const char* sql)
{
    sqlite3_stmt* statement = nullptr;
    QString value;
    if (sqlite3_prepare_v2(db, sql, -1, &statement, nullptr) == SQLITE_OK &&
        sqlite3_step(statement) == SQLITE_ROW)
        value = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(statement, 0)));
    sqlite3_finalize(statement);
    return value;
}

// Keeps a connection's page cache to a few pages while it lives, then gives the connection back
// the cache it had. A copy of the database read or written through a full cache would hold the
// whole file in memory, doubling the program's peak at start-up.
class SmallPageCache
{
public:
    explicit SmallPageCache(sqlite3* db) : m_db(db)
    {
        sqlite3_stmt* statement = nullptr;
        if (sqlite3_prepare_v2(db, "PRAGMA cache_size", -1, &statement, nullptr) == SQLITE_OK &&
            sqlite3_step(statement) == SQLITE_ROW)
            m_size = sqlite3_column_int(statement, 0);
        sqlite3_finalize(statement);
        sqlite3_exec(db, "PRAGMA cache_size = -64", nullptr, nullptr, nullptr);
    }
    ~SmallPageCache()
    {
        if (m_size)
            sqlite3_exec(m_db, ("PRAGMA cache_size = " + QByteArray::number(*m_size)).constData(),
                         nullptr, nullptr, nullptr);
    }
    Q_DISABLE_COPY_MOVE(SmallPageCache)

private:
    sqlite3* m_db;
    std::optional<int> m_size;
};

} // namespace

DatabaseBackup::DatabaseBackup(const QString& databasePath)
    : m_databasePath(databasePath),
      m_backupName(QStringLiteral("^%1-(\\d{4}-\\d\\d-\\d\\d)\\.%2$")
                       .arg(QRegularExpression::escape(QFileInfo(databasePath).completeBaseName()),
                            QRegularExpression::escape(QFileInfo(databasePath).suffix()))),
      m_beforeUpgradeName(
          QStringLiteral("^%1-version-\\d+(-\\d+)?\\.%2$")
              .arg(QRegularExpression::escape(QFileInfo(databasePath).completeBaseName()),
                   QRegularExpression::escape(QFileInfo(databasePath).suffix())))
{}

QString DatabaseBackup::folder() const
{
    return QFileInfo(m_databasePath).absoluteDir().filePath(QStringLiteral("backups"));
}

QString DatabaseBackup::pathFor(QDate day) const
{
    const QFileInfo database(m_databasePath);
    return QDir(folder()).filePath(
        QStringLiteral("%1-%2.%3")
            .arg(database.completeBaseName(), day.toString(Qt::ISODate), database.suffix()));
}

QDate DatabaseBackup::dayOf(const QString& fileName) const
{
    return QDate::fromString(m_backupName.match(fileName).captured(1), Qt::ISODate);
}

bool DatabaseBackup::isOurs(const QString& fileName) const
{
    return dayOf(fileName).isValid() || m_beforeUpgradeName.match(fileName).hasMatch();
}

QList<DatabaseBackup::Copy> DatabaseBackup::copies(QDate today) const
{
    QList<Copy> found;
    for (const QFileInfo& file : QDir(folder()).entryInfoList(QDir::Files)) {
        const QDate day = dayOf(file.fileName());
        if (day.isValid())
            found.append({day, file.filePath()});
    }
    std::sort(found.begin(), found.end(), [today](const Copy& a, const Copy& b) {
        const bool aFuture = a.day > today, bFuture = b.day > today;
        return aFuture != bFuture ? bFuture : a.day > b.day;
    });
    return found;
}

std::optional<DatabaseBackup::Copy> DatabaseBackup::newestWhole(QDate today) const
{
    const QList<Copy> all = copies(today);
    const auto whole =
        std::find_if(all.begin(), all.end(), [](const Copy& copy) { return isWhole(copy.path); });
    return whole == all.end() ? std::nullopt : std::optional<Copy>(*whole);
}

bool DatabaseBackup::keepDaily(QDate today, StoreError* error) const
{
    const QString target = pathFor(today);
    if (!QDir().mkpath(folder()))
        return fail(error, SQLITE_CANTOPEN,
                    Texts::tr("Could not make the folder '%1'.").arg(folder()));
    const bool kept = QFileInfo::exists(target) || copyOpenDatabase(target, error);
    // Pruning never removes the newest whole backup, so it runs after a refused copy too.
    prune(today);
    return kept;
}

bool DatabaseBackup::copyOpenDatabase(const QString& target, StoreError* error) const
{
    sqlite3* source = Database::handle();
    if (!source)
        return fail(error, SQLITE_MISUSE, Texts::tr("The database is not open."));
    const QString partial = partialPathFor(target);
    QFile::remove(partial);
    sqlite3* copy = nullptr;
    int result = sqlite3_open_v2(partial.toUtf8().constData(), &copy,
                                 SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    if (result == SQLITE_OK) {
        const SmallPageCache sourceCache(source);
        const SmallPageCache copyCache(copy);
        sqlite3_backup* backup = sqlite3_backup_init(copy, "main", source, "main");
        if (backup) {
            // A few pages a step: the copy's cache spills no more than that at a time.
            int step = SQLITE_OK;
            while (step == SQLITE_OK)
                step = sqlite3_backup_step(backup, 64);
            result = sqlite3_backup_finish(backup);
            if (result == SQLITE_OK && step != SQLITE_DONE)
                result = step;
        } else {
            result = sqlite3_errcode(copy);
        }
    }
    // The copy stands alone, whatever journal the database itself keeps.
    if (result == SQLITE_OK)
        result = sqlite3_exec(copy, "PRAGMA journal_mode = DELETE", nullptr, nullptr, nullptr);
    const QString reason = result == SQLITE_OK ? QString()
                           : copy              ? QString::fromUtf8(sqlite3_errmsg(copy))
                                               : QString::fromUtf8(sqlite3_errstr(result));
    sqlite3_close(copy);
    if (result != SQLITE_OK) {
        QFile::remove(partial);
        return fail(error, result, reason);
    }
    return placeCopy(partial, target, error);
}

bool DatabaseBackup::keepBeforeUpgrade(int version, QString* path, StoreError* error) const
{
    if (!QDir().mkpath(folder()))
        return fail(error, SQLITE_CANTOPEN,
                    Texts::tr("Could not make the folder '%1'.").arg(folder()));
    sqlite3* source = Database::handle();
    if (!source)
        return fail(error, SQLITE_MISUSE, Texts::tr("The database is not open."));
    // The file byte for byte: a read transaction keeps other programs' writes out meanwhile.
    const auto readFailed = [&] {
        return fail(error, sqlite3_extended_errcode(source),
                    QString::fromUtf8(sqlite3_errmsg(source)));
    };
    if (sqlite3_exec(source, "BEGIN", nullptr, nullptr, nullptr) != SQLITE_OK)
        return readFailed();
    const auto endRead =
        qScopeGuard([source] { sqlite3_exec(source, "COMMIT", nullptr, nullptr, nullptr); });
    if (sqlite3_exec(source, "SELECT count(*) FROM sqlite_master", nullptr, nullptr, nullptr) !=
        SQLITE_OK)
        return readFailed();
    const QFileInfo database(m_databasePath);
    const QString target = freePath(QDir(folder()).filePath(
        QStringLiteral("%1-version-%2").arg(database.completeBaseName()).arg(version)));
    const QString partial = partialPathFor(target);
    QFile::remove(partial);
    if (!QFile::copy(m_databasePath, partial)) {
        QFile::remove(partial);
        return fail(error, SQLITE_IOERR, Texts::tr("Could not write '%1'.").arg(target));
    }
    if (!placeCopy(partial, target, error))
        return false;
    if (path)
        *path = target;
    return true;
}

bool DatabaseBackup::placeCopy(const QString& partial, const QString& target, StoreError* error)
{
    // The open check at start reads the pages, not whether each index matches its table: a copy
    // of a file damaged that way would replace whole backups day after day.
    if (!isWhole(partial)) {
        QFile::remove(partial);
        return fail(error, SQLITE_CORRUPT,
                    Texts::tr("The database failed its integrity check, so it was not "
                              "copied over the backups."));
    }
    // Another start may have made the day's backup meanwhile; either copy will do.
    if (QFile::rename(partial, target) || QFileInfo::exists(target)) {
        QFile::remove(partial);
        return true;
    }
    QFile::remove(partial);
    return fail(error, SQLITE_IOERR, Texts::tr("Could not write '%1'.").arg(target));
}

void DatabaseBackup::prune(QDate today) const
{
    const QList<Copy> all = copies(today);
    if (all.size() > Kept) {
        // The newest whole backup stays whatever its age, so that damaged copies never push out
        // the last good one.
        const std::optional<Copy> whole = newestWhole(today);
        for (qsizetype i = Kept; i < all.size(); ++i) {
            if (!whole || all.at(i).path != whole->path)
                QFile::remove(all.at(i).path);
        }
    }
    removeLeftovers();
}

void DatabaseBackup::removeLeftovers() const
{
    // What a start ended during a backup left behind: the partial copy and its journal.
    static const QRegularExpression partialName(QStringLiteral("^(.*?)(\\.\\d+)?") +
                                                QRegularExpression::escape(Partial) +
                                                QStringLiteral("(-journal)?$"));
    const QDateTime stale = QDateTime::currentDateTime().addSecs(-LeftoverAgeSeconds);
    QDir backups(folder());
    for (const QFileInfo& file : backups.entryInfoList({'*' + Partial + '*'}, QDir::Files)) {
        const QRegularExpressionMatch match = partialName.match(file.fileName());
        if (match.hasMatch() && isOurs(match.captured(1)) && file.lastModified() < stale)
            backups.remove(file.fileName());
    }
}

QString DatabaseBackup::pathForSetAside(QDate today) const
{
    return freePath(QDir(folder()).filePath(QFileInfo(m_databasePath).completeBaseName() +
                                            QStringLiteral("-damaged-") +
                                            today.toString(Qt::ISODate)));
}

QString DatabaseBackup::freePath(const QString& stem) const
{
    const QString suffix = QFileInfo(m_databasePath).suffix();
    const auto isFree = [](const QString& path) {
        return std::none_of(Companions.begin(), Companions.end(), [&](const QString& companion) {
            return QFileInfo::exists(path + companion);
        });
    };
    QString path = stem + '.' + suffix;
    for (int number = 2; !isFree(path); ++number)
        path = QStringLiteral("%1-%2.%3").arg(stem).arg(number).arg(suffix);
    return path;
}

bool DatabaseBackup::restore(const QString& backupPath, const QString& setAsidePath,
                             StoreError* error) const
{
    QStringList moved;
    const auto putBack = [&] {
        for (const QString& companion : moved)
            QFile::rename(setAsidePath + companion, m_databasePath + companion);
    };
    if (!QDir().mkpath(QFileInfo(setAsidePath).absolutePath()))
        return fail(error, SQLITE_CANTOPEN,
                    Texts::tr("Could not make the folder '%1'.").arg(folder()));
    for (const QString& companion : Companions) {
        if (!QFileInfo::exists(m_databasePath + companion))
            continue;
        if (!QFile::rename(m_databasePath + companion, setAsidePath + companion)) {
            putBack();
            return fail(error, SQLITE_IOERR,
                        Texts::tr("Could not move '%1'.").arg(m_databasePath + companion));
        }
        moved.append(companion);
    }
    if (!QFile::copy(backupPath, m_databasePath)) {
        putBack();
        return fail(error, SQLITE_IOERR,
                    Texts::tr("Could not copy '%1' to '%2'.").arg(backupPath, m_databasePath));
    }
    return true;
}

bool DatabaseBackup::isWhole(const QString& path)
{
    sqlite3* db = nullptr;
    const bool whole = sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READONLY,
                                       nullptr) == SQLITE_OK &&
                       firstValue(db, "PRAGMA integrity_check(1)") == QLatin1String("ok") &&
                       firstValue(db, "SELECT count(*) FROM sqlite_master").toInt() > 0;
    sqlite3_close(db);
    return whole;
}
