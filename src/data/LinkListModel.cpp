#include "data/LinkListModel.h"

#include "data/Database.h"
#include "data/TableNotices.h"
#include "data/Transaction.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

namespace {

bool exec(QSqlQuery& query, const QString& source, StoreError* error)
{
    if (query.exec())
        return true;
    if (error)
        *error = StoreError::fromSql(query.lastError(), source);
    return false;
}

} // namespace

LinkListModel::LinkListModel(const Setup& setup, QObject* parent)
    : QSqlQueryModel(parent), m_setup(setup)
{}

QString LinkListModel::quoted(const QString& field) const
{
    return QStringLiteral("link.") + Database::quoteIdentifier(field);
}

bool LinkListModel::select(qint64 storyKey, StoreError* error)
{
    QStringList columns = {quoted(m_setup.keyField)};
    for (const QString& field : m_setup.itemFields)
        columns << QStringLiteral("item.") + Database::quoteIdentifier(field);
    if (!m_setup.textField.isEmpty())
        columns << quoted(m_setup.textField);
    columns << quoted(QStringLiteral("Story_ID")) << quoted(m_setup.itemField);
    const QString item = quoted(m_setup.itemField);
    QSqlQuery query(Database::connection());
    query.prepare(
        QStringLiteral("SELECT %1 FROM %2 AS link LEFT JOIN %3 AS item ON item.ID = %4 "
                       "WHERE link.Story_ID = ? AND (%4 IS NULL OR item.ID IS NOT NULL) "
                       "ORDER BY %5")
            .arg(columns.join(QStringLiteral(", ")), Database::quoteIdentifier(m_setup.linkTable),
                 Database::quoteIdentifier(m_setup.itemTable), item, quoted(m_setup.keyField)));
    query.addBindValue(storyKey);
    if (!exec(query, QStringLiteral("LinkListModel.select"), error))
        return false;
    m_story = storyKey;
    m_pending.clear();
    setQuery(std::move(query));
    while (canFetchMore())
        fetchMore();
    return true;
}

qint64 LinkListModel::key(int row) const
{
    return row >= 0 && row < rowCount() ? record(row).value(0).toLongLong() : -1;
}

QVariant LinkListModel::itemKey(int row) const
{
    return row >= 0 && row < rowCount() ? data(index(row, itemColumn()), Qt::EditRole) : QVariant();
}

int LinkListModel::rowOf(qint64 key) const
{
    for (int row = 0; row < rowCount(); ++row) {
        if (this->key(row) == key)
            return row;
    }
    return -1;
}

qint64 LinkListModel::addLink(StoreError* error)
{
    QSqlQuery insert(Database::connection());
    insert.prepare(QStringLiteral("INSERT INTO %1 (Story_ID) VALUES (?)")
                       .arg(Database::quoteIdentifier(m_setup.linkTable)));
    insert.addBindValue(m_story);
    if (!exec(insert, QStringLiteral("LinkListModel.addLink"), error))
        return -1;
    announce();
    return insert.lastInsertId().toLongLong();
}

void LinkListModel::setItem(int row, qint64 itemKey)
{
    setData(index(row, itemColumn()), itemKey);
}

bool LinkListModel::saveChanges(StoreError* error)
{
    QSqlDatabase db = Database::connection();
    Transaction transaction(QStringLiteral("LinkListModel.saveChanges"));
    if (!transaction.begin(error))
        return false;
    for (auto row = m_pending.cbegin(); row != m_pending.cend(); ++row) {
        QStringList assignments;
        for (auto field = row->cbegin(); field != row->cend(); ++field)
            assignments << Database::quoteIdentifier(record().fieldName(field.key())) +
                               QStringLiteral(" = ?");
        QSqlQuery update(db);
        update.prepare(QStringLiteral("UPDATE %1 SET %2 WHERE %3 = ?")
                           .arg(Database::quoteIdentifier(m_setup.linkTable),
                                assignments.join(QStringLiteral(", ")),
                                Database::quoteIdentifier(m_setup.keyField)));
        for (const QVariant& value : *row)
            update.addBindValue(value);
        update.addBindValue(key(row.key()));
        if (!exec(update, QStringLiteral("LinkListModel.saveChanges"), error))
            return false;
    }
    // A commit another program's lock refuses keeps the changes pending for the next save.
    if (!transaction.commit(error))
        return false;
    m_pending.clear();
    announce();
    return true;
}

void LinkListModel::revertChanges()
{
    m_pending.clear();
    if (rowCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

bool LinkListModel::removeItemLinks(int row, StoreError* error)
{
    const QVariant item = record(row).value(itemColumn());
    if (item.isNull())
        return removeLink(key(row), error);
    QSqlQuery remove(Database::connection());
    remove.prepare(QStringLiteral("DELETE FROM %1 WHERE %2 = ? AND Story_ID = ?")
                       .arg(Database::quoteIdentifier(m_setup.linkTable),
                            Database::quoteIdentifier(m_setup.itemField)));
    remove.addBindValue(item);
    remove.addBindValue(m_story);
    if (!exec(remove, QStringLiteral("LinkListModel.removeItemLinks"), error))
        return false;
    announce();
    return true;
}

bool LinkListModel::removeLink(qint64 key, StoreError* error)
{
    QSqlQuery remove(Database::connection());
    remove.prepare(QStringLiteral("DELETE FROM %1 WHERE %2 = ?")
                       .arg(Database::quoteIdentifier(m_setup.linkTable),
                            Database::quoteIdentifier(m_setup.keyField)));
    remove.addBindValue(key);
    if (!exec(remove, QStringLiteral("LinkListModel.removeLink"), error))
        return false;
    announce();
    return true;
}

void LinkListModel::announce() const
{
    TableNotices::announceLinks(m_setup.linkTable, this);
}

void LinkListModel::listItems(QSqlQueryModel* items) const
{
    items->setQuery(QStringLiteral("SELECT ID, %1 FROM %2 ORDER BY ID")
                        .arg(Database::quoteIdentifier(m_setup.itemFields.first()),
                             Database::quoteIdentifier(m_setup.itemTable)),
                    Database::connection());
}

QVariant LinkListModel::data(const QModelIndex& index, int role) const
{
    if (role == Qt::DisplayRole || role == Qt::EditRole) {
        const auto row = m_pending.constFind(index.row());
        if (row != m_pending.cend() && row->contains(index.column()))
            return row->value(index.column());
    }
    return QSqlQueryModel::data(index, role);
}

bool LinkListModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    const bool own = !m_setup.textField.isEmpty() && index.column() == textColumn();
    if (role != Qt::EditRole || !index.isValid() || (!own && index.column() != itemColumn()))
        return false;
    m_pending[index.row()][index.column()] = value;
    emit dataChanged(index, index);
    return true;
}

Qt::ItemFlags LinkListModel::flags(const QModelIndex& index) const
{
    const Qt::ItemFlags base = QSqlQueryModel::flags(index);
    if (!m_setup.textField.isEmpty() && index.column() == textColumn())
        return base | Qt::ItemIsEditable;
    return base;
}
