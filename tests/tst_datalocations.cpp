#include "app/DataLocations.h"
#include "app/HelpCommands.h"
#include "support/TestEnvironment.h"

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
