#include "data/RandomRecord.h"

#include "data/Database.h"

#include <QFile>
#include <QHash>
#include <QRandomGenerator>

#include <memory>
#include <sqlite3.h>
#include <string>
#include <vector>

namespace {

const QString Source = QStringLiteral("getRandomRecord");

struct StatementDeleter
{
    void operator()(sqlite3_stmt* statement) const { sqlite3_finalize(statement); }
};
using Statement = std::unique_ptr<sqlite3_stmt, StatementDeleter>;

// The drawable values of one table, packed end to end as UTF-8.
struct KeptTable
{
    std::string values;
    std::vector<quint32> ends; // where each value ends in values

    QString value(size_t index) const
    {
        const quint32 begin = index == 0 ? 0 : ends[index - 1];
        return QString::fromUtf8(values.data() + begin, qsizetype(ends[index] - begin));
    }
};

// Tells cheaply whether the database may have changed. Writes through this connection move its
// change counter (rollbacks are reported by a hook). A commit from any other connection moves
// the change counter in the file's header, which is read through a memory map of the file, so
// the check costs no system call. A file in write-ahead-log mode does not keep that header
// counter up to date; there SQLite's data version is asked for instead.
class ChangeWatch
{
public:
    struct Stamp
    {
        sqlite3_int64 changes = -1;
        qint64 fileVersion = -1;
        bool operator==(const Stamp&) const = default;
    };

    void watch(sqlite3* db, const QString& path)
    {
        stop();
        m_db = db;
        sqlite3_rollback_hook(
            db, [](void* watch) { static_cast<ChangeWatch*>(watch)->m_rolledBack = true; }, this);
        m_file.setFileName(path);
        if (m_file.open(QIODevice::ReadOnly))
            m_header = m_file.map(0, HeaderSize);
        sqlite3_stmt* raw = nullptr;
        sqlite3_prepare_v3(m_db, "PRAGMA data_version", -1, SQLITE_PREPARE_PERSISTENT, &raw,
                           nullptr);
        m_dataVersion.reset(raw);
    }

    void stop()
    {
        if (m_db)
            sqlite3_rollback_hook(m_db, nullptr, nullptr);
        m_db = nullptr;
        m_dataVersion.reset();
        if (m_header)
            m_file.unmap(m_header);
        m_header = nullptr;
        m_file.close();
    }

    sqlite3* db() const { return m_db; }

    Stamp stamp() const { return {sqlite3_total_changes64(m_db), fileVersion()}; }

    // True once after a rollback since the last call.
    bool takeRollback() { return std::exchange(m_rolledBack, false); }

private:
    static constexpr qint64 HeaderSize = 100;

    qint64 fileVersion() const
    {
        // Bytes 18 and 19 are 2 in write-ahead-log mode; bytes 24 to 27 count the commits.
        if (m_header && m_header[18] == 1 && m_header[19] == 1)
            return qint64(m_header[24]) << 24 | m_header[25] << 16 | m_header[26] << 8 |
                   m_header[27];
        if (!m_dataVersion || sqlite3_step(m_dataVersion.get()) != SQLITE_ROW)
            return -1;
        const qint64 version = sqlite3_column_int64(m_dataVersion.get(), 0);
        sqlite3_reset(m_dataVersion.get());
        return version;
    }

    sqlite3* m_db = nullptr;
    QFile m_file;
    uchar* m_header = nullptr;
    Statement m_dataVersion;
    bool m_rolledBack = false;
};

class KeptTables
{
public:
    static KeptTables& instance()
    {
        static KeptTables tables;
        return tables;
    }

    void forget()
    {
        m_tables.clear();
        m_watch.stop();
    }

    const KeptTable* find(const QString& table, StoreError* error)
    {
        sqlite3* db = Database::handle();
        if (!db) {
            *error = {3000, Source, QStringLiteral("The database is not open")};
            return nullptr;
        }
        if (db != m_watch.db()) {
            m_watch.watch(db, Database::path());
            restart();
        }
        if (m_watch.takeRollback() || m_watch.stamp() != m_stamp)
            restart();
        const QString key = table.toLower();
        auto found = m_tables.constFind(key);
        if (found == m_tables.constEnd()) {
            auto kept = std::make_shared<KeptTable>();
            if (!load(db, table, kept.get(), error))
                return nullptr;
            found = m_tables.insert(key, std::move(kept));
        }
        return found->get();
    }

private:
    void restart()
    {
        m_tables.clear();
        m_stamp = m_watch.stamp();
    }

    static bool load(sqlite3* db, const QString& table, KeptTable* kept, StoreError* error)
    {
        const QString quotedTable = Database::quoteIdentifier(table);
        Statement columns;
        if (!prepare(db, "PRAGMA table_info(" + quotedTable.toUtf8() + ")", &columns, error))
            return false;
        QString valueColumn;
        int columnCount = 0;
        while (sqlite3_step(columns.get()) == SQLITE_ROW) {
            if (columnCount++ == 1)
                valueColumn = QString::fromUtf8(
                    reinterpret_cast<const char*>(sqlite3_column_text(columns.get(), 1)));
        }
        if (columnCount == 0) {
            *error = {3078, Source, QStringLiteral("Cannot find the table '%1'").arg(table)};
            return false;
        }
        if (columnCount < 2) {
            *error = {3265, Source, QStringLiteral("The table '%1' has no value field").arg(table)};
            return false;
        }

        // The value is the second field, read as text; blank values are never drawn.
        const QByteArray value =
            "CAST(" + Database::quoteIdentifier(valueColumn).toUtf8() + " AS TEXT)";
        Statement rows;
        if (!prepare(db,
                     "SELECT " + value + " FROM " + quotedTable.toUtf8() + " WHERE trim(" + value +
                         ") <> '' ORDER BY rowid",
                     &rows, error))
            return false;
        int step;
        while ((step = sqlite3_step(rows.get())) == SQLITE_ROW) {
            kept->values.append(reinterpret_cast<const char*>(sqlite3_column_text(rows.get(), 0)),
                                size_t(sqlite3_column_bytes(rows.get(), 0)));
            kept->ends.push_back(quint32(kept->values.size()));
        }
        if (step != SQLITE_DONE)
            return sqliteFailure(db, error);
        if (kept->ends.empty()) {
            *error = {EngineError::NoCurrentRecord, Source,
                      QStringLiteral("No current record: the table '%1' has no value to draw")
                          .arg(table)};
            return false;
        }
        return true;
    }

    static bool prepare(sqlite3* db, const QByteArray& sql, Statement* statement, StoreError* error)
    {
        sqlite3_stmt* raw = nullptr;
        if (sqlite3_prepare_v2(db, sql.constData(), int(sql.size()), &raw, nullptr) != SQLITE_OK)
            return sqliteFailure(db, error);
        statement->reset(raw);
        return true;
    }

    static bool sqliteFailure(sqlite3* db, StoreError* error)
    {
        *error = {sqlite3_extended_errcode(db), Source, QString::fromUtf8(sqlite3_errmsg(db))};
        return false;
    }

    QHash<QString, std::shared_ptr<KeptTable>> m_tables;
    ChangeWatch m_watch;
    ChangeWatch::Stamp m_stamp;
};

} // namespace

std::optional<QString> RandomRecord::draw(const QString& table, QRandomGenerator& random,
                                          StoreError* error)
{
    StoreError ignored;
    const KeptTable* kept = KeptTables::instance().find(table, error ? error : &ignored);
    if (!kept)
        return std::nullopt;
    QString value = kept->value(size_t(random.bounded(quint64(kept->ends.size()))));
    value[0] = value.at(0).toUpper();
    return value;
}

void RandomRecord::forgetTables()
{
    KeptTables::instance().forget();
}
