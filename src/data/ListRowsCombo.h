#pragma once

#include <QString>

class DataControl;
class QComboBox;

// An editable combo box whose drop-down offers the rows of a list table while its text belongs
// to a record (it is bound to another data control). Refilling the list never changes the text.
namespace ListRowsCombo {

// Fills the drop-down with one field of the list's rows, now and whenever they are read again.
void offerRows(QComboBox* combo, DataControl* list, const QString& field);
// Shows the text, choosing the item that reads exactly so when there is one.
void showText(QComboBox* combo, const QString& text);

} // namespace ListRowsCombo
