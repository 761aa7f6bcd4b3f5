#pragma once

#include <QString>

class QWidget;

// Alt letters for a window's captions. Every button with a caption and every label that names a
// control gets one: the letter its caption already marks, else the letter the program gives that
// command everywhere (Alt+N New, Alt+U Update...), else one free among the controls shown with
// it. Controls on different pages of a tab or stack may share a letter, since only one page
// shows at a time. The caption reads the same; only the underline is new.
namespace AccessKeys {
// Marks the controls of the window that have no letter yet; run again after a caption changes.
void give(QWidget* window);
// The letters of the main menu bar's titles: a control takes one of them only when its caption
// offers no other, since the menu bar and the active window share the Alt key.
void setMenuLetters(const QString& letters);
QString menuLetters();
// Keeps the caption of a control as it is, as for a caption that shows data, not a command.
void leaveAlone(QWidget* control);
// The letter a caption marks, lower case, or a null character.
QChar letterOf(const QString& caption);
} // namespace AccessKeys
