#include "data/Database.h"
#include "shared/Random.h"
#include "shared/RandomListValue.h"
#include "support/ScriptedDesktop.h"
#include "support/TestDatabase.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>

#include <cmath>

// Every draw is checked on a small table, which is read whole, on a large one, which is read row
// by row as it is drawn, and on one whose keys are too sparse to draw by key.
class TestRandomRecord : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase_data();
    void init();
    void cleanup();

    void drawsEveryValueAboutEquallyOften();
    void drawsEveryRowAboutEquallyOften();
    void neverDrawsBlankRows();
    void seesWritesBetweenDraws();
    void seesRowsWrittenByAnotherConnection_data();
    void seesRowsWrittenByAnotherConnection();
    void tableNamesWithBlanksAnyCaseAndQuotes();
    void emptyOrMissingTableIsFatalAndNamed();

private:
    // A list table of the values (a null text stands for Null), each as often as the test row
    // says, in blocks whose gaps between keys grow: no row may be favoured by its place or gap.
    void fill(const QString& table, const QStringList& values);
    QSet<QString> drawn(const QString& table, int draws);

    std::unique_ptr<ScriptedDesktop> m_desktop;
    std::unique_ptr<TestDatabase> m_db;
};

void TestRandomRecord::initTestCase_data()
{
    QTest::addColumn<int>("copies");
    QTest::addColumn<int>("keySpacing");
    QTest::newRow("small table") << 1 << 1;
    QTest::newRow("large table") << 60000 << 1;
    QTest::newRow("sparse keys") << 1 << 5000;
}

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

void TestRandomRecord::fill(const QString& table, const QStringList& values)
{
    QFETCH_GLOBAL(int, copies);
    QFETCH_GLOBAL(int, keySpacing);
    QVERIFY(m_db->execute("CREATE TABLE " + table + " (ID INTEGER PRIMARY KEY, word TEXT)"));
    // Value i fills a block of copies rows whose keys are i + 1 apart.
    QStringList rows;
    for (qsizetype i = 0; i < values.size(); ++i)
        rows << QStringLiteral("(%1, %2)")
                    .arg(i)
                    .arg(values[i].isNull() ? QStringLiteral("NULL") : '\'' + values[i] + '\'');
    QVERIFY(m_db->execute(
        QStringLiteral("WITH RECURSIVE copy(n) AS (SELECT 0 UNION ALL SELECT n + 1 FROM copy "
                       "WHERE n + 1 < %1) INSERT INTO %2 SELECT %3 * (%1 * column1 * (column1 + "
                       "1) / 2 + n * (column1 + 1) + 1), column2 FROM copy, (VALUES %4)")
            .arg(copies)
            .arg(table)
            .arg(keySpacing)
            .arg(rows.join(", "))));
}

QSet<QString> TestRandomRecord::drawn(const QString& table, int draws)
{
    QSet<QString> seen;
    for (int i = 0; i < draws; ++i)
        seen.insert(getRandomRecord(table));
    return seen;
}

// Chi-square of the counts of draws from a table of as many values, over its critical value at
// 0.1% (Wilson and Hilferty's approximation).
double chiSquareOverCritical(const QString& table, int values, int draws)
{
    QHash<QString, int> counts;
    for (int i = 0; i < draws; ++i)
        ++counts[getRandomRecord(table)];
    double chiSquare = 0;
    const double expected = double(draws) / values;
    for (int count : std::as_const(counts))
        chiSquare += (count - expected) * (count - expected) / expected;
    chiSquare += (values - counts.size()) * expected;
    const double k = values - 1, z = 3.09;
    return chiSquare / (k * std::pow(1 - 2 / (9 * k) + z * std::sqrt(2 / (9 * k)), 3));
}

void TestRandomRecord::drawsEveryValueAboutEquallyOften()
{
    fill("dice", {"f1", "f2", "f3", "f4", "f5", "f6"});
    QVERIFY(chiSquareOverCritical("dice", 6, 6000) < 1);
}

// Every row of a table read row by row, and then whole, is drawn about equally often.
void TestRandomRecord::drawsEveryRowAboutEquallyOften()
{
    QFETCH_GLOBAL(int, keySpacing);
    QVERIFY(m_db->execute("CREATE TABLE many (ID INTEGER PRIMARY KEY, word TEXT)"));
    QVERIFY(m_db->execute(QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 "
                                         "FROM n WHERE i < 5000) INSERT INTO many SELECT i * %1, "
                                         "'w' || i FROM n")
                              .arg(keySpacing)));
    // The first draws already reach the whole table, not only the rows read so far.
    QStringList first;
    for (int i = 0; i < 20; ++i)
        first << getRandomRecord("many");
    QVERIFY(
        std::any_of(first.cbegin(), first.cend(), [](auto w) { return w.mid(1).toInt() > 2500; }));
    QVERIFY(chiSquareOverCritical("many", 5000, 100000) < 1);
}

void TestRandomRecord::neverDrawsBlankRows()
{
    fill("sparse", {QString(), "", "   ", "owl", QString(), "fox"});
    QCOMPARE(drawn("sparse", 400), (QSet<QString>{"Owl", "Fox"}));
}

void TestRandomRecord::seesWritesBetweenDraws()
{
    fill("grows", {"first"});
    QCOMPARE(getRandomRecord("grows"), QStringLiteral("First"));
    // Only the first letter is upper-cased.
    for (const auto& [stored, drawn] :
         {std::pair{"quiet mOUSE", "Quiet mOUSE"}, {"Already", "Already"}, {"é", "É"}}) {
        QVERIFY(m_db->execute(QStringLiteral("UPDATE grows SET word = '%1'").arg(stored)));
        QCOMPARE(getRandomRecord("grows"), QString(drawn));
    }
    // A write that is rolled back leaves nothing behind to draw.
    QVERIFY(m_db->execute("BEGIN"));
    QVERIFY(m_db->execute("UPDATE grows SET word = 'undone'"));
    QCOMPARE(getRandomRecord("grows"), QStringLiteral("Undone"));
    QVERIFY(m_db->execute("ROLLBACK"));
    QCOMPARE(getRandomRecord("grows"), QStringLiteral("É"));

    QVERIFY(m_db->execute("INSERT INTO grows (word) SELECT 'second' FROM grows"));
    QCOMPARE(drawn("grows", 200), (QSet<QString>{"É", "Second"}));
    QVERIFY(m_db->fatalErrors.isEmpty());
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
    fill("shared", {"mine"});
    QCOMPARE(getRandomRecord("shared"), QStringLiteral("Mine"));
    {
        QSqlDatabase other = QSqlDatabase::addDatabase("QSQLITE", "other");
        other.setDatabaseName(m_db->path());
        QVERIFY(other.open());
        QVERIFY(QSqlQuery(other).exec("UPDATE shared SET word = 'theirs'"));
        other.close();
    }
    QSqlDatabase::removeDatabase("other");
    QCOMPARE(getRandomRecord("shared"), QStringLiteral("Theirs"));
}

void TestRandomRecord::tableNamesWithBlanksAnyCaseAndQuotes()
{
    fill("\"Odd Table\"", {"lantern"});
    QCOMPARE(getRandomRecord("Odd Table"), QStringLiteral("Lantern"));
    QCOMPARE(getRandomRecord("[odd table]"), QStringLiteral("Lantern"));
    // A name built to break out of its quotes stays a name.
    fill("\"x\"\"; DROP TABLE noun; --\"", {"safe"});
    QCOMPARE(getRandomRecord("x\"; DROP TABLE noun; --"), QStringLiteral("Safe"));
    QVERIFY(Database::hasTable("noun"));
    QVERIFY(m_db->fatalErrors.isEmpty());
}

void TestRandomRecord::emptyOrMissingTableIsFatalAndNamed()
{
    fill("hollow", {""});
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
