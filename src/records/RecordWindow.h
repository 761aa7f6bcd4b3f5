#pragma once

#include "data/NewRowMark.h"
#include "data/RecordTable.h"
#include "data/StoryLinks.h"
#include "shared/widgets/ToolWindow.h"

#include <QCoreApplication>
#include <QStringList>

#include <functional>

class AppearsInBar;
class QCheckBox;
class QDataWidgetMapper;
class QSqlTableModel;
class QTableView;
class QTimer;
class RecordListModel;
class RecordNavigator;
struct StoreError;

// A window that keeps the records of one table: a navigator and a grid over the table's shown
// rows, and controls bound to the fields of the current row, which it saves, adds and deletes
// with the messages every record window shares.
//
// Edits typed into the bound controls are never dropped unnoticed: moving to another row,
// adding one and closing the window (also when the program ends) save them first, as Update
// would.
class RecordWindow : public ToolWindow
{
    Q_OBJECT

public:
    struct Setup
    {
        QString table;
        QStringList gridFields; // the grid's columns, in order
        QString navigatorName;  // "dta..."
        QString navigatorCaption;
        QString gridName;
        // What tells the user to start with New when there is no row to save (empty: nothing).
        QString noRecordText;
        QString noRecordTitle;
        // The rows shown: an SQL condition, empty for all.
        QString rowFilter = QStringLiteral("visible <> -1");
        // What Delete asks, and what it says when there is no row.
        QString deleteQuestion = QCoreApplication::translate(
            "RecordWindow", "Are you sure you wish to delete this record?");
        QString deleteTitle = QCoreApplication::translate("RecordWindow", "Delete this Record.");
        QString nothingToDelete =
            QCoreApplication::translate("RecordWindow", "You must have a record to delete.");
        // Rows of other tables, but for the links to stories, that go with a deleted record.
        QList<RecordTable::Link> otherLinks = {};
    };

    // Tells the user that a save would duplicate a stored record; the focus goes to the field
    // given, else back where it was.
    static void tellDuplicate(QWidget* field = nullptr);
    // The box of the field that names the record, or null.
    QWidget* nameBox() const;

    // Saves the current row from the bound controls. A missing row, a duplicate and a
    // cancelled save are told to the user; any other failure is fatal.
    void saveRecord();
    // Adds an empty row, saves it, fills it with generate() and saves it again, then puts the
    // focus on the given control.
    void newRecord(const std::function<void()>& generate, QWidget* focus);
    // Deletes the current row after asking, and shows the first row again.
    void deleteRecord();

    // Arranges the window under the busy pointer.
    void activate() override;
    // Moves to the row of the key, saving the edits first as any move does.
    bool showRecord(qint64 key) override;

protected:
    RecordWindow(const QString& windowName, const QString& caption, const Setup& setup,
                 QWidget* parent = nullptr);

    RecordNavigator* navigator() const { return m_navigator; }
    // The navigator, with the stories of the current record beside it where its table's
    // records are linked to stories, and the given control last; made on the first call, for the
    // window's layout.
    QWidget* navigatorBar(QWidget* beside = nullptr);
    QTableView* grid() const { return m_grid; }
    // Shows a field of the current row in the control, which writes it back when saved.
    void bindField(QWidget* control, const QString& field);
    int recordCount() const;
    // The key of the current row, or -1.
    qint64 currentKey() const;
    // Update saves, Delete deletes and Close closes, as in every record window.
    void connectRecordButtons(QAbstractButton* update, QAbstractButton* remove,
                              QAbstractButton* close);
    // Runs the timer exactly while its box is not unchecked (from now on); each tick adds a
    // record as New does, without a question.
    void connectNewRecordTimer(QTimer* timer, QCheckBox* box, const std::function<void()>& add);
    // Saves what was typed into the bound controls since the row was shown, if anything; false
    // when the database refused it and the edits are still on screen.
    virtual bool saveEdits();
    // Deletes the row of the key from the table, with its links, and reads the rows
    // again, the first current.
    virtual bool removeRecord(qint64 key, StoreError* error);
    // Runs after rows were added or deleted, for windows whose buttons follow the row count.
    virtual void rowsChanged() {}
    // Runs whenever a row is shown as current (key -1 for none), also the same row again.
    virtual void recordShown(qint64 key) { Q_UNUSED(key) }
    // Shows the current row as stored after a write from elsewhere (a line kept from a results
    // list); a window that keeps a history of its rolls makes it a step Undo takes back.
    virtual void showWrittenElsewhere(const std::function<void()>& show) { show(); }
    // The controls bound to fields, in the order they were bound.
    const QList<QWidget*>& boundControls() const { return m_bound; }

    void closeEvent(QCloseEvent* event) override;

private:
    // Rows of the table written from outside the window (a kept line) are shown as stored.
    void followWritesElsewhere(const QString& table);
    // Reads the rows again and shows the row of the key, or the first row.
    bool reloadRows(qint64 key, StoreError* error);
    // Deletes the row of the key from the table and reads the rows again.
    bool removeRow(qint64 key, StoreError* error);
    void moveTo(int row);
    void showRow(int row);
    // Saves the bound controls' edits into the current row, which must still be stored.
    StoreError submitEdits();
    // Handles a failed save; false when the failure was fatal.
    bool handleSaveError(const StoreError& error);
    // The current row was deleted elsewhere: offers to keep what was typed as a new row.
    bool offerToSaveAsNew();

    RecordTable m_table;
    QString m_noRecordText;
    QString m_noRecordTitle;
    QString m_deleteQuestion;
    QString m_deleteTitle;
    QString m_nothingToDelete;
    RecordListModel* m_rows;
    QSqlTableModel* m_record; // the current row alone
    QDataWidgetMapper* m_mapper;
    QList<QWidget*> m_bound;
    RecordNavigator* m_navigator;
    std::optional<StoryLinks::Kind> m_storyLinks; // none where records are not linked to stories
    QList<RecordTable::Link> m_otherLinks;
    AppearsInBar* m_appearsIn = nullptr;
    QTableView* m_grid;
    int m_row = -1;
    NewRowMark m_newRow;
    bool m_addingRecord = false;
    bool m_selecting = false;
};
