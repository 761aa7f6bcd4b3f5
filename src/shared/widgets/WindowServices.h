#pragma once

#include <QString>

class QWidget;
class ToolWindow;

// Services every tool window uses: data-control and timer set-up, and bringing a control into
// view.

// Refreshes every record navigator ("dta...") of the window: its rows are read again.
void setDataControls(QWidget* window);
// Gives every timer of the window the settings interval; running state is kept.
void setTimers(ToolWindow* window);

// Brings the control into view, showing the tab page that holds it, and gives it the focus.
void showAndFocus(QWidget* control);
