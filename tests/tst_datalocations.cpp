#include "app/DataLocations.h"
#include "app/HelpCommands.h"

#include <QTemporaryDir>
#include <QtTest>

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
        if (tag == "read-only folder")
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
        }
        QCOMPARE(read(QDir(data).filePath(DataLocations::DatabaseName)),
                 tag == "writable folder" ? "saved work" : "shipped");
        QFile::setPermissions(program, QFile::permissions(program) | QFileDevice::WriteOwner);
    }
};

QTEST_MAIN(TestDataLocations)
#include "tst_datalocations.moc"
