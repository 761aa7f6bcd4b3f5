#include "app/CommandLine.h"

#include "app/ApplicationIdentity.h"
#include "app/DataLocations.h"
#include "app/ToolCatalog.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QLocale>
#include <QRegularExpression>

namespace {

struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(CommandLine)
};

// Whether QLocale knows each part of the code (language, then script or territory) as given,
// rather than falling back to another locale or to C.
bool isKnownLocale(const QString& code)
{
    const QLocale locale(code);
    const QStringList parts = code.split(QRegularExpression(QStringLiteral("[-_]")));
    if (locale.language() == QLocale::C || locale.language() == QLocale::AnyLanguage ||
        parts.first() != QLocale::languageToCode(locale.language()))
        return false;
    for (const QString& part : parts.sliced(1)) {
        if (part.compare(QLocale::scriptToCode(locale.script()), Qt::CaseInsensitive) != 0 &&
            part.compare(QLocale::territoryToCode(locale.territory()), Qt::CaseInsensitive) != 0)
            return false;
    }
    return true;
}

// The value given for the option, if it is given once; given more often, the mistake is told.
std::optional<QString> single(const QCommandLineParser& parser, const QString& option,
                              QString* error)
{
    const QStringList values = parser.values(option);
    if (values.size() > 1)
        *error = Texts::tr("--%1 is given more than once").arg(option);
    return values.size() == 1 ? std::optional(values.first()) : std::nullopt;
}

} // namespace

QString misuseLine(const QString& text)
{
    return CommandName + QStringLiteral(": ") + text + u'\n';
}

CommandLine readCommandLine(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(Texts::tr("A creative-writing assistant."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    parser.addOptions({
        {QStringLiteral("database"),
         Texts::tr("Opens the database FILE (a book's own database) instead of the "
                   "program's; a FILE that does not exist yet may be made from a fresh one."),
         QStringLiteral("FILE")},
        {QStringLiteral("window"),
         Texts::tr("Opens the tool window NAME at start, in front of the start window of "
                   "the settings (frmSentence, frmCharacter, frmStoryandStage...)."),
         QStringLiteral("NAME")},
        {QStringLiteral("language"),
         Texts::tr("Uses the language CODE (de, en, de_DE...) instead of the system's."),
         QStringLiteral("CODE")},
    });
    parser.addPositionalArgument(QStringLiteral("FILE"),
                                 Texts::tr("The database to open, as with --database."),
                                 QStringLiteral("[FILE]"));

    CommandLine line;
    const auto ends = [&line](int exitCode, const QString& output, const QString& error) {
        line.exitCode = exitCode;
        line.output = output;
        line.error = error.isEmpty() ? QString() : misuseLine(error);
        return line;
    };
    if (!parser.parse(arguments))
        return ends(CommandLine::Misused, {}, parser.errorText());
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all")))
        return ends(EXIT_SUCCESS, parser.helpText(), {});
    if (parser.isSet(version))
        return ends(EXIT_SUCCESS,
                    CommandName + u' ' + QCoreApplication::applicationVersion() + u'\n', {});

    QString error;
    QStringList files = parser.values(QStringLiteral("database")) + parser.positionalArguments();
    if (files.contains(QString()))
        return ends(CommandLine::Misused, {}, Texts::tr("the database file name is empty"));
    QStringList identities;
    for (const QString& file : files) {
        if (!identities.contains(DataLocations::identityOf(file)))
            identities << DataLocations::identityOf(file);
    }
    if (identities.size() > 1)
        return ends(CommandLine::Misused, {},
                    Texts::tr("more than one database file given (%1); give one")
                        .arg(files.join(QStringLiteral(", "))));
    if (!files.isEmpty())
        line.options.databasePath =
            QDir::cleanPath(QDir::current().absoluteFilePath(files.first()));

    if (const auto window = single(parser, QStringLiteral("window"), &error)) {
        const QStringList names = ToolCatalog::windowNames();
        for (const QString& name : names) {
            if (name.compare(*window, Qt::CaseInsensitive) == 0)
                line.options.windowName = name;
        }
        if (line.options.windowName.isEmpty())
            error = Texts::tr("there is no window called %1; the windows are %2")
                        .arg(*window, names.join(QStringLiteral(", ")));
    }
    if (const auto language = single(parser, QStringLiteral("language"), &error)) {
        if (isKnownLocale(*language))
            line.options.language = *language;
        else
            error = Texts::tr("%1 is no language code; give one such as de, en or de_DE")
                        .arg(*language);
    }
    if (!error.isEmpty())
        return ends(CommandLine::Misused, {}, error);
    return line;
}
