#pragma once

#include "data/StoreError.h"

#include <QAbstractTableModel>
#include <QHash>
#include <QList>
#include <QStringList>
#include <QVariant>

class QSqlError;

// The rows of a record table in key order, read only, for a grid and a record navigator.
//
// QSqlTableModel reaches row n of an SQLite table only by reading and keeping every row before
// it, so a navigator's "last" over a large table would read it whole. This model reads the keys
// of the rows at once and their fields a page at a time, so any row is shown at once and only
// the pages looked at are kept. TableRowsModel builds on it to edit any table.
class RecordListModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    // The rows of table that meet filter (an SQL condition, may be empty), showing the given
    // fields as columns; the key field is ID.
    RecordListModel(const QString& table, const QString& filter, const QStringList& fields,
                    QObject* parent = nullptr);

    // Reads the keys again; the rows are new.
    bool select(StoreError* error);
    // The row's fields changed in the table: they are read again when next shown.
    void rowChanged(int row);

    qint64 key(int row) const { return m_keys.value(row, -1); }
    // The row of a key, or -1.
    int rowOf(qint64 key) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

protected:
    // A model whose table is given later, by setSource.
    explicit RecordListModel(QObject* parent) : QAbstractTableModel(parent) {}
    // Shows the given fields of table's rows, by the whole-number keyField; no rows until read.
    void setSource(const QString& table, const QString& keyField, const QStringList& fields);
    // Reads the keys again (the rows are new); false with the error after a failure.
    bool readKeys(QSqlError* error);
    const QStringList& fields() const { return m_fields; }
    const QString& quotedTable() const { return m_table; }
    const QString& keyField() const { return m_keyField; }

private:
    bool readPage(int row) const;

    QString m_table;
    QString m_keyField = QStringLiteral("ID");
    QString m_filter;
    QStringList m_fields;
    QList<qint64> m_keys;
    mutable QHash<qint64, QVariantList> m_values; // the fields of the rows read, by key
};
