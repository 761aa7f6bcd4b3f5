#include "app/ApplicationIdentity.h"
#include "app/CommandLine.h"
#include "app/DataLocations.h"
#include "app/HelpCommands.h"
#include "app/StartUp.h"
#include "data/Database.h"
#include "support/TestEnvironment.h"

#include <QProcess>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

#include <thread>

namespace {

QByteArray read(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(none)");
}

// The files and folders in a folder and below it, with what each file holds.
QStringList contentsOf(const QString& folder)
{
    QStringList found;
    QDirIterator all(folder, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                     QDirIterator::Subdirectories);
    while (all.hasNext()) {
        const QString path = all.next();
        found << QDir(folder).relativeFilePath(path) + u' ' +
                     QString::fromLatin1(checksum(path).toHex());
    }
    found.sort();
    return found;
}

// Makes the file a row names: a database of the program's, another program's SQLite file, a
// text file, an empty file, a folder, or nothing.
bool makeFile(const QString& kind, const QString& path)
{
    if (kind == "ours" || kind == "newer version") {
        TestDatabase db;
        const bool made = db.isOpen() && (kind == "ours" || db.execute("PRAGMA user_version = 99"));
        Database::close();
        return made && QDir().mkpath(QFileInfo(path).absolutePath()) &&
               QFile::copy(db.path(), path);
    }
    if (kind == "another program's") {
        QSqlDatabase other = QSqlDatabase::addDatabase("QSQLITE", "another program");
        other.setDatabaseName(path);
        const bool made = other.open() && other.exec("CREATE TABLE notes (text)").isActive();
        other.close();
        other = QSqlDatabase();
        QSqlDatabase::removeDatabase("another program");
        return made;
    }
    if (kind == "folder")
        return QDir().mkpath(path);
    return kind == "missing" ||
           writeFile(path, kind == "empty" ? QByteArray() : "Chapter one: it was a dark night.");
}

} // namespace

// Which database a run opens and where its read-only files are, for a build folder or portable
// copy, one that cannot be written to, and an installed program.
class TestDataLocations : public QObject
{
    Q_OBJECT

    QTemporaryDir m_root;

private slots:
    void databaseIsBesideTheProgramOrTheUsers_data()
    {
        QTest::addColumn<QString>("opened"); // the folder of the database in use, at every start
        QTest::addColumn<bool>("copied");    // out of the read-only program folder
        QTest::newRow("writable folder") << "bin" << false;
        QTest::newRow("read-only folder") << "user" << true;
        QTest::newRow("read-only folder, writable later") << "user" << true;
        QTest::newRow("writable folder, another's copy") << "bin" << false;
        QTest::newRow("installed") << "user" << false;
        QTest::newRow("installed, lost after a start") << "user" << false;
    }
    void databaseIsBesideTheProgramOrTheUsers()
    {
        QFETCH(QString, opened);
        QFETCH(bool, copied);
        const QString tag = QTest::currentDataTag();
        const QDir root(m_root.filePath(tag));
        const QString program = root.filePath("bin");
        const QString data = root.filePath(tag.startsWith("installed") ? "share/quillane" : "bin");
        const QString shipped = QDir(data).filePath(DataLocations::DatabaseName);
        QVERIFY(QDir().mkpath(program) &&
                writeFile(QDir(data).filePath(HelpDocuments::OnlineHelp), "<html>") &&
                writeFile(shipped, "shipped"));
        QVERIFY(tag != "installed, lost after a start" || root.mkpath("user/backups"));
        // The copy of another program folder, made when that one was read-only.
        QVERIFY(tag != "writable folder, another's copy" ||
                (writeFile(root.filePath("user/quillane97.mdb"), "other work") &&
                 writeFile(root.filePath("user/") + DataLocations::CopiedFromName,
                           root.filePath("elsewhere").toUtf8())));
        if (tag.startsWith("read-only folder"))
            QVERIFY(QFile::setPermissions(program, QFileDevice::ReadOwner | QFileDevice::ExeOwner));

        for (const QByteArray& held : {QByteArray("shipped"), QByteArray("saved work")}) {
            DataLocations locations(program, root.filePath("user"));
            locations.prepareDatabase();
            QCOMPARE(locations.dataFolder(), data);
            QCOMPARE(locations.databasePath(), root.filePath(opened + "/quillane97.mdb"));
            QCOMPARE(locations.copiedFromProgramFolder(), copied ? shipped : QString());
            if (tag == "installed, lost after a start") {
                QCOMPARE(read(locations.databasePath()), "(none)"); // left to the backup offer
                break;
            }
            QCOMPARE(read(locations.databasePath()), held);
            // The user's work, which a later start keeps and never copies over.
            QVERIFY(writeFile(locations.databasePath(), "saved work"));
            copied = false;
            // The copy stays in use as the user was told, whatever becomes of the folder.
            if (tag == "read-only folder, writable later")
                QVERIFY(QFile::setPermissions(program, QFile::permissions(program) |
                                                           QFileDevice::WriteOwner));
        }
        QCOMPARE(read(shipped), tag.startsWith("writable folder") ? "saved work" : "shipped");
        QFile::setPermissions(program, QFile::permissions(program) | QFileDevice::WriteOwner);
    }

    // What the command line asks, or what ends the run at once: exit code, standard output (parts
    // in order, between "*"), standard error, and database|window|language otherwise.
    void commandLineIsRead_data()
    {
        setApplicationIdentity();
        const QString version = "quillane " + QCoreApplication::applicationVersion() + "\n";
        QTest::addColumn<QString>("arguments");
        QTest::addColumn<int>("exitCode"); // -1: the run goes on
        QTest::addColumn<QString>("output");
        QTest::addColumn<QString>("error");
        QTest::addColumn<QString>("options");
        const QString help = "Usage: * [options] [FILE]\nA creative-writing assistant.\n*"
                             "--database <FILE>*--window <NAME>*--language <CODE>*FILE*";
        const auto runs = [](const char* tag, const char* arguments, const QString& options) {
            QTest::newRow(tag) << arguments << -1 << QString() << QString() << options;
        };
        const auto misused = [](const char* tag, const char* arguments, const QString& error) {
            QTest::newRow(tag) << arguments << 2 << QString() << "quillane: " + error + '\n'
                               << QString();
        };
        runs("nothing", "", "||");
        QTest::newRow("version") << "--version" << 0 << version << QString() << QString();
        QTest::newRow("-v") << "-v" << 0 << version << QString() << QString();
        QTest::newRow("help") << "--help" << 0 << help << QString() << QString();
        QTest::newRow("-h") << "-h --database a.mdb" << 0 << help << QString() << QString();
        runs("file", "book/mynovel.mdb", "book/mynovel.mdb||");
        runs("database", "--database=mynovel.mdb", "mynovel.mdb||");
        runs("both the same", "--database mynovel.mdb ./mynovel.mdb", "mynovel.mdb||");
        runs("window", "--window FRMstoryANDstage", "|frmStoryandStage|");
        runs("language", "--language de", "||de");
        runs("language and country", "--language de_DE a.mdb", "a.mdb||de_DE");
        runs("language with a dash", "--language en-GB", "||en-GB");
        misused("unknown option", "--bogus", "Unknown option 'bogus'.");
        misused("missing value", "a.mdb --database", "Missing value after '--database'.");
        misused("two files", "a.mdb b.mdb",
                "more than one database file given (a.mdb, b.mdb); "
                "give one");
        misused("database and another file", "--database a.mdb b.mdb",
                "more than one database file given (a.mdb, b.mdb); give one");
        misused("empty name", "--database=", "the database file name is empty");
        misused(
            "unknown window", "--window frmNothing",
            "there is no window called frmNothing; the windows are frmBrainstorm, "
            "frmCastMap, frmCharacter, frmCrystalBall, frmCustom, frmFreeAss, frmNameGenerator, "
            "frmNumberGenerator, frmPlot, frmPracticeLog, frmPsycho, frmScene, frmSentence, "
            "frmSprint, frmStoryWizard, frmStoryandStage");
        misused("two windows", "--window frmPlot --window frmScene",
                "--window is given more than once");
        for (const char* code : {"xx", "german", "de_XX", "C"})
            misused(code, qPrintable(QString("--language ") + code),
                    QString("%1 is no language code; give one such as de, en or de_DE").arg(code));
    }
    void commandLineIsRead()
    {
        QFETCH(QString, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, output);
        QFETCH(QString, error);
        QFETCH(QString, options);
        setApplicationIdentity();
        const CommandLine line =
            readCommandLine(QStringList{"quillane"} + arguments.split(' ', Qt::SkipEmptyParts));
        QCOMPARE(line.exitCode.value_or(-1), exitCode);
        QStringList parts = output.split('*');
        for (QString& part : parts)
            part = QRegularExpression::escape(part);
        QVERIFY2(QRegularExpression("^" + parts.join(".*") + "$",
                                    QRegularExpression::DotMatchesEverythingOption)
                     .match(line.output)
                     .hasMatch(),
                 qPrintable(line.output));
        QCOMPARE(line.error, error);
        const QString database = options.section('|', 0, 0);
        QCOMPARE(line.options.databasePath,
                 database.isEmpty() ? QString() : QDir::current().absoluteFilePath(database));
        QCOMPARE(line.options.windowName, options.section('|', 1, 1));
        QCOMPARE(line.options.language, options.section('|', 2, 2));
        if (exitCode < 0 && database.isEmpty()) {
            // The language is the default before any window is made.
            const QLocale system(QLocale::English, QLocale::UnitedStates);
            QLocale::setDefault(system);
            const auto restored = qScopeGuard([&] { QLocale::setDefault(system); });
            StartOptions started;
            QCOMPARE(startFromCommandLine(QStringList{"quillane"} +
                                              arguments.split(' ', Qt::SkipEmptyParts),
                                          &started),
                     std::nullopt);
            QCOMPARE(
                QLocale().name(),
                (line.options.language.isEmpty() ? system : QLocale(line.options.language)).name());
        }
    }

    // A file named on the command line that is not a Quillane database is refused before
    // anything opens it, and keeps every byte; a missing one is made from the template when the
    // user agrees. Nothing else appears beside it.
    void namedDatabaseIsCheckedFirst_data()
    {
        QTest::addColumn<QString>("answer"); // to the offer of a fresh database
        QTest::addColumn<int>("exitCode");   // -1: the run goes on
        QTest::addColumn<QString>("error");  // after "quillane: <file> "
        QTest::newRow("ours") << "" << -1 << "";
        QTest::newRow("newer version") << "" << -1 << "";
        QTest::newRow("text") << "" << 2 << "is not a Quillane database";
        QTest::newRow("empty") << "" << 2 << "is not a Quillane database";
        QTest::newRow("another program's") << "" << 2 << "is not a Quillane database";
        QTest::newRow("folder") << "" << 2 << "is a folder, not a Quillane database";
        QTest::newRow("missing") << "Yes" << -1 << "";
        QTest::newRow("missing, not made") << "No" << 1 << "";
        QTest::newRow("missing, no template") << "" << 1
                                              << "does not exist, and the fresh database to make "
                                                 "it from is missing (<template>)";
        QTest::newRow("missing folder") << "" << 2 << "does not exist, nor does its folder <book>";
    }
    void namedDatabaseIsCheckedFirst()
    {
        QFETCH(QString, answer);
        QFETCH(int, exitCode);
        QFETCH(QString, error);
        const QString tag = QTest::currentDataTag();
        const QDir root(m_root.filePath("named " + tag));
        const QString templatePath = root.filePath("template/quillane97.mdb");
        QVERIFY(tag.endsWith("no template") || makeFile("ours", templatePath));
        const QString book = root.filePath(tag == "missing folder" ? "book/none" : "book");
        const QString path = QDir(book).filePath("mynovel.mdb");
        QVERIFY(QDir().mkpath(root.filePath("book")) &&
                makeFile(tag.startsWith("missing") ? "missing" : tag, path));
        QStringList after = contentsOf(root.path());
        ScriptedDesktop desktop;
        if (!answer.isEmpty())
            desktop.answerNext(answer == "Yes" ? MessageAnswer::Yes : MessageAnswer::No);

        const auto refusal = settleNamedDatabase(path, templatePath);
        QCOMPARE(refusal ? refusal->exitCode : -1, exitCode);
        QCOMPARE(refusal ? refusal->error : QString(),
                 error.isEmpty() ? QString()
                                 : QString("quillane: %1 %2\n")
                                       .arg(path, error)
                                       .replace("<template>", templatePath)
                                       .replace("<book>", book));
        QStringList asked;
        for (const ScriptedDesktop::Message& message : desktop.messages)
            asked << message.title + ": " + message.text;
        QCOMPARE(asked, answer.isEmpty() ? QStringList()
                                         : QStringList{"Quillane: " + path +
                                                       " does not exist.  Make a fresh Quillane "
                                                       "database there?"});
        if (tag == "missing") { // the template's copy, which the run opens
            after << "book/mynovel.mdb " + QString::fromLatin1(checksum(templatePath).toHex());
            after.sort();
        }
        QCOMPARE(contentsOf(root.path()), after);
    }

    // The program as a user or the desktop starts it: it ends at once where the command line
    // says so or names a file that is not its own, writing nothing; a book's database has its
    // backups beside it. No run makes the user's data folder for a book.
    void theProgramStartsFromTheCommandLine_data()
    {
        setApplicationIdentity();
        const QString version = "quillane " + QCoreApplication::applicationVersion() + "\n";
        QTest::addColumn<QString>("arguments"); // "<book>" is the book's folder
        QTest::addColumn<QString>("held");      // in the book's folder: a text file, a database
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("output"); // how it begins
        QTest::addColumn<QString>("error");
        QTest::addColumn<QString>("after"); // the book's folder, its days written <day>
        QTest::newRow("version") << "--version"
                                 << "" << 0 << version << ""
                                 << "";
        QTest::newRow("bad option") << "--bogus"
                                    << "" << 2 << ""
                                    << "quillane: Unknown option 'bogus'.\n"
                                    << "";
        QTest::newRow("text file") << "<book>/notes.mdb"
                                   << "notes.mdb" << 2 << ""
                                   << "quillane: <book>/notes.mdb is not a Quillane database\n"
                                   << "notes.mdb";
        QTest::newRow("book") << "--database <book>/mynovel.mdb"
                              << "mynovel.mdb" << 0 << "VmHWM: "
                              << ""
                              << "backups backups/mynovel-<day>.mdb "
                                 "backups/mynovel-version-3.mdb mynovel.mdb";
    }
    void theProgramStartsFromTheCommandLine()
    {
        QFETCH(QString, arguments);
        QFETCH(QString, held);
        QFETCH(int, exitCode);
        QFETCH(QString, output);
        QFETCH(QString, error);
        QFETCH(QString, after);
        const QDir root(m_root.filePath("program " + QString(QTest::currentDataTag())));
        const QString book = root.filePath("book");
        QVERIFY(root.mkpath("book") && root.mkpath("home/data") && root.mkpath("home/run") &&
                QFile::setPermissions(root.filePath("home/run"), QFileDevice::ReadOwner |
                                                                     QFileDevice::WriteOwner |
                                                                     QFileDevice::ExeOwner));
        if (held == "notes.mdb")
            QVERIFY(makeFile("text", root.filePath("book/notes.mdb")));
        else if (!held.isEmpty())
            QVERIFY(QFile::copy(QUILLANE_FIXTURES_DIR "/quillane97-version-3.mdb",
                                QDir(book).filePath(held)));
        const QStringList before = contentsOf(book);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("HOME", root.filePath("home"));
        environment.insert("XDG_DATA_HOME", root.filePath("home/data"));
        environment.insert("XDG_RUNTIME_DIR", root.filePath("home/run"));
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        environment.insert("QUILLANE_QUIT_WHEN_SHOWN", "1");
        QProcess program;
        program.setProcessEnvironment(environment);
        QStringList words = arguments.split(' ');
        words.replaceInStrings("<book>", book);
        program.start(QUILLANE_PROGRAM, words);
        QVERIFY(program.waitForFinished(60000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        // Qt's own warnings (the platform's) aside.
        const QStringList told = QString::fromLocal8Bit(program.readAllStandardError())
                                     .split('\n')
                                     .filter(QRegularExpression("^quillane: "));
        QCOMPARE(told.join('\n'), QString(error).replace("<book>", book).trimmed());
        QCOMPARE(program.exitCode(), exitCode);
        const QString written = QString::fromLocal8Bit(program.readAllStandardOutput());
        QVERIFY2(output.isEmpty() ? written.isEmpty() : written.startsWith(output),
                 qPrintable(written));
        if (exitCode != 0)
            QCOMPARE(contentsOf(book), before);
        QStringList names;
        for (const QString& entry : contentsOf(book))
            names << entry.section(' ', 0, 0).replace(QRegularExpression("\\d{4}-\\d\\d-\\d\\d"),
                                                      "<day>");
        QCOMPARE(names.join(' '), after);
        QCOMPARE(
            QDir(root.filePath("home/data")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
            QStringList());
    }

    // Of two first starts at once, the one that finds the other's copy in place when its own is
    // done keeps that copy and opens it.
    void aCopyMadeMeanwhileIsKept()
    {
        const QDir root(m_root.filePath("meanwhile"));
        const QString data = root.filePath("share/quillane");
        const QString shipped = QDir(data).filePath(DataLocations::DatabaseName);
        const QString copy = root.filePath("user/quillane97.mdb");
        QVERIFY(root.mkpath("bin") &&
                writeFile(QDir(data).filePath(HelpDocuments::OnlineHelp), "<>"));
        // Read through a pipe, the template holds this start in its copy until the test goes on.
        QCOMPARE(::mkfifo(QFile::encodeName(shipped).constData(), 0644), 0);
        DataLocations locations(root.filePath("bin"), root.filePath("user"));
        {
            std::thread start([&] { locations.prepareDatabase(); });
            const auto joined = qScopeGuard([&] { start.join(); });
            QFile pipe(shipped);
            QVERIFY(pipe.open(QIODevice::WriteOnly)); // once the start found no copy, began its own
            QVERIFY(writeFile(copy, "the other start's copy"));
            pipe.write("shipped");
        } // the pipe closes, and the start ends its copy
        QCOMPARE(locations.databasePath(), copy);
        QCOMPARE(read(copy), "the other start's copy");
        QCOMPARE(QDir(root.filePath("user")).entryList(QDir::Files), QStringList{"quillane97.mdb"});
    }
};

QTEST_MAIN(TestDataLocations)
#include "tst_datalocations.moc"
