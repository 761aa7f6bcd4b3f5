#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QTableView;
class QWidget;

// Building blocks of the profile windows' forms. Every control gets its name, and an accessible
// name where no caption gives one.
namespace ProfileForm {

QLineEdit* makeTextBox(const QString& name, const QString& accessibleName, QWidget* parent);
// Puts a drawn value in a box, scrolled to its beginning rather than to its end.
void showText(QLineEdit* box, const QString& text);
// Lets a list or text area take the room the layout gives it, but never less than the given
// size in characters and lines of its font.
void setRoomyScrollArea(QWidget* area, int minimumCharacters, int minimumLines);
QGroupBox* makeFrame(const QString& name, const QString& caption, QWidget* parent);

// Puts a label, the control's buddy, in the given column and the control beside it.
QLabel* addLabelled(QGridLayout* grid, int row, int column, const QString& caption,
                    QWidget* control, int controlColumnSpan = 1);

// The grid under a caption bar, as one block for a layout; the grid is named after the caption
// for assistive tools, and its columns share the width.
QWidget* captionedGrid(QTableView* grid, const QString& caption);

} // namespace ProfileForm
