#include "app/MainWindow.h"
#include "app/ToolCatalog.h"
#include "data/Database.h"
#include "records/CharacterWindow.h"
#include "shared/RunSettings.h"
#include "shared/ToolWindow.h"
#include "support/TestEnvironment.h"

#include <QCryptographicHash>
#include <QLineEdit>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QtTest>

namespace {

struct StandInWindow : ToolWindow
{
    StandInWindow() : ToolWindow(QStringLiteral("frmBrainstorm"), QStringLiteral("Brainstorm")) {}
    void load() override {}
};

QByteArray checksum(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly)
               ? QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256)
               : QByteArray();
}

const QString PutBack = " Quillane has left it as it is. Put back a copy of quillane97.mdb from "
                        "a backup or from the installation, then start Quillane again.";
const QString ReadOnly = " is read-only, so Quillane can show what is saved but cannot save "
                         "changes. Make it writable (check its permissions) and start Quillane "
                         "again.";

} // namespace

// Every state the database file may be found in: the user is told what is wrong and what to do,
// and a file the program cannot use keeps every byte.
class TestFileStates : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestEnvironment> m_env;
    std::unique_ptr<MainWindow> m_window;

    QString told()
    {
        static const QStringList icons = {"none", "information", "exclamation", "critical"};
        QStringList lines;
        for (const ScriptedDesktop::Message& m : m_env->desktop.messages)
            lines << m.title + " (" + icons.at(int(m.icon)) + "): " + m.text;
        return lines.join('\n').replace(m_env->db.folder(), "<folder>").replace('\r', "<CR>");
    }

    // Brings the file into the state named.
    bool damage(const QString& state)
    {
        const QString path = m_env->db.path();
        if (state == "no column" && !m_env->db.execute("ALTER TABLE customize DROP COLUMN toolBar"))
            return false;
        if (state == "no table" || state == "unreadable settings") {
            // A settings row that cannot be read, though every part is there.
            const QString unreadable = "CREATE VIEW customize AS SELECT json('x') AS "
                                       "timerInterval, 1 AS personalReminder, 1 AS toolBar, 1 AS "
                                       "startForm";
            if (!m_env->db.execute("DROP TABLE customize") ||
                (state != "no table" && !m_env->db.execute(unreadable)))
                return false;
        }
        Database::close();
        QFile file(path);
        if (state == "missing" || state == "folder")
            return file.remove() && (state == "missing" || QDir().mkdir(path));
        if (state == "empty" || state == "cut short")
            return file.resize(state == "empty" ? 0 : file.size() / 2);
        if (state == "garbage")
            return file.open(QIODevice::WriteOnly) && file.write(QByteArray(4096, 'x')) == 4096;
        if (state == "locked") {
            QSqlDatabase other = QSqlDatabase::addDatabase("QSQLITE", "other");
            other.setDatabaseName(path);
            m_env->desktop.whileOpen = [] { QSqlDatabase::database("other").rollback(); };
            return other.open() && other.exec("BEGIN EXCLUSIVE").isActive();
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
    void init() { m_env = std::make_unique<TestEnvironment>(); }
    void cleanup()
    {
        m_window.reset();
        QFile::setPermissions(m_env->db.folder(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                      QFileDevice::ExeOwner);
        QSqlDatabase::removeDatabase("other");
        m_env.reset();
        runSettings() = RunSettings();
    }

    void startUpSaysWhatIsWrong_data()
    {
        QTest::addColumn<bool>("starts");
        QTest::addColumn<QString>("message");
        const QString stopped = "The Magic Stopped. (critical): <folder>/quillane97.mdb ";
        QTest::newRow("missing")
            << false
            << "The Magic Stopped. (information): Quillane cannot find the magical database.";
        QTest::newRow("folder") << false
                                << stopped + "is a folder, not the database file." + PutBack;
        for (const char* state : {"empty", "cut short", "garbage"})
            QTest::newRow(state) << false
                                 << stopped + "is empty, cut short or not a Quillane database." +
                                        PutBack;
        QTest::newRow("no table") << false
                                  << stopped +
                                         "lacks part of what Quillane needs (no such table: "
                                         "customize)." +
                                         PutBack;
        QTest::newRow("no column") << false
                                   << stopped +
                                          "lacks part of what Quillane needs (no such "
                                          "column: toolBar)." +
                                          PutBack;
        const QString retry = "Pray for Absolution (none): An unknown error has occurred.  Would "
                              "you like to try again?\n";
        QTest::newRow("unreadable settings")
            << false
            << retry + retry +
                   "Error (information): Error #  1 was generated by getCustomization"
                   "<CR>malformed JSON in database<folder>/quillane97.mdb";
        QTest::newRow("locked") << true
                                << "Retry (exclamation): <folder>/quillane97.mdb is in use by "
                                   "another program. Close that program, then choose Yes to try "
                                   "again or No to leave Quillane.";
        QTest::newRow("read-only")
            << true
            << "The Magic Stopped. (exclamation): The database <folder>/quillane97.mdb" + ReadOnly;
        QTest::newRow("read-only folder")
            << true << "The Magic Stopped. (exclamation): The folder <folder>" + ReadOnly;
    }
    void startUpSaysWhatIsWrong()
    {
        QFETCH(bool, starts);
        QFETCH(QString, message);
        QVERIFY(damage(QTest::currentDataTag()));
        const QByteArray before = checksum(m_env->db.path());
        runSettings().programFolder = m_env->db.folder();
        m_window = std::make_unique<MainWindow>();
        m_env->desktop.answerNext(MessageAnswer::Yes);
        QCOMPARE(m_window->initializeEnvironment(), starts);
        QCOMPARE(told(), message);
        QCOMPARE(m_env->db.fatalErrors.isEmpty(), !message.contains("Error # "));
        m_window.reset();
        Database::close();
        QCOMPARE(checksum(m_env->db.path()), before);
    }

    // A save the disk or the file refuses keeps what was typed, for a save once it is mended.
    void savingKeepsWhatWasTyped_data()
    {
        QTest::addColumn<QString>("limit");
        QTest::addColumn<QString>("problem");
        QTest::newRow("disk full") << "max_page_count = %1"
                                   << "the disk is full: free some space on the disk";
        QTest::newRow("read-only") << "query_only = 1"
                                   << "the database or its folder is read-only: make "
                                      "quillane97.mdb and its folder writable";
    }
    void savingKeepsWhatWasTyped()
    {
        QFETCH(QString, limit);
        QFETCH(QString, problem);
        QVERIFY(m_env->db.execute("INSERT INTO character (Name, visible) VALUES ('Ann', 0)"));
        auto window = TestEnvironment::open<CharacterWindow>();
        const QString pages = m_env->db.scalar("PRAGMA page_count").toString();
        QVERIFY(m_env->db.execute("PRAGMA " + QString(limit).replace("%1", pages)));
        const QString typed(20000, u'n');
        window->findChild<QLineEdit*>("txtName")->setText(typed);
        window->saveRecord();
        const QStringList said = problem.split(": ");
        QVERIFY(m_env->expectMessage("Quillane could not save this record because " + said[0] +
                                         ". What you typed is still here: " + said[1] +
                                         ", then save again.",
                                     "Not Saved", MessageIcon::Exclamation));
        QCOMPARE(m_env->db.scalar("SELECT Name FROM character"), "Ann");
        QVERIFY(m_env->db.execute("PRAGMA max_page_count = 1000000") &&
                m_env->db.execute("PRAGMA query_only = 0"));
        window->saveRecord();
        QCOMPARE(m_env->db.scalar("SELECT Name FROM character").toString(), typed);
        QVERIFY(m_env->db.fatalErrors.isEmpty());
    }
};

QTEST_MAIN(TestFileStates)
#include "tst_filestates.moc"
