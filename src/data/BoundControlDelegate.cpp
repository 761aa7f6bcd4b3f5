#include "data/BoundControlDelegate.h"

#include "data/FieldValue.h"
#include "data/RecordSet.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace {

const char* const KeyComboProperty = "quillaneKeyCombo";

// Yes/No fields hold -1 for yes.
const int Yes = -1;
const int No = 0;

bool isKeyCombo(const QComboBox* combo)
{
    return combo->property(KeyComboProperty).toBool();
}

bool isYes(const QVariant& value)
{
    return !value.isNull() && value.toInt() != No;
}

int findKey(const QComboBox* combo, const QVariant& key)
{
    if (key.isNull())
        return -1;
    for (int i = 0; i < combo->count(); ++i) {
        if (FieldValue::same(combo->itemData(i), key))
            return i;
    }
    return -1;
}

// The item of a text combo that shows the value, or -1. An editable combo shows the value as it
// is stored: an item differing in case would change the value merely by showing it.
int findText(const QComboBox* combo, const QVariant& value)
{
    const QString text = value.toString();
    if (text.isEmpty())
        return -1;
    return combo->isEditable() ? combo->findText(text)
                               : combo->findText(text, Qt::MatchFixedString);
}

// The item a key combo has chosen; a typed text picks the item it names.
int chosenItem(const QComboBox* combo)
{
    const int current = combo->currentIndex();
    if (!combo->isEditable() || (current >= 0 && combo->itemText(current) == combo->currentText()))
        return current;
    return combo->findText(combo->currentText(), Qt::MatchFixedString);
}

} // namespace

BoundControlDelegate::BoundControlDelegate(RecordSet* records, QObject* parent)
    : QStyledItemDelegate(parent), m_records(records)
{}

void BoundControlDelegate::markKeyCombo(QComboBox* combo)
{
    combo->setProperty(KeyComboProperty, true);
}

void BoundControlDelegate::showValue(QWidget* control, const QVariant& value) const
{
    if (auto* line = qobject_cast<QLineEdit*>(control)) {
        line->setText(value.toString());
        line->setCursorPosition(0); // a long value shows its beginning
        line->setModified(false);
    } else if (auto* text = qobject_cast<QPlainTextEdit*>(control)) {
        text->setPlainText(value.toString());
    } else if (auto* check = qobject_cast<QCheckBox*>(control)) {
        check->setChecked(isYes(value));
    } else if (auto* combo = qobject_cast<QComboBox*>(control)) {
        if (isKeyCombo(combo)) {
            combo->setCurrentIndex(findKey(combo, value));
            return;
        }
        const int item = findText(combo, value);
        if (combo->isEditable() && item < 0)
            combo->setEditText(value.toString());
        else
            combo->setCurrentIndex(item);
    }
}

QVariant BoundControlDelegate::controlValue(QWidget* control) const
{
    if (auto* line = qobject_cast<QLineEdit*>(control))
        return FieldValue::fromText(line->text());
    if (auto* text = qobject_cast<QPlainTextEdit*>(control))
        return FieldValue::fromText(text->toPlainText());
    if (auto* check = qobject_cast<QCheckBox*>(control))
        return check->isChecked() ? Yes : No;
    if (auto* combo = qobject_cast<QComboBox*>(control)) {
        if (!isKeyCombo(combo))
            return FieldValue::fromText(combo->currentText());
        const int item = chosenItem(combo);
        return item >= 0 ? combo->itemData(item) : QVariant();
    }
    return {};
}

bool BoundControlDelegate::shows(QWidget* control, const QVariant& value) const
{
    if (auto* check = qobject_cast<QCheckBox*>(control))
        return check->isChecked() == isYes(value);
    if (auto* combo = qobject_cast<QComboBox*>(control)) {
        if (isKeyCombo(combo))
            return chosenItem(combo) == findKey(combo, value);
        // A fixed list that lacks the stored value shows no item; that must not write Null.
        if (!combo->isEditable())
            return combo->currentIndex() == findText(combo, value);
    }
    return FieldValue::same(controlValue(control), value);
}

void BoundControlDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    showValue(editor, index.isValid() ? index.data(Qt::EditRole) : QVariant());
}

void BoundControlDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                        const QModelIndex& index) const
{
    Q_UNUSED(model);
    // Unchanged controls write nothing, so a new row keeps its defaults.
    if (shows(editor, index.data(Qt::EditRole)))
        return;
    m_records->setField(index.column(), controlValue(editor), nullptr);
}
