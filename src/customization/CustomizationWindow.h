#pragma once

#include "data/NewRowMark.h"
#include "data/StoreError.h"
#include "shared/widgets/ToolWindow.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QSqlTableModel;
class QTableView;
class QTabWidget;
class SpinButton;

// The user's own lists and settings: any table of the database in an editable grid, and the
// settings row (toolbar, timer interval, personal message, start window).
class CustomizationWindow : public ToolWindow
{
    Q_OBJECT

public:
    explicit CustomizationWindow(QWidget* parent = nullptr);

    void load() override;
    void activate() override;

private:
    QWidget* createDatabasePage();
    QWidget* createApplicationPage();

    void setCustomTable();
    void refreshTableName(const QString& table);
    void chooseTable(int index);
    // Hands the text of a cell being typed to the grid, as leaving the cell would.
    void commitTyping();
    void newRow();
    // Saves what was typed into the grid; false when it could not be saved.
    bool saveRows();
    // Takes the cell being typed and saves what the grid holds unsaved; false when refused.
    bool savePendingEdits();
    void deleteRow();
    // The grid row of the row New made and nobody has saved since, or -1.
    int unsavedNewRow() const;
    void makeRowCurrent(int row);
    // Adds the values of a text or CSV file to the chosen list table.
    void importList();
    // Writes the chosen table to a text or CSV file.
    void exportList();

    void setApplicationCustomization();
    void saveCustomization();
    void chooseStartWindow(int number);
    // The spin button changes the interval shown only; the run takes it at Update.
    void spinUp();
    void spinDown();
    void showInterval(int seconds);

    // Tells a failure the user can mend and gives true; any other ends the program.
    static bool tellRecoverable(const StoreError& error);
    void closeEvent(QCloseEvent* event) override;

    QTabWidget* m_tabs = nullptr;
    QComboBox* m_tableName = nullptr;
    QTableView* m_grid = nullptr;
    QSqlTableModel* m_rows = nullptr;
    NewRowMark m_newRow;
    QPushButton* m_newButton = nullptr;
    QPushButton* m_updateButton = nullptr;
    QPushButton* m_deleteButton = nullptr;
    QPushButton* m_sentenceButton = nullptr;
    QPushButton* m_nameButton = nullptr;
    QPushButton* m_importButton = nullptr;
    QPushButton* m_exportButton = nullptr;

    QCheckBox* m_toolBar = nullptr;
    QLineEdit* m_timerInterval = nullptr;
    SpinButton* m_spin = nullptr;
    QLineEdit* m_reminder = nullptr;
    QButtonGroup* m_startOptions = nullptr;
    // The start window chosen here; the run and the row take it at Update.
    int m_startWindow = -1;
    QPushButton* m_updateApplicationButton = nullptr;
    QPushButton* m_closeButton = nullptr;
};
