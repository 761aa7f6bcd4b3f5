#pragma once

#include "data/NewRowMark.h"

#include <QWidget>

class QComboBox;
class QPushButton;
class QTableView;
class TableRowsModel;

// The customization window's page for the user's own lists: any table of the database in an
// editable grid, with rows added, saved, deleted, imported and exported.
class ListTablesPage : public QWidget
{
    Q_OBJECT

public:
    explicit ListTablesPage(QWidget* parent = nullptr);

    // Lists the user's tables and shows the first word list.
    void load();
    // Takes the cell being typed and saves what the grid holds unsaved; false when refused.
    bool savePendingEdits();

private:
    void refreshTableName(const QString& table);
    void chooseTable(int index);
    // Hands the text of a cell being typed to the grid, as leaving the cell would.
    void commitTyping();
    void newRow();
    // Saves what was typed into the grid; false when it could not be saved.
    bool saveRows();
    void deleteRow();
    // The grid row of the row New made and nobody has saved since, or -1.
    int unsavedNewRow() const;
    void makeRowCurrent(int row);
    // Adds the values of a text or CSV file to the chosen list table.
    void importList();
    // Writes the chosen table to a text or CSV file.
    void exportList();

    QComboBox* m_tableName = nullptr;
    QTableView* m_grid = nullptr;
    TableRowsModel* m_rows = nullptr;
    NewRowMark m_newRow;
    QPushButton* m_newButton = nullptr;
    QPushButton* m_updateButton = nullptr;
    QPushButton* m_deleteButton = nullptr;
    QPushButton* m_sentenceButton = nullptr;
    QPushButton* m_nameButton = nullptr;
    QPushButton* m_importButton = nullptr;
    QPushButton* m_exportButton = nullptr;
};
