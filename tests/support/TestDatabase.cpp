#include "support/TestDatabase.h"

#include "data/Database.h"
#include "data/DatabaseBuilder.h"
#include "shared/FatalError.h"
#include "shared/RunSettings.h"

#include <QDebug>
#include <QSqlError>
#include <QSqlQuery>

TestDatabase::TestDatabase(const QString& tablesFolder)
{
    const QString file = path();
    if (!DatabaseBuilder::build(schemaFile(), tablesFolder, file, &m_error))
        return;
    StoreError openError;
    m_open = Database::open(file, &openError);
    if (!m_open)
        m_error = openError.description;
    runSettings().programFolder = m_folder.path();
    runSettings().databasePath = file;
    setFatalErrorExit([this](const StoreError& error) { fatalErrors.append(error.number); });
}

TestDatabase::~TestDatabase()
{
    setFatalErrorExit({});
    Database::close();
}

QString TestDatabase::path() const
{
    return m_folder.filePath(QStringLiteral("quillane97.mdb"));
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
    if (query.exec(sql) && query.next())
        return query.value(0);
    return {};
}

QString TestDatabase::schemaFile()
{
    return QStringLiteral(QUILLANE_SOURCE_DIR "/data/schema.sql");
}

QString TestDatabase::fixtureTables()
{
    return QStringLiteral(QUILLANE_FIXTURES_DIR "/tables");
}

QString TestDatabase::shippedTables()
{
    return QStringLiteral(QUILLANE_SOURCE_DIR "/data/tables");
}
