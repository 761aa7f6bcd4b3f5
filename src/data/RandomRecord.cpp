#include "data/RandomRecord.h"

#include "data/Database.h"

#include <QCoreApplication>
#include <QFile>
#include <QHash>
#include <QRandomGenerator>
#include <QVariant>

#include <algorithm>
#include <limits>
#include <memory>
#include <sqlite3.h>
#include <unordered_map>
#include <vector>

namespace {

struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(RandomRecord)
};

} // namespace

namespace {

const QString Source = QStringLiteral("getRandomRecord");

// Tables whose keys span at least this many rowids are read one drawn row at a time, so the
// first draw does not wait for the whole table; smaller ones are read at once.
constexpr quint64 ReadByRowFrom = 4096;
// How many more rows of a large table every draw reads, until it is complete.
constexpr qint64 RowsReadPerDraw = 64;
// Drawing row by row picks a rowid and tries again when no drawable value has it. After this
// many misses in one draw the keys are taken to be too sparse and the rest of the table is read.
constexpr int MissesBeforeReadingAll = 32;

struct StatementDeleter
{
    void operator()(sqlite3_stmt* statement) const { sqlite3_finalize(statement); }
};
using Statement = std::unique_ptr<sqlite3_stmt, StatementDeleter>;

bool sqliteFailure(sqlite3* db, StoreError* error)
{
    *error = StoreError::fromSqlite(sqlite3_extended_errcode(db), Source,
                                    QString::fromUtf8(sqlite3_errmsg(db)));
    return false;
}

bool prepare(sqlite3* db, const QByteArray& sql, Statement* statement, StoreError* error)
{
    sqlite3_stmt* raw = nullptr;
    if (sqlite3_prepare_v2(db, sql.constData(), int(sql.size()), &raw, nullptr) != SQLITE_OK)
        return sqliteFailure(db, error);
    statement->reset(raw);
    return true;
}

// The name of the table's value field (its second), quoted, and of the fields after it.
bool valueColumn(sqlite3* db, const QString& table, QByteArray* column, StoreError* error,
                 QByteArrayList* furtherColumns = nullptr)
{
    Statement columns;
    if (!prepare(db, "PRAGMA table_info(" + Database::quoteIdentifier(table).toUtf8() + ")",
                 &columns, error))
        return false;
    int columnCount = 0;
    while (sqlite3_step(columns.get()) == SQLITE_ROW) {
        const QByteArray quoted =
            Database::quoteIdentifier(QString::fromUtf8(reinterpret_cast<const char*>(
                                          sqlite3_column_text(columns.get(), 1))))
                .toUtf8();
        if (columnCount == 1)
            *column = quoted;
        else if (columnCount > 1 && furtherColumns)
            furtherColumns->append(quoted);
        ++columnCount;
    }
    if (columnCount == 0) {
        *error = {3078, Source, Texts::tr("Cannot find the table '%1'").arg(table)};
        return false;
    }
    if (columnCount < 2) {
        *error = {3265, Source, Texts::tr("The table '%1' has no value field").arg(table)};
        return false;
    }
    return true;
}

// The condition a row's value meets to be drawn (see RandomRecord::isDrawable).
QByteArray drawable(const QByteArray& column)
{
    return "trim(CAST(" + column + " AS TEXT)) <> ''";
}

QByteArray quotedText(const QString& text)
{
    return "'" + text.toUtf8().replace('\'', "''") + "'";
}

// The condition a row meets to fit the filter, joined to a condition with AND; nothing for no
// filter.
QByteArray fitting(const RandomRecord::Filter& filter)
{
    if (filter.field.isEmpty())
        return {};
    const QByteArray field = Database::quoteIdentifier(filter.field).toUtf8();
    QByteArrayList fits;
    if (!filter.values.isEmpty()) {
        QByteArrayList values;
        for (const QString& value : filter.values)
            values << quotedText(value);
        fits << field + " IN (" + values.join(',') + ")";
    }
    if (filter.blankFits)
        fits << field + " IS NULL"
             << "trim(CAST(" + field + " AS TEXT)) = ''";
    return " AND (" + (fits.isEmpty() ? QByteArray("0") : fits.join(" OR ")) + ")";
}

// The value (second column) of the current row as it is drawn: its first letter upper-cased.
QString drawnValue(sqlite3_stmt* statement)
{
    QString value =
        QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(statement, 1)),
                          sqlite3_column_bytes(statement, 1));
    value[0] = value.at(0).toUpper();
    return value;
}

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

// The drawable values of one table, kept until the database changes. A small table is read
// whole at its first draw. A large one is read on a few rows at every draw, so that no draw waits
// for the whole table, and is drawn by key: a draw picks a random rowid and takes that row's
// value, read or kept, trying again when no drawable value has it.
class KeptTable
{
public:
    bool open(sqlite3* db, const QString& table, const RandomRecord::Filter& filter,
              StoreError* error)
    {
        m_db = db;
        m_table = table;
        const QByteArray quotedTable = Database::quoteIdentifier(table).toUtf8();
        QByteArray column;
        QByteArrayList further;
        if (!valueColumn(db, table, &column, error, &further))
            return false;
        // The value is the second field, read as text; blank values are never drawn. The fields
        // after it are read for the fingerprint only.
        const QByteArray from = " FROM " + quotedTable + " WHERE " + drawable(column);
        m_select = "SELECT rowid, CAST(" + column + " AS TEXT)" + from + fitting(filter);
        m_fingerprintSelect = "SELECT rowid, CAST(" + column + " AS TEXT)";
        for (const QByteArray& field : std::as_const(further))
            m_fingerprintSelect += ", " + field + " IS NULL, CAST(" + field + " AS TEXT)";
        m_fingerprintSelect += from + " ORDER BY rowid";
        const QByteArray& select = m_select;
        Statement span;
        if (!prepare(db,
                     "SELECT (SELECT min(rowid) FROM " + quotedTable +
                         "), (SELECT max(rowid) FROM " + quotedTable + ")",
                     &span, error) ||
            !prepare(db, select + " AND rowid >= ? ORDER BY rowid LIMIT ?", &m_readOn, error))
            return false;
        if (sqlite3_step(span.get()) != SQLITE_ROW)
            return sqliteFailure(db, error);
        m_firstRowid = sqlite3_column_int64(span.get(), 0);
        m_rowidSpan = quint64(sqlite3_column_int64(span.get(), 1)) - quint64(m_firstRowid) + 1;
        if (sqlite3_column_type(span.get(), 0) == SQLITE_NULL || m_rowidSpan < ReadByRowFrom)
            return readOn(-1, error);
        m_byKey = true;
        m_nextRowid = m_firstRowid;
        return prepare(db, select + " AND rowid = ?", &m_readRow, error);
    }

    // A large table is drawn by key whatever has been read of it, so that the same generator
    // state draws the same value from the same rows, however many draws came before.
    std::optional<QString> draw(QRandomGenerator& random, StoreError* error)
    {
        if (m_readOn && !readOn(RowsReadPerDraw, error))
            return std::nullopt;
        if (m_byKey) {
            for (int miss = 0; miss < MissesBeforeReadingAll; ++miss) {
                std::optional<QString> value =
                    valueOfRow(m_firstRowid + qint64(random.bounded(m_rowidSpan)), error);
                if (!value)
                    return std::nullopt;
                if (!value->isNull())
                    return value;
            }
            if (m_readOn && !readOn(-1, error))
                return std::nullopt;
        }
        if (m_values.empty()) {
            *error = {
                EngineError::NoCurrentRecord, Source,
                Texts::tr("No current record: the table '%1' has no value to draw").arg(m_table)};
            return std::nullopt;
        }
        return m_values[size_t(random.bounded(quint64(m_values.size())))];
    }

    // Hashes the drawable rows' keys, values and further fields in key order, and for a table
    // drawn by key its span of keys: what the draws depend on, filtered or not. Kept until the
    // database changes.
    std::optional<quint32> fingerprint(StoreError* error)
    {
        if (m_fingerprint)
            return m_fingerprint;
        Statement rows;
        if (!prepare(m_db, m_fingerprintSelect, &rows, error))
            return std::nullopt;
        quint64 hash = 14695981039346656037ULL; // FNV-1a, 64 bits
        const auto add = [&hash](const void* data, size_t size) {
            for (size_t i = 0; i < size; ++i) {
                hash ^= static_cast<const unsigned char*>(data)[i];
                hash *= 1099511628211ULL;
            }
        };
        if (m_byKey) {
            add(&m_firstRowid, sizeof m_firstRowid);
            add(&m_rowidSpan, sizeof m_rowidSpan);
        }
        int step;
        while ((step = sqlite3_step(rows.get())) == SQLITE_ROW) {
            const qint64 rowid = sqlite3_column_int64(rows.get(), 0);
            add(&rowid, sizeof rowid);
            // The value, then for each further field whether it is Null and its text.
            for (int column = 1; column < sqlite3_column_count(rows.get()); ++column) {
                const qint32 size = sqlite3_column_bytes(rows.get(), column);
                if (column % 2 == 0) {
                    const bool isNull = sqlite3_column_int(rows.get(), column);
                    add(&isNull, sizeof isNull);
                    continue;
                }
                add(&size, sizeof size);
                add(sqlite3_column_text(rows.get(), column), size_t(size));
            }
        }
        if (step != SQLITE_DONE) {
            sqliteFailure(m_db, error);
            return std::nullopt;
        }
        m_fingerprint = quint32(hash ^ (hash >> 32));
        return m_fingerprint;
    }

private:
    // Reads up to limit more drawable values in rowid order (all that are left for -1); once
    // the last is read, the table is complete and no longer read row by row.
    bool readOn(qint64 limit, StoreError* error)
    {
        sqlite3_stmt* statement = m_readOn.get();
        sqlite3_bind_int64(statement, 1, m_nextRowid);
        sqlite3_bind_int64(statement, 2, limit);
        qint64 count = 0;
        qint64 lastRowid = m_nextRowid;
        int step;
        while ((step = sqlite3_step(statement)) == SQLITE_ROW) {
            lastRowid = sqlite3_column_int64(statement, 0);
            if (m_byKey)
                m_rowids.push_back(lastRowid);
            m_values.push_back(drawnValue(statement));
            ++count;
        }
        sqlite3_reset(statement);
        if (step != SQLITE_DONE)
            return sqliteFailure(m_db, error);
        if (count == limit && lastRowid < std::numeric_limits<qint64>::max()) {
            m_nextRowid = lastRowid + 1;
        } else {
            m_readOn.reset();
            m_readRow.reset();
            m_rowsRead.clear();
        }
        return true;
    }

    // The drawn value of the row, a null text when the row is missing or blank, or nothing when
    // reading fails: from what has been read when it covers the row, else read.
    std::optional<QString> valueOfRow(qint64 rowid, StoreError* error)
    {
        if (!m_readOn || rowid < m_nextRowid) {
            const auto found = std::lower_bound(m_rowids.cbegin(), m_rowids.cend(), rowid);
            return found != m_rowids.cend() && *found == rowid
                       ? m_values[size_t(found - m_rowids.cbegin())]
                       : QString();
        }
        auto read = m_rowsRead.constFind(rowid);
        if (read == m_rowsRead.constEnd()) {
            std::optional<QString> value = readRow(rowid, error);
            if (!value)
                return std::nullopt;
            read = m_rowsRead.insert(rowid, *value);
        }
        return *read;
    }

    // The drawn value of the row, a null text when the row is missing or blank, or nothing when
    // reading fails.
    std::optional<QString> readRow(qint64 rowid, StoreError* error)
    {
        sqlite3_stmt* statement = m_readRow.get();
        sqlite3_bind_int64(statement, 1, rowid);
        const int step = sqlite3_step(statement);
        QString value;
        if (step == SQLITE_ROW)
            value = drawnValue(statement);
        sqlite3_reset(statement);
        if (step != SQLITE_ROW && step != SQLITE_DONE) {
            sqliteFailure(m_db, error);
            return std::nullopt;
        }
        return value;
    }

    sqlite3* m_db = nullptr;
    QString m_table;
    QByteArray m_select;            // of the drawable rows' keys and values that fit the filter
    QByteArray m_fingerprintSelect; // of all drawable rows with their further fields
    std::optional<quint32> m_fingerprint;
    std::vector<QString> m_values; // in rowid order, read up to m_nextRowid
    bool m_byKey = false;          // a large table, drawn by key
    std::vector<qint64> m_rowids;  // of m_values, for a table drawn by key
    qint64 m_firstRowid = 0;
    quint64 m_rowidSpan = 0;
    qint64 m_nextRowid = std::numeric_limits<qint64>::min();
    Statement m_readOn; // these three are set while the table is incomplete
    Statement m_readRow;
    QHash<qint64, QString> m_rowsRead; // by rowid; a null text for a missing or blank row
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

    std::optional<QString> draw(const QString& table, const RandomRecord::Filter& filter,
                                QRandomGenerator& random, StoreError* error)
    {
        return use(table, filter, error, [&](KeptTable& kept) { return kept.draw(random, error); });
    }

    std::optional<quint32> fingerprint(const QString& table, StoreError* error)
    {
        return use(table, {}, error, [&](KeptTable& kept) { return kept.fingerprint(error); });
    }

private:
    // Hands the table, kept as the database is now, to work; a table work fails on is read
    // afresh next time.
    template <typename Work>
    auto use(const QString& table, const RandomRecord::Filter& filter, StoreError* error, Work work)
        -> decltype(work(std::declval<KeptTable&>()))
    {
        // The handle stays valid until the database closes, which forgets it.
        if (!m_watch.db()) {
            sqlite3* db = Database::handle();
            if (!db) {
                *error = {3000, Source, Texts::tr("The database is not open")};
                return std::nullopt;
            }
            m_watch.watch(db, Database::path());
            restart();
        }
        if (m_watch.takeRollback() || m_watch.stamp() != m_stamp)
            restart();
        const QString key = keyOf(table, filter);
        auto found = m_tables.find(key);
        if (found == m_tables.end()) {
            auto kept = std::make_unique<KeptTable>();
            if (!kept->open(m_watch.db(), table, filter, error))
                return std::nullopt;
            found = m_tables.emplace(key, std::move(kept)).first;
        }
        auto result = work(*found->second);
        if (!result)
            m_tables.erase(found);
        return result;
    }

    void restart()
    {
        m_tables.clear();
        m_stamp = m_watch.stamp();
    }

    // The table's name as asked for and its filter, parted by characters no name holds.
    static QString keyOf(const QString& table, const RandomRecord::Filter& filter)
    {
        if (filter.field.isEmpty())
            return table;
        return table + u'\0' + filter.field + u'\0' + filter.values.join(u'\0') + u'\0' +
               (filter.blankFits ? u'1' : u'0');
    }

    // By the name asked for and the filter: each spelling of a table's name keeps its own copy.
    std::unordered_map<QString, std::unique_ptr<KeptTable>> m_tables;
    ChangeWatch m_watch;
    ChangeWatch::Stamp m_stamp;
};

} // namespace

std::optional<QString> RandomRecord::draw(const QString& table, QRandomGenerator& random,
                                          StoreError* error)
{
    return draw(table, {}, random, error);
}

std::optional<QString> RandomRecord::draw(const QString& table, const Filter& filter,
                                          QRandomGenerator& random, StoreError* error)
{
    StoreError ignored;
    return KeptTables::instance().draw(table, filter, random, error ? error : &ignored);
}

std::optional<quint32> RandomRecord::fingerprint(const QString& table, StoreError* error)
{
    StoreError ignored;
    return KeptTables::instance().fingerprint(table, error ? error : &ignored);
}

qint64 RandomRecord::drawableCount(const QString& table, StoreError* error)
{
    sqlite3* db = Database::handle();
    if (!db) {
        *error = {3000, Source, Texts::tr("The database is not open")};
        return -1;
    }
    QByteArray column;
    Statement count;
    if (!valueColumn(db, table, &column, error) ||
        !prepare(db,
                 "SELECT count(*) FROM " + Database::quoteIdentifier(table).toUtf8() + " WHERE " +
                     drawable(column),
                 &count, error))
        return -1;
    if (sqlite3_step(count.get()) != SQLITE_ROW) {
        sqliteFailure(db, error);
        return -1;
    }
    return sqlite3_column_int64(count.get(), 0);
}

bool RandomRecord::isDrawable(const QVariant& value)
{
    // As SQLite's trim() reads it: blank is empty or spaces only.
    const QString text = value.toString();
    return !value.isNull() &&
           std::any_of(text.cbegin(), text.cend(), [](QChar c) { return c != u' '; });
}

void RandomRecord::forgetTables()
{
    KeptTables::instance().forget();
}
