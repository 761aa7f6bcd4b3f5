#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// How the program names its tool windows: the menu entry that opens each, its caption and keys,
// and its number among the start-window choices. The menus, the toolbar and the customization
// window's start-window options all read this one list.
struct ToolWindowEntry
{
    QString window;       // the window's object name, "frmSentence"
    QString command;      // the object name of the action that opens it
    QString caption;      // the menu caption, with its access key
    QString shortcut;     // empty when it has none
    int startNumber = -1; // its number among the start-window choices; -1 when it is none
    QString startCaption; // its caption among the start-window choices
};

namespace ToolWindowCatalog {
// The tool windows in the order of the menus.
const QList<ToolWindowEntry>& entries();
// A caption of the list in the interface's language.
QString shown(const QString& caption);
// The start-window choices' captions, in number order, in the interface's language.
QStringList startCaptions();
// The window that a start-window number opens, or an empty name.
QString startWindow(int number);
} // namespace ToolWindowCatalog
