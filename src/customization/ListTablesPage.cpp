#include "customization/ListTablesPage.h"

#include "customization/CustomizationMessages.h"
#include "data/ListFile.h"
#include "data/ListImport.h"
#include "data/RandomRecord.h"
#include "data/TableRowsModel.h"
#include "data/UserTables.h"
#include "shared/desktop/BusyPointer.h"
#include "shared/desktop/Desktop.h"
#include "shared/widgets/CodeKeyMessages.h"
#include "shared/widgets/ControlMakers.h"
#include "shared/widgets/FatalError.h"

#include <QAbstractItemDelegate>
#include <QComboBox>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSqlError>
#include <QSqlRecord>
#include <QTableView>
#include <QVBoxLayout>

using namespace ControlMakers;
using namespace CustomizationMessages;

namespace {

QStringList fileKinds()
{
    return {ListTablesPage::tr("Text files (*.txt)"), ListTablesPage::tr("CSV files (*.csv)")};
}

} // namespace

ListTablesPage::ListTablesPage(QWidget* parent) : QWidget(parent)
{
    m_tableName = named(new QComboBox(this), QStringLiteral("cboTableName"));
    m_tableName->setAccessibleName(tr("Table"));
    auto* label = named(new QLabel(tr("Table:"), this), QStringLiteral("lblTableName"));
    label->setBuddy(m_tableName);

    m_rows = new TableRowsModel(this);
    m_grid = named(new QTableView(this), QStringLiteral("grdCustom"));
    m_grid->setAccessibleName(tr("Table rows"));
    m_grid->setToolTip(tr("Enter new or edit existing items here."));
    m_grid->setModel(m_rows);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->horizontalHeader()->setStretchLastSection(true);
    m_grid->verticalHeader()->hide();
    m_grid->setTabKeyNavigation(false);
    m_grid->setVisible(false);

    m_newButton = button(QStringLiteral("cmdNew"), tr("&New"), {}, this);
    m_updateButton = button(QStringLiteral("cmdUpdate"), tr("&Update"), {}, this);
    m_deleteButton = button(QStringLiteral("cmdDelete"), tr("&Delete"), {}, this);
    m_sentenceButton = button(QStringLiteral("cmdSentence"), tr("Sentence Codes"), {}, this);
    m_nameButton = button(QStringLiteral("cmdName"), tr("Name Codes"), {}, this);
    m_importButton = button(QStringLiteral("cmdImport"), tr("Import…"),
                            tr("Add the words of a text or CSV file to this list"), this);
    m_exportButton = button(QStringLiteral("cmdExport"), tr("Export…"),
                            tr("Save this table as a text or CSV file"), this);

    auto* layout = new QVBoxLayout(this);
    auto* tableRow = new QHBoxLayout;
    tableRow->addWidget(label);
    tableRow->addWidget(m_tableName, 1);
    layout->addLayout(tableRow);
    layout->addWidget(m_grid, 1);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* rowButton :
         {m_newButton, m_updateButton, m_deleteButton, m_importButton, m_exportButton})
        buttons->addWidget(rowButton);
    buttons->addStretch();
    buttons->addWidget(m_sentenceButton);
    buttons->addWidget(m_nameButton);
    layout->addLayout(buttons);

    connect(m_tableName, &QComboBox::activated, this, &ListTablesPage::chooseTable);
    connect(m_newButton, &QPushButton::clicked, this, &ListTablesPage::newRow);
    connect(m_updateButton, &QPushButton::clicked, this, &ListTablesPage::saveRows);
    connect(m_deleteButton, &QPushButton::clicked, this, &ListTablesPage::deleteRow);
    connect(m_importButton, &QPushButton::clicked, this, &ListTablesPage::importList);
    connect(m_exportButton, &QPushButton::clicked, this, &ListTablesPage::exportList);
    connect(m_sentenceButton, &QPushButton::clicked, this, &showSentenceKey);
    connect(m_nameButton, &QPushButton::clicked, this, &showNameKey);
}

void ListTablesPage::load()
{
    StoreError error;
    const QStringList tables = UserTables::names(&error);
    if (error.isSet()) {
        reportFatalError(error);
        return;
    }
    m_tableName->clear();
    m_tableName->addItems(tables);
    m_tableName->setCurrentText(QStringLiteral("adverb"));
    refreshTableName(m_tableName->currentText());
    m_grid->setVisible(true);
}

void ListTablesPage::refreshTableName(const QString& table)
{
    m_newRow.clear();
    if (!m_rows->setTable(table)) {
        reportFatalError(
            StoreError::fromSql(m_rows->lastError(), QStringLiteral("refreshTableName")));
        return;
    }
    makeRowCurrent(0);
}

void ListTablesPage::chooseTable(int index)
{
    const QString table = m_tableName->itemText(index);
    if (table == m_rows->tableName())
        return;
    // What was typed into the table shown is saved first, or the user stays with it.
    if (!savePendingEdits()) {
        m_tableName->setCurrentText(m_rows->tableName());
        return;
    }
    refreshTableName(table);
}

void ListTablesPage::makeRowCurrent(int row)
{
    if (row < 0 || row >= m_rows->rowCount())
        return;
    const QModelIndex cell = m_rows->index(row, qMin(1, m_rows->columnCount() - 1));
    m_grid->setCurrentIndex(cell);
    m_grid->scrollTo(cell);
}

void ListTablesPage::commitTyping()
{
    // A shortcut leaves the focus in the cell being typed: its editor is still open.
    const QModelIndex cell = m_grid->currentIndex();
    QWidget* editor = m_grid->indexWidget(cell);
    if (!editor)
        return;
    QAbstractItemDelegate* delegate = m_grid->itemDelegateForIndex(cell);
    emit delegate->commitData(editor);
    emit delegate->closeEditor(editor);
}

bool ListTablesPage::savePendingEdits()
{
    commitTyping();
    return !m_rows->isDirty() || saveRows();
}

void ListTablesPage::newRow()
{
    if (!savePendingEdits())
        return;
    const BusyPointer busy;
    // Fields that must be filled take the current row's category, or the like.
    const int current = m_grid->currentIndex().row();
    StoreError error;
    const QVariant key = UserTables::addRow(
        m_rows->tableName(), current >= 0 ? m_rows->record(current) : QSqlRecord(), &error);
    if (error.isSet()) {
        tellRecoverable(error);
        return;
    }
    refreshTableName(m_rows->tableName());
    m_newRow.mark(key);
    makeRowCurrent(m_rows->rowCount() - 1);
    m_grid->setFocus();
}

int ListTablesPage::unsavedNewRow() const
{
    return m_newRow.isMarked() ? m_rows->rowOf(m_newRow.key().toLongLong()) : -1;
}

bool ListTablesPage::saveRows()
{
    commitTyping();
    const BusyPointer busy;
    if (m_rows->submitAll()) {
        m_newRow.clear();
        return true;
    }
    const StoreError error =
        StoreError::fromSql(m_rows->lastError(), QStringLiteral("cmdUpdate_Click"));
    if (error.number != EngineError::DuplicateValue) {
        tellRecoverable(error);
        return false;
    }
    tell(tr("A duplicate exists.  Please try again."), tr("Duplicate Item Exists"));
    // A stored row the user edited gets its stored values back.
    const int newRow = unsavedNewRow();
    bool newRowEdited = false;
    for (int column = 0; newRow >= 0 && column < m_rows->columnCount(); ++column)
        newRowEdited = newRowEdited || m_rows->isDirty(m_rows->index(newRow, column));
    m_rows->revertAll();
    StoreError failure;
    const auto rowCount = [this] {
        StoreError countError;
        return UserTables::rowCount(m_rows->tableName(), &countError);
    };
    const auto remove = [this, newRow](const QVariant&, StoreError* error) {
        if (m_rows->deleteRow(newRow))
            return true;
        *error = StoreError::fromSql(m_rows->lastError(), QStringLiteral("cmdUpdate_Click"));
        return false;
    };
    if (m_newRow.removeAfterDuplicate(newRowEdited ? m_newRow.key() : QVariant(), rowCount, remove,
                                      &failure)) {
        makeRowCurrent(m_rows->rowCount() - 1);
    } else if (failure.isSet()) {
        tellRecoverable(failure);
    }
    return false;
}

void ListTablesPage::deleteRow()
{
    // What was typed is saved (or refused) first, so that the delete is written on its own.
    if (!savePendingEdits())
        return;
    const int row = m_grid->currentIndex().row();
    const MessageAnswer answer =
        desktop().messageBox(tr("Are you sure that you wish to delete this item?"),
                             tr("Delete Item"), MessageIcon::None, MessageButtons::YesNo);
    if (answer != MessageAnswer::Yes || row < 0)
        return;
    BusyPointer busy;
    // A row with a value to draw may go while another such value stays, a blank row while
    // another row stays: a blank row never stands in for the last value.
    const QString table = m_rows->tableName();
    StoreError error;
    const qint64 left = RandomRecord::isDrawable(m_rows->index(row, 1).data())
                            ? RandomRecord::drawableCount(table, &error)
                            : UserTables::rowCount(table, &error);
    if (left < 0) {
        tellRecoverable(error);
        return;
    }
    if (left < 2) {
        busy.release();
        desktop().beep();
        tell(tr("You must leave at least one item in the table."));
        return;
    }
    if (!m_rows->deleteRow(row)) {
        tellRecoverable(
            StoreError::fromSql(m_rows->lastError(), QStringLiteral("cmdDelete_Click")));
        return;
    }
    if (unsavedNewRow() < 0)
        m_newRow.clear();
    makeRowCurrent(0);
}

void ListTablesPage::importList()
{
    const QString table = m_rows->tableName();
    if (QString why; !ListImport::isValueList(table, &why)) {
        tell(tr("Only a list of one value a row can be imported into: %1.  Please "
                "choose a word, name or pattern list.")
                 .arg(why),
             tr("Import"));
        return;
    }
    const QString path = desktop().askOpenFileName(tr("Import into %1").arg(table), fileKinds());
    if (path.isEmpty() || !savePendingEdits())
        return;
    QString problem;
    const auto file = ListFile::readValues(path, ListImport::fieldsWithoutKey(table), &problem);
    if (!file) {
        tell(tr("%1 cannot be imported: %2.  Nothing was changed.")
                 .arg(QFileInfo(path).fileName(), problem),
             tr("Import"));
        return;
    }
    BusyPointer busy;
    ListImport::Counts counts;
    StoreError error;
    if (!ListImport::addValues(table, file->rows, &counts, &error)) {
        tellRecoverable(error);
        return;
    }
    refreshTableName(table);
    busy.release();
    QString counted = tr("%1 added, %2 skipped (blank or already in the list).")
                          .arg(counts.added)
                          .arg(counts.skipped);
    if (!file->heading.isNull())
        counted +=
            tr("  The first line, \"%1\", was taken as the column heading.").arg(file->heading);
    tell(counted, tr("Import"));
}

void ListTablesPage::exportList()
{
    const QString table = m_rows->tableName();
    const QString path =
        desktop().askSaveFileName(tr("Export %1").arg(table), table + ".txt", fileKinds());
    if (path.isEmpty() || !savePendingEdits())
        return;
    BusyPointer busy;
    StoreError error;
    const QList<QStringList> rows = ListImport::rowsWithoutKey(table, &error);
    if (error.isSet()) {
        tellRecoverable(error);
        return;
    }
    QString problem;
    const bool written =
        ListFile::writeRows(path, ListImport::fieldsWithoutKey(table), rows, &problem);
    busy.release();
    if (!written)
        tell(tr("%1 could not be written: %2.").arg(QFileInfo(path).fileName(), problem),
             tr("Export"));
}
