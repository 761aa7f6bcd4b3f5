#include "data/Database.h"

#include "data/CastNames.h"
#include "data/RandomRecord.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>

#include <sqlite3.h>

namespace {

struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(Database)
};

} // namespace

namespace {
QString openPath;

// Opening is lazy in SQLite: read the header and the schema now, so that a file that is no
// database is noticed before any window writes to it. The first read checks the header (its
// magic string, its page size, and the pages it counts against the file's length: a file cut
// short), and the schema must hold tables: SQLite takes an empty file for a new database, ours
// never is one. Damage further in shows only to checkWhole(), which reads every page.
StoreError checkSchema(const QSqlDatabase& db)
{
    QSqlQuery probe(db);
    if (!probe.exec(QStringLiteral("SELECT 1 FROM sqlite_master LIMIT 1")))
        return StoreError::fromSql(probe.lastError(), {});
    if (!probe.next())
        return {EngineError::NotADatabase, {}, Texts::tr("file is not a database")};
    return {};
}

// The database is one file that writers copy and back up, often while the program runs, so it
// is kept whole on its own: a save writes a rollback journal beside it and deletes it once
// committed. A write-ahead log would keep committed saves in a "-wal" file beside it until a
// checkpoint (a copy of the file alone would lack them) and need a writable folder even to read.
// A full sync makes a save that has returned survive a power cut, not only a killed program; it
// adds a few milliseconds to a save, which a person never notices.
StoreError chooseJournal(const QSqlDatabase& db)
{
    QSqlQuery pragma(db);
    if (!pragma.exec(QStringLiteral("PRAGMA journal_mode = DELETE")) ||
        !pragma.exec(QStringLiteral("PRAGMA synchronous = FULL")))
        return StoreError::fromSql(pragma.lastError(), {});
    return {};
}
} // namespace

bool Database::open(const QString& path, StoreError* error)
{
    const auto fail = [&](int number, const QString& description) {
        if (error)
            *error = {number, QStringLiteral("openDatabase"), description};
        return false;
    };

    if (!QFileInfo(path).isFile())
        return fail(EngineError::FileNotFound, Texts::tr("Could not find file '%1'.").arg(path));

    close();
    StoreError failure;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"));
        // "mode=rw" keeps SQLite from creating an empty file in place of a missing one.
        QUrl url = QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath());
        url.setQuery(QStringLiteral("mode=rw"));
        db.setDatabaseName(url.toString(QUrl::FullyEncoded));
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=5000"));
        failure = db.open() ? checkSchema(db) : StoreError::fromSql(db.lastError(), {});
        if (!failure.isSet())
            failure = chooseJournal(db);
    }
    if (failure.isSet()) {
        close();
        failure.source = QStringLiteral("openDatabase");
        if (error)
            *error = failure;
        return false;
    }
    openPath = path;
    return true;
}

bool Database::checkWhole(StoreError* error)
{
    QSqlQuery probe(connection());
    StoreError failure;
    if (!probe.exec(QStringLiteral("PRAGMA quick_check(1)")) || !probe.next())
        failure = StoreError::fromSql(probe.lastError(), {});
    else if (probe.value(0).toString() != QLatin1String("ok"))
        failure = {EngineError::DamagedFile, {}, Texts::tr("database disk image is malformed")};
    if (!failure.isSet())
        return true;
    failure.source = QStringLiteral("openDatabase");
    if (error)
        *error = failure;
    return false;
}

bool Database::preventWrites(StoreError* error)
{
    QSqlQuery pragma(connection());
    if (pragma.exec(QStringLiteral("PRAGMA query_only = ON")))
        return true;
    if (error)
        *error = StoreError::fromSql(pragma.lastError(), QStringLiteral("openDatabase"));
    return false;
}

void Database::close()
{
    RandomRecord::forgetTables();
    CastNames::forget();
    const QString name = QString::fromLatin1(QSqlDatabase::defaultConnection);
    if (QSqlDatabase::contains(name)) {
        QSqlDatabase::database(name, false).close();
        QSqlDatabase::removeDatabase(name);
    }
    openPath.clear();
}

bool Database::isOpen()
{
    return QSqlDatabase::contains(QString::fromLatin1(QSqlDatabase::defaultConnection)) &&
           QSqlDatabase::database(QString::fromLatin1(QSqlDatabase::defaultConnection), false)
               .isOpen();
}

QSqlDatabase Database::connection()
{
    return QSqlDatabase::database(QString::fromLatin1(QSqlDatabase::defaultConnection), false);
}

QString Database::path()
{
    return openPath;
}

sqlite3* Database::handle()
{
    const QVariant value = connection().driver()->handle();
    if (!value.isValid() || qstrcmp(value.typeName(), "sqlite3*") != 0)
        return nullptr;
    return *static_cast<sqlite3* const*>(value.data());
}

QString Database::quoteIdentifier(const QString& name)
{
    QString bare = name.trimmed();
    if (bare.startsWith(u'[') && bare.endsWith(u']'))
        bare = bare.mid(1, bare.size() - 2);
    bare.replace(u'"', QStringLiteral("\"\""));
    return u'"' + bare + u'"';
}

bool Database::hasTable(const QString& name)
{
    QSqlQuery query(connection());
    query.prepare(QStringLiteral(
        "SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = ? COLLATE NOCASE"));
    query.addBindValue(name);
    return query.exec() && query.next();
}
