#include "data/PracticeLog.h"

#include "data/AnnouncedWrite.h"
#include "data/Database.h"

#include <QCoreApplication>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

QString PracticeLog::shownKind(const QString& kind)
{
    return QCoreApplication::translate("PracticeLog", kind.toUtf8().constData());
}

namespace {

struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(PracticeLog)
};

} // namespace

namespace PracticeLog {

namespace {

// Dates are stored as ISO text, so that they sort and group by day as text does.
const QString DayFormat = QStringLiteral("yyyy-MM-dd");
const QString TimeFormat = QStringLiteral("yyyy-MM-ddTHH:mm:ss");

bool run(QSqlQuery& query, const QString& source, StoreError* error)
{
    if (query.exec())
        return true;
    if (error)
        *error = StoreError::fromSql(query.lastError(), source);
    return false;
}

// Empty text is stored as such, never as Null.
QString storedText(const QString& text)
{
    return text.isNull() ? QStringLiteral("") : text;
}

} // namespace

double Record::wordsPerMinute() const
{
    return seconds > 0 ? words * 60.0 / seconds : 0.0;
}

bool add(Record* record, StoreError* error)
{
    qint64 key = -1;
    const bool added = writeAnnounced(
        Table,
        QStringLiteral("INSERT INTO practice (kind, started, seconds, prompts, responses, "
                       "words, characters, seed) VALUES (?, ?, ?, ?, ?, ?, ?, ?)"),
        {record->kind, record->started.toString(TimeFormat), record->seconds,
         storedText(record->prompts), storedText(record->responses), record->words,
         record->characters,
         record->seed ? QVariant(*record->seed) : QVariant(QMetaType(QMetaType::LongLong))},
        &key, RowGone::IsFine, QStringLiteral("PracticeLog.add"), error);
    if (added)
        record->id = key;
    return added;
}

bool remove(qint64 id, StoreError* error)
{
    return writeAnnounced(Table, QStringLiteral("DELETE FROM practice WHERE ID = ?"), {id}, &id,
                          RowGone::IsFine, QStringLiteral("PracticeLog.remove"), error);
}

namespace {

const QString RecordFields = QStringLiteral(
    "ID, kind, started, seconds, prompts, responses, words, characters, seed FROM practice");

Record recordAt(const QSqlQuery& query)
{
    Record found;
    found.id = query.value(0).toLongLong();
    found.kind = query.value(1).toString();
    found.started = QDateTime::fromString(query.value(2).toString(), TimeFormat);
    found.seconds = query.value(3).toInt();
    found.prompts = query.value(4).toString();
    found.responses = query.value(5).toString();
    found.words = query.value(6).toInt();
    found.characters = query.value(7).toInt();
    if (!query.value(8).isNull())
        found.seed = query.value(8).toLongLong();
    return found;
}

} // namespace

bool setResponses(qint64 id, const QString& responses, StoreError* error)
{
    return writeAnnounced(Table, QStringLiteral("UPDATE practice SET responses = ? WHERE ID = ?"),
                          {storedText(responses), id}, &id, RowGone::IsFine,
                          QStringLiteral("PracticeLog.setResponses"), error);
}

std::optional<Record> record(qint64 id, StoreError* error)
{
    const QString source = QStringLiteral("PracticeLog.record");
    QSqlQuery query(Database::connection());
    query.prepare(QStringLiteral("SELECT ") + RecordFields + QStringLiteral(" WHERE ID = ?"));
    query.addBindValue(id);
    if (!run(query, source, error))
        return std::nullopt;
    if (!query.next()) {
        if (error)
            *error = {EngineError::RecordDeleted, source, Texts::tr("Record is deleted.")};
        return std::nullopt;
    }
    return recordAt(query);
}

bool allRecords(QList<Record>* records, StoreError* error)
{
    QSqlQuery query(Database::connection());
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT ") + RecordFields +
                  QStringLiteral(" ORDER BY started DESC, ID DESC"));
    if (!run(query, QStringLiteral("PracticeLog.allRecords"), error))
        return false;
    records->clear();
    while (query.next())
        records->append(recordAt(query));
    return true;
}

bool wordsPerDay(const QDate& first, const QDate& last, QList<QPair<QDate, int>>* words,
                 StoreError* error)
{
    QSqlQuery query(Database::connection());
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT substr(started, 1, 10) AS day, sum(words) FROM practice "
                                 "WHERE started >= ? AND started < ? GROUP BY day ORDER BY day"));
    query.addBindValue(first.toString(DayFormat));
    query.addBindValue(last.addDays(1).toString(DayFormat));
    if (!run(query, QStringLiteral("PracticeLog.wordsPerDay"), error))
        return false;
    words->clear();
    while (query.next())
        words->append(
            {QDate::fromString(query.value(0).toString(), DayFormat), query.value(1).toInt()});
    return true;
}

bool practiceDays(QList<QDate>* days, StoreError* error)
{
    QSqlQuery query(Database::connection());
    query.setForwardOnly(true);
    query.prepare(QStringLiteral(
        "SELECT DISTINCT substr(started, 1, 10) AS day FROM practice ORDER BY day DESC"));
    if (!run(query, QStringLiteral("PracticeLog.practiceDays"), error))
        return false;
    days->clear();
    while (query.next())
        days->append(QDate::fromString(query.value(0).toString(), DayFormat));
    return true;
}

bool totals(const QDate& since, Totals* totals, StoreError* error)
{
    QSqlQuery query(Database::connection());
    query.prepare(QStringLiteral("SELECT count(*), ifnull(sum(seconds), 0), ifnull(sum(words), "
                                 "0) FROM practice WHERE started >= ?"));
    // Every start is on or after the empty text; a null one would match none.
    query.addBindValue(since.isValid() ? since.toString(DayFormat) : QStringLiteral(""));
    if (!run(query, QStringLiteral("PracticeLog.totals"), error) || !query.next())
        return false;
    *totals = {query.value(0).toInt(), query.value(1).toLongLong(), query.value(2).toLongLong()};
    return true;
}

} // namespace PracticeLog
