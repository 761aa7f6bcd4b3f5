#include "app/MainWindow.h"
#include "app/SingleInstance.h"
#include "app/ToolCatalog.h"
#include "data/Database.h"
#include "records/CharacterWindow.h"
#include "records/StoryAndStageWindow.h"
#include "shared/widgets/RunPaths.h"
#include "shared/widgets/Settings.h"
#include "shared/widgets/ToolWindow.h"
#include "support/TestEnvironment.h"

#include <QDialog>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <cstdio>

namespace {

struct StandInWindow : ToolWindow
{
    StandInWindow() : ToolWindow(QStringLiteral("frmBrainstorm"), QStringLiteral("Brainstorm")) {}
    void load() override {}
};

// An expected-output file; as a text file it ends with a line feed that the output lacks.
QString expected(const QString& state)
{
    return TestEnvironment::expectedOutput(
        QStringLiteral("filestates-%1.txt").arg(QString(state).replace(' ', '-')), true);
}

const char* const RunningChild = "--running";

// The program as the user starts it for the database in the folder, minimized once started. It
// says "ready" then, and "activated" when brought to the front (with the tool window a later
// run asked for); a run that ends at once ends as the program does.
int runProgram(const QString& folder)
{
    ScriptedDesktop desktop;
    runPaths().programFolder = folder;
    MainWindow main;
    if (!main.initializeEnvironment())
        return main.handedOver() ? EXIT_SUCCESS : EXIT_FAILURE;
    main.showMinimized();
    QObject::connect(main.findChild<SingleInstance*>(), &SingleInstance::activationRequested, &main,
                     [&main](const QString& window) {
                         QString line = main.isMinimized() ? "still minimized" : "activated";
                         if (!window.isEmpty())
                             line += (main.findToolWindow(window) ? ", showing " : ", without ") +
                                     window;
                         std::puts(qPrintable(line));
                         std::fflush(stdout);
                     });
    std::puts("ready");
    std::fflush(stdout);
    return QApplication::exec();
}

// Reads the child's output until the line comes; false when the child ends without it.
bool waitForLine(QProcess& child, const QByteArray& line)
{
    QByteArray output;
    do {
        output += child.readAllStandardOutput();
    } while (!output.split('\n').contains(line) && child.waitForReadyRead());
    return (output + child.readAllStandardOutput()).split('\n').contains(line);
}

} // namespace

// Every state the database file may be found in: the user is told what is wrong and what to do,
// and a file the program cannot use keeps every byte.
class TestFileStates : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestEnvironment> m_env;
    std::unique_ptr<MainWindow> m_window;
    std::unique_ptr<QTemporaryDir> m_home; // the user's data folder is in here

    // Brings the file into the state named.
    bool damage(const QString& state)
    {
        const QString path = m_env->db.path();
        if (state == "no column" && !m_env->db.execute("ALTER TABLE customize DROP COLUMN toolBar"))
            return false;
        if (state == "newer version" && !m_env->db.execute("PRAGMA user_version = 99"))
            return false;
        if (state == "upgrade refused" || state == "no room for a copy") {
            // A file an older version made; where its upgrade is refused, the step's second
            // column was added by hand, after the first would have been.
            if (!m_env->db.execute("ALTER TABLE character DROP COLUMN Notes") ||
                (state != "upgrade refused" &&
                 !m_env->db.execute("ALTER TABLE customize DROP COLUMN sideBySide")) ||
                !m_env->db.execute("PRAGMA user_version = 0"))
                return false;
            if (state != "upgrade refused" && !writeGarbage(m_env->db.folder() + "/backups"))
                return false;
        }
        if (state == "no table" || state == "unreadable settings") {
            // A settings row that cannot be read, though every part is there.
            const QString unreadable = "CREATE VIEW customize AS SELECT json('x') AS "
                                       "timerInterval, 1 AS personalReminder, 1 AS toolBar, 1 AS "
                                       "startForm";
            if (!m_env->db.execute("DROP TABLE customize") ||
                (state != "no table" && !m_env->db.execute(unreadable)))
                return false;
        }
        // The page a list's rows start on, which a start does not read.
        const qint64 listAt = m_env->db
                                  .scalar("SELECT rootpage - 1 FROM sqlite_master WHERE "
                                          "name = 'noun'")
                                  .toLongLong() *
                              m_env->db.scalar("PRAGMA page_size").toLongLong();
        Database::close();
        QFile file(path);
        if (state == "damaged after a kill") {
            // A run killed while it had the database, then a disk fault inside the file. The
            // run's backup goes, or it would be offered.
            QProcess run;
            run.start(QCoreApplication::applicationFilePath(),
                      {RunningChild, m_env->db.folder(), "-platform", "offscreen"});
            if (!waitForLine(run, "ready"))
                return false;
            ::kill(pid_t(run.processId()), SIGKILL);
            return run.waitForFinished() &&
                   QDir(m_env->db.folder() + "/backups").removeRecursively() &&
                   file.open(QIODevice::ReadWrite) && file.seek(listAt) &&
                   file.write(QByteArray(64, 'x')) == 64;
        }
        if (state == "missing" || state == "folder")
            return file.remove() && (state == "missing" || QDir().mkdir(path));
        if (state == "empty" || state == "cut short")
            return file.resize(state == "empty" ? 0 : file.size() / 2);
        if (state == "garbage")
            return writeGarbage(path);
        if (state == "locked") {
            m_env->desktop.whileOpen = [] { QSqlDatabase::database("other").rollback(); };
            return m_env->db.otherConnection().exec("BEGIN EXCLUSIVE").isActive();
        }
        if (state == "read-only")
            return file.setPermissions(QFileDevice::ReadOwner);
        if (state == "read-only folder")
            return QFile::setPermissions(m_env->db.folder(),
                                         QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        return true;
    }

private slots:
    void initTestCase()
    {
        ToolCatalog::setFactory("frmBrainstorm", [] { return new StandInWindow; });
    }
    void init()
    {
        m_env = std::make_unique<TestEnvironment>();
        m_home = std::make_unique<QTemporaryDir>();
        qputenv("XDG_DATA_HOME", m_home->path().toLocal8Bit());
    }
    void cleanup()
    {
        m_window.reset();
        QFile::setPermissions(m_env->db.folder(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                      QFileDevice::ExeOwner);
        m_env.reset();
        runPaths() = RunPaths();
        Settings::instance().setValues(SettingsRow());
    }

    void startUpSaysWhatIsWrong_data()
    {
        QTest::addColumn<bool>("starts");
        for (const char* state :
             {"missing", "folder", "empty", "cut short", "garbage", "damaged after a kill",
              "no table", "no column", "unreadable settings"})
            QTest::newRow(state) << false;
        for (const char* state : {"locked", "read-only", "read-only folder", "newer version",
                                  "upgrade refused", "no room for a copy"})
            QTest::newRow(state) << true;
    }
    void startUpSaysWhatIsWrong()
    {
        QFETCH(bool, starts);
        const QString message = expected(QTest::currentDataTag());
        QVERIFY(damage(QTest::currentDataTag()));
        const QByteArray before = checksum(m_env->db.path());
        runPaths().programFolder = m_env->db.folder();
        m_window = std::make_unique<MainWindow>();
        m_env->desktop.answerNext(MessageAnswer::Yes);
        QCOMPARE(m_window->initializeEnvironment(), starts);
        QCOMPARE(m_env->told(), message);
        QCOMPARE(m_env->db.fatalErrors.isEmpty(), !message.contains("Error # "));
        if (message.contains("you can look but not save"))
            QVERIFY(!QSqlQuery(Database::connection()).exec("UPDATE customize SET toolBar = 0"));
        m_window.reset();
        Database::close();
        QCOMPARE(checksum(m_env->db.path()), before);
        // Where the program's folder is read-only, the user's work goes on in a copy.
        QCOMPARE(runPaths().databasePath != m_env->db.path(), message.contains("<data>"));
    }

    // A second start for the database brings the run that has it to the front, with the tool
    // window it asks for, and ends without opening it; a start on another database runs beside
    // it; the run left by a program that was killed is taken over.
    void aSecondRunBringsTheFirstToTheFront()
    {
        Database::close();
        runPaths().programFolder = m_env->db.folder();
        QProcess first;
        first.start(QCoreApplication::applicationFilePath(),
                    {RunningChild, m_env->db.folder(), "-platform", "offscreen"});
        QVERIFY(waitForLine(first, "ready"));
        m_window = std::make_unique<MainWindow>();
        QVERIFY(!m_window->initializeEnvironment({{}, "frmSentence", {}}));
        QVERIFY(m_window->handedOver());
        QVERIFY(!Database::isOpen());
        QCOMPARE(m_env->told(), "");
        QVERIFY(waitForLine(first, "activated, showing frmSentence"));
        // Another book's database, meanwhile, has a run of its own.
        const QString book = m_env->db.folder() + "/mynovel.mdb";
        QVERIFY(QFile::copy(m_env->db.path(), book));
        m_window = std::make_unique<MainWindow>();
        QVERIFY(m_window->initializeEnvironment({book, {}, {}}));
        QCOMPARE(Database::path(), book);
        m_window->endRun();

        ::kill(pid_t(first.processId()), SIGKILL);
        QVERIFY(first.waitForFinished());
        m_window = std::make_unique<MainWindow>();
        QVERIFY(m_window->initializeEnvironment());
        m_window->showMinimized();
        QProcess second;
        second.start(QCoreApplication::applicationFilePath(),
                     {RunningChild, m_env->db.folder(), "-platform", "offscreen"});
        QTRY_VERIFY_WITH_TIMEOUT(!m_window->isMinimized(), 30000); // a checking build starts slowly
        QVERIFY(second.waitForFinished() || second.state() == QProcess::NotRunning);
        QCOMPARE(second.exitStatus(), QProcess::NormalExit);
        QCOMPARE(second.exitCode(), EXIT_SUCCESS);
        QCOMPARE(second.readAllStandardOutput(), "");
        QCOMPARE(m_env->told(), "");
    }

    // A change the database or the disk refuses for the moment is told, changes nothing and can
    // be made again once the cause is gone; what was typed or chosen stays on screen meanwhile.
    void refusedChangesAreToldAndKept_data()
    {
        QTest::addColumn<QString>("state"); // what tells whether the change was made
        QTest::addColumn<QString>("refusal");
        QTest::addColumn<QString>("button"); // none: the record is saved, left or closed
        const QString characters = "SELECT group_concat(ID || Name) FROM character";
        const QString links = "SELECT count(*) || group_concat(Character_ID || ifnull(Note, '')) "
                              "FROM Story_Character";
        const auto row = [](const char* tag, const QString& state, const char* refusal,
                            const char* button) {
            QTest::newRow(tag) << state << QString(refusal) << QString(button);
        };
        row("new read-only", characters, "query_only = 1", "cmdNew");
        row("new locked", characters, "locked", "cmdNew");
        row("delete locked", characters, "locked", "cmdDelete");
        row("saving disk full", characters, "disk full", "");
        row("saving read-only", characters, "query_only = 1", "");
        row("move disk full", characters, "disk full", "");
        row("close locked", characters, "locked", "");
        row("story delete read", "SELECT count(*) FROM \"Story Profile\"", "read",
            "cmdDeleteStory");
        row("link update locked", links, "locked", "cmdUpdateCharacter");
        row("link add read-only", links, "query_only = 1", "cmdNewCharacter");
        row("link delete locked", links, "locked", "cmdDelete");
        row("add to story locked", links, "locked", "cmdAddToStory");
    }
    void refusedChangesAreToldAndKept()
    {
        QFETCH(QString, state);
        QFETCH(QString, refusal);
        QFETCH(QString, button);
        const QString tag = QTest::currentDataTag();
        QVERIFY(m_env->db.execute("INSERT INTO character (Name, visible) VALUES ('Ann', 0), "
                                  "('Bob', 0)") &&
                m_env->db.execute("INSERT INTO \"Story Profile\" (\"Story Name\") VALUES "
                                  "('Voyage')") &&
                m_env->db.execute("INSERT INTO Story_Character (Story_ID, Character_ID) "
                                  "VALUES (1, 1)"));
        std::unique_ptr<RecordWindow> window;
        if (tag.startsWith("story") || tag.startsWith("link"))
            window = TestEnvironment::open<StoryAndStageWindow>();
        else
            window = TestEnvironment::open<CharacterWindow>();
        auto* name = window->findChild<QLineEdit*>("txtName");
        auto* links = window->findChild<QTableView*>("dbgCharacters");
        const auto act = [&] {
            if (tag.contains("delete"))
                m_env->desktop.answerNext(MessageAnswer::Yes);
            if (tag.startsWith("link delete"))
                links->selectRow(0);
            if (tag.startsWith("add to story")) {
                window->findChild<QTableView*>("dbgGridCharacter")->selectRow(1); // in no story
                delete window->findChild<QDialog*>("dlgAddToStory"); // left open when refused
            }
            if (!button.isEmpty())
                window->findChild<QPushButton*>(button)->click();
            else if (tag.startsWith("move"))
                window->findChild<QTableView*>("dbgGridCharacter")->selectRow(1);
            else if (tag.startsWith("close"))
                window->close();
            else
                window->saveRecord();
            if (auto* dialog = window->findChild<QDialog*>("dlgAddToStory"))
                dialog->accept(); // the first story
        };
        // Text typed into the record to be saved, left or closed; too long for a full disk.
        const bool editsRecord = button.isEmpty();
        const QString typed = tag.startsWith("close") ? "Nan" : QString(20000, u'n');
        if (editsRecord)
            name->setText(typed);
        const bool editsLink = tag.startsWith("link update");
        if (editsLink)
            links->model()->setData(links->model()->index(0, 2), "lead");
        const QString before = m_env->db.scalar(state).toString();
        m_env->desktop.messages.clear();

        QSqlDatabase other = m_env->db.otherConnection();
        QVERIFY(other.isOpen() && m_env->db.execute("PRAGMA busy_timeout = 10"));
        if (refusal == "locked")
            QVERIFY(other.exec("BEGIN IMMEDIATE").isActive());
        else if (refusal == "read") // a reader in the middle of its reading
            QVERIFY(other.transaction() && other.exec("SELECT * FROM character").next());
        else if (refusal == "disk full")
            QVERIFY(m_env->db.execute("PRAGMA max_page_count = " +
                                      m_env->db.scalar("PRAGMA page_count").toString()));
        else
            QVERIFY(m_env->db.execute("PRAGMA " + refusal));
        act();
        QCOMPARE(m_env->told(), expected(tag));
        QCOMPARE(m_env->db.scalar(state).toString(), before);
        if (editsRecord)
            QCOMPARE(name->text(), typed);
        if (editsLink)
            QCOMPARE(links->model()->index(0, 2).data().toString(), "lead");
        QVERIFY(window->isVisible());

        other.rollback();
        QVERIFY(m_env->db.execute("PRAGMA max_page_count = 1000000") &&
                m_env->db.execute("PRAGMA query_only = 0"));
        act();
        const QString after = m_env->db.scalar(state).toString();
        QVERIFY(after != before &&
                (!editsRecord || (',' + after + ',').contains(",1" + typed + ",")));
        QVERIFY(m_env->db.fatalErrors.isEmpty());
    }
};

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    if (argc >= 3 && qstrcmp(argv[1], RunningChild) == 0)
        return runProgram(QString::fromLocal8Bit(argv[2]));
    TestFileStates test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}
#include "tst_filestates.moc"
