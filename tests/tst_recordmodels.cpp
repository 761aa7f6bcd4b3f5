#include "data/Database.h"
#include "data/EditableFieldsModel.h"
#include "data/ListTableModels.h"
#include "data/RecordListModel.h"
#include "support/TestDatabase.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QSqlQueryModel>
#include <QSqlRecord>
#include <QTest>

// The models the record windows and the link lists stand on, over the program's schema.
class TestRecordModels : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup() { m_db.reset(); }

    void listReadsAnyRowOfALargeTable();
    void listTableModelsAreSharedAndRefreshed();
    void linkTableShowsNamesAndWritesLinksOnly();

private:
    std::unique_ptr<TestDatabase> m_db;
};

void TestRecordModels::init()
{
    m_db = std::make_unique<TestDatabase>();
    QVERIFY2(m_db->isOpen(), qPrintable(m_db->error()));
}

void TestRecordModels::listReadsAnyRowOfALargeTable()
{
    QSqlQuery insert(Database::connection());
    QVERIFY(Database::connection().transaction());
    insert.prepare("INSERT INTO character (Name, Hair, visible) VALUES (?, ?, ?)");
    for (int i = 1; i <= 1000; ++i) {
        insert.addBindValue(QString("Name %1").arg(i));
        insert.addBindValue(QString("Hair %1").arg(i));
        insert.addBindValue(i % 10 == 0 ? -1 : 0); // every tenth row hidden
        QVERIFY(insert.exec());
    }
    QVERIFY(Database::connection().commit());
    RecordListModel list("character", "visible <> -1", {"Hair", "Name"});
    QVERIFY(list.select(nullptr));
    QCOMPARE(list.rowCount(), 900);
    QCOMPARE(list.headerData(1, Qt::Horizontal).toString(), "Name");
    QCOMPARE(list.index(899, 1).data().toString(), "Name 999");
    QCOMPARE(list.index(0, 0).data().toString(), "Hair 1");
    QCOMPARE(list.index(9, 1).data().toString(), "Name 11");
    QCOMPARE(list.rowOf(list.key(500)), 500);
    QCOMPARE(list.rowOf(10), -1); // hidden
    QVERIFY(m_db->execute("UPDATE character SET Name = 'Renamed' WHERE ID = 999"));
    QCOMPARE(list.index(899, 1).data().toString(), "Name 999"); // until told
    list.rowChanged(899);
    QCOMPARE(list.index(899, 1).data().toString(), "Renamed");
}

void TestRecordModels::listTableModelsAreSharedAndRefreshed()
{
    QSqlQueryModel* religions = ListTableModels::model("religion");
    QCOMPARE(ListTableModels::model("Religion"), religions);
    const int count = religions->rowCount();
    QVERIFY(count > 0);
    QVERIFY(m_db->execute("INSERT INTO religion (religion) VALUES ('Stoic')"));
    ListTableModels::refreshAll();
    QCOMPARE(religions->rowCount(), count + 1);
    QCOMPARE(religions->index(count, 0).data().toString(), "Stoic");
}

// A story's character links, as the Story and Stage window lists them: the linked character's
// name beside the link's own note, a link to no character still listed, only the note editable.
void TestRecordModels::linkTableShowsNamesAndWritesLinksOnly()
{
    QVERIFY(m_db->execute("INSERT INTO character (ID, Name, visible) VALUES (1, 'Ann', 0), "
                          "(2, 'Hidden', -1)"));
    QVERIFY(m_db->execute("INSERT INTO Story_Character (Story_ID, Character_ID, Note) VALUES "
                          "(7, 1, 'lead'), (7, 2, NULL), (7, NULL, NULL), (8, 1, 'other')"));
    EditableFieldsModel links(nullptr, Database::connection());
    links.setTable("Story_Character");
    const int name = links.fieldIndex("Character_ID"); // shows the character's name
    links.setRelation(name, QSqlRelation("character", "ID", "Name"));
    links.setJoinMode(QSqlRelationalTableModel::LeftJoin);
    links.setFilter("Story_ID = 7");
    links.setSort(0, Qt::AscendingOrder);
    links.setEditStrategy(QSqlTableModel::OnManualSubmit);
    links.setEditableFields({"Note"});
    QVERIFY2(links.select(), qPrintable(links.lastError().text()));
    QCOMPARE(links.rowCount(), 3);
    const int note = links.fieldIndex("Note");
    QCOMPARE(links.index(0, name).data().toString(), "Ann");
    QCOMPARE(links.index(1, name).data().toString(), "Hidden");
    QCOMPARE(links.index(2, name).data().toString(), QString());
    QVERIFY(!(links.flags(links.index(0, name)) & Qt::ItemIsEditable));
    QVERIFY(links.flags(links.index(0, note)) & Qt::ItemIsEditable);

    QVERIFY(links.setData(links.index(2, note), "to be cast"));
    QVERIFY(!links.setData(links.index(0, name), 2));
    QVERIFY2(links.submitAll(), qPrintable(links.lastError().text()));
    QCOMPARE(
        m_db->scalar("SELECT group_concat(coalesce(Note, '-')) FROM Story_Character").toString(),
        "lead,-,to be cast,other");
    QCOMPARE(m_db->scalar("SELECT group_concat(Name) FROM character").toString(), "Ann,Hidden");
}

QTEST_MAIN(TestRecordModels)
#include "tst_recordmodels.moc"
