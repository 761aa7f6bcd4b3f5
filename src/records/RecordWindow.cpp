#include "records/RecordWindow.h"

#include "data/Database.h"
#include "data/DataControl.h"
#include "shared/FatalError.h"
#include "shared/BusyPointer.h"
#include "shared/Desktop.h"
#include "shared/WindowServices.h"

#include <QCloseEvent>
#include <QScopedValueRollback>
#include <QSqlError>
#include <QSqlQuery>

RecordWindow::RecordWindow(const QString& windowName, const QString& caption, const QString& table,
                           const QString& noRecordText, const QString& noRecordTitle,
                           QWidget* parent)
    : ToolWindow(windowName, caption, parent), m_table(table), m_noRecordText(noRecordText),
      m_noRecordTitle(noRecordTitle)
{}

void RecordWindow::setRecordControl(DataControl* control)
{
    m_control = control;
    m_control->setMoveCheck([this] {
        if (m_control->hasUnsavedEdits())
            saveRecord();
        return true;
    });
}

QVariant RecordWindow::currentKey() const
{
    return m_control->recordset()->field(QStringLiteral("ID"));
}

void RecordWindow::saveRecord()
{
    setHourglass();
    RecordSet* records = m_control->recordset();
    StoreError error;
    const bool saved = records->edit(&error) && records->update(&error);
    if (saved || handleSaveError(error))
        resetPointer();
}

bool RecordWindow::handleSaveError(const StoreError& error)
{
    RecordSet* records = m_control->recordset();
    switch (error.number) {
    case EngineError::NoCurrentRecord:
        desktop().messageBox(m_noRecordText, m_noRecordTitle, MessageIcon::Information,
                             MessageButtons::Ok);
        return true;
    case EngineError::DuplicateValue: {
        const bool addedByNew = m_newRowKey.isValid() && currentKey() == m_newRowKey;
        desktop().messageBox(QStringLiteral("A duplicate exists.  Please try again."),
                             QStringLiteral("Duplicate Item Exists"), MessageIcon::Information,
                             MessageButtons::Ok);
        records->cancelUpdate();
        // The empty row New has just added goes again; a stored row keeps its saved values.
        if (addedByNew && records->recordCount() > 1) {
            StoreError ignored;
            records->deleteCurrent(&ignored);
            records->moveLast();
            m_newRowKey.clear();
            rowsChanged();
        }
        m_control->showCurrentRow();
        return true;
    }
    case EngineError::ActionCancelled:
        return true;
    default:
        reportFatalError(error);
        return false;
    }
}

void RecordWindow::newRecord(const std::function<void()>& generate, QWidget* focus)
{
    // One New at a time: a timer's New never runs inside one the user started.
    if (m_addingRecord)
        return;
    const QScopedValueRollback adding(m_addingRecord, true);
    // A new row clears the controls, so what the user typed into them is saved first.
    m_control->mayLeaveRow();
    setHourglass();
    RecordSet* records = m_control->recordset();
    StoreError error;
    if (!records->addNew(&error) || !records->update(&error)) {
        records->cancelUpdate();
        if (error.number != EngineError::NoCurrentRecord &&
            error.number != EngineError::ActionCancelled) {
            reportFatalError(error);
            return;
        }
        resetPointer();
        return;
    }
    records->moveLast();
    m_newRowKey = currentKey();
    rowsChanged();
    generate();
    saveRecord();
    // Only New's own save may remove the row again; later saves keep it whatever happens.
    m_newRowKey.clear();
    if (focus)
        showAndFocus(focus);
    resetPointer();
}

void RecordWindow::deleteRecord()
{
    // The row asked about is the row deleted, whatever becomes current while the user reads.
    const QVariant key = m_control->recordset()->hasCurrentRow() ? currentKey() : QVariant();
    const MessageAnswer answer = desktop().messageBox(
        QStringLiteral("Are you sure you wish to delete this record?"),
        QStringLiteral("Delete this Record."), MessageIcon::None, MessageButtons::YesNo);
    if (answer != MessageAnswer::Yes)
        return;
    if (!key.isValid()) {
        desktop().messageBox(QStringLiteral("You must have a record to delete."),
                             QStringLiteral("No record to delete."), MessageIcon::Information,
                             MessageButtons::Ok);
        return;
    }
    setHourglass();
    QSqlQuery statement(Database::connection());
    statement.prepare(
        QStringLiteral("DELETE FROM %1 WHERE ID = ?").arg(Database::quoteIdentifier(m_table)));
    statement.addBindValue(key);
    StoreError error;
    if (!statement.exec()) {
        reportFatalError(StoreError::fromSql(statement.lastError(), QStringLiteral("cmdDelete")));
        return;
    }
    if (!m_control->refresh(&error)) {
        reportFatalError(error);
        return;
    }
    rowsChanged();
    resetPointer();
}

void RecordWindow::closeEvent(QCloseEvent* event)
{
    if (m_control && m_control->recordset()->hasCurrentRow() && m_control->hasUnsavedEdits())
        saveRecord();
    ToolWindow::closeEvent(event);
}
