#pragma once

#include "data/StoreError.h"

#include <QStringList>
#include <QTableView>

class DataControl;

// A grid showing the rows of a data control in the given columns (field names, which are also
// the headings); all fields when none are given. Choosing a row makes it the data control's
// current row, and moving the data control selects the row. An editable grid edits the cells in
// place; the edits are written by the record set's update, which the grid runs itself when the
// user leaves a row with a pending change (like a spreadsheet). A failed write keeps the row and
// its change, and is reported through writeFailed.
class DataGrid : public QTableView
{
    Q_OBJECT

public:
    explicit DataGrid(const QString& objectName, QWidget* parent = nullptr);

    void setDataControl(DataControl* control, const QStringList& columns = {});
    void setEditable(bool editable);
    bool isEditable() const { return m_editable; }
    DataControl* dataControl() const;

signals:
    void writeFailed(const StoreError& error);

protected:
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;

private:
    void attachModel();
    void showColumns();
    void selectCurrentRow(int row);
    void writeAndMoveTo(int row);

    DataControl* m_control = nullptr;
    QStringList m_columns;
    bool m_editable = false;
    bool m_selecting = false;
};
