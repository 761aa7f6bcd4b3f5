#include "data/DataGrid.h"

#include "data/DataControl.h"
#include "data/GridCellDelegate.h"

#include <QHeaderView>
#include <QSqlQueryModel>
#include <QTimer>

namespace {
const char* const DefaultName = QT_TR_NOOP("Records");
}

DataGrid::DataGrid(const QString& objectName, QWidget* parent) : QTableView(parent)
{
    setObjectName(objectName);
    setAccessibleName(tr(DefaultName));
    setSelectionBehavior(SelectRows);
    setSelectionMode(SingleSelection);
    setItemDelegate(new GridCellDelegate(this));
    setEditable(false);
}

void DataGrid::setDataControl(DataControl* control, const QStringList& columns)
{
    if (m_control)
        disconnect(m_control->recordset(), nullptr, this, nullptr);
    m_control = control;
    m_columns = columns;
    if (!control)
        return;
    if (accessibleName() == tr(DefaultName) && !control->caption().isEmpty())
        setAccessibleName(control->caption());
    connect(control->recordset(), &RecordSet::rowsReloaded, this, &DataGrid::attachModel);
    connect(control->recordset(), &RecordSet::currentRowChanged, this, &DataGrid::selectCurrentRow);
    attachModel();
}

void DataGrid::setEditable(bool editable)
{
    m_editable = editable;
    setEditTriggers(editable
                        ? QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                              QAbstractItemView::AnyKeyPressed
                        : QAbstractItemView::NoEditTriggers);
}

DataControl* DataGrid::dataControl() const
{
    return m_control;
}

void DataGrid::currentChanged(const QModelIndex& current, const QModelIndex& previous)
{
    // The base class commits an open cell editor into the row being left first.
    QTableView::currentChanged(current, previous);
    if (m_selecting || !m_control || !current.isValid())
        return;
    RecordSet* records = m_control->recordset();
    const int row = current.row();
    if (row == records->currentModelRow())
        return;
    const bool pendingCells = m_editable && records->editMode() != RecordSet::EditMode::None;
    if (pendingCells || m_control->hasUnsavedEdits()) {
        // Writing reads the rows again, which must not happen inside the selection change.
        QTimer::singleShot(0, this, [this, row] { writeAndMoveTo(row); });
        return;
    }
    records->setAbsolutePosition(row, nullptr);
}

void DataGrid::attachModel()
{
    QSqlQueryModel* model = m_control ? m_control->recordset()->model() : nullptr;
    if (model != this->model()) {
        QItemSelectionModel* oldSelection = selectionModel();
        setModel(model);
        delete oldSelection;
    }
    showColumns();
    selectCurrentRow(m_control ? m_control->recordset()->currentModelRow() : -1);
}

void DataGrid::showColumns()
{
    if (!model() || !m_control)
        return;
    RecordSet* records = m_control->recordset();
    for (int column = 0; column < model()->columnCount(); ++column) {
        setColumnHidden(column,
                        !m_columns.isEmpty() &&
                            !m_columns.contains(records->fieldName(column), Qt::CaseInsensitive));
    }
    // The named columns come first, in the order given.
    for (int place = 0; place < m_columns.size(); ++place) {
        const int column = records->fieldIndex(m_columns[place]);
        if (column >= 0)
            horizontalHeader()->moveSection(horizontalHeader()->visualIndex(column), place);
    }
}

void DataGrid::selectCurrentRow(int row)
{
    if (!selectionModel())
        return;
    m_selecting = true;
    if (row < 0) {
        selectionModel()->clear();
    } else {
        int column = 0;
        while (column < model()->columnCount() - 1 && isColumnHidden(column))
            ++column;
        const QModelIndex index = model()->index(row, column);
        selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect |
                                                     QItemSelectionModel::Rows);
        scrollTo(index);
    }
    m_selecting = false;
}

void DataGrid::writeAndMoveTo(int row)
{
    if (!m_control)
        return;
    RecordSet* records = m_control->recordset();
    StoreError error;
    if (records->editMode() != RecordSet::EditMode::None && !records->update(&error)) {
        selectCurrentRow(records->currentModelRow());
        emit writeFailed(error);
        return;
    }
    // The window may save edits made in its bound controls, or keep the row.
    if (!m_control->mayLeaveRow()) {
        selectCurrentRow(records->currentModelRow());
        return;
    }
    records->setAbsolutePosition(row, nullptr);
}
