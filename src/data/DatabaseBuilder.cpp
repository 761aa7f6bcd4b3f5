#include "data/DatabaseBuilder.h"

#include "data/Database.h"
#include "data/SchemaUpgrade.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringList>

#include <memory>
#include <sqlite3.h>

namespace {

struct Connection
{
    sqlite3* db = nullptr;
    ~Connection() { sqlite3_close(db); }
};

struct StatementDeleter
{
    void operator()(sqlite3_stmt* statement) const { sqlite3_finalize(statement); }
};
using Statement = std::unique_ptr<sqlite3_stmt, StatementDeleter>;

bool fail(QString* error, const QString& message)
{
    if (error)
        *error = message;
    return false;
}

bool readLines(const QString& path, QStringList* lines, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fail(error, QStringLiteral("Cannot read %1: %2").arg(path, file.errorString()));
    const QString text = QString::fromUtf8(file.readAll());
    for (QString line : text.split(u'\n')) {
        if (line.endsWith(u'\r'))
            line.chop(1);
        if (!line.isEmpty())
            lines->append(line);
    }
    return true;
}

QString unescapeCell(const QString& cell)
{
    QString result;
    result.reserve(cell.size());
    for (qsizetype i = 0; i < cell.size(); ++i) {
        const QChar c = cell.at(i);
        if (c == u'\\' && i + 1 < cell.size()) {
            const QChar next = cell.at(++i);
            result += next == u't' ? QChar(u'\t') : next == u'n' ? QChar(u'\n') : next;
        } else {
            result += c;
        }
    }
    return result;
}

QStringList tableColumns(sqlite3* db, const QString& table)
{
    QStringList columns;
    sqlite3_stmt* raw = nullptr;
    const QByteArray sql = "PRAGMA table_info(" + Database::quoteIdentifier(table).toUtf8() + ")";
    if (sqlite3_prepare_v2(db, sql.constData(), -1, &raw, nullptr) != SQLITE_OK)
        return columns;
    Statement statement(raw);
    while (sqlite3_step(raw) == SQLITE_ROW)
        columns.append(
            QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(raw, 1))));
    return columns;
}

bool insertRows(sqlite3* db, const QString& table, const QStringList& columns,
                const QList<QStringList>& rows, const QString& sourceFile, QString* error)
{
    QStringList quoted, marks;
    for (const QString& column : columns) {
        quoted.append(Database::quoteIdentifier(column));
        marks.append(QStringLiteral("?"));
    }
    const QByteArray sql =
        QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
            .arg(Database::quoteIdentifier(table), quoted.join(u','), marks.join(u','))
            .toUtf8();
    sqlite3_stmt* raw = nullptr;
    if (sqlite3_prepare_v2(db, sql.constData(), -1, &raw, nullptr) != SQLITE_OK)
        return fail(error, QStringLiteral("%1: %2").arg(sourceFile, sqlite3_errmsg(db)));
    Statement statement(raw);
    int lineNumber = 1;
    for (const QStringList& row : rows) {
        ++lineNumber;
        for (int i = 0; i < row.size(); ++i) {
            if (row.at(i).isEmpty()) {
                sqlite3_bind_null(raw, i + 1);
            } else {
                const QByteArray value = row.at(i).toUtf8();
                sqlite3_bind_text(raw, i + 1, value.constData(), int(value.size()),
                                  SQLITE_TRANSIENT);
            }
        }
        if (sqlite3_step(raw) != SQLITE_DONE)
            return fail(error, QStringLiteral("%1, row %2: %3")
                                   .arg(sourceFile)
                                   .arg(lineNumber)
                                   .arg(sqlite3_errmsg(db)));
        sqlite3_reset(raw);
    }
    return true;
}

bool loadTableFile(sqlite3* db, const QFileInfo& file, QString* error)
{
    const QString table = file.completeBaseName();
    const QStringList tableFields = tableColumns(db, table);
    if (tableFields.isEmpty())
        return fail(error,
                    QStringLiteral("%1: there is no table '%2'").arg(file.fileName(), table));

    QStringList lines;
    if (!readLines(file.filePath(), &lines, error))
        return false;

    QStringList columns;
    QList<QStringList> rows;
    if (file.suffix() == QLatin1String("txt")) {
        if (tableFields.size() < 2)
            return fail(error, QStringLiteral("%1: the table has no value field").arg(table));
        columns = {tableFields.at(1)};
        for (const QString& line : lines)
            rows.append({line});
    } else {
        if (lines.isEmpty())
            return fail(error,
                        QStringLiteral("%1: the header line is missing").arg(file.fileName()));
        columns = lines.takeFirst().split(u'\t');
        for (const QString& line : lines) {
            QStringList cells = line.split(u'\t');
            if (cells.size() != columns.size())
                return fail(error, QStringLiteral("%1: a row has %2 cells, the header %3")
                                       .arg(file.fileName())
                                       .arg(cells.size())
                                       .arg(columns.size()));
            for (QString& cell : cells)
                cell = unescapeCell(cell);
            rows.append(cells);
        }
    }
    return insertRows(db, table, columns, rows, file.fileName(), error);
}

bool execute(sqlite3* db, const QByteArray& sql, const QString& what, QString* error)
{
    char* message = nullptr;
    if (sqlite3_exec(db, sql.constData(), nullptr, nullptr, &message) == SQLITE_OK)
        return true;
    const QString text = QString::fromUtf8(message);
    sqlite3_free(message);
    return fail(error, QStringLiteral("%1: %2").arg(what, text));
}

} // namespace

bool DatabaseBuilder::build(const QString& schemaPath, const QString& tablesFolder,
                            const QString& databasePath, QString* error)
{
    QFile schemaFile(schemaPath);
    if (!schemaFile.open(QIODevice::ReadOnly))
        return fail(error, QStringLiteral("Cannot read %1").arg(schemaFile.fileName()));
    const QByteArray schema = schemaFile.readAll();

    // Build beside the target and move it into place only when complete.
    const QString partialPath = databasePath + QStringLiteral(".partial");
    QFile::remove(partialPath);
    QDir().mkpath(QFileInfo(databasePath).absolutePath());
    {
        Connection connection;
        if (sqlite3_open(partialPath.toUtf8().constData(), &connection.db) != SQLITE_OK)
            return fail(error, QStringLiteral("Cannot create %1").arg(partialPath));
        sqlite3* db = connection.db;
        if (!execute(db, "BEGIN", QStringLiteral("schema.sql"), error) ||
            !execute(db, schema, QStringLiteral("schema.sql"), error))
            return false;
        // The script makes the first version; the steps that upgrade older files make the rest.
        if (!SchemaUpgrade::runSteps(db, 1, error))
            return false;
        const QFileInfoList tableFiles =
            QDir(tablesFolder)
                .entryInfoList({QStringLiteral("*.txt"), QStringLiteral("*.tsv")}, QDir::Files,
                               QDir::Name);
        for (const QFileInfo& file : tableFiles) {
            // A list a step filled has its rows from the same file already.
            if (SchemaUpgrade::stepFillsTable(file.completeBaseName()))
                continue;
            if (!loadTableFile(db, file, error))
                return false;
        }
        if (!execute(db, "COMMIT", QStringLiteral("commit"), error))
            return false;
    }
    QFile::remove(databasePath);
    if (!QFile::rename(partialPath, databasePath))
        return fail(error, QStringLiteral("Cannot move the database to %1").arg(databasePath));
    return true;
}
