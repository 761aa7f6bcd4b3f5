#include "records/BoundFieldDelegate.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>

QString BoundFieldDelegate::shownText(const QWidget* editor)
{
    if (auto* line = qobject_cast<const QLineEdit*>(editor))
        return line->text();
    if (auto* text = qobject_cast<const QPlainTextEdit*>(editor))
        return text->toPlainText();
    if (auto* combo = qobject_cast<const QComboBox*>(editor))
        return combo->currentText();
    return {};
}

void BoundFieldDelegate::showValue(QWidget* editor, const QVariant& value)
{
    const QString text = value.toString();
    if (auto* line = qobject_cast<QLineEdit*>(editor)) {
        line->setText(text);
        line->setCursorPosition(0); // a long value shows its beginning
    } else if (auto* plain = qobject_cast<QPlainTextEdit*>(editor)) {
        plain->setPlainText(text);
    } else if (auto* combo = qobject_cast<QComboBox*>(editor)) {
        if (combo->isEditable())
            combo->setEditText(text);
        else
            combo->setCurrentIndex(combo->findText(text));
    }
}

void BoundFieldDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    showValue(editor, index.data(Qt::EditRole));
}

void BoundFieldDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                      const QModelIndex& index) const
{
    const QString text = shownText(editor);
    if (text == index.data(Qt::EditRole).toString())
        return;
    model->setData(index, text.isEmpty() ? QVariant() : QVariant(text));
}
