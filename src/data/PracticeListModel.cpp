#include "data/PracticeListModel.h"

#include "data/Database.h"
#include "data/PracticeLog.h"

#include <QDateTime>
#include <QLocale>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

#include <cmath>

namespace {

// The query's columns past the shown ones: the start as stored, then the key.
enum Stored { Started = PracticeListModel::Date, Seconds = PracticeListModel::Minutes, Key = 6 };

const QString TimeFormat = QStringLiteral("yyyy-MM-ddTHH:mm:ss");

} // namespace

PracticeListModel::PracticeListModel(QObject* parent) : QSqlQueryModel(parent) {}

bool PracticeListModel::select(StoreError* error)
{
    // The first line of the responses, up to its line feed.
    QSqlQuery query(Database::connection());
    query.prepare(QStringLiteral(
        "SELECT started, kind, seconds, words, 0, CASE WHEN instr(responses, char(10)) > 0 THEN "
        "substr(responses, 1, instr(responses, char(10)) - 1) ELSE responses END, ID "
        "FROM practice ORDER BY started DESC, ID DESC"));
    if (!query.exec()) {
        if (error)
            *error = StoreError::fromSql(query.lastError(), QStringLiteral("PracticeListModel"));
        clear();
        return false;
    }
    setQuery(std::move(query));
    const QStringList headings = {tr("Date"),  tr("Kind"), tr("Minutes"),
                                  tr("Words"), tr("WPM"),  tr("First line")};
    for (int column = 0; column < headings.size(); ++column)
        setHeaderData(column, Qt::Horizontal, headings.at(column));
    return true;
}

qint64 PracticeListModel::key(int row) const
{
    // The key stands past the shown columns, where only the row's record reaches.
    const QVariant stored = row >= 0 && row < rowCount() ? record(row).value(Key) : QVariant();
    return stored.isValid() ? stored.toLongLong() : -1;
}

int PracticeListModel::rowOf(qint64 wanted)
{
    for (int row = 0;; ++row) {
        if (row == rowCount()) {
            if (!canFetchMore())
                return -1;
            fetchMore();
        }
        if (key(row) == wanted)
            return row;
    }
}

QString PracticeListModel::minutesText(int seconds, const QLocale& locale)
{
    return locale.toString(std::round(seconds / 6.0) / 10.0, 'f', QLocale::FloatingPointShortest);
}

int PracticeListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant PracticeListModel::data(const QModelIndex& index, int role) const
{
    const int column = index.column();
    const bool numeric = column == Minutes || column == Words || column == WordsPerMinute;
    if (role == Qt::TextAlignmentRole && numeric)
        return int(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole)
        return QSqlQueryModel::data(index, role);
    const auto stored = [&](int field) {
        return QSqlQueryModel::data(QSqlQueryModel::index(index.row(), field));
    };
    const QLocale locale;
    switch (column) {
    case Date:
        return locale.toString(QDateTime::fromString(stored(Started).toString(), TimeFormat),
                               QLocale::ShortFormat);
    case Kind:
        return PracticeLog::shownKind(stored(Kind).toString());
    case Minutes:
        return minutesText(stored(Seconds).toInt(), locale);
    case Words:
        return locale.toString(stored(Words).toInt());
    case WordsPerMinute: {
        PracticeLog::Record record;
        record.seconds = stored(Seconds).toInt();
        record.words = stored(Words).toInt();
        return locale.toString(qRound(record.wordsPerMinute()));
    }
    default:
        return QSqlQueryModel::data(index, role);
    }
}
