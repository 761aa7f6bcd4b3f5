#include "data/RecordListModel.h"

#include "data/Database.h"

#include <QSqlError>
#include <QSqlQuery>

#include <algorithm>

namespace {
const int PageRows = 64;
const int KeptRows = 64 * PageRows; // beyond this the pages read are dropped and read anew
} // namespace

RecordListModel::RecordListModel(const QString& table, const QString& filter,
                                 const QStringList& fields, QObject* parent)
    : QAbstractTableModel(parent), m_table(Database::quoteIdentifier(table)), m_filter(filter),
      m_fields(fields)
{}

bool RecordListModel::select(StoreError* error)
{
    QSqlError failure;
    const bool read = readKeys(&failure);
    if (!read && error)
        *error = StoreError::fromSql(failure, QStringLiteral("RecordListModel.select"));
    return read;
}

void RecordListModel::setSource(const QString& table, const QString& keyField,
                                const QStringList& fields)
{
    beginResetModel();
    m_table = Database::quoteIdentifier(table);
    m_keyField = keyField;
    m_fields = fields;
    m_keys.clear();
    m_values.clear();
    endResetModel();
}

bool RecordListModel::readKeys(QSqlError* error)
{
    QSqlQuery query(Database::connection());
    query.setForwardOnly(true);
    const QString where = m_filter.isEmpty() ? QString() : QStringLiteral(" WHERE ") + m_filter;
    const bool read = query.exec(
        QStringLiteral("SELECT %2 FROM %1%3 ORDER BY %2").arg(m_table, m_keyField, where));
    beginResetModel();
    m_keys.clear();
    m_values.clear();
    while (read && query.next())
        m_keys.append(query.value(0).toLongLong());
    endResetModel();
    if (!read)
        *error = query.lastError();
    return read;
}

void RecordListModel::rowChanged(int row)
{
    if (row < 0 || row >= m_keys.size())
        return;
    m_values.remove(key(row));
    emit dataChanged(index(row, 0), index(row, columnCount() - 1));
}

int RecordListModel::rowOf(qint64 key) const
{
    const auto found = std::lower_bound(m_keys.cbegin(), m_keys.cend(), key);
    return found != m_keys.cend() && *found == key ? int(found - m_keys.cbegin()) : -1;
}

int RecordListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_keys.size());
}

int RecordListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_fields.size());
}

QVariant RecordListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    const qint64 rowKey = key(index.row());
    if (!m_values.contains(rowKey) && !readPage(index.row()))
        return {};
    return m_values.value(rowKey).value(index.column());
}

QVariant RecordListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole)
        return m_fields.value(section);
    return QAbstractTableModel::headerData(section, orientation, role);
}

bool RecordListModel::readPage(int row) const
{
    if (m_values.size() > KeptRows)
        m_values.clear();
    const int first = row - row % PageRows;
    const int last = std::min(first + PageRows, int(m_keys.size())) - 1;
    QStringList columns;
    for (const QString& field : m_fields)
        columns << Database::quoteIdentifier(field);
    const QString condition =
        m_filter.isEmpty() ? QString() : QStringLiteral(" AND (%1)").arg(m_filter);
    QSqlQuery query(Database::connection());
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT %4, %1 FROM %2 WHERE %4 BETWEEN ? AND ?%3")
                      .arg(columns.join(QStringLiteral(", ")), m_table, condition, m_keyField));
    query.addBindValue(m_keys.at(first));
    query.addBindValue(m_keys.at(last));
    if (!query.exec())
        return false;
    while (query.next()) {
        QVariantList values;
        for (int i = 1; i <= m_fields.size(); ++i)
            values << query.value(i);
        m_values.insert(query.value(0).toLongLong(), values);
    }
    // A row taken out of the table since the keys were read shows empty.
    m_values.insert(key(row), m_values.value(key(row)));
    return true;
}
