#pragma once

#include "data/StoreError.h"

#include <QObject>
#include <QSqlRecord>
#include <QString>
#include <QVariant>

class QSqlQueryModel;

// A set of rows read from a record source, with a current row, as the record windows use it.
//
// The source is a table name (brackets allowed: "[Plot Profile]"), a stored query (a view, or an
// entry of MSysQueries, whose parameters are given with setParameter) or an SQL SELECT. A table, or
// "select * from <table>" with optional where and order by clauses, gives an updatable set;
// anything else is read only, and changing it, like an update with nothing pending, fails with
// EngineError::ActionCancelled.
//
// Positions count from 0. Before the first row is "BOF", after the last "EOF"; at either end
// there is no current row, and reading or changing the current row fails with
// EngineError::NoCurrentRecord. A duplicate value on update fails with
// EngineError::DuplicateValue and leaves the change pending, so the caller may cancel it.
//
// Other refusals: 3001 for a position outside the set, 3020 for setting a field with nothing
// pending, 3078 for a source that names nothing, 3265 for an unknown field; SQL failures keep
// the numbers StoreError::fromSql gives them.
//
// A pending new row or change belongs to the current row: moving to another row, requerying or
// starting another one abandons it. While a new row is pending it is the current row (shown at
// the end of the model) but has no absolute position.
class RecordSet : public QObject
{
    Q_OBJECT

public:
    enum class EditMode { None, Editing, Adding };

    explicit RecordSet(QObject* parent = nullptr);
    ~RecordSet() override;

    // Opens the source; the first row becomes current (EOF when there is none).
    bool open(const QString& source, StoreError* error);
    // Runs the source again; the first row becomes current.
    bool requery(StoreError* error);
    // A value for a named parameter of a stored query (":CATEGORY" is named "CATEGORY"), used
    // from the next open or requery on.
    void setParameter(const QString& name, const QVariant& value);
    QString source() const;
    bool isOpen() const;
    bool isUpdatable() const;

    // The number of rows; reads the whole set first, so the count is complete.
    int recordCount();
    bool isBof() const;
    bool isEof() const;
    // False at either end, and after a delete until the next move.
    bool hasCurrentRow() const;
    // The current row's position, or -1 when there is none.
    int absolutePosition() const;
    bool setAbsolutePosition(int position, StoreError* error);
    void moveFirst();
    void moveLast();
    void moveNext();
    void movePrevious();

    // Starts a new row; its fields are set with setField and written by update.
    bool addNew(StoreError* error);
    // Starts changing the current row; nothing happens when a change is already pending.
    bool edit(StoreError* error);
    // Writes the pending new row or change. After writing a new row, that row is current.
    bool update(StoreError* error);
    // Abandons the pending new row or change.
    void cancelUpdate();
    // Deletes the current row; afterwards there is no current row until the next move, which
    // goes from the deleted row's place. A pending new row is abandoned instead.
    bool deleteCurrent(StoreError* error);
    EditMode editMode() const;

    int fieldCount() const;
    QString fieldName(int position) const;
    // The position of a field, compared without regard to case; -1 when there is none.
    int fieldIndex(const QString& name) const;
    // The field of the current row (with a pending change, the changed value).
    QVariant field(const QString& name, StoreError* error = nullptr) const;
    QVariant field(int position, StoreError* error = nullptr) const;
    // Sets a field of the pending new row or change.
    bool setField(const QString& name, const QVariant& value, StoreError* error);
    bool setField(int position, const QVariant& value, StoreError* error);

    // The model behind the set, for grids and widget mappers. Its rows are the set's rows.
    QSqlQueryModel* model() const;
    // The model row of the current row, or -1.
    int currentModelRow() const;

signals:
    // The rows were read again (open, requery, or after a write): the model may be another one
    // and its rows are new. Emitted before currentRowChanged.
    void rowsReloaded();
    // The current row moved (also after a requery); row is -1 when there is none.
    void currentRowChanged(int row);
    // Emitted by update before the pending row is written, so bound controls can write into it.
    void aboutToWrite();

private:
    class Private;
    Private* d;
};
