#include "app/DatabaseSession.h"
#include "data/Database.h"
#include "data/DatabaseBackup.h"
#include "data/SchemaUpgrade.h"
#include "support/TestEnvironment.h"

#include <QtTest>

namespace {

const QString Question = "The Magic Stopped. (exclamation): <folder>/quillane97.mdb is empty, cut "
                         "short or not a Quillane database: choose Yes to put back the backup made "
                         "on Friday, December 4, 2026, keeping the damaged file as "
                         "<folder>/backups/quillane97-damaged-2026-12-06.mdb, or No to leave it as "
                         "it is.";

// Counts the rows that differ between a table of the open database and of the one attached as
// "copy", in the given fields (all when none), and the difference in their numbers of rows.
QString differences(const QString& table, const QString& fields = "*")
{
    const QString main = "SELECT " + fields + " FROM main." + Database::quoteIdentifier(table);
    const QString copy = "SELECT " + fields + " FROM copy." + Database::quoteIdentifier(table);
    return QString("SELECT (SELECT count(*) FROM (%1 EXCEPT %2)) + (SELECT count(*) FROM (%2 "
                   "EXCEPT %1)) + abs((SELECT count(*) FROM (%1)) - (SELECT count(*) FROM (%2)))")
        .arg(main, copy);
}

// The lines of a shipped table's file: a header line "<table><TAB><field>", then each value with
// its field, a tab between.
QStringList shippedLines(const QString& table)
{
    QFile file(TestDatabase::shippedTables() + '/' + table + ".tsv");
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts);
}

// Rows of a value and its field, the value in lower case, to compare them however it is spelled.
QStringList caseless(QStringList rows)
{
    for (QString& row : rows)
        row = row.section('\t', 0, 0).toLower() + '\t' + row.section('\t', 1);
    return rows;
}

// The name of our dated copy made so many days before the day of the tests.
QString dated(int daysBack)
{
    return "quillane97-" + QDate(2026, 12, 6).addDays(-daysBack).toString(Qt::ISODate) + ".mdb";
}

} // namespace

// Each start keeps a dated copy of the database beside it; a database found damaged or gone at
// start may be replaced by the newest whole copy, and the damaged file is kept.
class TestBackups : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestEnvironment> m_env;

    QString backups() const { return m_env->db.folder() + "/backups"; }
    QStringList backupFolder() const { return QDir(backups()).entryList(QDir::Files, QDir::Name); }

private slots:
    void init() { m_env = std::make_unique<TestEnvironment>(); }
    void cleanup()
    {
        QFile::setPermissions(m_env->db.folder(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                      QFileDevice::ExeOwner);
        m_env.reset();
    }

    void startKeepsOneBackupADay()
    {
        QTest::failOnWarning(QRegularExpression("backup"));
        const QString attach = "ATTACH '" + backups() + '/' + dated(0) + "' AS copy";
        QVERIFY(m_env->db.execute("INSERT INTO character (Name, visible) VALUES ('Ann', 0)"));
        QVERIFY(openDatabase());
        QCOMPARE(backupFolder(), QStringList{dated(0)});
        // The copy is made through a small cache; the database keeps its own afterwards.
        QCOMPARE(m_env->db.scalar("PRAGMA cache_size"), -2000);
        QVERIFY(m_env->db.execute(attach));
        const QStringList tables =
            m_env->db.column("SELECT name FROM main.sqlite_master WHERE type = 'table'");
        QVERIFY(tables.contains("character"));
        for (const QString& table : tables)
            QCOMPARE(m_env->db.scalar(differences(table)), 0);

        // A second start the same day keeps the first copy.
        QVERIFY(m_env->db.execute("INSERT INTO character (Name, visible) VALUES ('Bob', 0)"));
        QVERIFY(openDatabase());
        QCOMPARE(backupFolder(), QStringList{dated(0)});
        QVERIFY(m_env->db.execute(attach));
        QCOMPARE(m_env->db.column("SELECT Name FROM copy.character"), QStringList{"Ann"});
        QVERIFY(m_env->desktop.messages.isEmpty());
    }

    // A file an older version made is copied aside byte for byte, then brought up to date with
    // every row kept, its layout now the one a new database has; the next start finds it current
    // and keeps no other copy. A file of the first version runs through every step.
    void olderFileIsBroughtUpToDate_data()
    {
        QTest::addColumn<QString>("copyName");
        QTest::addColumn<int>("withoutNotes"); // characters that had no notes before
        QTest::addColumn<QString>("sideBySide");
        QTest::addColumn<QString>("withoutRolls"); // characters, plots and scenes
        // The lists whose further fields came after the file's version: each shipped value gets
        // its field, the user's own values none.
        QTest::addColumn<QStringList>("withFields");
        QTest::addColumn<int>("relationships");
        const QStringList sinceVersion3 = {"noun"};
        const QStringList sinceVersion2 =
            QStringList{"verb", "maleName", "femaleName", "surnames", "country", "languages"} +
            sinceVersion3;
        QTest::newRow("version 1") << "quillane97-version-1.mdb" << 3 << "0"
                                   << "311" << sinceVersion2 << 0;
        QTest::newRow("version 2") << "quillane97-version-2.mdb" << 1 << "-1"
                                   << "322" << sinceVersion2 << 0;
        QTest::newRow("version 3") << "quillane97-version-3.mdb" << 1 << "-1"
                                   << "100" << sinceVersion3 << 0;
        QTest::newRow("version 4") << "quillane97-version-4.mdb" << 1 << "-1"
                                   << "100" << QStringList{} << 1;
    }
    void olderFileIsBroughtUpToDate()
    {
        QFETCH(QString, copyName);
        QFETCH(int, withoutNotes);
        QFETCH(QString, sideBySide);
        QFETCH(QString, withoutRolls);
        QFETCH(QStringList, withFields);
        QFETCH(int, relationships);
        QTest::failOnWarning(QRegularExpression("."));
        const QString fixture = QUILLANE_FIXTURES_DIR "/" + copyName;
        const QString layout = "SELECT type || name || ifnull(sql, '') FROM sqlite_master ORDER "
                               "BY name";
        const QStringList newLayout = m_env->db.column(layout);
        const QString path = m_env->db.path();
        Database::close();
        QVERIFY(QFile::remove(path) && QFile::copy(fixture, path) &&
                QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner));
        QVERIFY(openDatabase());
        QCOMPARE(m_env->told(), "");
        const QString kept = backups() + '/' + copyName;
        QCOMPARE(backupFolder(), (QStringList{dated(0), copyName}));
        QCOMPARE(checksum(kept), checksum(fixture));
        QCOMPARE(m_env->db.scalar("PRAGMA user_version"), SchemaUpgrade::CurrentVersion);
        QCOMPARE(m_env->db.column(layout), newLayout);
        QCOMPARE(m_env->db.scalar("SELECT count(*) FROM character WHERE Notes IS NULL"),
                 withoutNotes);
        QCOMPARE(m_env->db.scalar("SELECT group_concat(sideBySide) FROM customize"), sideBySide);
        QCOMPARE(m_env->db.scalar("SELECT (SELECT count(*) FROM character WHERE coalesce(RollSeed, "
                                  "RollLists, RollLocked) IS NULL) || (SELECT count(*) FROM "
                                  "\"Plot Profile\" WHERE coalesce(RollSeed, RollLists) IS NULL) "
                                  "|| (SELECT count(*) FROM \"Scene Profile\" WHERE "
                                  "coalesce(RollSeed, RollLists) IS NULL)"),
                 withoutRolls);
        // Each shipped value of those lists has its field however the file spells it; the
        // user's own (added last, where the file has one) have none.
        const QHash<QString, QString> ownValues = {
            {"verb", "Quilled"},          {"maleName", "Quillon"},  {"femaleName", "Quillina"},
            {"surnames", "Quillfeather"}, {"country", "Quillmark"}, {"languages", "Quillish"},
            {"noun", "Quillpen"}};
        for (const QString& list : withFields) {
            QStringList shipped = shippedLines(list);
            QVERIFY2(shipped.size() > 100, qPrintable(list));
            const QString field = shipped.takeFirst().section('\t', 1);
            const QString table = Database::quoteIdentifier(list);
            const QString own = ownValues.value(list);
            if (m_env->db.scalar("SELECT count(*) FROM " + table + " WHERE " + table + " = '" +
                                 own + "'") == 1)
                shipped << own + '\t';
            QCOMPARE(caseless(m_env->db.column("SELECT " + table + " || char(9) || ifnull(" +
                                               field + ", '') FROM " + table + " ORDER BY ID")),
                     caseless(shipped));
        }
        // The kinds of relationship come whole with their table; the relationships a file of the
        // fourth version holds stay.
        QStringList kinds = shippedLines("relationship");
        QVERIFY(kinds.size() > 40 && kinds.takeFirst() == "relationship\tmirror");
        QCOMPARE(m_env->db.column("SELECT relationship || char(9) || mirror FROM relationship "
                                  "ORDER BY ID"),
                 kinds);
        QCOMPARE(m_env->db.scalar("SELECT count(*) FROM character_relationship"), relationships);
        // The fields a user gave in a file of the third version or later stay as they were.
        if (!withFields.contains("verb"))
            QCOMPARE(m_env->db.column("SELECT verb || frame FROM verb WHERE verb IN ('zoomed', "
                                      "'Quilled') UNION ALL SELECT maleName || culture FROM "
                                      "maleName WHERE maleName = 'Quillon' ORDER BY 1"),
                     (QStringList{"Quilledobject", "QuillonQuillish", "zoomedobject"}));
        QVERIFY(m_env->db.execute("ATTACH '" + kept + "' AS copy"));
        const QStringList tables =
            m_env->db.column("SELECT name FROM copy.sqlite_master WHERE type = 'table'");
        QVERIFY(tables.size() > 40);
        for (const QString& table : tables) {
            const QStringList fields =
                m_env->db.column("SELECT quote(name) FROM copy.pragma_table_info('" + table + "')");
            QCOMPARE(m_env->db.scalar(differences(table, fields.join(','))), 0);
        }

        const QByteArray upgraded = checksum(path);
        QVERIFY(openDatabase());
        QCOMPARE(backupFolder(), (QStringList{dated(0), copyName}));
        Database::close();
        QCOMPARE(checksum(path), upgraded);
    }

    // Only the newest seven of our dated copies stay; whatever else is in the folder stays too,
    // another start's partial copy among it. Partial copies left by an ended start go.
    void startKeepsTheNewestSeven()
    {
        QVERIFY(QDir().mkdir(backups()));
        const QStringList kept = {"notes.txt",
                                  "quillane97-2026-12-06.mdb.77.partial",
                                  "quillane97-2026-12-06.mdb.partial",
                                  "quillane97-2026-13-01.mdb",
                                  "quillane97-damaged-2026-11-01.mdb",
                                  "quillane97-version-1.mdb"};
        QStringList others = kept;
        for (int daysBack = 1; daysBack <= 9; ++daysBack)
            others << dated(daysBack);
        const QStringList leftovers = {"quillane97-2026-11-02.mdb.partial",
                                       "quillane97-2026-11-03.mdb.12.partial-journal",
                                       "quillane97-version-1-2.mdb.13.partial"};
        for (const QString& name : others + leftovers)
            QVERIFY(writeGarbage(backups() + '/' + name));
        for (const QString& name : leftovers) {
            QFile file(backups() + '/' + name);
            QVERIFY(file.open(QIODevice::ReadWrite) &&
                    file.setFileTime(QDateTime::currentDateTime().addSecs(-7200),
                                     QFileDevice::FileModificationTime));
        }
        QVERIFY(openDatabase());
        QStringList newest;
        for (int daysBack = 6; daysBack >= 0; --daysBack)
            newest << dated(daysBack);
        QCOMPARE(backupFolder(), kept.first(1) + newest + kept.sliced(1));
        QVERIFY(DatabaseBackup::isWhole(backups() + '/' + dated(0)));
    }

    // A database whose indexes no longer match their tables opens, but is not copied over the
    // backups; the newest whole backup stays whatever its age, and one dated in the future
    // (a clock set wrong once) neither keeps a place nor is offered first.
    void damagedDatabaseLeavesTheWholeBackup()
    {
        StoreError error;
        const DatabaseBackup backup(m_env->db.path());
        QVERIFY(backup.keepDaily(QDate(2026, 11, 20), &error));
        QVERIFY(backup.keepDaily(QDate(2031, 1, 1), &error));
        for (int daysBack = 1; daysBack <= 7; ++daysBack)
            QVERIFY(writeGarbage(backup.pathFor(QDate(2026, 12, 6).addDays(-daysBack))));
        QVERIFY(m_env->db.execute("CREATE INDEX byName ON character (Name)"));
        QVERIFY(m_env->db.execute("INSERT INTO character (Name, visible) VALUES ('Ann', 0)"));
        QVERIFY(m_env->db.execute("PRAGMA writable_schema = ON"));
        QVERIFY(m_env->db.execute("UPDATE sqlite_master SET sql = 'CREATE INDEX byName ON "
                                  "character (Gender)' WHERE name = 'byName'"));
        Database::close();
        QTest::ignoreMessage(QtWarningMsg, "No backup of the database was made: The database "
                                           "failed its integrity check, so it was not copied "
                                           "over the backups.");
        QVERIFY(openDatabase());
        QStringList kept = {"quillane97-2026-11-20.mdb"};
        for (int daysBack = 7; daysBack >= 1; --daysBack)
            kept << dated(daysBack);
        QCOMPARE(backupFolder(), kept);
        QCOMPARE(backup.newestWhole(QDate(2026, 12, 6))->day, QDate(2026, 11, 20));
    }

    // A backup that cannot be made is no reason to stop or to say more than the start says.
    void startGoesOnWithoutBackup_data()
    {
        QTest::addColumn<QString>("told");
        QTest::newRow("read-only folder")
            << TestEnvironment::expectedOutput("backups-read-only-folder.txt", true);
        QTest::newRow("a file in the way") << QString();
    }
    void startGoesOnWithoutBackup()
    {
        QFETCH(QString, told);
        if (told.isEmpty()) {
            QVERIFY(writeGarbage(backups()));
            QTest::ignoreMessage(QtWarningMsg,
                                 QRegularExpression("^No backup of the database was made: "));
        } else {
            QVERIFY(QFile::setPermissions(m_env->db.folder(),
                                          QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        }
        QVERIFY(openDatabase());
        QCOMPARE(m_env->told(), told);
    }

    void damagedDatabaseOffersBackup_data()
    {
        QTest::addColumn<bool>("missing");
        QTest::addColumn<QString>("damagedDay");
        QTest::addColumn<MessageAnswer>("answer");
        QTest::addColumn<bool>("starts");
        QTest::addColumn<QString>("told");
        const QString damaged = TestEnvironment::expectedOutput("filestates-garbage.txt", true);
        const auto yes = MessageAnswer::Yes;
        QTest::newRow("Yes") << false << QString() << yes << true << Question;
        QTest::newRow("No") << false << QString() << MessageAnswer::No << false
                            << Question + '\n' + damaged;
        QTest::newRow("newest backup damaged") << false << "2026-12-05" << yes << true << Question;
        QTest::newRow("no whole backup") << false << "2026-12-04" << yes << false << damaged;
        QTest::newRow("missing")
            << true << QString() << yes << true
            << "The Magic Stopped. (exclamation): Quillane cannot find the magical database "
               "<folder>/quillane97.mdb: choose Yes to put back the backup made on Friday, "
               "December 4, 2026, or No to leave Quillane.";
    }
    void damagedDatabaseOffersBackup()
    {
        QFETCH(bool, missing);
        QFETCH(QString, damagedDay);
        QFETCH(MessageAnswer, answer);
        QFETCH(bool, starts);
        QFETCH(QString, told);
        const QString path = m_env->db.path();
        QVERIFY(m_env->db.execute("INSERT INTO character (Name, visible) VALUES ('Ann', 0)"));
        StoreError error;
        QVERIFY(DatabaseBackup(path).keepDaily(QDate(2026, 12, 4), &error));
        // The page of the saved rows overwritten, or an empty file where there was none: SQLite
        // reads the rest of either without complaint.
        const qint64 page = m_env->db.scalar("PRAGMA page_size").toLongLong();
        const qint64 rowsAt = m_env->db
                                  .scalar("SELECT rootpage - 1 FROM sqlite_master WHERE name "
                                          "= 'character'")
                                  .toLongLong();
        QFile damagedBackup(backups() + "/quillane97-" + damagedDay + ".mdb");
        if (!damagedDay.isEmpty()) {
            QVERIFY(damagedBackup.open(QIODevice::ReadWrite));
            QVERIFY(damagedBackup.size() == 0 ||
                    (damagedBackup.seek(rowsAt * page) &&
                     damagedBackup.write(QByteArray(page, 'x')) == page));
            damagedBackup.close();
        }
        QVERIFY(m_env->db.execute("DELETE FROM character"));
        Database::close();
        QVERIFY(missing ? QFile::remove(path) : writeGarbage(path));
        const QByteArray before = checksum(path);

        m_env->desktop.answerNext(answer);
        QCOMPARE(openDatabase(), starts);
        QCOMPARE(m_env->told(), told);
        if (starts) {
            QCOMPARE(m_env->db.column("SELECT Name FROM character"), QStringList{"Ann"});
            QCOMPARE(checksum(backups() + "/quillane97-damaged-2026-12-06.mdb"), before);
        } else {
            QCOMPARE(checksum(path), before);
        }
    }
};

QTEST_MAIN(TestBackups)
#include "tst_backups.moc"
