#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// What the command line asks of a run that goes on to its windows.
struct StartOptions
{
    QString databasePath; // absolute; empty: the run's own database
    QString windowName;   // a tool window opened at start, by its object name ("frmSentence")
    QString language;     // a locale code ("de_DE") made the default; empty: the system's
};

// The command line read: the options of the run, or what ends it at once (the help, the
// version, a mistake) with its exit code and what to write.
struct CommandLine
{
    // A mistake on the command line, or a file named that is no Quillane database.
    static constexpr int Misused = 2;

    StartOptions options;
    std::optional<int> exitCode;
    QString output; // for the standard output
    QString error;  // one line for the standard error, "quillane: ..."
};

// Reads the arguments, the program's own name first, without looking at any file's contents.
CommandLine readCommandLine(const QStringList& arguments);
// The line written to the standard error for a mistake: "quillane: <text>".
QString misuseLine(const QString& text);
