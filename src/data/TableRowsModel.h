#pragma once

#include "data/RecordListModel.h"

#include <QMap>
#include <QSqlError>
#include <QSqlRecord>

// Any table of the database in an editable grid, its rows in table order and every field a
// column. Rows are read as RecordListModel reads them, so the last row of a large table shows at
// once; what is typed into them is kept apart until submitAll writes it, as a manual-submit
// QSqlTableModel would.
class TableRowsModel : public RecordListModel
{
    Q_OBJECT

public:
    explicit TableRowsModel(QObject* parent = nullptr) : RecordListModel(parent) {}

    // Shows table and reads its rows; false after a failure (see lastError), what was typed is
    // dropped either way.
    bool setTable(const QString& table);
    const QString& tableName() const { return m_tableName; }
    // The fields of a row as shown, with their names.
    QSqlRecord record(int row) const;

    bool isDirty() const { return !m_edits.isEmpty(); }
    bool isDirty(const QModelIndex& index) const;
    // Writes what was typed, a row at a time in table order, and reads the rows again. At a
    // refusal the rows written stay written and the rest stay typed: false, see lastError.
    bool submitAll();
    // Drops what was typed; the rows show their stored values.
    void revertAll();
    // Deletes the row from the table and reads the rows again; false after a failure.
    bool deleteRow(int row);
    const QSqlError& lastError() const { return m_lastError; }

    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    using RecordListModel::select; // the rows are read with what was typed dropped
    bool reselect();
    // Forgets what was typed into the row of key and shows its stored values again.
    void dropEdits(qint64 key);

    QString m_tableName;
    QSqlRecord m_fields;                        // the table's fields, without values
    QMap<qint64, QHash<int, QVariant>> m_edits; // typed values by key, then column
    QSqlError m_lastError;
};
