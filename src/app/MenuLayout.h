#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// Where the main window's commands stand. Commands are known by the object name of their action.
struct MenuDefinition
{
    QString name;
    QString caption;
    QStringList commands; // an empty name stands for a separator
};

struct ToolbarButton
{
    QString name;
    QString caption;
    QString command; // the command the button runs
    bool endsGroup = false;
};

const QList<MenuDefinition>& mainMenus();
const QList<ToolbarButton>& toolbarButtons();
// A menu's or button's caption in the interface's language.
QString menuCaption(const QString& caption);
