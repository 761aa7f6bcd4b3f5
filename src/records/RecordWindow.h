#pragma once

#include "shared/ToolWindow.h"

#include <functional>

class DataControl;
struct StoreError;

// A window that keeps records of one table through a data control: it saves, adds and deletes
// the current row with the messages every record window shares.
//
// Edits typed into the bound controls are never dropped unnoticed: moving to another row or
// closing the window (also when the program ends) saves them first, as Update would.
class RecordWindow : public ToolWindow
{
    Q_OBJECT

public:
    // Saves the current row from the bound controls. A missing row, a duplicate and a
    // cancelled save are told to the user; any other failure is fatal.
    void saveRecord();
    // Adds an empty row, saves it, fills it with generate() and saves it again, then puts the
    // focus on the given control.
    void newRecord(const std::function<void()>& generate, QWidget* focus);
    // Deletes the current row after asking, and shows the first row again.
    void deleteRecord();

protected:
    // table is the table the rows are kept in; noRecord the message and title that tell the
    // user to start with New when there is no row to save.
    RecordWindow(const QString& windowName, const QString& caption, const QString& table,
                 const QString& noRecordText, const QString& noRecordTitle,
                 QWidget* parent = nullptr);

    // The data control carrying the window's rows; set once, when the window builds it.
    void setRecordControl(DataControl* control);
    DataControl* recordControl() const { return m_control; }
    // Runs after rows were added or deleted, for windows whose buttons follow the row count.
    virtual void rowsChanged() {}

    void closeEvent(QCloseEvent* event) override;

private:
    // Handles a failed save; false when the failure was fatal.
    bool handleSaveError(const StoreError& error);
    QVariant currentKey() const;

    QString m_table;
    QString m_noRecordText;
    QString m_noRecordTitle;
    DataControl* m_control = nullptr;
    QVariant m_newRowKey; // the row New has just added, which a duplicate may remove again
    bool m_addingRecord = false;
};
