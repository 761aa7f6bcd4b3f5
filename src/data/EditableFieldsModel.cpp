#include "data/EditableFieldsModel.h"

#include <QSqlRecord>

Qt::ItemFlags EditableFieldsModel::flags(const QModelIndex& index) const
{
    const Qt::ItemFlags base = QSqlRelationalTableModel::flags(index);
    if (m_editable.isEmpty() ||
        m_editable.contains(record().fieldName(index.column()), Qt::CaseInsensitive))
        return base;
    return base & ~Qt::ItemIsEditable;
}
