#include "data/RandomRecord.h"

#include "data/Database.h"
#include "data/FatalError.h"
#include "shared/Random.h"

#include <QHash>

#include <memory>
#include <sqlite3.h>
#include <vector>

namespace {

const QString Source = QStringLiteral("getRandomRecord");

struct StatementDeleter
{
    void operator()(sqlite3_stmt* statement) const { sqlite3_finalize(statement); }
};
using Statement = std::unique_ptr<sqlite3_stmt, StatementDeleter>;

struct KeptTable
{
    std::vector<sqlite3_int64> rowids;
    Statement readValue;
};

QString fromSqliteText(sqlite3_stmt* statement, int column)
{
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, column));
    return QString::fromUtf8(text, sqlite3_column_bytes(statement, column));
}

// What the database looked like when the keys were read: this connection's change counter and
// the file's data version, which also moves when another connection commits. SQLite refreshes
// the data version whenever a statement starts reading, so it is compared again after each
// lookup.
struct Stamp
{
    sqlite3_int64 changes = -1;
    unsigned int dataVersion = 0;

    static Stamp of(sqlite3* db)
    {
        Stamp stamp;
        stamp.changes = sqlite3_total_changes64(db);
        sqlite3_file_control(db, "main", SQLITE_FCNTL_DATA_VERSION, &stamp.dataVersion);
        return stamp;
    }
    bool operator==(const Stamp&) const = default;
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
        if (m_db)
            sqlite3_rollback_hook(m_db, nullptr, nullptr);
        m_db = nullptr;
    }

    const KeptTable* find(const QString& table, StoreError* error)
    {
        sqlite3* db = Database::handle();
        if (!db) {
            *error = {3000, Source, QStringLiteral("The database is not open")};
            return nullptr;
        }
        if (db != m_db)
            watch(db);
        if (!isCurrent())
            restart();
        const QString key = table.toLower();
        auto found = m_tables.find(key);
        if (found == m_tables.end()) {
            auto kept = std::make_shared<KeptTable>();
            if (!load(db, table, kept.get(), error))
                return nullptr;
            // Reading the keys may have revealed another connection's change.
            if (!isCurrent())
                restart();
            found = m_tables.insert(key, std::move(kept));
        }
        return found->get();
    }

    // True when nothing has changed since the kept keys were read.
    bool isCurrent() const { return !m_rolledBack && Stamp::of(m_db) == m_stamp; }

private:
    void watch(sqlite3* db)
    {
        forget();
        m_db = db;
        // A rolled-back write leaves the change counter as it was, so watch for rollbacks.
        sqlite3_rollback_hook(
            db, [](void* tables) { static_cast<KeptTables*>(tables)->m_rolledBack = true; }, this);
        restart();
    }

    void restart()
    {
        m_tables.clear();
        m_rolledBack = false;
        m_stamp = Stamp::of(m_db);
    }

    bool load(sqlite3* db, const QString& table, KeptTable* kept, StoreError* error)
    {
        const QString quotedTable = Database::quoteIdentifier(table);
        Statement columns;
        if (!prepare(db, "PRAGMA table_info(" + quotedTable.toUtf8() + ")", &columns, error))
            return false;
        QString valueColumn;
        int columnCount = 0;
        while (sqlite3_step(columns.get()) == SQLITE_ROW) {
            if (columnCount++ == 1)
                valueColumn = fromSqliteText(columns.get(), 1);
        }
        if (columnCount == 0) {
            *error = {3078, Source, QStringLiteral("Cannot find the table '%1'").arg(table)};
            return false;
        }
        if (columnCount < 2) {
            *error = {3265, Source, QStringLiteral("The table '%1' has no value field").arg(table)};
            return false;
        }

        const QByteArray value = Database::quoteIdentifier(valueColumn).toUtf8();
        const QByteArray from = quotedTable.toUtf8();
        Statement keys;
        if (!prepare(db,
                     "SELECT rowid FROM " + from + " WHERE " + value +
                         " IS NOT NULL AND trim(CAST(" + value + " AS TEXT)) <> '' ORDER BY rowid",
                     &keys, error))
            return false;
        int step;
        while ((step = sqlite3_step(keys.get())) == SQLITE_ROW)
            kept->rowids.push_back(sqlite3_column_int64(keys.get(), 0));
        if (step != SQLITE_DONE)
            return sqliteFailure(db, error);
        if (kept->rowids.empty()) {
            *error = {EngineError::NoCurrentRecord, Source,
                      QStringLiteral("No current record: the table '%1' has no value to draw")
                          .arg(table)};
            return false;
        }
        return prepare(db, "SELECT CAST(" + value + " AS TEXT) FROM " + from + " WHERE rowid = ?",
                       &kept->readValue, error);
    }

    static bool prepare(sqlite3* db, const QByteArray& sql, Statement* statement, StoreError* error)
    {
        sqlite3_stmt* raw = nullptr;
        if (sqlite3_prepare_v3(db, sql.constData(), int(sql.size()), SQLITE_PREPARE_PERSISTENT,
                               &raw, nullptr) != SQLITE_OK)
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
    sqlite3* m_db = nullptr;
    Stamp m_stamp;
    bool m_rolledBack = false;
};

} // namespace

std::optional<QString> RandomRecord::draw(const QString& table, StoreError* error)
{
    StoreError ignored;
    StoreError* failure = error ? error : &ignored;
    KeptTables& tables = KeptTables::instance();
    std::optional<QString> value;
    // A lookup that shows the database changed under the kept keys is drawn again from fresh
    // keys; a file that keeps changing still gets an answer after a few tries.
    for (int attempt = 0; attempt < 3; ++attempt) {
        const KeptTable* kept = tables.find(table, failure);
        if (!kept)
            return std::nullopt;
        const auto index = Random::instance().below(qint64(kept->rowids.size()));
        sqlite3_stmt* read = kept->readValue.get();
        sqlite3_bind_int64(read, 1, kept->rowids[size_t(index)]);
        const bool found = sqlite3_step(read) == SQLITE_ROW;
        const QString text = found ? fromSqliteText(read, 0) : QString();
        sqlite3_reset(read);
        value = text.trimmed().isEmpty() ? std::nullopt : std::optional<QString>(text);
        if (value && tables.isCurrent())
            break;
    }
    if (!value) {
        *failure = {EngineError::NoCurrentRecord, Source,
                    QStringLiteral("No current record in the table '%1'").arg(table)};
        return std::nullopt;
    }
    (*value)[0] = value->at(0).toUpper();
    return value;
}

void RandomRecord::forgetTables()
{
    KeptTables::instance().forget();
}

QString getRandomRecord(const QString& table)
{
    StoreError error;
    if (auto value = RandomRecord::draw(table, &error))
        return *value;
    reportFatalError(error);
    return {};
}
