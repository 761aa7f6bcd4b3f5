#pragma once

#include <QStyledItemDelegate>

// Carries a record's fields to and from the text boxes and combo boxes of a record window for
// its QDataWidgetMapper. A Null field shows as an empty text and an emptied control writes Null,
// so emptied fields never collide in a unique index; a control that still shows the field's
// value writes nothing, so a new row keeps its defaults. Editable combo boxes show the value as
// stored, whatever the case of their list's items.
class BoundFieldDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;

    // Shows a value in a bound control, as setEditorData does.
    static void showValue(QWidget* editor, const QVariant& value);
    // The text a bound control shows, as setModelData reads it.
    static QString shownText(const QWidget* editor);
};
