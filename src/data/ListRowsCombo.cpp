#include "data/ListRowsCombo.h"

#include "data/DataControl.h"

#include <QComboBox>
#include <QSignalBlocker>
#include <QSqlQueryModel>

namespace {

void fill(QComboBox* combo, RecordSet* rows, const QString& field)
{
    const QString shown = combo->currentText();
    const QSignalBlocker blocker(combo);
    combo->clear();
    const int column = rows->fieldIndex(field);
    if (rows->model() && column >= 0) {
        const int count = rows->recordCount();
        for (int row = 0; row < count; ++row)
            combo->addItem(rows->model()->index(row, column).data().toString());
    }
    // Clearing the items empties an editable combo's text; it still belongs to the record.
    ListRowsCombo::showText(combo, shown);
}

} // namespace

void ListRowsCombo::offerRows(QComboBox* combo, DataControl* list, const QString& field)
{
    RecordSet* rows = list->recordset();
    QObject::connect(rows, &RecordSet::rowsReloaded, combo,
                     [combo, rows, field] { fill(combo, rows, field); });
    fill(combo, rows, field);
}

void ListRowsCombo::showText(QComboBox* combo, const QString& text)
{
    const int item = text.isEmpty() ? -1 : combo->findText(text);
    combo->setCurrentIndex(item);
    if (item < 0)
        combo->setEditText(text);
}
