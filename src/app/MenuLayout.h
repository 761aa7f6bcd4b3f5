#pragma once

#include <QList>
#include <QString>

// What the main window's menus and toolbar hold. Entries are known by name; an entry that
// opens a tool window names it.
struct MenuEntry
{
    QString name; // empty for a separator
    QString caption;
    QString shortcut;
    QString window; // the tool window it opens, if any
};

struct MenuDefinition
{
    QString name;
    QString caption;
    QList<MenuEntry> entries;
};

struct ToolbarButton
{
    QString name;
    QString caption;
    QString menuEntry; // the entry whose command the button runs
    bool endsGroup = false;
};

const QList<MenuDefinition>& mainMenus();
const QList<ToolbarButton>& toolbarButtons();
// The tool window that a start window number opens, or an empty name.
QString startWindowName(int startForm);
