#include "data/RecordSet.h"

#include "data/Database.h"
#include "data/FieldValue.h"
#include "data/RecordTableModel.h"

#include <QRegularExpression>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlField>
#include <QSqlIndex>
#include <QSqlQuery>
#include <QSqlQueryModel>

#include <optional>
#include <sqlite3.h>

namespace {

// Engine numbers the windows do not handle themselves; kept so that reports read the same.
const int InvalidArgument = 3001;
const int UpdateWithoutEdit = 3020;
const int NoSuchSource = 3078;
const int NoSuchField = 3265;

StoreError makeError(int number, const char* routine, const QString& description)
{
    return {number, QStringLiteral("RecordSet.") + QLatin1String(routine), description};
}

bool fail(StoreError* error, const StoreError& what)
{
    if (error)
        *error = what;
    return false;
}

bool failSql(StoreError* error, const QSqlError& sqlError, const char* routine)
{
    return fail(error, StoreError::fromSql(sqlError,
                                           QStringLiteral("RecordSet.") + QLatin1String(routine)));
}

// A table or field name as written in a source, without its brackets or quotes.
QString bareName(const QString& token)
{
    const QString name = token.trimmed();
    if (name.size() >= 2 && ((name.startsWith(u'[') && name.endsWith(u']')) ||
                             (name.startsWith(u'`') && name.endsWith(u'`'))))
        return name.mid(1, name.size() - 2);
    if (name.size() >= 2 && name.startsWith(u'"') && name.endsWith(u'"'))
        return name.mid(1, name.size() - 2).replace(QStringLiteral("\"\""), QStringLiteral("\""));
    return name;
}

bool parenthesesBalance(const QString& text)
{
    return text.count(u'(') == text.count(u')');
}

// "select * from <table> [where <condition>] [order by <fields>]": one table, every field, so the
// rows can be written back.
struct TableSelect
{
    QString table;
    QString filter;
    QString orderBy;
};

std::optional<TableSelect> parseTableSelect(const QString& source)
{
    static const QRegularExpression form(
        QStringLiteral(R"(^\s*select\s+\*\s+from\s+(\[[^\]]+\]|"(?:[^"]|"")+"|`[^`]+`|)"
                       R"([A-Za-z_][A-Za-z0-9_$]*)(.*?)[\s;]*$)"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression where(QStringLiteral(R"(^\s+where\s+(.*)$)"),
                                          QRegularExpression::CaseInsensitiveOption |
                                              QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression orderBy(QStringLiteral(R"(\border\s+by\s+)"),
                                            QRegularExpression::CaseInsensitiveOption);

    const QRegularExpressionMatch match = form.match(source);
    if (!match.hasMatch())
        return std::nullopt;
    TableSelect result{bareName(match.captured(1)), {}, {}};
    QString rest = match.captured(2);
    if (rest.isEmpty())
        return result;

    // The last "order by" outside parentheses ends the condition; one inside belongs to a
    // subquery.
    qsizetype orderAt = -1;
    qsizetype orderEnd = -1;
    for (auto it = orderBy.globalMatch(rest); it.hasNext();) {
        const QRegularExpressionMatch found = it.next();
        if (parenthesesBalance(rest.left(found.capturedStart()))) {
            orderAt = found.capturedStart();
            orderEnd = found.capturedEnd();
        }
    }
    if (orderAt >= 0) {
        result.orderBy = rest.mid(orderEnd).trimmed();
        rest = rest.left(orderAt);
        if (!rest.isEmpty() && !rest.back().isSpace())
            return std::nullopt;
    }
    if (rest.trimmed().isEmpty())
        return result;
    const QRegularExpressionMatch condition = where.match(rest);
    if (!condition.hasMatch())
        return std::nullopt; // joins, aliases, grouping: read only
    result.filter = condition.captured(1).trimmed();
    return result;
}

bool hasView(const QString& name)
{
    QSqlQuery query(Database::connection());
    query.prepare(QStringLiteral(
        "SELECT 1 FROM sqlite_master WHERE type = 'view' AND name = ? COLLATE NOCASE"));
    query.addBindValue(name);
    return query.exec() && query.next();
}

// The SQL of an entry of the stored-query table, or an empty text.
QString storedQuerySql(const QString& name)
{
    if (!Database::hasTable(QStringLiteral("MSysQueries")))
        return {};
    QSqlQuery query(Database::connection());
    query.prepare(QStringLiteral("SELECT sql FROM MSysQueries WHERE name = ?"));
    query.addBindValue(name);
    return query.exec() && query.next() ? query.value(0).toString() : QString();
}

bool looksLikeSql(const QString& source)
{
    static const QRegularExpression statement(QStringLiteral(R"(^\s*(select|with|values)\b)"),
                                              QRegularExpression::CaseInsensitiveOption);
    return statement.match(source).hasMatch();
}

enum class Place { Bof, Row, Eof, Deleted };

} // namespace

class RecordSet::Private
{
public:
    explicit Private(RecordSet* owner) : q(owner) {}

    RecordSet* q;
    QString source;
    QVariantMap parameters;
    QSqlDriver* driver = nullptr;      // the connection the models were made for
    RecordTableModel* table = nullptr; // the model of updatable sets
    QSqlQueryModel* query = nullptr;   // the model of read-only sets
    QSqlQueryModel* model = nullptr;   // whichever is in use
    bool open = false;
    Place place = Place::Eof;
    int position = -1; // the current row, or the deleted row's place
    EditMode mode = EditMode::None;
    int addedRow = -1;

    bool updatable() const { return open && model == table; }
    int storedRows() const
    {
        return model ? model->rowCount() - (mode == EditMode::Adding ? 1 : 0) : 0;
    }

    void fetchAll()
    {
        while (model && model->canFetchMore())
            model->fetchMore();
    }

    void makeModels()
    {
        QSqlDatabase db = Database::connection();
        if (table && driver == db.driver())
            return;
        delete table;
        delete query;
        driver = db.driver();
        table = new RecordTableModel(q, db);
        query = new QSqlQueryModel(q);
        model = nullptr;
    }

    bool run(StoreError* error)
    {
        makeModels();
        if (const auto select = parseTableSelect(source);
            select && Database::hasTable(select->table)) {
            return runTable(select->table, select->filter, select->orderBy, error);
        }
        if (looksLikeSql(source))
            return runQuery(source, error);
        const QString name = bareName(source);
        if (Database::hasTable(name))
            return runTable(name, {}, {}, error);
        if (hasView(name))
            return runQuery(QStringLiteral("SELECT * FROM ") + Database::quoteIdentifier(name),
                            error);
        const QString stored = storedQuerySql(name);
        if (!stored.isEmpty())
            return runQuery(stored, error);
        model = nullptr;
        return fail(
            error,
            makeError(NoSuchSource, "open",
                      QStringLiteral("There is no table or stored query '%1'.").arg(source)));
    }

    bool runTable(const QString& name, const QString& filter, const QString& orderBy,
                  StoreError* error)
    {
        model = table;
        table->setTable(Database::quoteIdentifier(name));
        table->setFilter(filter);
        table->setOrderBy(orderBy);
        if (!table->select())
            return failSql(error, table->lastError(), "open");
        return true;
    }

    bool runQuery(const QString& sql, StoreError* error)
    {
        model = query;
        QSqlQuery statement(Database::connection());
        if (!statement.prepare(sql))
            return failSql(error, statement.lastError(), "open");
        for (auto parameter = parameters.cbegin(); parameter != parameters.cend(); ++parameter) {
            const QString placeholder = u':' + parameter.key();
            if (sql.contains(placeholder, Qt::CaseInsensitive))
                statement.bindValue(placeholder, parameter.value());
        }
        if (!statement.exec())
            return failSql(error, statement.lastError(), "open");
        query->setQuery(std::move(statement));
        if (query->lastError().isValid())
            return failSql(error, query->lastError(), "open");
        return true;
    }

    // Drops a pending new row or change without telling anyone.
    void abandonPending()
    {
        if (mode == EditMode::None)
            return;
        table->revertAll();
        mode = EditMode::None;
        addedRow = -1;
    }

    // Moves to a place, abandoning a pending change of another row; tells only of real moves.
    void moveTo(Place newPlace, int newPosition)
    {
        if (newPlace != Place::Row)
            newPosition = -1;
        const bool adding = mode == EditMode::Adding;
        if (!adding && newPlace == place && newPosition == position)
            return;
        abandonPending();
        place = newPlace;
        position = newPosition;
        emit q->currentRowChanged(q->currentModelRow());
    }

    void moveToRowOr(int row, Place otherwise)
    {
        if (row >= 0 && row < storedRows())
            moveTo(Place::Row, row);
        else
            moveTo(otherwise, -1);
    }

    // The fields that find a row again after the model is read anew: its key, or every field
    // when the table has none (of a new row, those that were set).
    QSqlRecord identityOf(int row) const
    {
        const QSqlRecord values = table->record(row);
        const QSqlIndex key = table->primaryKey();
        QSqlRecord identity;
        for (int i = 0; i < values.count(); ++i) {
            const bool wanted = key.isEmpty() ? (mode != EditMode::Adding || values.isGenerated(i))
                                              : key.contains(values.fieldName(i));
            if (wanted)
                identity.append(values.field(i));
        }
        return identity;
    }

    int findRow(const QSqlRecord& identity, bool lastMatch) const
    {
        QList<int> columns;
        for (int i = 0; i < identity.count(); ++i)
            columns.append(model->record().indexOf(identity.fieldName(i)));
        if (columns.isEmpty() || columns.contains(-1))
            return -1;
        int found = -1;
        for (int row = 0; row < model->rowCount(); ++row) {
            bool matches = true;
            for (int i = 0; i < columns.size() && matches; ++i)
                matches = FieldValue::same(model->index(row, columns[i]).data(Qt::EditRole),
                                           identity.value(i));
            if (matches) {
                found = row;
                if (!lastMatch)
                    break;
            }
        }
        return found;
    }

    bool requireCurrentRow(StoreError* error, const char* routine) const
    {
        if (q->hasCurrentRow())
            return true;
        return fail(error, makeError(EngineError::NoCurrentRecord, routine,
                                     QStringLiteral("There is no current row.")));
    }

    bool requireUpdatable(StoreError* error, const char* routine) const
    {
        if (updatable())
            return true;
        return fail(error, makeError(EngineError::ActionCancelled, routine,
                                     QStringLiteral("The record set is read only.")));
    }

    int column(const QString& name) const { return q->fieldIndex(name); }
};

RecordSet::RecordSet(QObject* parent) : QObject(parent), d(new Private(this)) {}

RecordSet::~RecordSet()
{
    delete d;
}

bool RecordSet::open(const QString& source, StoreError* error)
{
    d->abandonPending();
    d->source = source;
    d->open = d->run(error);
    if (d->open)
        d->fetchAll();
    d->place = d->open && d->storedRows() > 0 ? Place::Row : Place::Eof;
    d->position = d->place == Place::Row ? 0 : -1;
    emit rowsReloaded();
    emit currentRowChanged(currentModelRow());
    return d->open;
}

bool RecordSet::requery(StoreError* error)
{
    return open(d->source, error);
}

void RecordSet::setParameter(const QString& name, const QVariant& value)
{
    d->parameters.insert(name, value);
}

QString RecordSet::source() const
{
    return d->source;
}

bool RecordSet::isOpen() const
{
    return d->open;
}

bool RecordSet::isUpdatable() const
{
    return d->updatable();
}

int RecordSet::recordCount()
{
    d->fetchAll();
    return d->storedRows();
}

bool RecordSet::isBof() const
{
    if (d->mode == EditMode::Adding)
        return false;
    return d->place == Place::Bof || (d->place != Place::Deleted && d->storedRows() == 0);
}

bool RecordSet::isEof() const
{
    if (d->mode == EditMode::Adding)
        return false;
    return d->place == Place::Eof || (d->place != Place::Deleted && d->storedRows() == 0);
}

bool RecordSet::hasCurrentRow() const
{
    return d->mode == EditMode::Adding || d->place == Place::Row;
}

int RecordSet::absolutePosition() const
{
    return d->mode != EditMode::Adding && d->place == Place::Row ? d->position : -1;
}

bool RecordSet::setAbsolutePosition(int position, StoreError* error)
{
    d->fetchAll();
    if (position < 0 || position >= d->storedRows())
        return fail(error,
                    makeError(InvalidArgument, "setAbsolutePosition",
                              QStringLiteral("There is no row at position %1.").arg(position)));
    d->moveTo(Place::Row, position);
    return true;
}

void RecordSet::moveFirst()
{
    d->moveToRowOr(0, Place::Eof);
}

void RecordSet::moveLast()
{
    d->fetchAll();
    d->moveToRowOr(d->storedRows() - 1, Place::Eof);
}

void RecordSet::moveNext()
{
    switch (d->place) {
    case Place::Bof:
        d->moveToRowOr(0, Place::Eof);
        break;
    case Place::Row:
        d->moveToRowOr(d->position + 1, Place::Eof);
        break;
    case Place::Deleted:
        // The rows after the deleted one moved up into its place.
        d->moveToRowOr(d->position, Place::Eof);
        break;
    case Place::Eof:
        d->moveTo(Place::Eof, -1);
        break;
    }
}

void RecordSet::movePrevious()
{
    switch (d->place) {
    case Place::Eof:
        d->moveToRowOr(d->storedRows() - 1, Place::Bof);
        break;
    case Place::Row:
    case Place::Deleted:
        d->moveToRowOr(d->position - 1, Place::Bof);
        break;
    case Place::Bof:
        d->moveTo(Place::Bof, -1);
        break;
    }
}

bool RecordSet::addNew(StoreError* error)
{
    if (!d->requireUpdatable(error, "addNew"))
        return false;
    d->abandonPending();
    d->fetchAll();
    const int row = d->table->rowCount();
    if (!d->table->insertRow(row))
        return failSql(error, d->table->lastError(), "addNew");
    d->mode = EditMode::Adding;
    d->addedRow = row;
    // QSqlTableModel writes only the fields that were set, and refuses a row with none; a Null
    // key is always safe to write, since SQLite then gives the row its next key.
    const QSqlIndex key = d->table->primaryKey();
    const int keyColumn = key.isEmpty() ? 0 : d->column(key.fieldName(0));
    d->table->setData(d->table->index(row, keyColumn), QVariant());
    emit currentRowChanged(row);
    return true;
}

bool RecordSet::edit(StoreError* error)
{
    if (!d->requireUpdatable(error, "edit"))
        return false;
    if (d->mode != EditMode::None)
        return true;
    if (!d->requireCurrentRow(error, "edit"))
        return false;
    d->mode = EditMode::Editing;
    return true;
}

bool RecordSet::update(StoreError* error)
{
    if (!d->requireUpdatable(error, "update"))
        return false;
    if (d->mode == EditMode::None)
        return fail(error, makeError(EngineError::ActionCancelled, "update",
                                     QStringLiteral("There is no new row or change to write.")));
    if (!d->requireCurrentRow(error, "update"))
        return false;

    emit aboutToWrite();
    const bool adding = d->mode == EditMode::Adding;
    const int row = currentModelRow();
    QSqlRecord identity = d->identityOf(row);
    // On failure the change stays in the model's cache, still pending.
    if (!d->table->submitAll())
        return failSql(error, d->table->lastError(), "update");

    if (adding && identity.count() == 1 && identity.isNull(0) && !d->table->primaryKey().isEmpty())
        identity.setValue(0, qlonglong(sqlite3_last_insert_rowid(Database::handle())));
    d->mode = EditMode::None;
    d->addedRow = -1;
    d->fetchAll();
    const int found = d->findRow(identity, adding);
    if (found >= 0) {
        d->place = Place::Row;
        d->position = found;
    } else {
        // The row no longer belongs to the set (its new values fall outside the condition).
        d->place = Place::Deleted;
        d->position = adding ? d->storedRows() : row;
    }
    emit rowsReloaded();
    emit currentRowChanged(currentModelRow());
    return true;
}

void RecordSet::cancelUpdate()
{
    const bool adding = d->mode == EditMode::Adding;
    d->abandonPending();
    if (adding)
        emit currentRowChanged(currentModelRow());
}

bool RecordSet::deleteCurrent(StoreError* error)
{
    if (!d->requireUpdatable(error, "deleteCurrent"))
        return false;
    if (d->mode == EditMode::Adding) {
        cancelUpdate();
        return true;
    }
    if (!d->requireCurrentRow(error, "deleteCurrent"))
        return false;
    d->abandonPending();
    const int row = d->position;
    if (!d->table->removeRow(row) || !d->table->submitAll()) {
        const QSqlError sqlError = d->table->lastError();
        d->table->revertAll();
        return failSql(error, sqlError, "deleteCurrent");
    }
    d->fetchAll();
    d->place = Place::Deleted;
    d->position = row;
    emit rowsReloaded();
    emit currentRowChanged(-1);
    return true;
}

RecordSet::EditMode RecordSet::editMode() const
{
    return d->mode;
}

int RecordSet::fieldCount() const
{
    return d->model ? d->model->record().count() : 0;
}

QString RecordSet::fieldName(int position) const
{
    return d->model ? d->model->record().fieldName(position) : QString();
}

int RecordSet::fieldIndex(const QString& name) const
{
    if (!d->model)
        return -1;
    const QString wanted = bareName(name);
    const QSqlRecord fields = d->model->record();
    for (int i = 0; i < fields.count(); ++i) {
        if (fields.fieldName(i).compare(wanted, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

QVariant RecordSet::field(const QString& name, StoreError* error) const
{
    const int position = fieldIndex(name);
    if (position < 0 && d->model) {
        fail(error,
             makeError(NoSuchField, "field", QStringLiteral("There is no field '%1'.").arg(name)));
        return {};
    }
    return field(position, error);
}

QVariant RecordSet::field(int position, StoreError* error) const
{
    if (!d->requireCurrentRow(error, "field"))
        return {};
    if (position < 0 || position >= fieldCount()) {
        fail(error, makeError(NoSuchField, "field",
                              QStringLiteral("There is no field %1.").arg(position)));
        return {};
    }
    return d->model->index(currentModelRow(), position).data(Qt::EditRole);
}

bool RecordSet::setField(const QString& name, const QVariant& value, StoreError* error)
{
    const int position = fieldIndex(name);
    if (position < 0 && d->model)
        return fail(error, makeError(NoSuchField, "setField",
                                     QStringLiteral("There is no field '%1'.").arg(name)));
    return setField(position, value, error);
}

bool RecordSet::setField(int position, const QVariant& value, StoreError* error)
{
    if (!d->requireUpdatable(error, "setField"))
        return false;
    if (d->mode == EditMode::None)
        return fail(error,
                    makeError(UpdateWithoutEdit, "setField",
                              QStringLiteral("A field is set only in a new row or a change.")));
    if (position < 0 || position >= fieldCount())
        return fail(error, makeError(NoSuchField, "setField",
                                     QStringLiteral("There is no field %1.").arg(position)));
    if (!d->table->setData(d->table->index(currentModelRow(), position), value))
        return failSql(error, d->table->lastError(), "setField");
    return true;
}

QSqlQueryModel* RecordSet::model() const
{
    return d->model;
}

int RecordSet::currentModelRow() const
{
    if (d->mode == EditMode::Adding)
        return d->addedRow;
    return d->place == Place::Row ? d->position : -1;
}
