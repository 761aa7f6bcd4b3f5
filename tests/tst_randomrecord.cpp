#include "data/Database.h"
#include "shared/FatalError.h"
#include "shared/Random.h"
#include "shared/RandomListValue.h"
#include "support/ScriptedDesktop.h"
#include "support/TestDatabase.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>

class TestRandomRecord : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void drawsEveryRowAboutEquallyOften();
    void upperCasesOnlyTheFirstLetter();
    void neverDrawsBlankRows();
    void tableNamesWithBlanksAndAnyCase();
    void seesRowsWrittenBetweenDraws();
    void seesRowsWrittenByAnotherConnection_data();
    void seesRowsWrittenByAnotherConnection();
    void emptyOrMissingTableIsFatalAndNamed();

private:
    std::unique_ptr<ScriptedDesktop> m_desktop;
    std::unique_ptr<TestDatabase> m_db;
};

void TestRandomRecord::init()
{
    m_desktop = std::make_unique<ScriptedDesktop>();
    m_db = std::make_unique<TestDatabase>();
    QVERIFY2(m_db->isOpen(), qPrintable(m_db->error()));
    Random::instance().seed(20261206);
}

void TestRandomRecord::cleanup()
{
    m_db.reset();
    m_desktop.reset();
}

void TestRandomRecord::drawsEveryRowAboutEquallyOften()
{
    QVERIFY(m_db->execute("CREATE TABLE dice (ID INTEGER PRIMARY KEY, face TEXT)"));
    // Keys with gaps: rows must be equally likely whatever their keys.
    for (int face = 1; face <= 6; ++face)
        QVERIFY(m_db->execute(
            QStringLiteral("INSERT INTO dice VALUES (%1, 'f%2')").arg(face * face * 7).arg(face)));
    const int draws = 60000;
    QHash<QString, int> counts;
    for (int i = 0; i < draws; ++i)
        ++counts[getRandomRecord("dice")];
    QCOMPARE(counts.size(), 6);
    // Chi-square with 5 degrees of freedom: 20.5 is the 0.1% critical value.
    double chiSquare = 0;
    const double expected = draws / 6.0;
    for (int count : std::as_const(counts))
        chiSquare += (count - expected) * (count - expected) / expected;
    QVERIFY2(chiSquare < 20.5, qPrintable(QString::number(chiSquare)));
}

void TestRandomRecord::upperCasesOnlyTheFirstLetter()
{
    QVERIFY(m_db->execute("CREATE TABLE words (ID INTEGER PRIMARY KEY, word TEXT)"));
    QVERIFY(m_db->execute("INSERT INTO words (word) VALUES ('quiet mOUSE')"));
    QCOMPARE(getRandomRecord("words"), QStringLiteral("Quiet mOUSE"));

    QVERIFY(m_db->execute("DELETE FROM words"));
    QVERIFY(m_db->execute("INSERT INTO words (word) VALUES ('Already')"));
    QCOMPARE(getRandomRecord("words"), QStringLiteral("Already"));

    QVERIFY(m_db->execute("DELETE FROM words"));
    QVERIFY(m_db->execute("INSERT INTO words (word) VALUES ('é')"));
    QCOMPARE(getRandomRecord("words"), QStringLiteral("É"));
    QVERIFY(m_db->fatalErrors.isEmpty());
}

void TestRandomRecord::neverDrawsBlankRows()
{
    QVERIFY(m_db->execute("CREATE TABLE sparse (ID INTEGER PRIMARY KEY, word TEXT)"));
    QVERIFY(m_db->execute("INSERT INTO sparse (word) VALUES (NULL), (''), ('   '), ('owl'), "
                          "(NULL), ('fox')"));
    QSet<QString> seen;
    for (int i = 0; i < 400; ++i)
        seen.insert(getRandomRecord("sparse"));
    QCOMPARE(seen, (QSet<QString>{"Owl", "Fox"}));
}

void TestRandomRecord::tableNamesWithBlanksAndAnyCase()
{
    QVERIFY(m_db->execute("CREATE TABLE \"Odd Table\" (ID INTEGER PRIMARY KEY, word TEXT)"));
    QVERIFY(m_db->execute("INSERT INTO \"Odd Table\" (word) VALUES ('lantern')"));
    QCOMPARE(getRandomRecord("Odd Table"), QStringLiteral("Lantern"));
    QCOMPARE(getRandomRecord("[odd table]"), QStringLiteral("Lantern"));
    // The fixture's gender table, asked for in another case.
    const QString gender = getRandomRecord("GENDER");
    QVERIFY2(gender == "Male" || gender == "Female", qPrintable(gender));
    // A name built to break out of its quotes stays a name.
    QVERIFY(m_db->execute("CREATE TABLE \"x\"\"; DROP TABLE noun; --\" (ID INTEGER PRIMARY KEY, w "
                          "TEXT)"));
    QVERIFY(m_db->execute("INSERT INTO \"x\"\"; DROP TABLE noun; --\" (w) VALUES ('safe')"));
    QCOMPARE(getRandomRecord("x\"; DROP TABLE noun; --"), QStringLiteral("Safe"));
    QVERIFY(Database::hasTable("noun"));
}

void TestRandomRecord::seesRowsWrittenBetweenDraws()
{
    QVERIFY(m_db->execute("CREATE TABLE grows (ID INTEGER PRIMARY KEY, word TEXT)"));
    QVERIFY(m_db->execute("INSERT INTO grows (word) VALUES ('first')"));
    QCOMPARE(getRandomRecord("grows"), QStringLiteral("First"));

    QVERIFY(m_db->execute("UPDATE grows SET word = 'changed'"));
    QCOMPARE(getRandomRecord("grows"), QStringLiteral("Changed"));

    QVERIFY(m_db->execute("DELETE FROM grows"));
    QVERIFY(m_db->execute("INSERT INTO grows (word) VALUES ('newest')"));
    QCOMPARE(getRandomRecord("grows"), QStringLiteral("Newest"));

    // A write that is rolled back leaves nothing behind to draw.
    QVERIFY(m_db->execute("BEGIN"));
    QVERIFY(m_db->execute("DELETE FROM grows"));
    QVERIFY(m_db->execute("INSERT INTO grows (word) VALUES ('undone')"));
    QCOMPARE(getRandomRecord("grows"), QStringLiteral("Undone"));
    QVERIFY(m_db->execute("ROLLBACK"));
    QCOMPARE(getRandomRecord("grows"), QStringLiteral("Newest"));
    QVERIFY(m_db->fatalErrors.isEmpty());

    QVERIFY(m_db->execute("INSERT INTO grows (word) VALUES ('second')"));
    QSet<QString> seen;
    for (int i = 0; i < 200; ++i)
        seen.insert(getRandomRecord("grows"));
    QCOMPARE(seen, (QSet<QString>{"Newest", "Second"}));
}

void TestRandomRecord::seesRowsWrittenByAnotherConnection_data()
{
    QTest::addColumn<QString>("journalMode");
    QTest::newRow("rollback journal") << "DELETE";
    QTest::newRow("write-ahead log") << "WAL";
}

void TestRandomRecord::seesRowsWrittenByAnotherConnection()
{
    QFETCH(QString, journalMode);
    QVERIFY(m_db->execute("PRAGMA journal_mode = " + journalMode));
    QVERIFY(m_db->execute("CREATE TABLE shared (ID INTEGER PRIMARY KEY, word TEXT)"));
    QVERIFY(m_db->execute("INSERT INTO shared (word) VALUES ('mine')"));
    QCOMPARE(getRandomRecord("shared"), QStringLiteral("Mine"));
    {
        QSqlDatabase other = QSqlDatabase::addDatabase("QSQLITE", "other");
        other.setDatabaseName(m_db->path());
        QVERIFY(other.open());
        QSqlQuery query(other);
        QVERIFY(query.exec("UPDATE shared SET word = 'theirs'"));
        other.close();
    }
    QSqlDatabase::removeDatabase("other");
    QCOMPARE(getRandomRecord("shared"), QStringLiteral("Theirs"));
}

void TestRandomRecord::emptyOrMissingTableIsFatalAndNamed()
{
    QVERIFY(m_db->execute("CREATE TABLE hollow (ID INTEGER PRIMARY KEY, word TEXT)"));
    QVERIFY(m_db->execute("INSERT INTO hollow (word) VALUES ('')"));
    QCOMPARE(getRandomRecord("hollow"), QString());
    QCOMPARE(m_db->fatalErrors, QList<int>{3021});
    const QString report = m_desktop->lastMessage();
    QVERIFY2(report.startsWith("Error #  3021 was generated by getRandomRecord\r"),
             qPrintable(report));
    QVERIFY(report.contains("'hollow'"));
    QVERIFY(report.endsWith(" in database" + m_db->path()));
    QCOMPARE(m_desktop->messages.last().title, QStringLiteral("Error"));

    getRandomRecord("nowhere");
    QCOMPARE(m_db->fatalErrors.size(), 2);
    QVERIFY(m_desktop->lastMessage().contains("'nowhere'"));
}

QTEST_GUILESS_MAIN(TestRandomRecord)
#include "tst_randomrecord.moc"
