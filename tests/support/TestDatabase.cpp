#include "support/TestDatabase.h"

#include "data/Database.h"
#include "data/DatabaseBuilder.h"
#include "shared/widgets/FatalError.h"
#include "shared/widgets/RunPaths.h"

#include <QtSql>

namespace {
const QString OtherConnection = QStringLiteral("other");
}

TestDatabase::TestDatabase(const QString& tablesFolder)
{
    if (!DatabaseBuilder::build(schemaFile(), tablesFolder, path(), &m_error))
        return;
    StoreError openError;
    m_open = Database::open(path(), &openError);
    if (!m_open)
        m_error = openError.description;
    runPaths().programFolder = m_folder.path();
    runPaths().databasePath = path();
    setFatalErrorExit([this](const StoreError& error) { fatalErrors.append(error.number); });
}

TestDatabase::~TestDatabase()
{
    setFatalErrorExit({});
    Database::close();
    QSqlDatabase::removeDatabase(OtherConnection);
}

QSqlDatabase TestDatabase::otherConnection()
{
    QSqlDatabase other = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), OtherConnection);
    other.setDatabaseName(path());
    if (!other.open())
        qWarning() << other.lastError().text();
    return other;
}

bool TestDatabase::execute(const QString& sql)
{
    QSqlQuery query(Database::connection());
    if (query.exec(sql))
        return true;
    qWarning() << sql << query.lastError().text();
    return false;
}

QVariant TestDatabase::scalar(const QString& sql)
{
    QSqlQuery query(Database::connection());
    return query.exec(sql) && query.next() ? query.value(0) : QVariant();
}

QStringList TestDatabase::column(const QString& sql)
{
    QStringList values;
    QSqlQuery query(Database::connection());
    if (!query.exec(sql))
        qWarning() << sql << query.lastError().text();
    while (query.next())
        values << query.value(0).toString();
    return values;
}
