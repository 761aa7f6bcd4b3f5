#include "records/StoryAndStageWindow.h"
#include "support/TestEnvironment.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTableView>
#include <QTabWidget>
#include <QTemporaryDir>

// The Story and Stage window driven as a user would, on a fresh fixture database holding three
// characters, a plot and a scene.
class TestStoryAndStage : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void linkAddedChosenAndListed_data();
    void linkAddedChosenAndListed();
    void storyLinkedReportedAndDeleted();

private:
    template <typename T = QWidget> T* find(const QString& n) { return m_window->findChild<T*>(n); }
    void click(const QString& name)
    {
        QTest::mouseClick(find<QAbstractButton>(name), Qt::LeftButton);
    }
    // Picks the item of that name in the combo box, as the user does from its drop-down.
    void choose(const QString& combo, const QString& item);
    // Types into a grid's cell and leaves it.
    void editCell(const QString& grid, int row, int column, const QString& text);
    QStringList gridColumn(const QString& grid, int column)
    {
        return columnTexts(find<QTableView>(grid)->model(), column);
    }
    // Makes a new story (the name box is cancelled) and names it.
    void newStory(const QString& name);
    QStringList column(const QString& sql) { return m_env->db.column(sql); }

    std::unique_ptr<TestEnvironment> m_env;
    std::unique_ptr<StoryAndStageWindow> m_window;
};

void TestStoryAndStage::init()
{
    m_env = std::make_unique<TestEnvironment>();
    QVERIFY(m_env->db.execute("INSERT INTO character (Name, Occupation, visible) VALUES ('Ann', "
                              "'pilot', 0), ('Bob', 'cook', -1), ('Cy', 'spy', 0)"));
    QVERIFY(m_env->db.execute(
        "INSERT INTO \"Plot Profile\" (\"Plot Name\", \"Character One\", \"Motivation One\", "
        "\"Character Two\", \"Motivation Two\", \"Character Three\", \"Motivation Three\") "
        "VALUES ('Rescue', 'baker', 'greed', 'judge', 'fear', 'nurse', 'love')"));
    QVERIFY(m_env->db.execute(
        "INSERT INTO \"Scene Profile\" (\"Scene Name\", Weather) VALUES ('Harbour', 'fog')"));
    m_window = TestEnvironment::open<StoryAndStageWindow>();
}

void TestStoryAndStage::cleanup()
{
    m_window.reset();
    const bool noFatalError = m_env->db.fatalErrors.isEmpty();
    m_env.reset();
    QVERIFY(noFatalError);
}

void TestStoryAndStage::choose(const QString& combo, const QString& item)
{
    auto* box = find<QComboBox>(combo);
    const int index = box->findText(item);
    QVERIFY2(index >= 0, qPrintable(item));
    box->setCurrentIndex(index);
    emit box->activated(index);
}

void TestStoryAndStage::editCell(const QString& grid, int row, int column, const QString& text)
{
    auto* view = find<QTableView>(grid);
    m_window->findChild<QTabWidget*>("dbgPlot")->setCurrentWidget(view->parentWidget());
    ::editCell(view, row, column, text);
}

void TestStoryAndStage::newStory(const QString& name)
{
    click("cmdNew");
    QCOMPARE(m_env->desktop.inputBoxes.last(), "Enter the name for this story.|");
    QCOMPARE(find<QLineEdit>("txtStoryName")->text(), QString());
    if (name.isEmpty())
        return;
    QTest::keyClicks(find<QLineEdit>("txtStoryName"), name);
    click("cmdUpdate");
}

void TestStoryAndStage::linkAddedChosenAndListed_data()
{
    QTest::addColumn<QString>("list"); // the suffix of the list's controls
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("grid");
    QTest::newRow("character") << "Character"
                               << "Ann"
                               << "dbgCharacters";
    QTest::newRow("plot") << "Plot"
                          << "Rescue"
                          << "dbgStory_Plot";
    QTest::newRow("scene") << "Scene"
                           << "Harbour"
                           << "dbgScene";
}

void TestStoryAndStage::linkAddedChosenAndListed()
{
    QFETCH(QString, list);
    QFETCH(QString, item);
    QFETCH(QString, grid);
    const QString prompt = list.toLower(), table = "Story_" + list;
    QVERIFY(!find("dbgPlot")->isEnabled()); // no story yet
    newStory("Voyage");
    QVERIFY(find("dbgPlot")->isEnabled());
    QVERIFY(find<QLineEdit>("txtStoryID")->isReadOnly());
    QCOMPARE(find<QLineEdit>("txtStory" + list + "ID")->text(), QString("1"));

    click("cmdNew" + list);
    QVERIFY(m_env->expectMessage("Now select a " + prompt +
                                     " from the drop down and click the Update button.",
                                 "Select your " + prompt + ".", MessageIcon::Information));
    // The link is listed, unassigned and current, so the choice and Update apply to it.
    QCOMPARE(gridColumn(grid, 1), QStringList{""});
    QCOMPARE(find<QComboBox>("cbo" + list)->placeholderText(), "New " + list);
    QCOMPARE(column("SELECT coalesce(Story_ID || '/' || " + list + "_ID, 'none') FROM " + table),
             QStringList{"none"});
    choose("cbo" + list, item);
    click("cmdUpdate" + list);
    QCOMPARE(gridColumn(grid, 1), QStringList{item});
    QCOMPARE(column("SELECT Story_ID || '/' || " + list + "_ID FROM " + table), QStringList{"1/1"});
    QCOMPARE(find<QComboBox>("cbo" + list)->currentText(), item);
}

void TestStoryAndStage::storyLinkedReportedAndDeleted()
{
    // A story with no links reports its headings and rules only; its name box was cancelled.
    newStory({});
    QCOMPARE(column("SELECT coalesce(\"Story Name\", '-') FROM \"Story Profile\""),
             QStringList{"-"});
    click("cmdClipboard");
    QCOMPARE(m_env->desktop.clipboard, TestEnvironment::expectedOutput("storyandstage-empty.txt"));
    QTest::keyClicks(find<QLineEdit>("txtStoryName"), "Other");
    click("cmdUpdate");
    QVERIFY(
        m_env->db.execute("INSERT INTO Story_Character (Story_ID, Character_ID) VALUES (1, 1)"));

    newStory("Voyage");
    find<QPlainTextEdit>("txtStoryDescription")->setPlainText("A long way home.");
    find<QPlainTextEdit>("txtNotes")->setPlainText("Write the storm first.");
    for (const auto& [list, item] : {std::pair{"Character", "Ann"},
                                     {"Character", "Bob"},
                                     {"Plot", "Rescue"},
                                     {"Scene", "Harbour"}}) {
        click(QString("cmdNew") + list);
        choose(QString("cbo") + list, item);
        click(QString("cmdUpdate") + list);
    }
    QCOMPARE(gridColumn("dbgCharacters", 1), (QStringList{"Ann", "Bob"}));
    editCell("dbgCharacters", 0, 2, "lead");
    click("cmdUpdateCharacter");
    QCOMPARE(column("SELECT Note FROM Story_Character WHERE Story_ID = 2 AND Character_ID = 1"),
             QStringList{"lead"});
    QVERIFY(
        !(find<QTableView>("dbgCharacters")->model()->index(0, 1).flags() & Qt::ItemIsEditable));
    // An edit not saved by Update is saved when another story becomes current.
    editCell("dbgStory_Plot", 0, 8, "twist at the end");
    find<QTableView>("dbgStoryList")->selectRow(0);
    QCOMPARE(find<QLineEdit>("txtStoryID")->text(), QString("1"));
    QCOMPARE(column("SELECT Comment FROM Story_Plot"), QStringList{"twist at the end"});
    QCOMPARE(column("SELECT \"Story Description\" FROM \"Story Profile\" WHERE ID = 2"),
             QStringList{"A long way home."});
    find<QTableView>("dbgStoryList")->selectRow(1);

    // Linking Ann twice: only the link just added goes again.
    click("cmdNewCharacter");
    choose("cboCharacter", "Ann");
    click("cmdUpdateCharacter");
    QVERIFY(m_env->expectMessage("A duplicate exists.  Please try again.", "Duplicate Item Exists",
                                 MessageIcon::Information));
    const QString links = "SELECT Story_ID || '/' || Character_ID FROM Story_Character ORDER BY ID";
    QCOMPARE(column(links), (QStringList{"1/1", "2/1", "2/2"}));
    QCOMPARE(gridColumn("dbgCharacters", 1), (QStringList{"Ann", "Bob"}));

    m_env->desktop.answerNext(MessageAnswer::Yes);
    click("cmdPrint");
    QCOMPARE(m_env->desktop.printed,
             QStringList{TestEnvironment::expectedOutput("storyandstage.txt")});
    // The same story whole, hidden Bob included, as a web page and as Markdown. Items without
    // a name are listed whole under an untitled heading; markup typed by the writer is shown
    // as typed.
    for (const char* sql :
         {"INSERT INTO character (Name, Gender) VALUES (NULL, 'male'), ('<b>Kit</b> *Bold* "
          "`code` [link](x) _u_ C# &amp; | ~~gone~~ \\', NULL)",
          "INSERT INTO Story_Character (Story_ID, Character_ID, Note) VALUES (2, 4, NULL), (2, 5, "
          "'Quick' || char(10) || '---' || char(10) || '# 1. not a heading' || char(10) || "
          "'2) + - > not a list' || char(10) || char(10) || '    not code')",
          "INSERT INTO \"Plot Profile\" (\"Character One\") VALUES ('baker')",
          "INSERT INTO Story_Plot (Story_ID, Plot_ID) VALUES (2, 2)",
          "INSERT INTO \"Scene Profile\" (Weather) VALUES ('fog')",
          "INSERT INTO Story_Scene (Story_ID, Scene_ID) VALUES (2, 2)"})
        QVERIFY(m_env->db.execute(sql));
    find<QPlainTextEdit>("txtNotes")->setPlainText("Write the storm first.\n===\n<!-- -->");
    const QTemporaryDir folder;
    for (const QString file : {"storyandstage-bible.html", "storyandstage-bible.md"}) {
        m_env->desktop.saveFileToChoose = folder.filePath(file);
        click("cmdExport");
        QFile written(folder.filePath(file));
        QVERIFY(written.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(written.readAll()), TestEnvironment::expectedOutput(file));
    }
    for (const char* sql :
         {"DELETE FROM Story_Character WHERE Character_ID > 3",
          "DELETE FROM Story_Plot WHERE Plot_ID > 1", "DELETE FROM Story_Scene WHERE Scene_ID > 1"})
        QVERIFY(m_env->db.execute(sql));

    // Deleting Ann removes her links to this story alone; a link to a deleted item is not listed.
    find<QTableView>("dbgCharacters")->selectRow(0);
    click("cmdDelete");
    QCOMPARE(column(links), (QStringList{"1/1", "2/2"}));
    QVERIFY(m_env->db.execute("DELETE FROM character WHERE Name = 'Bob'"));
    click("cmdRefreshList");
    QCOMPARE(gridColumn("dbgCharacters", 1), QStringList{});
    click("cmdDelete");
    QVERIFY(m_env->expectMessage("No item to delete.", "No record to delete.",
                                 MessageIcon::Information));

    // The story goes with all its links, and the first remaining story becomes current.
    m_env->desktop.answerNext(MessageAnswer::Yes);
    click("cmdDeleteStory");
    QVERIFY(m_env->expectMessage("Are you sure that you want to delete this story?",
                                 "Are you Sure?", MessageIcon::None));
    QCOMPARE(column("SELECT ID FROM \"Story Profile\""), QStringList{"1"});
    QCOMPARE(column("SELECT Story_ID FROM Story_Character UNION ALL SELECT Story_ID FROM "
                    "Story_Plot UNION ALL SELECT Story_ID FROM Story_Scene"),
             QStringList{"1"});
    QCOMPARE(find<QLineEdit>("txtStoryName")->text(), QString("Other"));
    QCOMPARE(gridColumn("dbgCharacters", 1), QStringList{"Ann"});
}

QTEST_MAIN(TestStoryAndStage)
#include "tst_storyandstage.moc"
