#include "data/Database.h"
#include "data/DatabaseBuilder.h"
#include "data/SchemaUpgrade.h"
#include "support/TestDatabase.h"

#include <QtSql>
#include <QtTest>

// The database as it is built from table files, and the lists the program ships with in data/.
class TestDatabaseBuilder : public QObject
{
    Q_OBJECT

private slots:
    void tableFiles_data();
    void tableFiles();
    void keysAreNeverReusedAndDuplicatesFail();
    void makeToolNeverOverwritesAndRepeatsItself();
    void shippedTablesAreCompleteAndClean();
};

void TestDatabaseBuilder::tableFiles_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("result"); // the plots read back, or the error reported
    QTest::newRow("escapes and Null") << "plots.tsv"
                                      << QByteArray("id\tplot_name\tplot_description\n1\tA\tone\\n"
                                                    "two\\tthree \\\\ four\n2\tEmpty\t\n")
                                      << "1 one\ntwo\tthree \\ four|2 Null";
    QTest::newRow("no such table") << "nouns.txt" << QByteArray("owl\n") << "nouns";
    QTest::newRow("duplicate") << "noun.txt" << QByteArray("owl\nOwl\n") << "noun.txt, row 3";
    QTest::newRow("cells") << "plots.tsv" << QByteArray("id\tplot_name\n1\n") << "plots.tsv";
    QTest::newRow("no header") << "plots.tsv" << QByteArray() << "header";
}

// Table files are read with their escapes; a malformed one is named and leaves no database.
void TestDatabaseBuilder::tableFiles()
{
    QFETCH(QString, file);
    QFETCH(QByteArray, content);
    QFETCH(QString, result);
    QTemporaryDir folder;
    QFile source(folder.filePath(file));
    QVERIFY(source.open(QIODevice::WriteOnly) && source.write(content) == content.size());
    source.close();
    TestDatabase db(folder.path());
    QCOMPARE(QFile::exists(db.path()), db.isOpen());
    const QString read =
        db.isOpen()
            ? db.column("SELECT id || ' ' || ifnull(plot_description, 'Null') FROM plots").join('|')
            : db.error();
    QVERIFY2(read.contains(result), qPrintable(read));
}

void TestDatabaseBuilder::keysAreNeverReusedAndDuplicatesFail()
{
    TestDatabase db;
    QSqlQuery duplicate(Database::connection());
    QVERIFY(!duplicate.exec("INSERT INTO noun (noun) VALUES ('ANCHOR')")); // lists ignore case
    // The kinds of relationship come with their table, whatever the table files hold.
    QVERIFY(db.scalar("SELECT count(*) FROM relationship WHERE mirror <> ''").toInt() >= 40);
    QVERIFY(db.execute("INSERT INTO character (Name) VALUES ('Ann'), ('Bea'), ('Cy')") &&
            db.execute("INSERT INTO \"Story Profile\" (\"Story Name\") VALUES ('Tale')") &&
            db.execute("INSERT INTO Story_Character (Story_ID, Character_ID, Note) VALUES (1, 2, "
                       "'lead')") &&
            db.execute("DELETE FROM character WHERE Name = 'Cy'") &&
            db.execute("INSERT INTO character (Name) VALUES ('Dot')"));
    QVERIFY(!duplicate.exec("INSERT INTO Story_Character (Story_ID, Character_ID) VALUES (1, 2)"));
    QCOMPARE(db.column("SELECT Name || '/' || Note FROM qryStory_Character UNION ALL SELECT ID "
                       "FROM character WHERE Name = 'Dot'"),
             (QStringList{"Bea/lead", "4"}));
}

// The tool leaves an existing file alone unless told to replace it, and the same sources always
// give the same file.
void TestDatabaseBuilder::makeToolNeverOverwritesAndRepeatsItself()
{
    QTemporaryDir folder;
    const QString target = folder.filePath("quillane97.mdb"), copy = folder.filePath("copy.mdb");
    const auto make = [](const QString& how, const QString& path) { // the file made, if any
        QFile made(path);
        const int status =
            QProcess::execute(QUILLANE_MAKEDB, {how, QUILLANE_SOURCE_DIR "/data", path});
        return status == 0 && made.open(QIODevice::ReadOnly) ? made.readAll() : QByteArray();
    };
    const QByteArray made = make("--if-missing", target);
    QVERIFY(made.size() > 100000 && make("--replace", copy) == made);
    QVERIFY(QFile::resize(target, 4096)); // as if the user's work were in it
    QCOMPARE(make("--if-missing", target), made.left(4096));
    QCOMPARE(make("--replace", target), made);
}

// Every shipped list has a key and a value field named like the table, and enough values, each of
// them trimmed, unique in any case and free of blocked words; patterns hold only their codes.
// Every verb has its frame, every noun its countability, every name its culture, and nothing
// else follows a value.
void TestDatabaseBuilder::shippedTablesAreCompleteAndClean()
{
    TestDatabase db(TestDatabase::shippedTables());
    QVERIFY2(db.isOpen(), qPrintable(db.error()));
    const QStringList minimums =
        QStringLiteral("noun 2000 verb 800 adjective 1000 adverb 300 article 3 pronouns 7 "
                       "preposition 60 possessivePronoun 7 directObjectPronoun 7 questionWords 9 "
                       "maleName 1000 femaleName 1000 surnames 1000 gender 2 country 150 "
                       "languages 100 occupation 300 hobbies 150 interests 100 weather 40 "
                       "conflict 60 location 150 time_of_day 12 time 5 UnitOfMeasure 5 "
                       "sentencePattern 30 namePattern 30 advice 150 hair 20 eyes 20 family 20 "
                       "education 20 religion 20 wealth 20 mental 20 materialism 20 morality 20 "
                       "motivation 20 intellect 20 thrift 20 relationship 40")
            .split(' ');
    QFile file(QStringLiteral(QUILLANE_FIXTURES_DIR "/blocklist.txt"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QSet<QString> blocked;
    for (const QString& line : QString::fromUtf8(file.readAll()).split('\n'))
        blocked.insert(line.startsWith('#') ? QString() : line.trimmed().toLower());
    QVERIFY(blocked.remove(QString()) && blocked.size() > 300);
    static const QRegularExpression separators("[^\\p{L}'-]+");
    for (qsizetype i = 0; i < minimums.size(); i += 2) {
        const QString table = minimums[i], name = Database::quoteIdentifier(table);
        QCOMPARE(
            db.column("SELECT name FROM pragma_table_info('" + table + "') WHERE cid > 0"),
            (table == "verb"           ? QStringList{table, "frame"}
             : table == "noun"         ? QStringList{table, "countability"}
             : table == "relationship" ? QStringList{table, "mirror"}
             : QStringList{"maleName", "femaleName", "surnames", "country", "languages"}.contains(
                   table)
                 ? QStringList{table, "culture"}
                 : QStringList{table}));
        const QStringList values = db.column("SELECT " + name + " FROM " + name);
        QVERIFY2(values.size() >= minimums[i + 1].toInt(), qPrintable(table));
        QSet<QString> seen;
        for (const QString& value : values) {
            const QString lower = value.toLower();
            const QStringList words = lower.split(separators, Qt::SkipEmptyParts) << lower;
            QVERIFY2(!value.isEmpty() && value == value.trimmed() && !value.contains("  ") &&
                         !seen.contains(lower) &&
                         (table.endsWith("Pattern") ||
                          !QSet<QString>(words.cbegin(), words.cend()).intersects(blocked)),
                     qPrintable(table + ": '" + value + "'"));
            seen.insert(lower);
        }
    }
    QCOMPARE(db.column(
                 "SELECT sentencePattern FROM sentencePattern WHERE sentencePattern "
                 "GLOB '*[^qyxnvjprt]*' UNION SELECT namePattern FROM namePattern WHERE "
                 "namePattern GLOB '*[^cv]*' UNION SELECT verb FROM verb WHERE frame IS NULL "
                 "OR frame NOT IN ('object', 'none', 'both') COLLATE BINARY UNION SELECT noun FROM "
                 "noun WHERE countability IS NULL OR countability NOT IN ('count', 'mass', "
                 "'both') COLLATE BINARY UNION SELECT "
                 "maleName FROM maleName WHERE trim(ifnull(culture, '')) = '' UNION SELECT "
                 "femaleName FROM femaleName WHERE trim(ifnull(culture, '')) = '' UNION "
                 "SELECT surnames FROM surnames WHERE trim(ifnull(culture, '')) = ''"),
             QStringList());
    // Every kind of relationship has a mirror that is a kind whose mirror is the first; the
    // kinds come once each, from the step that makes their table, their file not loaded again.
    QCOMPARE(db.column("SELECT relationship FROM relationship AS kind WHERE NOT EXISTS (SELECT 1 "
                       "FROM relationship AS back WHERE back.relationship = kind.mirror COLLATE "
                       "BINARY AND back.mirror = kind.relationship COLLATE BINARY)"),
             QStringList());
    QFile kinds(TestDatabase::shippedTables() + "/relationship.tsv");
    QVERIFY(kinds.open(QIODevice::ReadOnly));
    QStringList kindLines = QString::fromUtf8(kinds.readAll()).split('\n', Qt::SkipEmptyParts);
    QCOMPARE(kindLines.takeFirst(), "relationship\tmirror");
    QCOMPARE(db.column("SELECT relationship || char(9) || mirror FROM relationship ORDER BY ID"),
             kindLines);
    // A culture a country or a language names gives every part of a name.
    QCOMPARE(db.column("SELECT culture FROM country WHERE culture IS NOT NULL UNION SELECT "
                       "culture FROM languages WHERE culture IS NOT NULL EXCEPT SELECT * FROM "
                       "(SELECT culture FROM maleName INTERSECT SELECT culture FROM femaleName "
                       "INTERSECT SELECT culture FROM surnames)"),
             QStringList());
    QCOMPARE(
        db.column("SELECT gender FROM gender WHERE gender IN ('Male', 'Female') UNION "
                  "SELECT country || ': ' || culture FROM country WHERE country = 'United "
                  "States' UNION SELECT languages FROM languages WHERE languages = 'English' "
                  "UNION SELECT article FROM article"),
        (QStringList{"a", "an", "English", "Female", "Male", "the", "United States: American"}));
    // Plot ids run from 1 without gaps: the list position is id - 1.
    QCOMPARE(db.column("SELECT count(*) >= 36 AND min(id) = 1 AND max(id) = count(*) AND "
                       "count(DISTINCT lower(plot_name)) = count(*) AND sum(trim(plot_name) <> '') "
                       "= count(*) AND sum(length(plot_description) >= 300) = count(*) FROM plots"),
             QStringList{"1"});
    QCOMPARE(db.column("SELECT count(*) >= 8 AND min(asked) >= 10 AND sum(unasked) = 0 FROM "
                       "(SELECT count(*) AS asked, sum(question NOT LIKE '%?') AS unasked FROM "
                       "questions GROUP BY category COLLATE NOCASE)"),
             QStringList{"1"});
    // A new database is of the current version, with the columns later versions added.
    QCOMPARE(db.column("SELECT printf('%d|%s|%d|%d|%d|%d', timerInterval, personalReminder, "
                       "toolBar, startForm BETWEEN 0 AND 10, sideBySide, user_version) FROM "
                       "customize, pragma_user_version"),
             QStringList{"5|Never run with scissors.|-1|1|0|" +
                         QString::number(SchemaUpgrade::CurrentVersion)});
}

QTEST_GUILESS_MAIN(TestDatabaseBuilder)
#include "tst_databasebuilder.moc"
