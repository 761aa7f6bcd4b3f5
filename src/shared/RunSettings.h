#pragma once

#include <QString>

// The values the main window holds for the whole run: where things are, and the settings row
// read at start-up (changed in memory by the customization window).
struct RunSettings
{
    QString programFolder;
    QString databasePath;
    QString helpFilePath;

    qint16 timerInterval = 5000; // milliseconds
    QString personalReminder;
    qint16 toolBar = -1; // 0 hides the toolbar
    qint16 startForm = 4;
};

RunSettings& runSettings();
