#include "data/Database.h"

#include "data/RandomRecord.h"

#include <QFileInfo>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>

#include <sqlite3.h>

namespace {
QString openPath;
}

bool Database::open(const QString& path, StoreError* error)
{
    const auto fail = [&](int number, const QString& description) {
        if (error)
            *error = {number, QStringLiteral("openDatabase"), description};
        return false;
    };

    if (!QFileInfo(path).isFile())
        return fail(EngineError::FileNotFound,
                    QStringLiteral("Could not find file '%1'.").arg(path));

    close();
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"));
    // "mode=rw" keeps SQLite from creating an empty file in place of a missing one.
    QUrl url = QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath());
    url.setQuery(QStringLiteral("mode=rw"));
    db.setDatabaseName(url.toString(QUrl::FullyEncoded));
    db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=5000"));
    if (!db.open()) {
        const StoreError sqlError = StoreError::fromSql(db.lastError(), "openDatabase");
        close();
        return fail(sqlError.number, sqlError.description);
    }
    // Opening is lazy in SQLite: read the schema now so that a damaged file is noticed here.
    QSqlQuery probe(db);
    if (!probe.exec(QStringLiteral("SELECT count(*) FROM sqlite_master"))) {
        const StoreError sqlError = StoreError::fromSql(probe.lastError(), "openDatabase");
        probe = QSqlQuery();
        close();
        return fail(sqlError.number, sqlError.description);
    }
    openPath = path;
    return true;
}

void Database::close()
{
    RandomRecord::forgetTables();
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
