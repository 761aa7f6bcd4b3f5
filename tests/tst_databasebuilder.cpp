#include "data/Database.h"
#include "data/DatabaseBuilder.h"
#include "data/StoreError.h"
#include "support/ScriptedDesktop.h"
#include "support/TestDatabase.h"

#include <QFile>
#include <QProcess>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QTest>

class TestDatabaseBuilder : public QObject
{
    Q_OBJECT

private slots:
    void shippedSourcesBuildEveryTable();
    void recordTablesHaveTheirFieldsInOrder();
    void newRecordsAreVisibleAndDuplicatesFail();
    void storedQueriesAnswer();
    void tabSeparatedFilesKeepEscapes();
    void badSourcesAreRefused();
    void makeToolNeverOverwritesSavedWork();

private:
    QStringList fields(const QString& table);
};

QStringList TestDatabaseBuilder::fields(const QString& table)
{
    QStringList names;
    QSqlQuery query(Database::connection());
    query.exec("PRAGMA table_info(" + Database::quoteIdentifier(table) + ")");
    while (query.next())
        names << query.value(1).toString();
    return names;
}

void TestDatabaseBuilder::shippedSourcesBuildEveryTable()
{
    TestDatabase db(TestDatabase::shippedTables());
    QVERIFY2(db.isOpen(), qPrintable(db.error()));
    const QStringList lists = {"noun",
                               "verb",
                               "adjective",
                               "adverb",
                               "article",
                               "pronouns",
                               "preposition",
                               "possessivePronoun",
                               "directObjectPronoun",
                               "questionWords",
                               "advice",
                               "maleName",
                               "femaleName",
                               "surnames",
                               "gender",
                               "hair",
                               "eyes",
                               "country",
                               "languages",
                               "family",
                               "education",
                               "religion",
                               "wealth",
                               "occupation",
                               "hobbies",
                               "interests",
                               "mental",
                               "materialism",
                               "morality",
                               "motivation",
                               "intellect",
                               "thrift",
                               "weather",
                               "conflict",
                               "location",
                               "time_of_day",
                               "time",
                               "UnitOfMeasure",
                               "sentencePattern",
                               "namePattern"};
    for (const QString& list : lists) {
        const QStringList names = fields(list);
        QCOMPARE(names.size(), 2);
        QCOMPARE(names.at(1), list); // the value field is named like its table
        QVERIFY2(db.scalar("SELECT count(*) FROM " + Database::quoteIdentifier(list)).toInt() > 0,
                 qPrintable(list));
    }
    QCOMPARE(db.scalar("SELECT count(*) FROM customize").toInt(), 1);
    QCOMPARE(db.scalar("SELECT personalReminder FROM customize").toString(),
             QStringLiteral("Never run with scissors."));
    // Plot ids run from 1 without gaps.
    QCOMPARE(db.scalar("SELECT max(id) - count(*) FROM plots").toInt(), 0);
}

void TestDatabaseBuilder::recordTablesHaveTheirFieldsInOrder()
{
    TestDatabase db;
    QVERIFY(db.isOpen());
    QCOMPARE(fields("character"),
             (QStringList{"ID",         "visible",    "Name",      "Gender",       "Hair",
                          "Eye",        "Height",     "Weight",    "Age",          "Country",
                          "Language",   "Family",     "Education", "Religion",     "Wealth",
                          "Occupation", "Hobby",      "Interest",  "Mental State", "Materialism",
                          "Morality",   "Motivation", "Intellect", "Thrift"}));
    QCOMPARE(fields("Plot Profile"),
             (QStringList{"ID", "Plot Name", "Character One", "Motivation One", "Character Two",
                          "Motivation Two", "Character Three", "Motivation Three", "visible"}));
    QCOMPARE(fields("Scene Profile").first(3), (QStringList{"ID", "Scene Name", "Weather"}));
    QCOMPARE(fields("Scene Profile").last(2), (QStringList{"Scene Notes", "visible"}));
    QCOMPARE(fields("Story Profile"),
             (QStringList{"ID", "Story Name", "Story Description", "Notes"}));
    QCOMPARE(fields("Story_Plot"), (QStringList{"Id", "Story_ID", "Plot_ID", "Comment"}));
    QCOMPARE(fields("plots"), (QStringList{"id", "plot_name", "plot_description"}));
    QCOMPARE(fields("customize"),
             (QStringList{"timerInterval", "personalReminder", "toolBar", "startForm"}));
}

void TestDatabaseBuilder::newRecordsAreVisibleAndDuplicatesFail()
{
    TestDatabase db;
    QVERIFY(db.execute("INSERT INTO character (Name) VALUES ('Ada Lovelace')"));
    QCOMPARE(db.scalar("SELECT visible FROM character").toInt(), 0);
    QVERIFY(db.execute("INSERT INTO character (Name) VALUES (NULL)"));
    QVERIFY(db.execute("INSERT INTO character (Name) VALUES (NULL)")); // unnamed rows may repeat

    QSqlQuery duplicate(Database::connection());
    QVERIFY(!duplicate.exec("INSERT INTO character (Name) VALUES ('Ada Lovelace')"));
    QCOMPARE(StoreError::fromSql(duplicate.lastError(), "test").number,
             int(EngineError::DuplicateValue));
    QVERIFY(!duplicate.exec("INSERT INTO noun (noun) VALUES ('ANCHOR')")); // lists ignore case
    QVERIFY(db.execute("INSERT INTO Story_Character (Story_ID, Character_ID) VALUES (1, 1)"));
    QVERIFY(!duplicate.exec("INSERT INTO Story_Character (Story_ID, Character_ID) VALUES (1, 1)"));
    // Keys of deleted records are never handed out again.
    const int last = db.scalar("SELECT max(ID) FROM character").toInt();
    QVERIFY(db.execute(QStringLiteral("DELETE FROM character WHERE ID = %1").arg(last)));
    QVERIFY(db.execute("INSERT INTO character (Name) VALUES ('Next')"));
    QCOMPARE(db.scalar("SELECT max(ID) FROM character").toInt(), last + 1);
}

void TestDatabaseBuilder::storedQueriesAnswer()
{
    TestDatabase db;
    QCOMPARE(db.scalar("SELECT category FROM questionCategory").toString(),
             QStringLiteral("Character"));
    QSqlQuery questions(Database::connection());
    QVERIFY(questions.prepare(
        db.scalar("SELECT sql FROM MSysQueries WHERE name = 'questionList'").toString()));
    questions.bindValue(":CATEGORY", "setting");
    QVERIFY(questions.exec());
    QStringList asked;
    while (questions.next())
        asked << questions.value(0).toString();
    QCOMPARE(asked, (QStringList{"Where does the story take place?", "When does it happen?"}));

    QVERIFY(db.execute("INSERT INTO character (Name) VALUES ('Ann')"));
    QVERIFY(db.execute("INSERT INTO \"Story Profile\" (\"Story Name\") VALUES ('Tale')"));
    QVERIFY(db.execute("INSERT INTO Story_Character (Story_ID, Character_ID, Note) VALUES (1, 1, "
                       "'lead')"));
    QCOMPARE(db.scalar("SELECT Name || '/' || Note FROM qryStory_Character").toString(),
             QStringLiteral("Ann/lead"));
}

void TestDatabaseBuilder::tabSeparatedFilesKeepEscapes()
{
    QTemporaryDir folder;
    QFile plots(folder.filePath("plots.tsv"));
    QVERIFY(plots.open(QIODevice::WriteOnly));
    plots.write("id\tplot_name\tplot_description\n1\tQuest\tline one\\nline two\\ttabbed \\\\ "
                "done\n2\tEmpty\t\n");
    plots.close();
    QFile nouns(folder.filePath("noun.txt"));
    QVERIFY(nouns.open(QIODevice::WriteOnly));
    nouns.write("owl\r\n\r\nlamp\n");
    nouns.close();
    TestDatabase db(folder.path());
    QVERIFY2(db.isOpen(), qPrintable(db.error()));
    QCOMPARE(db.scalar("SELECT plot_description FROM plots WHERE id = 1").toString(),
             QStringLiteral("line one\nline two\ttabbed \\ done"));
    QVERIFY(db.scalar("SELECT plot_description FROM plots WHERE id = 2").isNull());
    QCOMPARE(db.scalar("SELECT group_concat(ID || noun, ',') FROM noun").toString(),
             QStringLiteral("1owl,2lamp"));
}

void TestDatabaseBuilder::badSourcesAreRefused()
{
    QTemporaryDir folder;
    QFile stray(folder.filePath("nouns.txt"));
    QVERIFY(stray.open(QIODevice::WriteOnly));
    stray.write("owl\n");
    stray.close();
    QString error;
    const QString target = folder.filePath("out.mdb");
    QVERIFY(!DatabaseBuilder::build(TestDatabase::schemaFile(), folder.path(), target, &error));
    QVERIFY2(error.contains("nouns"), qPrintable(error));
    QVERIFY(!QFile::exists(target));

    QVERIFY(stray.remove());
    QFile duplicates(folder.filePath("noun.txt"));
    QVERIFY(duplicates.open(QIODevice::WriteOnly));
    duplicates.write("owl\nOwl\n");
    duplicates.close();
    QVERIFY(!DatabaseBuilder::build(TestDatabase::schemaFile(), folder.path(), target, &error));
    QVERIFY2(error.contains("noun.txt"), qPrintable(error));
}

void TestDatabaseBuilder::makeToolNeverOverwritesSavedWork()
{
    QTemporaryDir folder;
    const QString target = folder.filePath("quillane97.mdb");
    const QString data = QStringLiteral(QUILLANE_SOURCE_DIR "/data");
    QCOMPARE(QProcess::execute(QUILLANE_MAKEDB, {"--if-missing", data, target}), 0);
    {
        StoreError error;
        QVERIFY(Database::open(target, &error));
        QSqlQuery(Database::connection()).exec("INSERT INTO character (Name) VALUES ('Saved')");
        Database::close();
    }
    QCOMPARE(QProcess::execute(QUILLANE_MAKEDB, {"--if-missing", data, target}), 0);
    StoreError error;
    QVERIFY(Database::open(target, &error));
    QSqlQuery query(Database::connection());
    QVERIFY(query.exec("SELECT count(*) FROM character") && query.next());
    QCOMPARE(query.value(0).toInt(), 1);
    query = QSqlQuery();
    Database::close();

    QCOMPARE(QProcess::execute(QUILLANE_MAKEDB, {"--replace", data, target}), 0);
    QVERIFY(Database::open(target, &error));
    QSqlQuery fresh(Database::connection());
    QVERIFY(fresh.exec("SELECT count(*) FROM character") && fresh.next());
    QCOMPARE(fresh.value(0).toInt(), 0);
    fresh = QSqlQuery();
    Database::close();
}

QTEST_GUILESS_MAIN(TestDatabaseBuilder)
#include "tst_databasebuilder.moc"
