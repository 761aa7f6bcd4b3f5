#pragma once

#include <QString>

// The values the main window holds for the whole run: where things are, and the settings row
// read at start-up (changed in memory by the customization window).
struct RunSettings
{
    QString programFolder;
    QString dataFolder; // help documents and the template database
    QString databasePath;
    QString helpFilePath;

    int timerInterval = 5000; // milliseconds
    QString personalReminder;
    bool toolBarShown = true;
    int startWindow = 4; // the number of the window opened at start-up
};

RunSettings& runSettings();
