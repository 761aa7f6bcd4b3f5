#include "data/Database.h"
#include "data/RandomRecord.h"
#include "engines/Random.h"
#include "shared/widgets/RandomListValue.h"
#include "shared/widgets/RunRandom.h"
#include "support/TestEnvironment.h"

#include <QtSql>
#include <QtTest>

#include <cmath>

// How far the counts of draws stray from equal: chi-square over its critical value at 0.1%
// (Wilson and Hilferty's approximation). A value drawn that is not expected counts as infinite.
double unevenness(const QString& table, const QStringList& expected, int draws,
                  const RandomRecord::Filter& filter = {})
{
    QHash<QString, int> counts;
    for (int i = 0; i < draws; ++i)
        ++counts[getRandomRecordFrom(table, filter, runRandom()).value_or("no row fits")];
    const double mean = double(draws) / expected.size(), k = expected.size() - 1, z = 3.09;
    double chiSquare = 0;
    for (const QString& value : expected)
        chiSquare += std::pow(counts.take(value) - mean, 2) / mean;
    chiSquare /= k * std::pow(1 - 2 / (9 * k) + z * std::sqrt(2 / (9 * k)), 3);
    return counts.isEmpty() ? chiSquare : INFINITY;
}

// Every test runs on a small table, which is read whole, on a large one, which is read row by row
// as it is drawn, and on one whose keys are too sparse to draw by key.
class TestRandomRecord : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestEnvironment> m_env;
    TestDatabase& db() { return m_env->db; }

    // A list table of the values (SQL of the copy number n), each as often as the test row says,
    // in blocks whose gaps between keys grow: no row may be favoured by its place or gap. Given
    // kinds (SQL, one for each value), the table has a field "kind" after the value.
    void fill(const QString& table, const QStringList& values, int copies = 0,
              const QStringList& kinds = {})
    {
        QFETCH_GLOBAL(int, blockSize);
        QFETCH_GLOBAL(int, keySpacing);
        copies = copies ? copies : blockSize;
        QVERIFY(db().execute("CREATE TABLE " + table + " (ID INTEGER PRIMARY KEY, word TEXT" +
                             (kinds.isEmpty() ? ")" : ", kind TEXT COLLATE NOCASE)")));
        // Value i fills a block of rows whose keys start at first and are i + 1 apart.
        for (qsizetype i = 0, first = 1; i < values.size(); first += copies * (i + 1), ++i)
            QVERIFY(db().execute(
                QStringLiteral(
                    "WITH RECURSIVE copy(n) AS (SELECT 0 UNION ALL SELECT n + 1 FROM copy "
                    "WHERE n + 1 < %1) INSERT INTO %2 SELECT %3 * (%4 + n * %5), %6 FROM copy")
                    .arg(QString::number(copies), table, QString::number(keySpacing),
                         QString::number(first), QString::number(i + 1),
                         values[i] + (kinds.isEmpty() ? QString() : ", " + kinds[i]))));
    }

private slots:
    void initTestCase_data()
    {
        QTest::addColumn<int>("blockSize");
        QTest::addColumn<int>("keySpacing");
        QTest::addColumn<QString>("journalMode");
        QTest::newRow("small table") << 1 << 1 << "DELETE";
        QTest::newRow("small table, write-ahead log") << 1 << 1 << "WAL";
        QTest::newRow("large table") << 40000 << 1 << "DELETE";
        QTest::newRow("sparse keys") << 1 << 5000 << "DELETE";
    }

    void init()
    {
        QFETCH_GLOBAL(QString, journalMode);
        m_env.reset(); // one database at a time
        m_env = std::make_unique<TestEnvironment>(20261206);
        QVERIFY(db().isOpen() && db().execute("PRAGMA journal_mode = " + journalMode));
    }

    // Every row is drawn about equally often, whatever its key, from the first draws on, and no
    // blank value ever is; a draw limited by a field's values reaches every row that fits, and
    // only those, in any case, with a blank field when asked for, and sees writes at once.
    void drawsEveryRowAboutEquallyOftenAndNoBlank()
    {
        fill("dice",
             {"'f1'", "NULL", "'f2'", "''", "'f3'", "'   '", "'f4'", "'f5'", "NULL", "'f6'"}, 0,
             {"'odd'", "'odd'", "'EVEN'", "'odd'", "'odd'", "'odd'", "NULL", "'  '", "''", "'x'"});
        QVERIFY(unevenness("dice", {"F1", "F2", "F3", "F4", "F5", "F6"}, 6000) < 1);
        RandomRecord::Filter filter{"kind", {"even", "odd"}, true};
        QVERIFY(unevenness("dice", {"F1", "F2", "F3", "F4", "F5"}, 5000, filter) < 1);
        filter.blankFits = false;
        QVERIFY(unevenness("dice", {"F1", "F2", "F3"}, 3000, filter) < 1);
        QVERIFY(QSqlQuery(db().otherConnection())
                    .exec("UPDATE dice SET kind = 'Odd' WHERE kind = 'x'"));
        QVERIFY(unevenness("dice", {"F1", "F2", "F3", "F6"}, 4000, filter) < 1);
        filter.values = QStringList{"none such"};
        QVERIFY(!getRandomRecordFrom("dice", filter, runRandom()) && db().fatalErrors.isEmpty());
        fill("many", {"'W' || n"}, 5000);
        int late = 0; // the first draws already reach the rows that are read last
        for (int i = 0; i < 20; ++i)
            late += getRandomRecord("many").mid(1).toInt() > 2500;
        QVERIFY(late > 0 && unevenness("many", db().column("SELECT word FROM many"), 100000) < 1);
    }

    // Writes through this connection or another one are drawn from at once.
    void seesWritesBetweenDraws()
    {
        fill("grows", {"'first'"});
        QSqlDatabase other = db().otherConnection();
        const QList<std::pair<QString, QString>> steps = {
            {"UPDATE grows SET word = 'quiet mOUSE'", "Quiet mOUSE"}, // only the first letter
            {"UPDATE grows SET word = 'é'", "É"},
            {"BEGIN", "É"},
            {"UPDATE grows SET word = 'undone'", "Undone"},
            {"ROLLBACK", "É"}, // what is rolled back is not drawn
            {"other: UPDATE grows SET word = 'theirs'", "Theirs"},
            {"INSERT INTO grows (word) SELECT 'Theirs' FROM grows", "Theirs"}};
        QVERIFY(getRandomRecord("grows") == "First" && other.isOpen());
        for (const auto& [sql, drawn] : steps) {
            QVERIFY(sql.startsWith("other: ") ? QSqlQuery(other).exec(sql.mid(7))
                                              : db().execute(sql));
            QCOMPARE(getRandomRecord("grows"), drawn);
        }
        QVERIFY(QSqlQuery(other).exec("UPDATE grows SET word = 'second' WHERE ID % 2 = 0"));
        QVERIFY(unevenness("grows", {"Theirs", "Second"}, 400) < 1);
    }

    // The same generator state draws the same values from the same rows, however much of the
    // table earlier draws have read; the fingerprint moves with what the draws depend on only.
    void sameSeedSameDrawsWhileTheFingerprintHolds()
    {
        fill("words", {"'alpha'", "NULL", "'beta'", "'gamma'", "'delta'"}, 0,
             {"'a'", "'a'", "'b'", "NULL", "'a'"});
        fill("other", {"'x'"});
        const auto drawn = [] {
            Random seeded(4242);
            QStringList values;
            for (int i = 0; i < 40; ++i)
                values << getRandomRecordFrom("words", seeded)
                       << *getRandomRecordFrom("words", {"kind", {"a"}, i % 2 == 0}, seeded);
            return values;
        };
        const auto fingerprint = [] { return RandomRecord::fingerprint("words", nullptr); };
        const QStringList first = drawn();
        const std::optional<quint32> before = fingerprint();
        for (int i = 0; i < 5000; ++i)
            getRandomRecord("words");
        QVERIFY(before && drawn() == first && fingerprint() == before);
        QVERIFY(db().execute("UPDATE other SET word = 'y'"));
        QVERIFY(fingerprint() == before && drawn() == first);
        QVERIFY(db().execute("UPDATE words SET word = 'Beta' WHERE word = 'beta'"));
        QVERIFY(fingerprint() != before);
        QVERIFY(db().execute("UPDATE words SET word = 'beta' WHERE word = 'Beta'"));
        QCOMPARE(fingerprint(), before);
        for (const char* kind : {"'b'", "NULL"}) { // what a filter reads moves it too
            QVERIFY(
                db().execute(QString("UPDATE words SET kind = %1 WHERE word = 'alpha'").arg(kind)));
            QVERIFY(fingerprint() != before);
        }
        QVERIFY(db().execute("UPDATE words SET kind = 'a' WHERE word = 'alpha'"));
        QVERIFY(fingerprint() == before && drawn() == first);
        QVERIFY(db().execute("DELETE FROM words WHERE ID = (SELECT max(ID) FROM words)"));
        QVERIFY(fingerprint() != before);
        QVERIFY(!RandomRecord::fingerprint("nowhere", nullptr));
    }

    // Names with blanks, in any case or with quotes are names; an empty or missing table is fatal.
    void tableNamesAndFatalTables()
    {
        fill("\"Odd Table\"", {"'lantern'"});
        fill("\"x\"\"; DROP TABLE noun; --\"", {"'safe'"});
        fill("hollow", {"''", "NULL"});
        QCOMPARE(getRandomRecord("Odd Table") + getRandomRecord("[odd table]") +
                     getRandomRecord("x\"; DROP TABLE noun; --") + getRandomRecord("hollow"),
                 QStringLiteral("LanternLanternSafe"));
        QVERIFY(Database::hasTable("noun") && db().fatalErrors == QList<int>{3021});
        const ScriptedDesktop::Message report = m_env->desktop.messages.last();
        QVERIFY2(report.title == "Error" &&
                     report.text.startsWith("Error #  3021 was generated by getRandomRecord\r") &&
                     report.text.contains("'hollow'") &&
                     report.text.endsWith(" in database" + db().path()),
                 qPrintable(report.text));
        getRandomRecord("nowhere");
        QVERIFY(db().fatalErrors.size() == 2 && m_env->desktop.lastMessage().contains("'nowhere'"));
    }
};

QTEST_GUILESS_MAIN(TestRandomRecord)
#include "tst_randomrecord.moc"
