#include "data/RecordSet.h"
#include "support/TestDatabase.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QSqlQueryModel>
#include <QTest>

#include <functional>
#include <memory>

// A record set over a real database file; what it writes is checked with separate queries.
class TestRecordSet : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void opensTables_data();
    void opensTables();
    void opensReadOnlySources_data();
    void opensReadOnlySources();
    void storedQueryTakesItsParameter();
    void reportsBadSources();
    void movesAcrossTheEnds();
    void addsRows();
    void editsCancelsAndDeletes();
    void refusesWithoutCurrentRow();
    void duplicateKeepsChangePending_data();
    void duplicateKeepsChangePending();
    void readOnlyJoinRefusesEdits();
    void filterHidesHiddenRows();
    void editsTableWithoutKey();
    void readsLargeSetsCompletely();

private:
    // The error number of a call that failed, or 0.
    static int failure(const std::function<bool(StoreError*)>& call)
    {
        StoreError error;
        return call(&error) ? 0 : error.number;
    }
    QVariant scalar(const QString& sql) { return m_db->scalar(sql); }
    QString gadgets() { return scalar("SELECT group_concat(Name, ',') FROM gadget").toString(); }

    std::unique_ptr<TestDatabase> m_db;
};

void TestRecordSet::init()
{
    m_db = std::make_unique<TestDatabase>();
    QVERIFY2(m_db->isOpen(), qPrintable(m_db->error()));
    QVERIFY(m_db->execute("CREATE TABLE gadget (ID INTEGER PRIMARY KEY, Name TEXT COLLATE NOCASE, "
                          "Size INTEGER, visible INTEGER NOT NULL DEFAULT 0)"));
    QVERIFY(m_db->execute("CREATE UNIQUE INDEX gadgetName ON gadget (Name)"));
    QVERIFY(m_db->execute("INSERT INTO gadget VALUES (1, 'anvil', 3, 0), (2, 'bucket', 1, -1), "
                          "(3, 'crank', 2, 0)"));
}

void TestRecordSet::cleanup()
{
    m_db.reset();
}

void TestRecordSet::opensTables_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("first");
    QTest::newRow("name") << "gadget" << 3 << "anvil";
    QTest::newRow("other case") << "GADGET" << 3 << "anvil";
    QTest::newRow("brackets") << "[Gadget]" << 3 << "anvil";
    QTest::newRow("select all") << "select * from gadget" << 3 << "anvil";
    QTest::newRow("where") << "Select * from [GADGET] where visible <>-1" << 2 << "anvil";
    QTest::newRow("order by") << "select * from gadget where Size > 1 order by Size;" << 2
                              << "crank";
}

void TestRecordSet::opensTables()
{
    QFETCH(QString, source);
    QFETCH(int, count);
    QFETCH(QString, first);
    RecordSet set;
    StoreError error;
    QVERIFY2(set.open(source, &error), qPrintable(error.description));
    QVERIFY(set.isUpdatable());
    QCOMPARE(set.recordCount(), count);
    QCOMPARE(set.absolutePosition(), 0);
    QCOMPARE(set.field("name").toString(), first);
}

void TestRecordSet::opensReadOnlySources_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("first");
    QTest::newRow("view") << "qryStory_Character"
                          << "anvil";
    QTest::newRow("stored query") << "gadgetsBySize"
                                  << "bucket";
    QTest::newRow("aggregate") << "select count(*) AS Name from gadget"
                               << "3";
}

void TestRecordSet::opensReadOnlySources()
{
    QFETCH(QString, source);
    QFETCH(QString, first);
    QVERIFY(m_db->execute("INSERT INTO character (ID, Name) VALUES (1, 'anvil')"));
    QVERIFY(m_db->execute("INSERT INTO Story_Character (Story_ID, Character_ID) VALUES (1, 1)"));
    QVERIFY(m_db->execute("INSERT INTO MSysQueries VALUES ('gadgetsBySize', "
                          "'SELECT Name, Size FROM gadget ORDER BY Size')"));
    RecordSet set;
    StoreError error;
    QVERIFY2(set.open(source, &error), qPrintable(error.description));
    QVERIFY(!set.isUpdatable());
    QCOMPARE(set.field("Name").toString(), first);
}

void TestRecordSet::storedQueryTakesItsParameter()
{
    RecordSet questions;
    questions.setParameter("CATEGORY", "Setting"); // the fixture stores "Setting"
    QVERIFY(questions.open("questionList", nullptr));
    QCOMPARE(questions.recordCount(), 2);
    QCOMPARE(questions.field(0).toString(), QStringLiteral("Where does the story take place?"));
    questions.setParameter("CATEGORY", "character");
    QVERIFY(questions.requery(nullptr));
    QCOMPARE(questions.recordCount(), 3);
    QCOMPARE(questions.field(0).toString(), QStringLiteral("Who is your main character?"));
    questions.setParameter("CATEGORY", "Nothing");
    QVERIFY(questions.requery(nullptr));
    QVERIFY(questions.isEof());
}

void TestRecordSet::reportsBadSources()
{
    RecordSet set;
    QVERIFY(failure([&](StoreError* e) { return set.open("noSuchTable", e); }) != 0);
    QVERIFY(!set.isOpen());
    QVERIFY(set.isEof());
    QVERIFY(failure([&](StoreError* e) {
                return set.open("select * from gadget where noSuchField = 1", e);
            }) != 0);
    QVERIFY(set.open("select * from gadget where Size > 99", nullptr));
    QCOMPARE(set.recordCount(), 0);
    QVERIFY(set.isBof() && set.isEof());
}

void TestRecordSet::movesAcrossTheEnds()
{
    RecordSet set;
    QVERIFY(set.open("gadget", nullptr));
    QSignalSpy moved(&set, &RecordSet::currentRowChanged);
    set.moveLast();
    QCOMPARE(set.field("Name").toString(), "crank");
    set.moveNext();
    QVERIFY(set.isEof() && !set.isBof() && !set.hasCurrentRow());
    QCOMPARE(set.absolutePosition(), -1);
    set.moveNext(); // stays at EOF without telling anyone
    set.movePrevious();
    QCOMPARE(set.absolutePosition(), 2);
    set.moveFirst();
    set.movePrevious();
    QVERIFY(set.isBof() && !set.isEof());
    set.moveNext();
    QCOMPARE(set.field("Name").toString(), "anvil");
    QCOMPARE(moved.size(), 6);
    QCOMPARE(moved.at(1).at(0).toInt(), -1);

    QVERIFY(set.setAbsolutePosition(1, nullptr));
    QCOMPARE(set.field("Name").toString(), "bucket");
    QVERIFY(failure([&](StoreError* e) { return set.setAbsolutePosition(3, e); }) != 0);
    QCOMPARE(set.absolutePosition(), 1);

    QVERIFY(m_db->execute("INSERT INTO gadget (Name) VALUES ('drill')"));
    moved.clear();
    QVERIFY(set.requery(nullptr));
    QCOMPARE(set.recordCount(), 4);
    QCOMPARE(set.absolutePosition(), 0);
    QCOMPARE(moved.size(), 1);
}

void TestRecordSet::addsRows()
{
    RecordSet set;
    QVERIFY(set.open("select * from gadget order by Name", nullptr));
    set.moveLast();
    // Bound controls write in answer to aboutToWrite; their values must reach the file.
    connect(&set, &RecordSet::aboutToWrite, this, [&] { set.setField("Size", 7, nullptr); });
    QVERIFY(set.addNew(nullptr));
    QVERIFY(set.setField("name", "aardvark", nullptr));
    QCOMPARE(set.field("Name").toString(), "aardvark");
    QCOMPARE(set.recordCount(), 3);
    StoreError error;
    QVERIFY2(set.update(&error), qPrintable(error.description));
    QCOMPARE(set.editMode(), RecordSet::EditMode::None);
    QCOMPARE(set.absolutePosition(), 0); // sorted first, and still the current row
    QCOMPARE(set.field("ID").toInt(), 4);
    QCOMPARE(scalar("SELECT Size FROM gadget WHERE Name = 'aardvark'").toInt(), 7);

    set.disconnect(this);
    QVERIFY(set.addNew(nullptr)); // nothing set at all
    QVERIFY2(set.update(&error), qPrintable(error.description));
    QCOMPARE(scalar("SELECT count(*) FROM gadget WHERE Name IS NULL AND visible = 0").toInt(), 1);
    QCOMPARE(set.field("ID").toInt(), 5);
    QCOMPARE(set.recordCount(), 5);
}

void TestRecordSet::editsCancelsAndDeletes()
{
    RecordSet set;
    QVERIFY(set.open("gadget", nullptr));
    QVERIFY(set.setAbsolutePosition(1, nullptr));
    QVERIFY(set.edit(nullptr));
    QVERIFY(set.setField("Name", "bell", nullptr));
    QVERIFY(set.update(nullptr));
    QCOMPARE(set.absolutePosition(), 1);
    QCOMPARE(set.field("Name").toString(), "bell");
    QCOMPARE(gadgets(), "anvil,bell,crank");

    QVERIFY(set.edit(nullptr));
    QVERIFY(set.setField("Name", "changed", nullptr));
    set.cancelUpdate();
    QCOMPARE(set.field("Name").toString(), "bell");
    QVERIFY(set.addNew(nullptr));
    set.cancelUpdate();
    QCOMPARE(set.absolutePosition(), 1);
    QCOMPARE(set.model()->rowCount(), 3);

    QVERIFY(set.deleteCurrent(nullptr));
    QVERIFY(!set.hasCurrentRow());
    QCOMPARE(gadgets(), "anvil,crank");
    set.moveNext(); // from the deleted row's place
    QCOMPARE(set.field("Name").toString(), "crank");
}

void TestRecordSet::refusesWithoutCurrentRow()
{
    RecordSet set;
    QVERIFY(set.open("gadget", nullptr));
    QCOMPARE(failure([&](StoreError* e) { return set.update(e); }), 3426); // nothing pending
    set.moveLast();
    set.moveNext();
    StoreError error;
    QVERIFY(!set.field("Name", &error).isValid());
    QCOMPARE(error.number, 3021);
    QCOMPARE(failure([&](StoreError* e) { return set.edit(e); }), 3021);
    QCOMPARE(failure([&](StoreError* e) { return set.deleteCurrent(e); }), 3021);
    QCOMPARE(gadgets(), "anvil,bucket,crank");
}

void TestRecordSet::duplicateKeepsChangePending_data()
{
    QTest::addColumn<bool>("adding");
    QTest::newRow("new row") << true;
    QTest::newRow("changed row") << false;
}

void TestRecordSet::duplicateKeepsChangePending()
{
    QFETCH(bool, adding);
    RecordSet set;
    QVERIFY(set.open("gadget", nullptr));
    QVERIFY(adding ? set.addNew(nullptr) : set.edit(nullptr));
    QVERIFY(set.setField("Name", "CRANK", nullptr));
    StoreError error;
    QVERIFY(!set.update(&error));
    QCOMPARE(error.number, 3022);
    QVERIFY(set.editMode() != RecordSet::EditMode::None);
    QCOMPARE(set.field("Name").toString(), "CRANK");
    QCOMPARE(gadgets(), "anvil,bucket,crank");

    set.cancelUpdate();
    QCOMPARE(set.editMode(), RecordSet::EditMode::None);
    QCOMPARE(set.field("Name").toString(), "anvil");
    // Nothing of the refused change is left to be written later.
    QVERIFY(set.edit(nullptr));
    QVERIFY(set.setField("Size", 5, nullptr));
    QVERIFY(set.update(&error));
    QCOMPARE(gadgets(), "anvil,bucket,crank");
    QCOMPARE(scalar("SELECT Size FROM gadget WHERE ID = 1").toInt(), 5);
}

void TestRecordSet::readOnlyJoinRefusesEdits()
{
    QVERIFY(m_db->execute("INSERT INTO character (ID, Name) VALUES (1, 'Ann')"));
    RecordSet set;
    QVERIFY(set.open("SELECT g.Name, c.Name AS Owner FROM gadget g JOIN character c ON c.ID = g.ID",
                     nullptr));
    QCOMPARE(set.field("Owner").toString(), "Ann");
    QCOMPARE(failure([&](StoreError* e) { return set.edit(e); }), 3426);
    QCOMPARE(failure([&](StoreError* e) { return set.addNew(e); }), 3426);
    QCOMPARE(failure([&](StoreError* e) { return set.deleteCurrent(e); }), 3426);
    QCOMPARE(failure([&](StoreError* e) { return set.update(e); }), 3426);
    QCOMPARE(gadgets(), "anvil,bucket,crank");
}

void TestRecordSet::filterHidesHiddenRows()
{
    QVERIFY(m_db->execute("INSERT INTO character (Name, visible) VALUES ('Ann', 0), "
                          "('Bob', -1), ('Cy', 0), ('Dee', 0)"));
    QVERIFY(m_db->execute("INSERT INTO \"Scene Profile\" (\"Scene Name\", visible) VALUES "
                          "('Dock', -1), ('Fair', 0)"));
    RecordSet scenes;
    QVERIFY(scenes.open("Select * from [scene profile] where visible <>-1", nullptr));
    QCOMPARE(scenes.recordCount(), 1);
    QCOMPARE(scenes.field("scene name").toString(), "Fair");

    RecordSet set;
    QVERIFY(set.open("select * from character where visible <> -1", nullptr));
    QVERIFY(set.isUpdatable());
    QCOMPARE(set.recordCount(), 3);
    // Hiding the current row takes it out of the set; the next move goes on from its place.
    QVERIFY(set.setAbsolutePosition(1, nullptr));
    QVERIFY(set.edit(nullptr));
    QVERIFY(set.setField("visible", -1, nullptr));
    QVERIFY(set.update(nullptr));
    QVERIFY(!set.hasCurrentRow());
    QCOMPARE(set.recordCount(), 2);
    set.moveNext();
    QCOMPARE(set.field("Name").toString(), "Dee");
}

void TestRecordSet::editsTableWithoutKey()
{
    // The settings table has no key: its rows are found by all of their values.
    RecordSet set;
    QVERIFY(set.open("customize", nullptr));
    QVERIFY(set.edit(nullptr));
    QVERIFY(set.setField("personalReminder", "Write daily.", nullptr));
    StoreError error;
    QVERIFY2(set.update(&error), qPrintable(error.description));
    QCOMPARE(set.field("timerInterval").toDouble(), 5.0);
    QVERIFY(set.addNew(nullptr));
    QVERIFY2(set.update(&error), qPrintable(error.description));
    QCOMPARE(set.absolutePosition(), 1);
    QCOMPARE(
        scalar("SELECT group_concat(ifnull(personalReminder, '-'), '|') FROM customize").toString(),
        "Write daily.|-");
}

void TestRecordSet::readsLargeSetsCompletely()
{
    QVERIFY(m_db->execute("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n "
                          "WHERE i < 700) INSERT INTO noun (noun) SELECT 'word' || i FROM n"));
    const int stored = scalar("SELECT count(*) FROM noun").toInt();
    RecordSet set;
    QVERIFY(set.open("noun", nullptr));
    QAbstractItemModelTester tester(set.model(),
                                    QAbstractItemModelTester::FailureReportingMode::QtTest);
    // The tester fetches on modelReset before it has noted the reset's end, and then takes its
    // own fetching for rows inserted during the reset; the set fetches everything itself.
    tester.setUseFetchMore(false);
    QCOMPARE(set.recordCount(), stored);
    QVERIFY(set.addNew(nullptr));
    QVERIFY(set.setField("noun", "zebra", nullptr));
    QVERIFY(set.update(nullptr));
    QCOMPARE(set.absolutePosition(), stored); // found beyond the rows a model reads at first
    QCOMPARE(set.field("noun").toString(), "zebra");
    QVERIFY(set.edit(nullptr));
    QVERIFY(set.setField("noun", "zebu", nullptr));
    set.cancelUpdate();
    QVERIFY(set.deleteCurrent(nullptr));
    QVERIFY(set.requery(nullptr));
    QCOMPARE(set.recordCount(), stored);
}

QTEST_GUILESS_MAIN(TestRecordSet)
#include "tst_recordset.moc"
