#pragma once

#include <QStyledItemDelegate>

class QComboBox;
class RecordSet;

// Carries values between a data control's bound controls and its record set for the widget
// mapper. Null shows as an empty text and an empty text is written as Null; a check box stands
// for the 0 / -1 of a Yes/No field; a key combo shows a row's text but carries that row's key
// (its items' data), which is what it writes.
class BoundControlDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    BoundControlDelegate(RecordSet* records, QObject* parent);

    static void markKeyCombo(QComboBox* combo);

    void showValue(QWidget* control, const QVariant& value) const;
    // What the control would write.
    QVariant controlValue(QWidget* control) const;
    // True when the control shows the value as it is.
    bool shows(QWidget* control, const QVariant& value) const;

    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;

private:
    RecordSet* m_records;
};
