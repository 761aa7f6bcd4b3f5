#pragma once

#include <QString>

// Where the run finds its files, found at start-up from where the program lives. They are not
// settings: nothing stores them and the user never edits them.
struct RunPaths
{
    QString programFolder;
    QString dataFolder; // help documents and the template database
    QString databasePath;
    QString helpFilePath;
};

RunPaths& runPaths();
