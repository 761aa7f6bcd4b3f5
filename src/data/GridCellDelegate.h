#pragma once

#include <QStyledItemDelegate>

class DataGrid;

// Edits a grid cell as plain text (SQLite keeps whatever it is given, so a spin box for an
// integer field would only get in the way) and hands the edit to the grid's record set as a
// pending change of its current row; an emptied cell becomes Null.
class GridCellDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    explicit GridCellDelegate(DataGrid* grid);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;

private:
    DataGrid* m_grid;
};
