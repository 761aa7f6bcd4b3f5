#include "data/TableRowsModel.h"

#include "data/Database.h"

#include <QSqlQuery>

bool TableRowsModel::setTable(const QString& table)
{
    m_tableName = table;
    m_fields = Database::connection().record(table);
    QStringList names;
    for (int field = 0; field < m_fields.count(); ++field)
        names << m_fields.fieldName(field);
    // The row's own number keys the rows, unless a field of the table takes its name.
    QString rowNumber = QStringLiteral("rowid");
    for (const QString& alias : {QStringLiteral("_rowid_"), QStringLiteral("oid")}) {
        if (names.contains(rowNumber, Qt::CaseInsensitive))
            rowNumber = alias;
    }
    setSource(table, rowNumber, names);
    return reselect();
}

QSqlRecord TableRowsModel::record(int row) const
{
    QSqlRecord values = m_fields;
    for (int field = 0; field < values.count(); ++field)
        values.setValue(field, data(index(row, field), Qt::EditRole));
    return values;
}

bool TableRowsModel::isDirty(const QModelIndex& index) const
{
    return m_edits.value(key(index.row())).contains(index.column());
}

bool TableRowsModel::submitAll()
{
    while (!m_edits.isEmpty()) {
        const auto row = m_edits.constBegin();
        QStringList assignments;
        QSqlQuery update(Database::connection());
        for (auto field = row->constBegin(); field != row->constEnd(); ++field)
            assignments << Database::quoteIdentifier(fields().at(field.key())) + " = ?";
        update.prepare(QStringLiteral("UPDATE %1 SET %2 WHERE %3 = ?")
                           .arg(quotedTable(), assignments.join(u", "), keyField()));
        for (const QVariant& value : *row)
            update.addBindValue(value);
        update.addBindValue(row.key());
        if (!update.exec()) {
            m_lastError = update.lastError();
            return false;
        }
        dropEdits(row.key());
    }
    return reselect();
}

void TableRowsModel::revertAll()
{
    while (!m_edits.isEmpty())
        dropEdits(m_edits.firstKey());
}

bool TableRowsModel::deleteRow(int row)
{
    QSqlQuery remove(Database::connection());
    remove.prepare(QStringLiteral("DELETE FROM %1 WHERE %2 = ?").arg(quotedTable(), keyField()));
    remove.addBindValue(key(row));
    if (!remove.exec()) {
        m_lastError = remove.lastError();
        return false;
    }
    return reselect();
}

QVariant TableRowsModel::data(const QModelIndex& index, int role) const
{
    if (role == Qt::DisplayRole || role == Qt::EditRole) {
        const auto row = m_edits.constFind(key(index.row()));
        if (row != m_edits.constEnd() && row->contains(index.column()))
            return row->value(index.column());
    }
    return RecordListModel::data(index, role);
}

bool TableRowsModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::EditRole || !index.isValid())
        return false;
    // A cell given the value it shows stays as it is.
    const QVariant shown = data(index, role);
    if (value == shown && value.isNull() == shown.isNull())
        return true;
    m_edits[key(index.row())].insert(index.column(), value);
    emit dataChanged(index, index);
    return true;
}

Qt::ItemFlags TableRowsModel::flags(const QModelIndex& index) const
{
    const Qt::ItemFlags shown = RecordListModel::flags(index);
    return index.isValid() ? shown | Qt::ItemIsEditable : shown;
}

bool TableRowsModel::reselect()
{
    m_edits.clear();
    return readKeys(&m_lastError);
}

void TableRowsModel::dropEdits(qint64 key)
{
    m_edits.remove(key);
    rowChanged(rowOf(key));
}
