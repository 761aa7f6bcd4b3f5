#include "records/RecordWindow.h"

#include "data/Database.h"
#include "data/RecordListModel.h"
#include "data/StoryLinks.h"
#include "data/TableNotices.h"
#include "records/AppearsInBar.h"
#include "records/BoundFieldDelegate.h"
#include "shared/desktop/BusyPointer.h"
#include "shared/desktop/Desktop.h"
#include "shared/desktop/TimerHold.h"
#include "shared/widgets/FatalError.h"
#include "shared/widgets/RecordNavigator.h"
#include "shared/widgets/WindowServices.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QDataWidgetMapper>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QSqlError>
#include <QSqlRecord>
#include <QSqlTableModel>
#include <QTableView>
#include <QTimer>

namespace {
// A save the database refused keeps what was typed on screen for another try.
RefusedWrite unsavedRecord()
{
    //: What the refused change was about, as in "Quillane could not save/add/delete …"
    return RefusedWrite::saving(RecordWindow::tr("this record"),
                                RecordWindow::tr("What you typed is still here"));
}
} // namespace

RecordWindow::RecordWindow(const QString& windowName, const QString& caption, const Setup& setup,
                           QWidget* parent)
    : ToolWindow(windowName, caption, parent), m_table(setup.table),
      m_noRecordText(setup.noRecordText), m_noRecordTitle(setup.noRecordTitle),
      m_deleteQuestion(setup.deleteQuestion), m_deleteTitle(setup.deleteTitle),
      m_nothingToDelete(setup.nothingToDelete),
      m_rows(new RecordListModel(setup.table, setup.rowFilter, setup.gridFields, this)),
      m_record(new QSqlTableModel(this, Database::connection())),
      m_mapper(new QDataWidgetMapper(this)),
      m_navigator(new RecordNavigator(setup.navigatorName, setup.navigatorCaption, this)),
      m_otherLinks(setup.otherLinks), m_grid(new QTableView(this))
{
    m_record->setTable(Database::quoteIdentifier(setup.table));
    m_record->setEditStrategy(QSqlTableModel::OnManualSubmit);
    m_mapper->setModel(m_record);
    m_mapper->setItemDelegate(new BoundFieldDelegate(m_mapper));
    m_mapper->setSubmitPolicy(QDataWidgetMapper::ManualSubmit);

    // Reading the rows again (as the character window does on every activation) keeps the
    // writer's place.
    m_navigator->setRefresh([this](StoreError* error) { return reloadRows(currentKey(), error); });
    connect(m_navigator, &RecordNavigator::moveRequested, this, &RecordWindow::moveTo);

    m_grid->setObjectName(setup.gridName);
    m_grid->setModel(m_rows);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Several rows at the window's first size; the grid grows with the window from there.
    constexpr int FirstRowsShown = 4;
    m_grid->setMinimumHeight(m_grid->horizontalHeader()->sizeHint().height() +
                             FirstRowsShown * m_grid->verticalHeader()->defaultSectionSize() +
                             m_grid->horizontalScrollBar()->sizeHint().height() +
                             2 * m_grid->frameWidth());
    connect(m_grid->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                if (!m_selecting && current.isValid())
                    moveTo(current.row());
            });

    followWritesElsewhere(setup.table);

    m_storyLinks = StoryLinks::forItemTable(setup.table);
    if (m_storyLinks) {
        m_appearsIn = new AppearsInBar(*m_storyLinks, this);
        addAction(m_appearsIn->addToStoryAction());
        setContextMenuPolicy(Qt::ActionsContextMenu);
        connect(m_appearsIn, &AppearsInBar::storyActivated, this,
                [this](qint64 story) { openWindowOn(QStringLiteral("frmStoryandStage"), story); });
    }
}

void RecordWindow::followWritesElsewhere(const QString& table)
{
    const auto isMine = [table](const QString& written) {
        return written.compare(table, Qt::CaseInsensitive) == 0;
    };
    // What was typed here is saved before the row is written, as a move to another row would.
    connect(&TableNotices::instance(), &TableNotices::aboutToWrite, this,
            [this, isMine](const QString& written) {
                if (isMine(written))
                    saveEdits();
            });
    // The window stays on its record and shows it as stored, unless edits the database refused
    // are still waiting on screen.
    connect(&TableNotices::instance(), &TableNotices::written, this,
            [this, isMine](const QString& written) {
                if (!isMine(written) || m_record->isDirty())
                    return;
                showWrittenElsewhere([this] {
                    StoreError error;
                    if (!reloadRows(currentKey(), &error))
                        reportFatalError(error);
                    rowsChanged();
                });
            });
}

QWidget* RecordWindow::navigatorBar(QWidget* beside)
{
    if (!m_appearsIn && !beside)
        return m_navigator;
    auto* bar = new QWidget(this);
    auto* layout = new QHBoxLayout(bar);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_navigator, 2);
    if (m_appearsIn)
        layout->addWidget(m_appearsIn, 3);
    if (beside)
        layout->addWidget(beside);
    return bar;
}

bool RecordWindow::showRecord(qint64 key)
{
    // As any move does, edits are saved first; then a record added since the rows were read is
    // read with them.
    if (!saveEdits())
        return false;
    StoreError error;
    if (m_rows->rowOf(key) < 0 && !reloadRows(currentKey(), &error)) {
        reportFatalError(error);
        return false;
    }
    const int row = m_rows->rowOf(key);
    if (row < 0)
        return false;
    moveTo(row);
    return m_row == row;
}

void RecordWindow::activate()
{
    const BusyPointer busy;
    // Stories renamed elsewhere since are shown by their new names.
    if (m_appearsIn)
        m_appearsIn->showItem(currentKey());
    ToolWindow::activate();
}

void RecordWindow::bindField(QWidget* control, const QString& field)
{
    // A file an older version made, opened read-only, may lack the field: nothing typed there
    // could be kept.
    const int column = m_record->fieldIndex(field);
    if (column < 0) {
        control->setEnabled(false);
        return;
    }
    m_mapper->addMapping(control, column);
    // Bound controls keep their own keys: the mapper's editor shortcuts (Escape reverts, Tab
    // commits) belong to item views, not to forms.
    control->removeEventFilter(m_mapper->itemDelegate());
    m_bound << control;
}

int RecordWindow::recordCount() const
{
    return m_rows->rowCount();
}

qint64 RecordWindow::currentKey() const
{
    return m_rows->key(m_row);
}

void RecordWindow::connectRecordButtons(QAbstractButton* update, QAbstractButton* remove,
                                        QAbstractButton* close)
{
    connect(update, &QAbstractButton::clicked, this, &RecordWindow::saveRecord);
    connect(remove, &QAbstractButton::clicked, this, &RecordWindow::deleteRecord);
    connect(close, &QAbstractButton::clicked, this, &RecordWindow::unload);
}

void RecordWindow::connectNewRecordTimer(QTimer* timer, QCheckBox* box,
                                         const std::function<void()>& add)
{
    const auto follow = [timer, box] {
        if (box->checkState() == Qt::Unchecked)
            timer->stop();
        else if (!timer->isActive())
            timer->start();
    };
    connect(box, &QCheckBox::stateChanged, this, follow);
    follow();
    TimerHold::connectTicks(timer, box, [add] {
        const BusyPointer busy;
        add();
    });
}

bool RecordWindow::reloadRows(qint64 key, StoreError* error)
{
    if (!m_rows->select(error))
        return false;
    // The row of the key again, or the first when it is gone.
    const int row = std::max(key >= 0 ? m_rows->rowOf(key) : 0, 0);
    showRow(row < recordCount() ? row : -1);
    return true;
}

bool RecordWindow::removeRow(qint64 key, StoreError* error)
{
    return m_table.remove(key, error) && reloadRows(-1, error);
}

bool RecordWindow::removeRecord(qint64 key, StoreError* error)
{
    // A record's links to stories and its other links go with it, in one step: left behind,
    // they would point at nothing.
    QList<RecordTable::Link> links = m_otherLinks;
    if (m_storyLinks)
        links.prepend({m_storyLinks->linkTable, m_storyLinks->itemField});
    if (links.isEmpty())
        return removeRow(key, error);
    return m_table.removeWithLinks(key, links, error) && reloadRows(-1, error);
}

void RecordWindow::moveTo(int row)
{
    if (row == m_row || row < 0 || row >= recordCount())
        return;
    // Edits the database refused stay on screen with their record.
    const qint64 target = m_rows->key(row);
    if (!saveEdits()) {
        const QScopedValueRollback selecting(m_selecting, true);
        m_grid->selectRow(m_row);
        return;
    }
    // Saving may have read the rows again (a row saved anew), moving the one asked for.
    const int now = m_rows->rowOf(target);
    showRow(now >= 0 ? now : std::min(row, recordCount() - 1));
}

void RecordWindow::showRow(int row)
{
    m_row = row;
    m_record->setFilter(QStringLiteral("ID = %1").arg(m_rows->key(row)));
    if (!m_record->select()) {
        reportFatalError(StoreError::fromSql(m_record->lastError(), QStringLiteral("showRow")));
        return;
    }
    if (m_record->rowCount() > 0) {
        m_mapper->toFirst();
    } else {
        for (QWidget* control : std::as_const(m_bound))
            BoundFieldDelegate::showValue(control, {});
    }
    const QScopedValueRollback selecting(m_selecting, true);
    if (row < 0)
        m_grid->clearSelection();
    else {
        m_grid->selectRow(row);
        m_grid->scrollTo(m_rows->index(row, 0));
    }
    m_navigator->showPosition(row, recordCount());
    if (m_appearsIn)
        m_appearsIn->showItem(m_rows->key(row));
    recordShown(m_rows->key(row));
}

bool RecordWindow::saveEdits()
{
    if (m_row < 0)
        return true;
    m_mapper->submit();
    if (m_record->isDirty())
        saveRecord();
    // A refused save keeps the edits; a saved or a reverted one leaves none.
    return !m_record->isDirty();
}

void RecordWindow::saveRecord()
{
    const BusyPointer busy;
    StoreError error{EngineError::NoCurrentRecord, QStringLiteral("saveRecord"), {}};
    if (m_row >= 0 && m_record->rowCount() > 0) {
        m_mapper->submit();
        error = submitEdits();
    }
    if (error.isSet())
        handleSaveError(error);
}

StoreError RecordWindow::submitEdits()
{
    const QString source = QStringLiteral("saveRecord");
    StoreError error;
    // An update of a row deleted since (by the Customization grid, another program) would change
    // nothing and pass for a save.
    if (!m_table.isStored(currentKey(), &error)) {
        if (!error.isSet())
            error = {EngineError::RecordDeleted, source, QStringLiteral("Record is deleted.")};
        return error;
    }
    if (!m_record->submitAll())
        return StoreError::fromSql(m_record->lastError(), source);
    m_mapper->toFirst();
    m_rows->rowChanged(m_row);
    return {};
}

bool RecordWindow::handleSaveError(const StoreError& error)
{
    switch (error.number) {
    case EngineError::NoCurrentRecord:
        if (!m_noRecordText.isEmpty())
            desktop().messageBox(m_noRecordText, m_noRecordTitle, MessageIcon::Information,
                                 MessageButtons::Ok);
        return true;
    case EngineError::DuplicateValue: {
        tellDuplicate(nameBox());
        m_record->revertAll();
        m_mapper->toFirst();
        StoreError failure;
        if (m_newRow.removeAfterDuplicate(
                currentKey(), [this] { return recordCount(); },
                [this](const QVariant& key, StoreError* error) {
                    return removeRow(key.toLongLong(), error);
                },
                &failure)) {
            showRow(recordCount() - 1);
            rowsChanged();
        } else if (failure.isSet()) {
            reportFatalError(failure);
            return false;
        }
        return true;
    }
    case EngineError::ActionCancelled:
        return true;
    case EngineError::RecordDeleted:
        return offerToSaveAsNew();
    default:
        if (tellRefusedWrite(error, unsavedRecord()))
            return true;
        reportFatalError(error);
        return false;
    }
}

bool RecordWindow::offerToSaveAsNew()
{
    const BusyPointer::Pause forQuestion;
    if (desktop().messageBox(tr("This record was deleted after it was shown here, so "
                                "what you typed was not saved. Save it as a new "
                                "record?"),
                             unsavedRecord().title, MessageIcon::Exclamation,
                             MessageButtons::YesNo) != MessageAnswer::Yes)
        return true; // the edits stay on screen, to be copied or saved later
    const BusyPointer busy;
    StoreError error;
    const qint64 key = m_table.insert(m_record->record(0), &error);
    if (key < 0) {
        // The edits stay on screen whatever the database said.
        if (error.number == EngineError::DuplicateValue) {
            tellDuplicate(nameBox());
            return true;
        }
        if (tellRefusedWrite(error, unsavedRecord()))
            return true;
        reportFatalError(error);
        return false;
    }
    if (!reloadRows(key, &error)) {
        reportFatalError(error);
        return false;
    }
    rowsChanged();
    return true;
}

QWidget* RecordWindow::nameBox() const
{
    // The record's name is what a duplicate repeats: "Name", "Plot Name", "Scene Name"...
    for (int column = 0; column < m_record->columnCount(); ++column)
        if (m_record->headerData(column, Qt::Horizontal).toString().endsWith(u"Name"))
            if (QWidget* box = m_mapper->mappedWidgetAt(column))
                return box;
    return nullptr;
}

void RecordWindow::tellDuplicate(QWidget* field)
{
    desktop().messageBox(tr("A duplicate exists.  Please try again."), tr("Duplicate Item Exists"),
                         MessageIcon::Information, MessageButtons::Ok, field);
}

void RecordWindow::newRecord(const std::function<void()>& generate, QWidget* focus)
{
    // One New at a time: a timer's New never runs inside one the user started.
    if (m_addingRecord)
        return;
    const QScopedValueRollback adding(m_addingRecord, true);
    // A new row clears the controls, so what the user typed into them is saved first.
    if (!saveEdits())
        return;
    const BusyPointer busy;
    StoreError error;
    const qint64 key = m_table.insertEmpty(&error);
    if (key >= 0 && reloadRows(key, &error)) {
        m_newRow.mark(currentKey());
        rowsChanged();
        generate();
        saveRecord();
        // Only New's own save may remove the row again; later saves keep it whatever happens.
        m_newRow.clear();
        if (focus)
            showAndFocus(focus);
        return;
    }
    if (error.number != EngineError::NoCurrentRecord &&
        error.number != EngineError::ActionCancelled) {
        //: What the refused change was about, as in "Quillane could not save/add/delete …"
        reportFailedWrite(error, RefusedWrite::adding(tr("a record")));
        return;
    }
}

void RecordWindow::deleteRecord()
{
    // The row asked about is the row deleted, whatever becomes current while the user reads.
    const qint64 key = m_rows->key(m_row);
    const MessageAnswer answer = desktop().messageBox(m_deleteQuestion, m_deleteTitle,
                                                      MessageIcon::None, MessageButtons::YesNo);
    if (answer != MessageAnswer::Yes)
        return;
    if (key < 0) {
        desktop().messageBox(m_nothingToDelete, tr("No record to delete."),
                             MessageIcon::Information, MessageButtons::Ok);
        return;
    }
    const BusyPointer busy;
    StoreError error;
    if (!removeRecord(key, &error)) {
        //: What the refused change was about, as in "Quillane could not save/add/delete …"
        reportFailedWrite(error,
                          RefusedWrite::deleting(tr("this record"), tr("It is still there")));
        return;
    }
    rowsChanged();
}

void RecordWindow::closeEvent(QCloseEvent* event)
{
    if (!saveEdits() && desktop().messageBox(tr("Close the window without saving what you typed?"),
                                             unsavedRecord().title, MessageIcon::Exclamation,
                                             MessageButtons::YesNo) != MessageAnswer::Yes) {
        event->ignore();
        return;
    }
    ToolWindow::closeEvent(event);
}
