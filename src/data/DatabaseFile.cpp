#include "data/DatabaseFile.h"

#include <QFile>
#include <QFileInfo>
#include <QUrl>

#include <sqlite3.h>

namespace {

// Every version of the database holds these; a file with none of them is someone else's.
constexpr const char* TablesOfAnyVersion =
    "SELECT count(*) FROM sqlite_master WHERE type = 'table' AND name COLLATE NOCASE IN "
    "('customize', 'character', 'Story Profile', 'Plot Profile', 'Scene Profile')";

bool hasSqliteHeader(const QString& path, bool* readable)
{
    QFile file(path);
    *readable = file.open(QIODevice::ReadOnly);
    // The header is the first 100 bytes; a shorter file, an empty one too, holds no database.
    const QByteArray header = *readable ? file.read(100) : QByteArray();
    return header.size() == 100 && header.startsWith(QByteArrayLiteral("SQLite format 3\0"));
}

} // namespace

DatabaseFile::Kind DatabaseFile::inspect(const QString& path)
{
    const QFileInfo info(path);
    if (info.isDir())
        return Kind::Folder;
    if (!info.exists())
        return Kind::Missing;
    bool readable = false;
    if (!hasSqliteHeader(path, &readable))
        return readable ? Kind::Foreign : Kind::Unknown;
    // Immutable: SQLite neither locks the file nor looks for a journal to roll back.
    QUrl url = QUrl::fromLocalFile(info.absoluteFilePath());
    url.setQuery(QStringLiteral("mode=ro&immutable=1"));
    sqlite3* db = nullptr;
    sqlite3_stmt* statement = nullptr;
    int tables = -1;
    if (sqlite3_open_v2(url.toString(QUrl::FullyEncoded).toUtf8().constData(), &db,
                        SQLITE_OPEN_READONLY | SQLITE_OPEN_URI, nullptr) == SQLITE_OK &&
        sqlite3_prepare_v2(db, TablesOfAnyVersion, -1, &statement, nullptr) == SQLITE_OK &&
        sqlite3_step(statement) == SQLITE_ROW)
        tables = sqlite3_column_int(statement, 0);
    sqlite3_finalize(statement);
    sqlite3_close(db);
    if (tables < 0)
        return Kind::Unknown;
    return tables > 0 ? Kind::Ours : Kind::Foreign;
}
