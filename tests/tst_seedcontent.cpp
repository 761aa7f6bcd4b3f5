#include "data/Database.h"
#include "data/DatabaseBuilder.h"
#include "data/StoredQuery.h"
#include "support/TestDatabase.h"

#include <QFile>
#include <QRegularExpression>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QTest>

// Checks the lists the program ships with, as built from data/.
class TestSeedContent : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void listsHoldEnough_data();
    void listsHoldEnough();
    void valuesAreCleanAndUnique();
    void namedValuesThatWindowsRelyOn();
    void patternsUseOnlyTheirCodes();
    void plotCatalogue();
    void questionsByCategory();
    void settingsRow();
    void noBlockedWords();
    void buildIsRepeatable();

private:
    QStringList column(const QString& sql) const;
    QStringList listTables() const;

    std::unique_ptr<TestDatabase> m_db;
};

void TestSeedContent::initTestCase()
{
    m_db = std::make_unique<TestDatabase>(TestDatabase::shippedTables());
    QVERIFY2(m_db->isOpen(), qPrintable(m_db->error()));
}

void TestSeedContent::cleanupTestCase()
{
    m_db.reset();
}

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

// Tables of a key and one value, which the generators draw from.
QStringList TestSeedContent::listTables() const
{
    QStringList lists;
    for (const QString& table :
         column("SELECT name FROM sqlite_master WHERE type = 'table' AND "
                "name NOT LIKE 'sqlite%' AND name NOT LIKE 'MSys%' ORDER BY name")) {
        if (column("SELECT name FROM pragma_table_info('" + table + "')").size() == 2)
            lists << table;
    }
    return lists;
}

void TestSeedContent::listsHoldEnough_data()
{
    QTest::addColumn<QString>("table");
    QTest::addColumn<int>("minimum");
    const QList<std::pair<const char*, int>> minimums = {
        {"noun", 2000},
        {"verb", 800},
        {"adjective", 1000},
        {"adverb", 300},
        {"article", 3},
        {"pronouns", 7},
        {"preposition", 60},
        {"possessivePronoun", 7},
        {"directObjectPronoun", 7},
        {"questionWords", 9},
        {"maleName", 1000},
        {"femaleName", 1000},
        {"surnames", 1000},
        {"gender", 2},
        {"country", 150},
        {"languages", 100},
        {"occupation", 300},
        {"hobbies", 150},
        {"interests", 100},
        {"weather", 40},
        {"conflict", 60},
        {"location", 150},
        {"time_of_day", 12},
        {"time", 5},
        {"UnitOfMeasure", 5},
        {"sentencePattern", 30},
        {"namePattern", 30},
        {"advice", 150},
    };
    for (const auto& [table, minimum] : minimums)
        QTest::newRow(table) << table << minimum;
    for (const char* table : {"hair", "eyes", "family", "education", "religion", "wealth", "mental",
                              "materialism", "morality", "motivation", "intellect", "thrift"})
        QTest::newRow(table) << table << 20;
}

void TestSeedContent::listsHoldEnough()
{
    QFETCH(QString, table);
    QFETCH(int, minimum);
    const int count =
        m_db->scalar("SELECT count(*) FROM " + Database::quoteIdentifier(table)).toInt();
    QVERIFY2(count >= minimum, qPrintable(QStringLiteral("%1 rows").arg(count)));
}

void TestSeedContent::valuesAreCleanAndUnique()
{
    const QStringList lists = listTables();
    QVERIFY(lists.contains("noun") && lists.contains("advice"));
    for (const QString& table : lists) {
        const QStringList values = column("SELECT " + Database::quoteIdentifier(table) + " FROM " +
                                          Database::quoteIdentifier(table));
        QSet<QString> seen;
        for (const QString& value : values) {
            QVERIFY2(!value.trimmed().isEmpty(), qPrintable(table));
            QVERIFY2(value == value.trimmed(), qPrintable(table + ": '" + value + "'"));
            QVERIFY2(!value.contains("  "), qPrintable(table + ": '" + value + "'"));
            QVERIFY2(!seen.contains(value.toLower()), qPrintable(table + ": " + value));
            seen.insert(value.toLower());
        }
    }
}

void TestSeedContent::namedValuesThatWindowsRelyOn()
{
    const QStringList genders = column("SELECT gender FROM gender");
    QVERIFY(genders.contains("Male"));
    QVERIFY(genders.contains("Female"));
    QVERIFY(column("SELECT country FROM country").contains("United States"));
    QVERIFY(column("SELECT languages FROM languages").contains("English"));
    QCOMPARE(column("SELECT article FROM article"), (QStringList{"a", "an", "the"}));
}

void TestSeedContent::patternsUseOnlyTheirCodes()
{
    static const QRegularExpression sentence("^[qyxnvjprt]+$");
    for (const QString& pattern : column("SELECT sentencePattern FROM sentencePattern"))
        QVERIFY2(sentence.match(pattern).hasMatch(), qPrintable(pattern));
    static const QRegularExpression name("^[cv]+$");
    for (const QString& pattern : column("SELECT namePattern FROM namePattern"))
        QVERIFY2(name.match(pattern).hasMatch(), qPrintable(pattern));
}

void TestSeedContent::plotCatalogue()
{
    QSqlQuery plots(Database::connection());
    QVERIFY(plots.exec("SELECT id, plot_name, plot_description FROM plots ORDER BY rowid"));
    int expectedId = 0;
    while (plots.next()) {
        QCOMPARE(plots.value(0).toInt(), ++expectedId); // the list position is id - 1
        QVERIFY(!plots.value(1).toString().trimmed().isEmpty());
        QVERIFY2(plots.value(2).toString().size() >= 300, qPrintable(plots.value(1).toString()));
    }
    QVERIFY(expectedId >= 36);
    QCOMPARE(m_db->scalar("SELECT count(DISTINCT lower(plot_name)) FROM plots").toInt(),
             expectedId);
}

void TestSeedContent::questionsByCategory()
{
    const QStringList categories = column("SELECT * FROM questionCategory");
    QVERIFY(categories.size() >= 8);
    for (const QString& category : categories) {
        QSqlQuery questions;
        QVERIFY(StoredQuery::run("questionList", {{"CATEGORY", category}}, &questions, nullptr));
        int count = 0;
        for (; questions.next(); ++count)
            QVERIFY(questions.value(0).toString().endsWith('?'));
        QVERIFY2(count >= 10, qPrintable(category));
    }
}

void TestSeedContent::settingsRow()
{
    QSqlQuery row(Database::connection());
    QVERIFY(row.exec("SELECT timerInterval, personalReminder, toolBar, startForm FROM customize"));
    QVERIFY(row.next());
    QCOMPARE(row.value(0).toInt(), 5);
    QCOMPARE(row.value(1).toString(), QStringLiteral("Never run with scissors."));
    QCOMPARE(row.value(2).toInt(), -1);
    QVERIFY(row.value(3).toInt() >= 0 && row.value(3).toInt() <= 10);
    QVERIFY(!row.next());
}

void TestSeedContent::noBlockedWords()
{
    QFile file(QStringLiteral(QUILLANE_FIXTURES_DIR "/blocklist.txt"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QSet<QString> blocked;
    for (const QString& line : QString::fromUtf8(file.readAll()).split('\n')) {
        if (!line.trimmed().isEmpty() && !line.startsWith('#'))
            blocked.insert(line.trimmed().toLower());
    }
    QVERIFY(blocked.size() > 300);
    static const QRegularExpression separators("[^\\p{L}'-]+");
    QStringList tables = listTables();
    tables.removeAll("sentencePattern");
    tables.removeAll("namePattern");
    for (const QString& table : tables) {
        const QString name = Database::quoteIdentifier(table);
        for (const QString& value : column("SELECT " + name + " FROM " + name)) {
            const QString lower = value.toLower();
            QVERIFY2(!blocked.contains(lower), qPrintable(table + ": " + value));
            for (const QString& word : lower.split(separators, Qt::SkipEmptyParts))
                QVERIFY2(!blocked.contains(word), qPrintable(table + ": " + value));
        }
    }
}

void TestSeedContent::buildIsRepeatable()
{
    QTemporaryDir folder;
    const auto dump = [](const QString& path) {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", path);
        db.setDatabaseName(path);
        db.open();
        QStringList lines;
        QSqlQuery tables(db);
        tables.exec("SELECT name, sql FROM sqlite_master ORDER BY name");
        QStringList names;
        while (tables.next()) {
            names << tables.value(0).toString();
            lines << tables.value(1).toString();
        }
        for (const QString& table : names) {
            QSqlQuery rows(db);
            if (!rows.exec("SELECT * FROM " + Database::quoteIdentifier(table)))
                continue; // indexes
            while (rows.next()) {
                QStringList fields;
                for (int i = 0; i < rows.record().count(); ++i)
                    fields << rows.value(i).toString();
                lines << table + ':' + fields.join('\t');
            }
        }
        tables = QSqlQuery();
        db.close();
        return lines;
    };
    QStringList dumps[2];
    for (int i = 0; i < 2; ++i) {
        const QString path = folder.filePath(QStringLiteral("copy%1.mdb").arg(i));
        QString error;
        QVERIFY2(DatabaseBuilder::build(TestDatabase::schemaFile(), TestDatabase::shippedTables(),
                                        path, &error),
                 qPrintable(error));
        dumps[i] = dump(path);
        QSqlDatabase::removeDatabase(path);
    }
    QVERIFY(dumps[0].size() > 10000);
    QCOMPARE(dumps[0], dumps[1]);
}

QTEST_GUILESS_MAIN(TestSeedContent)
#include "tst_seedcontent.moc"
