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

// An expected-output file; as a text file it ends with a line feed that the output lacks.
QString expected(const QString& state)
{
    return TestEnvironment::expectedOutput(
        QStringLiteral("filestates-%1.txt").arg(QString(state).replace(' ', '-')), true);
}

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
        for (const char* state : {"missing", "folder", "empty", "cut short", "garbage", "no table",
                                  "no column", "unreadable settings"})
            QTest::newRow(state) << false;
        for (const char* state : {"locked", "read-only", "read-only folder"})
            QTest::newRow(state) << true;
    }
    void startUpSaysWhatIsWrong()
    {
        QFETCH(bool, starts);
        const QString message = expected(QTest::currentDataTag());
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
        QTest::newRow("disk full") << "max_page_count = %1";
        QTest::newRow("read-only") << "query_only = 1";
    }
    void savingKeepsWhatWasTyped()
    {
        QFETCH(QString, limit);
        QVERIFY(m_env->db.execute("INSERT INTO character (Name, visible) VALUES ('Ann', 0)"));
        auto window = TestEnvironment::open<CharacterWindow>();
        const QString pages = m_env->db.scalar("PRAGMA page_count").toString();
        QVERIFY(m_env->db.execute("PRAGMA " + QString(limit).replace("%1", pages)));
        const QString typed(20000, u'n');
        window->findChild<QLineEdit*>("txtName")->setText(typed);
        window->saveRecord();
        QCOMPARE(told(), expected(QString("saving ") + QTest::currentDataTag()));
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
