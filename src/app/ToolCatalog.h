#pragma once

#include <functional>
#include <QString>
#include <QStringList>

class ToolWindow;

// The tool windows the main window can open, by window name ("frmSentence"). A window that is
// not part of the program yet has no factory, and its menu entry and button stay disabled.
namespace ToolCatalog {
using Factory = std::function<ToolWindow*()>;

Factory factory(const QString& windowName);
bool isAvailable(const QString& windowName);
// The names of the windows that can be opened, sorted.
QStringList windowNames();
// Replaces a window's factory; tests use it to open stand-in windows.
void setFactory(const QString& windowName, Factory factory);
} // namespace ToolCatalog
