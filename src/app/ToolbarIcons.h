#pragma once

#include <QIcon>
#include <QString>

// The pictures of the main window's toolbar buttons, drawn by the program itself so that they
// stay sharp at every size and need no image files. The name is the button's object name
// ("cmdBrainStorm", "cmdExit", ...); an unknown name gives a plain generic picture.
QIcon toolbarIcon(const QString& buttonName);
