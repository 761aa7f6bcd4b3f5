#include "app/MainWindow.h"
#include "records/StoryAndStageWindow.h"
#include "support/TestEnvironment.h"

#include <QtTest>
#include <QtWidgets>

// The Story and Stage window driven as a user would, on a fresh fixture database holding three
// characters, a plot and a scene.
class TestStoryAndStage : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestEnvironment> m_env;
    std::unique_ptr<StoryAndStageWindow> m_window;

    template <typename T = QWidget> T* find(const QString& n) { return m_window->findChild<T*>(n); }
    void click(const QString& name)
    {
        QTest::mouseClick(find<QAbstractButton>(name), Qt::LeftButton);
    }
    // Picks the item of that name in the combo box, as the user does from its drop-down.
    void choose(const QString& combo, const QString& item)
    {
        auto* box = find<QComboBox>(combo);
        const int index = box->findText(item);
        QVERIFY2(index >= 0, qPrintable(item));
        box->setCurrentIndex(index);
        emit box->activated(index);
    }
    // Types into a grid's cell on its own tab and leaves it.
    void editCell(const QString& grid, int row, int column, const QString& text)
    {
        auto* view = find<QTableView>(grid);
        m_window->findChild<QTabWidget*>("dbgPlot")->setCurrentWidget(view->parentWidget());
        ::editCell(view, row, column, text);
    }
    QStringList gridColumn(const QString& grid, int column = 1)
    {
        return columnTexts(find<QTableView>(grid)->model(), column);
    }
    // Makes a new story (the name box is cancelled) and names it.
    void newStory(const QString& name)
    {
        click("cmdNew");
        QCOMPARE(m_env->desktop.inputBoxes.last(), "Enter the name for this story.|");
        QCOMPARE(find<QLineEdit>("txtStoryName")->text(), QString());
        QTest::keyClicks(find<QLineEdit>("txtStoryName"), name);
        if (!name.isEmpty())
            click("cmdUpdate");
    }
    QStringList column(const QString& sql) { return m_env->db.column(sql); }

private slots:
    void init()
    {
        m_env = std::make_unique<TestEnvironment>();
        for (const char* sql :
             {"INSERT INTO character (Name, Occupation, visible, Height, Weight) VALUES ('Ann', "
              "'pilot', 0, '70', '11 stone'), ('Bob', 'cook', -1, NULL, NULL), ('Cy', 'spy', 0, "
              "NULL, NULL)",
              "INSERT INTO \"Plot Profile\" (\"Plot Name\", \"Character One\", \"Motivation One\", "
              "\"Character Two\", \"Motivation Two\", \"Character Three\", \"Motivation Three\") "
              "VALUES ('Rescue', 'baker', 'greed', 'judge', 'fear', 'nurse', 'love')",
              "INSERT INTO \"Scene Profile\" (\"Scene Name\", Weather) VALUES ('Harbour', 'fog')"})
            QVERIFY(m_env->db.execute(sql));
        m_window = TestEnvironment::open<StoryAndStageWindow>();
    }
    void cleanup()
    {
        m_window.reset();
        const bool noFatalError = m_env->db.fatalErrors.isEmpty();
        m_env.reset();
        QVERIFY(noFatalError);
    }

    void storyLinkedReportedAndDeleted()
    {
        // A story with no links reports its headings and rules only; its name box was cancelled.
        QVERIFY(!find("dbgPlot")->isEnabled()); // no story yet
        newStory({});
        QCOMPARE(column("SELECT coalesce(\"Story Name\", '-') FROM \"Story Profile\""),
                 QStringList{"-"});
        click("cmdClipboard");
        QCOMPARE(m_env->desktop.clipboard,
                 TestEnvironment::expectedOutput("storyandstage-empty.txt"));
        QTest::keyClicks(find<QLineEdit>("txtStoryName"), "Other");
        click("cmdUpdate");
        QVERIFY(m_env->db.execute(
            "INSERT INTO Story_Character (Story_ID, Character_ID) VALUES (1, 1)"));

        newStory("Voyage");
        QVERIFY(find("dbgPlot")->isEnabled() && find<QLineEdit>("txtStoryID")->isReadOnly());
        find<QPlainTextEdit>("txtStoryDescription")->setPlainText("A long way home.");
        find<QPlainTextEdit>("txtNotes")->setPlainText("Write the storm first.");
        // Each link is listed unassigned and current, so the choice and Update apply to it.
        for (const QString step :
             {"Character Ann dbgCharacters 2/1", "Character Bob dbgCharacters 2/2",
              "Plot Rescue dbgStory_Plot 2/1", "Scene Harbour dbgScene 2/1"}) {
            const QStringList way = step.split(' '); // list, item, grid, link
            const QString &list = way[0], &item = way[1], &grid = way[2], prompt = list.toLower();
            const QString link = "SELECT coalesce(Story_ID || '/' || " + list +
                                 "_ID, 'none') FROM Story_" + list + " ORDER BY ID";
            QCOMPARE(find<QLineEdit>("txtStory" + list + "ID")->text(), QString("2"));
            click("cmdNew" + list);
            QVERIFY(m_env->expectMessage("Now select a " + prompt +
                                             " from the drop down and click the Update button.",
                                         "Select your " + prompt + ".", MessageIcon::Information));
            QVERIFY(gridColumn(grid).last().isEmpty() && column(link).last() == "none");
            QCOMPARE(find<QComboBox>("cbo" + list)->placeholderText(), "New " + list);
            choose("cbo" + list, item);
            click("cmdUpdate" + list);
            QVERIFY(gridColumn(grid).last() == item && column(link).last() == way[3]);
            QCOMPARE(find<QComboBox>("cbo" + list)->currentText(), item);
        }
        QCOMPARE(gridColumn("dbgCharacters"), (QStringList{"Ann", "Bob"}));
        editCell("dbgCharacters", 0, 2, "lead");
        click("cmdUpdateCharacter");
        QCOMPARE(column("SELECT Note FROM Story_Character WHERE Story_ID = 2 AND Character_ID = 1"),
                 QStringList{"lead"});
        QVERIFY(!(find<QTableView>("dbgCharacters")->model()->index(0, 1).flags() &
                  Qt::ItemIsEditable));
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
        QVERIFY(m_env->expectMessage("A duplicate exists.  Please try again.",
                                     "Duplicate Item Exists", MessageIcon::Information));
        QVERIFY(find<QWidget>("cboCharacter")->hasFocus()); // back in the refused choice
        const QString links =
            "SELECT Story_ID || '/' || Character_ID FROM Story_Character ORDER BY ID";
        QCOMPARE(column(links), (QStringList{"1/1", "2/1", "2/2"}));
        QCOMPARE(gridColumn("dbgCharacters"), (QStringList{"Ann", "Bob"}));

        m_env->desktop.answerNext(MessageAnswer::Yes);
        click("cmdPrint");
        QCOMPARE(m_env->desktop.printed,
                 QStringList{TestEnvironment::expectedOutput("storyandstage.txt")});
        // The same story whole, hidden Bob included, as a web page and as Markdown. Items without
        // a name are listed whole under an untitled heading; markup typed by the writer is shown
        // as typed. A character's notes show only when it has some.
        for (const char* sql :
             {"INSERT INTO character (Name, Gender, Notes) VALUES (NULL, 'male', ''), ('<b>Kit</b> "
              "*Bold* `code` [link](x) _u_ C# &amp; | ~~gone~~ \\', NULL, 'Owes <Bo> & *all*' || "
              "char(10) || '# not a heading')",
              "INSERT INTO Story_Character (Story_ID, Character_ID, Note) VALUES (2, 4, NULL), (2, "
              "5, 'Quick' || char(10) || '---' || char(10) || '# 1. not a heading' || char(10) || "
              "'2) + - > not a list' || char(10) || char(10) || '    not code')",
              "INSERT INTO \"Plot Profile\" (\"Character One\") VALUES ('baker')",
              "INSERT INTO Story_Plot (Story_ID, Plot_ID) VALUES (2, 2)",
              "INSERT INTO \"Scene Profile\" (Weather) VALUES ('fog')",
              "INSERT INTO Story_Scene (Story_ID, Scene_ID) VALUES (2, 2)",
              // Of a roll, the seed alone is shown; an item without one shows none.
              "UPDATE character SET RollSeed = 4294967295, RollLists = 'hair 0a1b2c3d', "
              "RollLocked = 'txtName' WHERE Name = 'Ann'",
              "UPDATE \"Plot Profile\" SET RollSeed = 0, RollLists = 'plots 0a1b2c3d' WHERE ID = 1",
              "UPDATE \"Scene Profile\" SET RollSeed = 77, RollLists = '' WHERE ID = 2",
              // Each character's relationships read from its side, linked to the story or not.
              "INSERT INTO character (Name) VALUES ('Piet \"Kap''n\" <Dijk> & Co')",
              "INSERT INTO character_relationship (From_ID, To_ID, Kind, Note) VALUES (1, 5, "
              "'mentor of', 'taught him to <sail> & \"steer\"'), (2, 1, 'loves', NULL), (6, 1, "
              "'rival of', 'since *school*'), (1, 4, 'haunts', NULL)",
              "INSERT INTO cast_map_position VALUES (2, 1, 0, 0)"})
            QVERIFY(m_env->db.execute(sql));
        find<QPlainTextEdit>("txtNotes")->setPlainText("Write the storm first.\n===\n<!-- -->");
        const QTemporaryDir folder;
        for (const QString file : {"storyandstage-bible.html", "storyandstage-bible.md"}) {
            m_env->desktop.saveFileToChoose = folder.filePath(file);
            click("cmdExport");
            QFile written(folder.filePath(file));
            QVERIFY(written.open(QIODevice::ReadOnly));
            QString text = QString::fromUtf8(written.readAll());
            if (file.endsWith(".html")) {
                // The cast map's picture: the story's characters and their relationships among
                // them, readable as XML whatever the names hold. Its drawing depends on the fonts.
                const qsizetype start = text.indexOf("<svg");
                const qsizetype end = text.indexOf("</svg>") + 6;
                QVERIFY(start > 0 && end > start);
                QCOMPARE(svgTexts(text.mid(start, end - start)),
                         (QStringList{"<b>Kit</b> *Bold* `code` [link](x) _u_ C# &amp; | ~~gone~~ "
                                      "\\",
                                      "Ann", "Bob", "Untitled character", "haunts", "loves",
                                      "mentor of"}));
                text.replace(start, end - start, "<svg/>");
            }
            QCOMPARE(text, TestEnvironment::expectedOutput(file));
        }
        for (const char* sql : {"DELETE FROM Story_Character WHERE Character_ID > 3",
                                "DELETE FROM Story_Plot WHERE Plot_ID > 1",
                                "DELETE FROM Story_Scene WHERE Scene_ID > 1"})
            QVERIFY(m_env->db.execute(sql));

        // Deleting Ann removes her links to this story alone; a link to a deleted item is not
        // listed.
        find<QTableView>("dbgCharacters")->selectRow(0);
        click("cmdDelete");
        QCOMPARE(column(links), (QStringList{"1/1", "2/2"}));
        QVERIFY(m_env->db.execute("DELETE FROM character WHERE Name = 'Bob'"));
        click("cmdRefreshList");
        QCOMPARE(gridColumn("dbgCharacters"), QStringList{});
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
                        "Story_Plot UNION ALL SELECT Story_ID FROM Story_Scene UNION ALL SELECT "
                        "Story_ID FROM cast_map_position"),
                 QStringList{"1"});
        QCOMPARE(find<QLineEdit>("txtStoryName")->text(), QString("Other"));
        QCOMPARE(gridColumn("dbgCharacters"), QStringList{"Ann"});
    }

    // The texts an SVG picture draws, sorted; empty when it is not well-formed XML.
    static QStringList svgTexts(const QString& svg)
    {
        QStringList texts;
        QXmlStreamReader reader(svg);
        while (!reader.atEnd()) {
            if (reader.readNext() == QXmlStreamReader::StartElement && reader.name() == u"text")
                texts << reader.readElementText(QXmlStreamReader::IncludeChildElements).trimmed();
        }
        if (reader.hasError())
            return {reader.errorString()};
        texts.sort();
        return texts;
    }

    // A link made or removed in one window shows in the other at once; a story the character
    // window lists opens in Story and Stage.
    void linksFollowedAcrossWindows()
    {
        newStory("Voyage");
        newStory("Arrival");
        MainWindow main;
        ToolWindow* characters = main.openToolWindow("frmCharacter");
        auto* appearsIn = characters->findChild<QListWidget*>("lstAppearsIn");
        const auto addTo = [&](const QString& filter) {
            characters->findChild<QAbstractButton*>("cmdAddToStory")->click();
            auto* dialog = characters->findChild<QDialog*>("dlgAddToStory");
            QVERIFY(dialog);
            QTest::keyClicks(dialog->findChild<QLineEdit*>("txtStoryFilter"), filter);
            dialog->accept();
            QTRY_VERIFY(!characters->findChild<QDialog*>("dlgAddToStory"));
        };
        addTo("arr");
        QCOMPARE(gridColumn("dbgCharacters"), QStringList{"Ann"}); // Arrival is shown
        addTo("voy");
        QCOMPARE(columnTexts(appearsIn->model()), (QStringList{"Arrival", "Voyage"}));
        find<QTableView>("dbgCharacters")->selectRow(0);
        click("cmdDelete");
        QCOMPARE(columnTexts(appearsIn->model()), QStringList{"Voyage"});
        addTo("arr");
        QCOMPARE(columnTexts(appearsIn->model()), (QStringList{"Arrival", "Voyage"}));
        appearsIn->setCurrentRow(0); // not the first story
        QTest::keyClick(appearsIn, Qt::Key_Return);
        ToolWindow* stories = main.findToolWindow("frmStoryandStage");
        QVERIFY(stories);
        QCOMPARE(stories->findChild<QLineEdit*>("txtStoryName")->text(), "Arrival");
        QCOMPARE(columnTexts(stories->findChild<QTableView*>("dbgCharacters")->model(), 1),
                 QStringList{"Ann"});
    }
};

QTEST_MAIN(TestStoryAndStage)
#include "tst_storyandstage.moc"
