#pragma once

#include <QString>

class QMdiArea;
class QWidget;

// Services every tool window uses: data-control and timer set-up, and the arrangement of the
// child windows inside the main window.

// Points every data control ("dta...") of the window at the run's database and refreshes it.
void setDataControls(QWidget* window);
// Gives every timer ("tmr...") of the window the settings interval; running state is kept.
void setTimers(QWidget* window);

// The frame whose children the arrangement routines move. Set by the main window.
void setChildFrame(QMdiArea* frame);
QMdiArea* childFrame();

// Children tiled as horizontal bands, one above the other; minimized children stay icons.
void tileWindows();
// Children tiled as vertical columns, side by side.
void tileWindowsVertically();
// Minimized children lined up along the bottom of the frame.
void arrangeIcons();
void arrangeChildren(QWidget* window);
// Brings the control into view, showing the tab page that holds it, and gives it the focus.
void showAndFocus(QWidget* control);
// Minimizes every other child and restores the named one at the top left, keeping its size.
void showChildAlone(const QString& windowName);
