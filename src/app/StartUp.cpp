#include "app/StartUp.h"

#include "app/ApplicationIdentity.h"
#include "app/DataLocations.h"
#include "app/Translations.h"
#include "data/DatabaseFile.h"
#include "shared/desktop/Desktop.h"
#include "shared/widgets/RunPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocale>

#include <cstdio>

namespace {

struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(StartUp)
};

} // namespace

std::optional<NamedDatabaseRefusal> settleNamedDatabase(const QString& path,
                                                        const QString& templatePath)
{
    const QString name = QDir::toNativeSeparators(path);
    const auto refuse = [](int exitCode, const QString& text) {
        return NamedDatabaseRefusal{exitCode, misuseLine(text)};
    };
    switch (DatabaseFile::inspect(path)) {
    case DatabaseFile::Kind::Ours:
    case DatabaseFile::Kind::Unknown: // the start-up tells what is wrong with it
        return std::nullopt;
    case DatabaseFile::Kind::Folder:
        return refuse(CommandLine::Misused,
                      Texts::tr("%1 is a folder, not a Quillane database").arg(name));
    case DatabaseFile::Kind::Foreign:
        return refuse(CommandLine::Misused, Texts::tr("%1 is not a Quillane database").arg(name));
    case DatabaseFile::Kind::Missing:
        break;
    }
    const QString folder = QFileInfo(path).absolutePath();
    if (!QFileInfo(folder).isDir())
        return refuse(CommandLine::Misused, Texts::tr("%1 does not exist, nor does its folder %2")
                                                .arg(name, QDir::toNativeSeparators(folder)));
    if (!QFileInfo::exists(templatePath))
        return refuse(EXIT_FAILURE,
                      Texts::tr("%1 does not exist, and the fresh database to make it from "
                                "is missing (%2)")
                          .arg(name, QDir::toNativeSeparators(templatePath)));
    if (desktop().messageBox(
            Texts::tr("%1 does not exist.  Make a fresh Quillane database there?").arg(name),
            ProgramName, MessageIcon::None, MessageButtons::YesNo) != MessageAnswer::Yes)
        return NamedDatabaseRefusal{EXIT_FAILURE, {}};
    if (!DataLocations::copyNew(templatePath, path))
        return refuse(EXIT_FAILURE, Texts::tr("could not make %1 (check that its folder can "
                                              "be written and the disk has room)")
                                        .arg(name));
    return std::nullopt;
}

std::optional<int> startFromCommandLine(const QStringList& arguments, StartOptions* options)
{
    installTranslations();
    const CommandLine line = readCommandLine(arguments);
    std::fputs(line.output.toLocal8Bit().constData(), stdout);
    std::fputs(line.error.toLocal8Bit().constData(), stderr);
    if (line.exitCode)
        return line.exitCode;
    *options = line.options;
    if (!options->language.isEmpty()) {
        QLocale::setDefault(QLocale(options->language));
        installTranslations();
    }
    if (options->databasePath.isEmpty())
        return std::nullopt;
    RunPaths& paths = runPaths();
    if (paths.programFolder.isEmpty())
        paths.programFolder = QCoreApplication::applicationDirPath();
    // Where the template is needs no user data folder: none is made for it.
    const DataLocations locations(paths.programFolder, QString());
    const auto refusal = settleNamedDatabase(options->databasePath, locations.templatePath());
    if (!refusal)
        return std::nullopt;
    std::fputs(refusal->error.toLocal8Bit().constData(), stderr);
    return refusal->exitCode;
}
