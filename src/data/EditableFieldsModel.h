#pragma once

#include <QSqlRelationalTableModel>
#include <QStringList>

// A table model whose cells are edited only in the named fields. A link table shows the names of
// the rows it links (relations, left joined so that a link to nothing is still listed) beside its
// own text fields; the names are read only, and writes go to the link table alone.
class EditableFieldsModel : public QSqlRelationalTableModel
{
    Q_OBJECT

public:
    using QSqlRelationalTableModel::QSqlRelationalTableModel;

    // Every field is editable until this is called.
    void setEditableFields(const QStringList& fields) { m_editable = fields; }

    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    QStringList m_editable;
};
