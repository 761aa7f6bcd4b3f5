#pragma once

#include "data/StoreError.h"

#include <QHash>
#include <QSqlQueryModel>
#include <QStringList>

// The links of one story to the items of one table (characters, plots or scenes), for a grid:
// the link's key, the item's fields, the link's own text (a note or a comment), the story and
// the item reference, in this order. A link whose item is not chosen yet is listed with empty
// item fields; a link whose item no longer exists is not.
//
// The link's own text and its item reference are changed in the model and written to the link
// table alone, on saveChanges(); the item's fields are read only.
//
// Not a QSqlRelationalTableModel: a relation shows one field of the item in place of its
// reference, where this grid shows several beside it, and its joins either drop the links whose
// item is not chosen yet or keep those whose item was deleted; this list wants neither.
class LinkListModel : public QSqlQueryModel
{
    Q_OBJECT

public:
    struct Setup
    {
        QString linkTable;
        QString keyField;
        QString itemField; // the link's reference to the item's ID
        QString itemTable;
        QStringList itemFields; // shown beside the link
        QString textField;      // the link's own text; may be empty
    };

    explicit LinkListModel(const Setup& setup, QObject* parent = nullptr);

    const Setup& setup() const { return m_setup; }

    // Lists the links of the story (none for a negative key); pending changes are dropped.
    bool select(qint64 storyKey, StoreError* error);
    qint64 storyKey() const { return m_story; }

    qint64 key(int row) const;
    // The item the row links to (after pending changes); null while none is chosen.
    QVariant itemKey(int row) const;
    int rowOf(qint64 key) const;
    // The column of the link's own text, when it has one.
    int textColumn() const { return int(m_setup.itemFields.size()) + 1; }
    int storyColumn() const { return textColumn() + (m_setup.textField.isEmpty() ? 0 : 1); }
    int itemColumn() const { return storyColumn() + 1; }

    // Stores a link of the story to no item yet; the key of the new link, or -1.
    qint64 addLink(StoreError* error);
    // Points the row's link at an item, pending until saved.
    void setItem(int row, qint64 itemKey);
    bool isDirty() const { return !m_pending.isEmpty(); }
    // Writes every pending change in one transaction: all of them or none.
    bool saveChanges(StoreError* error);
    void revertChanges();
    // Deletes every link of the row's item to the story (the row alone while no item is chosen).
    bool removeItemLinks(int row, StoreError* error);
    // Deletes one link by its key.
    bool removeLink(qint64 key, StoreError* error);
    // Lists the key and first shown field of every item of the item table, in key order, into
    // items, for choosing the item of a link.
    void listItems(QSqlQueryModel* items) const;

    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    // Tells the other lists of these links that they were written.
    void announce() const;
    QString quoted(const QString& field) const;

    Setup m_setup;
    qint64 m_story = -1;
    QHash<int, QHash<int, QVariant>> m_pending; // changed values by row and column
};
