#pragma once

#include "app/CommandLine.h"

#include <optional>

// Why a database file named on the command line cannot be opened, if it cannot: the exit code
// and the line for the standard error (none when the user chose to stop).
struct NamedDatabaseRefusal
{
    int exitCode;
    QString error;
};

// Settles the database file named on the command line before anything opens it for writing:
// a file that is no Quillane database is refused and left as it is, a missing one is made
// from the template when the user agrees.
std::optional<NamedDatabaseRefusal> settleNamedDatabase(const QString& path,
                                                        const QString& templatePath);

// Reads the run's command line and acts on it before any window is made: writes the help, the
// version or the mistake, makes the language the default and installs its translations, and
// settles the database file named.
// Gives the exit code when the run ends here, or fills the options for the main window.
std::optional<int> startFromCommandLine(const QStringList& arguments, StartOptions* options);
