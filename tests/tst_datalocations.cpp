#include "app/DataLocations.h"
#include "app/HelpCommands.h"

#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

#include <thread>

namespace {

bool write(const QString& path, const QByteArray& contents)
{
    QFile file(path);
    return QDir().mkpath(QFileInfo(path).absolutePath()) && file.open(QIODevice::WriteOnly) &&
           file.write(contents) == contents.size();
}

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
        QTest::addColumn<QString>("layout"); // program folder | data folder
        QTest::addColumn<QString>("opened"); // the database in use, first and later starts
        QTest::addColumn<QString>("copiedFrom");
        QTest::newRow("writable folder") << "bin|bin"
                                         << "bin/quillane97.mdb"
                                         << "";
        QTest::newRow("read-only folder") << "bin|bin"
                                          << "user/quillane97.mdb"
                                          << "bin/quillane97.mdb";
        QTest::newRow("read-only folder, writable later") << "bin|bin"
                                                          << "user/quillane97.mdb"
                                                          << "bin/quillane97.mdb";
        QTest::newRow("writable folder, another's copy") << "bin|bin"
                                                         << "bin/quillane97.mdb"
                                                         << "";
        QTest::newRow("installed") << "bin|share/quillane"
                                   << "user/quillane97.mdb"
                                   << "";
        QTest::newRow("installed, lost after a start") << "bin|share/quillane"
                                                       << "user/quillane97.mdb"
                                                       << "";
    }
    void databaseIsBesideTheProgramOrTheUsers()
    {
        QFETCH(QString, layout);
        QFETCH(QString, opened);
        QFETCH(QString, copiedFrom);
        const QString tag = QTest::currentDataTag();
        const QDir root(m_root.filePath(tag));
        const QString program = root.filePath(layout.section('|', 0, 0));
        const QString data = root.filePath(layout.section('|', 1));
        QVERIFY(QDir().mkpath(program) &&
                write(QDir(data).filePath(HelpDocuments::OnlineHelp), "<html>") &&
                write(QDir(data).filePath(DataLocations::DatabaseName), "shipped"));
        QVERIFY(tag != "installed, lost after a start" || root.mkpath("user/backups"));
        // The copy of another program folder, made when that one was read-only.
        QVERIFY(tag != "writable folder, another's copy" ||
                (write(root.filePath("user/quillane97.mdb"), "other work") &&
                 write(root.filePath("user/") + DataLocations::CopiedFromName,
                       root.filePath("elsewhere").toUtf8())));
        if (tag.startsWith("read-only folder"))
            QVERIFY(QFile::setPermissions(program, QFileDevice::ReadOwner | QFileDevice::ExeOwner));

        for (const QByteArray& held : {QByteArray("shipped"), QByteArray("saved work")}) {
            DataLocations locations(program, root.filePath("user"));
            locations.prepareDatabase();
            QCOMPARE(locations.dataFolder(), data);
            QCOMPARE(locations.databasePath(), root.filePath(opened));
            QCOMPARE(locations.copiedFromProgramFolder(),
                     copiedFrom.isEmpty() ? copiedFrom : root.filePath(copiedFrom));
            if (tag == "installed, lost after a start") {
                QCOMPARE(read(locations.databasePath()), "(none)"); // left to the backup offer
                break;
            }
            QCOMPARE(read(locations.databasePath()), held);
            // The user's work, which a later start keeps and never copies over.
            QVERIFY(write(locations.databasePath(), "saved work"));
            copiedFrom.clear();
            // The copy stays in use as the user was told, whatever becomes of the folder.
            if (tag == "read-only folder, writable later")
                QVERIFY(QFile::setPermissions(program, QFile::permissions(program) |
                                                           QFileDevice::WriteOwner));
        }
        QCOMPARE(read(QDir(data).filePath(DataLocations::DatabaseName)),
                 tag.startsWith("writable folder") ? "saved work" : "shipped");
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
        QVERIFY(root.mkpath("bin") && write(QDir(data).filePath(HelpDocuments::OnlineHelp), "<>"));
        // Read through a pipe, the template holds this start in its copy until the test goes on.
        QCOMPARE(::mkfifo(QFile::encodeName(shipped).constData(), 0644), 0);
        DataLocations locations(root.filePath("bin"), root.filePath("user"));
        {
            std::thread start([&] { locations.prepareDatabase(); });
            const auto joined = qScopeGuard([&] { start.join(); });
            QFile pipe(shipped);
            QVERIFY(pipe.open(QIODevice::WriteOnly)); // once the start found no copy, began its own
            QVERIFY(write(copy, "the other start's copy"));
            pipe.write("shipped");
        } // the pipe closes, and the start ends its copy
        QCOMPARE(locations.databasePath(), copy);
        QCOMPARE(read(copy), "the other start's copy");
        QCOMPARE(QDir(root.filePath("user")).entryList(QDir::Files), QStringList{"quillane97.mdb"});
    }
};

QTEST_MAIN(TestDataLocations)
#include "tst_datalocations.moc"
