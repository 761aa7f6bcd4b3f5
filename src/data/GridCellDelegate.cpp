#include "data/GridCellDelegate.h"

#include "data/DataControl.h"
#include "data/DataGrid.h"
#include "data/FieldValue.h"

#include <QLineEdit>

GridCellDelegate::GridCellDelegate(DataGrid* grid) : QStyledItemDelegate(grid), m_grid(grid) {}

QWidget* GridCellDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                        const QModelIndex& index) const
{
    Q_UNUSED(option);
    Q_UNUSED(index);
    auto* editor = new QLineEdit(parent);
    editor->setFrame(false);
    return editor;
}

void GridCellDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    if (auto* line = qobject_cast<QLineEdit*>(editor))
        line->setText(index.data(Qt::EditRole).toString());
}

void GridCellDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                    const QModelIndex& index) const
{
    Q_UNUSED(model);
    auto* line = qobject_cast<QLineEdit*>(editor);
    DataControl* control = m_grid->dataControl();
    if (!line || !control)
        return;
    const QVariant value = FieldValue::fromText(line->text());
    // Opening and closing an editor without typing starts no change.
    if (FieldValue::same(value, index.data(Qt::EditRole)))
        return;
    RecordSet* records = control->recordset();
    if (index.row() != records->currentModelRow())
        return;
    StoreError error;
    if (records->edit(&error))
        records->setField(index.column(), value, &error);
}
