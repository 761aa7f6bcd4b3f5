#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class QCheckBox;
class QHBoxLayout;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QWidget;

// Makers for the controls the tool windows share. Every control gets its name at birth: the
// shared routines find controls by name (lstResults, tmr...).
namespace ControlMakers {

template <typename Control> Control* named(Control* control, const QString& name)
{
    control->setObjectName(name);
    return control;
}

// A button that Enter in a text box never presses by accident.
QPushButton* button(const QString& name, const QString& caption, const QString& toolTip = {},
                    QWidget* parent = nullptr);
QCheckBox* checkBox(const QString& name, const QString& caption);
// A results list in a larger font than the controls around it.
QListWidget* resultsList();
// Scales the control's font, so that it stays larger than the others whatever their size.
void enlargeFont(QWidget* control, qreal factor);

// Adds a line at the end of a results list and selects it, so that it scrolls into view.
void addResultLine(QListWidget* list, const QString& line);
// The same for a line made beforehand, with its data: set before the line is listed, the data
// costs the list no update of its own.
void addResultLine(QListWidget* list, QListWidgetItem* line);
// Adds lines at once: the list is laid out once for them all, the last one selected.
void addResultLines(QListWidget* list, const QStringList& lines);
// The buttons side by side, the last one kept apart at the right.
QHBoxLayout* buttonRow(const QList<QPushButton*>& buttons);

} // namespace ControlMakers
