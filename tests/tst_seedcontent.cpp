#include "data/Database.h"
#include "support/TestDatabase.h"

#include <QFile>
#include <QRegularExpression>
#include <QSqlQuery>
#include <QTest>

// Checks the lists the program ships with, as built from data/.
class TestSeedContent : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY2(m_db.isOpen(), qPrintable(m_db.error())); }
    void listsHoldEnoughCleanUniqueValues();
    void patternsPlotsQuestionsAndSettings();

private:
    QStringList column(const QString& sql) const;

    TestDatabase m_db{TestDatabase::shippedTables()};
};

QStringList TestSeedContent::column(const QString& sql) const
{
    QStringList values;
    QSqlQuery query(Database::connection());
    if (!query.exec(sql))
        qWarning("%s", qPrintable(sql));
    while (query.next())
        values << query.value(0).toString();
    return values;
}

// Every list has a key and a value field named like the table, and enough values, each of them
// trimmed, unique in any case and free of blocked words.
void TestSeedContent::listsHoldEnoughCleanUniqueValues()
{
    const QStringList minimums =
        QStringLiteral(
            "noun 2000 verb 800 adjective 1000 adverb 300 article 3 pronouns 7 preposition 60 "
            "possessivePronoun 7 directObjectPronoun 7 questionWords 9 maleName 1000 femaleName "
            "1000 "
            "surnames 1000 gender 2 country 150 languages 100 occupation 300 hobbies 150 interests "
            "100 "
            "weather 40 conflict 60 location 150 time_of_day 12 time 5 UnitOfMeasure 5 "
            "sentencePattern 30 namePattern 30 advice 150 hair 20 eyes 20 family 20 education 20 "
            "religion 20 wealth 20 mental 20 materialism 20 morality 20 motivation 20 intellect 20 "
            "thrift 20")
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
        QCOMPARE(column("SELECT name FROM pragma_table_info('" + table + "') WHERE cid > 0"),
                 QStringList{table});
        const QStringList values = column("SELECT " + name + " FROM " + name);
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
}

void TestSeedContent::patternsPlotsQuestionsAndSettings()
{
    QCOMPARE(column("SELECT sentencePattern FROM sentencePattern WHERE sentencePattern GLOB "
                    "'*[^qyxnvjprt]*' UNION SELECT namePattern FROM namePattern WHERE namePattern "
                    "GLOB '*[^cv]*'"),
             QStringList());
    QCOMPARE(column("SELECT gender FROM gender WHERE gender IN ('Male', 'Female') UNION SELECT "
                    "country FROM country WHERE country = 'United States' UNION SELECT languages "
                    "FROM languages WHERE languages = 'English' UNION SELECT article FROM article"),
             (QStringList{"a", "an", "English", "Female", "Male", "the", "United States"}));
    // Plot ids run from 1 without gaps: the list position is id - 1.
    QCOMPARE(column("SELECT count(*) >= 36 AND min(id) = 1 AND max(id) = count(*) AND "
                    "count(DISTINCT lower(plot_name)) = count(*) AND sum(trim(plot_name) <> '') "
                    "= count(*) AND sum(length(plot_description) >= 300) = count(*) FROM plots"),
             QStringList{"1"});
    QCOMPARE(column("SELECT count(*) >= 8 AND min(asked) >= 10 AND sum(unasked) = 0 FROM (SELECT "
                    "count(*) AS asked, sum(question NOT LIKE '%?') AS unasked FROM questions "
                    "GROUP BY category COLLATE NOCASE)"),
             QStringList{"1"});
    QCOMPARE(column("SELECT printf('%d|%s|%d|%d', timerInterval, personalReminder, toolBar, "
                    "startForm BETWEEN 0 AND 10) FROM customize"),
             QStringList{"5|Never run with scissors.|-1|1"});
}

QTEST_GUILESS_MAIN(TestSeedContent)
#include "tst_seedcontent.moc"
