#include "app/MainWindow.h"
#include "customization/CustomizationWindow.h"
#include "data/Database.h"
#include "data/ListImport.h"
#include "data/TableRowsModel.h"
#include "inspiration/CrystalBallWindow.h"
#include "shared/widgets/RandomListValue.h"
#include "shared/widgets/Settings.h"
#include "shared/widgets/SpinButton.h"
#include "support/TestEnvironment.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

// The customization window driven as a user would, on a fresh fixture database.
class TestCustomization : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestEnvironment> m_env;
    std::unique_ptr<CustomizationWindow> m_window;

    template <typename T = QWidget> T* find(const QString& n) { return m_window->findChild<T*>(n); }
    void click(const QString& name)
    {
        QTest::mouseClick(find<QAbstractButton>(name), Qt::LeftButton);
    }
    QTableView* grid() { return find<QTableView>("grdCustom"); }
    void open(const QString& table = {})
    {
        m_window = TestEnvironment::open<CustomizationWindow>();
        if (!table.isEmpty())
            choose(table);
    }
    void choose(const QString& table)
    {
        auto* box = find<QComboBox>("cboTableName");
        box->setCurrentIndex(box->findText(table));
        emit box->activated(box->currentIndex());
        QCOMPARE(qobject_cast<TableRowsModel*>(grid()->model())->tableName(), table);
    }
    void typeValue(int row, const QString& text) { editCell(grid(), row, 1, text); }
    QStringList column(const QString& sql) { return m_env->db.column(sql); }
    QStringList nouns() { return column("SELECT noun FROM noun ORDER BY ID"); }
    // The rows of a list in key order, the fields after the key joined by " | ", Null as "-".
    QStringList rowsOf(const QString& table)
    {
        QStringList fields;
        for (const QString& field : ListImport::fieldsWithoutKey(table))
            fields << "ifnull(" + Database::quoteIdentifier(field) + ", '-')";
        return column("SELECT " + fields.join(" || ' | ' || ") + " FROM " + table + " ORDER BY ID");
    }
    void deleteRow(int row)
    {
        grid()->setCurrentIndex(grid()->model()->index(row, 1));
        m_env->desktop.answerNext(MessageAnswer::Yes);
        click("cmdDelete");
    }
    bool toldDuplicate() const
    {
        return m_env->expectMessage("A duplicate exists.  Please try again.",
                                    "Duplicate Item Exists", MessageIcon::Information);
    }

private slots:
    void init() { m_env = std::make_unique<TestEnvironment>(); }
    void cleanup()
    {
        m_window.reset();
        const bool noFatalError = m_env->db.fatalErrors.isEmpty();
        m_env.reset();
        Settings::instance().setValues(SettingsRow());
        QVERIFY(noFatalError);
    }

    // The user's tables in the database's order: never the engine's own, a view or "MSys...";
    // the first list shows its last row at Ctrl+End however long it is.
    void tableListShowsUserTablesOnly()
    {
        for (const char* sql :
             {"CREATE TABLE MSysObjects (ID INTEGER PRIMARY KEY, name TEXT)",
              "CREATE TABLE msysMine (ID INTEGER PRIMARY KEY AUTOINCREMENT, msysMine TEXT)",
              "INSERT INTO msysMine (msysMine) VALUES ('a')",
              "CREATE VIEW nounView AS SELECT * FROM noun",
              "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 1000) "
              "INSERT INTO adverb (adverb) SELECT 'adverb' || i FROM n"})
            QVERIFY(m_env->db.execute(sql));
        open();
        auto* box = find<QComboBox>("cboTableName");
        QCOMPARE(columnTexts(box->model()),
                 column("SELECT name FROM sqlite_master WHERE type = 'table' AND name "
                        "NOT LIKE 'sqlite%' AND name NOT GLOB 'MSys*' ORDER BY rowid"));
        QCOMPARE(box->currentText(), QString("adverb"));
        QCOMPARE(grid()->model()->rowCount(), m_env->db.scalar("SELECT count(*) FROM adverb"));
        QTest::keyClick(grid(), Qt::Key_End, Qt::ControlModifier); // beyond the rows read
        QCOMPARE(grid()->currentIndex().data().toString(), QString("adverb1000"));
    }

    // A word typed into a new row is the next word drawn; the last row cannot be deleted.
    void newWordIsDrawnAndLastRowKept()
    {
        QVERIFY(m_env->db.execute("DELETE FROM noun WHERE rowid > (SELECT min(rowid) FROM noun)"));
        open("noun");
        click("cmdNew");
        typeValue(1, "zeppelin");
        click("cmdUpdate");
        deleteRow(0);
        QVERIFY(
            m_env->expectMessage("Are you sure that you wish to delete this item?", "Delete Item"));
        QCOMPARE(getRandomRecord("noun"), QString("Zeppelin"));
        deleteRow(0);
        QVERIFY(m_env->expectMessage("You must leave at least one item in the table.", "Quillane",
                                     MessageIcon::Information));

        // A blank row never stands in for the last word, but may go itself.
        click("cmdNew");
        deleteRow(0);
        QVERIFY(m_env->expectMessage("You must leave at least one item in the table."));
        QCOMPARE(nouns(), (QStringList{"zeppelin", ""}));
        deleteRow(1);
        QCOMPARE(nouns(), QStringList{"zeppelin"});
    }

    // A new row repeating a word goes again; an edited row gets its stored value back, and a
    // new row nobody typed into stays.
    void duplicateIsUndone()
    {
        open("noun");
        const QStringList stored = nouns();
        click("cmdNew");
        typeValue(0, stored.at(1));
        click("cmdUpdate");
        QVERIFY(toldDuplicate());
        typeValue(stored.size(), stored.at(1).toUpper());
        click("cmdUpdate");
        QVERIFY(toldDuplicate());
        QCOMPARE(nouns(), stored);
        QCOMPARE(grid()->model()->rowCount(), stored.size());
        QCOMPARE(grid()->currentIndex().row(), stored.size() - 1);

        // An edit left unsaved is refused, and refused again before a delete, which does not
        // happen then.
        for (const int messages : {3, 4}) {
            typeValue(0, stored.at(1));
            if (messages == 3)
                click("cmdUpdate");
            else
                deleteRow(2);
            QVERIFY(toldDuplicate() && m_env->desktop.messages.size() == messages);
            QCOMPARE(nouns(), stored);
            QCOMPARE(columnTexts(grid()->model(), 1), stored);
        }
    }

    // A cell being typed is kept whatever comes next: a shortcut, another table or closing.
    void typedCellIsKept_data()
    {
        QTest::addColumn<QString>("next");
        QTest::newRow("Update") << "Alt+U";
        QTest::newRow("New") << "Alt+N";
        QTest::newRow("Delete") << "Alt+D";
        QTest::newRow("table") << "verb";
        QTest::newRow("Close") << QString();
    }
    void typedCellIsKept()
    {
        QFETCH(QString, next);
        open();
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        choose("noun");
        click("cmdNew");
        grid()->edit(grid()->currentIndex());
        auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        QVERIFY(editor);
        QTest::keyClicks(editor, "quirkily");
        if (next.startsWith("Alt+"))
            QTest::keySequence(editor, QKeySequence(next));
        else if (next.isEmpty())
            QVERIFY(m_window->close());
        else
            choose(next);
        QTRY_COMPARE(column("SELECT noun FROM noun WHERE noun = 'quirkily'"),
                     QStringList{"quirkily"});
    }

    // A question gets the category of the current one, and a list cannot be imported into
    // the questions: the message says why.
    void questionIsAddedToItsCategory()
    {
        open("questions");
        grid()->setCurrentIndex(grid()->model()->index(3, 1));
        click("cmdNew");
        const int added = grid()->model()->rowCount() - 1;
        QCOMPARE(grid()->currentIndex().row(), added);
        QCOMPARE(grid()->model()->index(added, 1).data().toString(), QString("Setting"));
        editCell(grid(), added, 2, "Who lives next door?");
        click("cmdUpdate");
        QCOMPARE(
            column("SELECT question FROM questions WHERE category = 'setting' ORDER BY ID").last(),
            QString("Who lives next door?"));

        click("cmdImport");
        QVERIFY(m_env->expectMessage(
            "Only a list of one value a row can be imported into: questions holds 2 values a row "
            "(category, question).  Please choose a word, name or pattern list.",
            "Import", MessageIcon::Information));
    }

    // A value the column or a full disk refuses is told plainly; the typed value stays.
    void refusedValueIsToldAndKept_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::newRow("refused") << "9";
        QTest::newRow("disk full") << QString(5000, 'x');
    }
    void refusedValueIsToldAndKept()
    {
        QFETCH(QString, typed);
        QVERIFY(m_env->db.execute("CREATE TABLE rating (ID INTEGER PRIMARY KEY, rating INTEGER "
                                  "CHECK (rating BETWEEN 1 AND 5 OR length(rating) > 9))"));
        QVERIFY(m_env->db.execute("INSERT INTO rating (rating) VALUES (2)"));
        const QString pages = m_env->db.scalar("PRAGMA page_count").toString();
        QVERIFY(m_env->db.execute("PRAGMA max_page_count = " + pages));
        open("rating");
        typeValue(0, typed);
        click("cmdUpdate");
        QVERIFY(m_env->desktop.lastMessage().startsWith("The change could not be saved: "));
        QCOMPARE(grid()->model()->index(0, 1).data().toString(), typed);
        QVERIFY(m_env->db.execute("PRAGMA max_page_count = 1000000"));
        typeValue(0, "4");
        QVERIFY(m_window->close()); // what was typed is saved on closing
        QCOMPARE(column("SELECT rating FROM rating"), QStringList{"4"});
    }

    // A list goes out to a file and comes back whole, the list's own name first included, with
    // the fields after the value (a verb's frame, which the grid shows and edits); a word of two
    // lines goes out whole as CSV, and a text file, one word a line, refuses it.
    void listRoundTripsThroughFiles_data()
    {
        QTest::addColumn<QString>("suffix");
        QTest::addColumn<QString>("table");
        QTest::addColumn<int>("editedColumn"); // of the grid's first row
        QTest::addColumn<QString>("edit");
        for (const char* suffix : {"txt", "csv"}) {
            QTest::addRow("nouns %s", suffix) << suffix << "noun" << 1 << "Noun";
            QTest::addRow("verbs %s", suffix) << suffix << "verb" << 2 << "object";
        }
    }
    void listRoundTripsThroughFiles()
    {
        QFETCH(QString, suffix);
        QFETCH(QString, table);
        QFETCH(int, editedColumn);
        QFETCH(QString, edit);
        for (const char* sql : {"INSERT INTO %1 (%1) VALUES ('salt, \"fine\"')",
                                "INSERT INTO %1 (%1) VALUES ('Write every day' || char(10) || "
                                "'even a line.')"})
            QVERIFY(m_env->db.execute(QString(sql).arg(table)));
        QVERIFY(table != "verb" ||
                m_env->db.execute("UPDATE verb SET frame = 'none' WHERE ID = 2"));
        open(table);
        editCell(grid(), 0, editedColumn, edit);
        click("cmdUpdate");
        QCOMPARE(rowsOf(table).first().section(" | ", editedColumn - 1, editedColumn - 1), edit);
        QTemporaryDir folder;
        const QString path = folder.filePath("nouns." + suffix);
        m_env->desktop.saveFileToChoose = m_env->desktop.openFileToChoose = path;
        if (suffix == "txt") { // the file already there stays as it was
            QVERIFY(writeFile(path, "kept"));
            const QByteArray kept = checksum(path);
            click("cmdExport");
            QVERIFY(m_env->expectMessage(
                QString("nouns.txt could not be written: row %1, \"Write every day⏎even a "
                        "line.\", holds a line break, which a text file cannot keep; export it "
                        "as CSV.")
                    .arg(rowsOf(table).size()),
                "Export", MessageIcon::Information));
            QCOMPARE(checksum(path), kept);
            QVERIFY(
                m_env->db.execute(QString("DELETE FROM %1 WHERE instr(%1, char(10))").arg(table)));
        }
        const QStringList stored = rowsOf(table);
        click("cmdExport");
        QVERIFY(m_env->db.execute("DELETE FROM " + table));
        click("cmdImport");
        QVERIFY(m_env->expectMessage(
            QString("%1 added, 0 skipped (blank or already in the list).").arg(stored.size()) +
                (suffix == "csv"
                     ? QString("  The first line, \"%1\", was taken as the column heading.")
                           .arg(table)
                     : QString()),
            "Import", MessageIcon::Information));
        QCOMPARE(rowsOf(table), stored);
        QCOMPARE(grid()->model()->rowCount(), stored.size());
    }

    // A file's words are added as the user sees them in it: a line end of any kind ends a word,
    // unless CSV quotes it; a CSV file's heading is not a word; a joined file's byte-order mark
    // makes no invisible twin of "Quill". A file that is not UTF-8 text, or whose quotes are not
    // closed, changes nothing.
    void listFileIsImported_data()
    {
        QTest::addColumn<QString>("suffix");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QStringList>("added");
        QTest::addColumn<QString>("table");
        const QByteArray joined = "Quill\r\n \r\n\xef\xbb\xbfquill\nANCHOR\n";
        const QString skipped = "1 added, 3 skipped (blank or already in the list).";
        for (const char* suffix : {"txt", "csv"})
            QTest::addRow("joined %s", suffix)
                << suffix << joined << skipped << QStringList{"Quill | -"} << "noun";
        QTest::newRow("carriage returns") << "txt" << QByteArray("ant\rbee\r")
                                          << "2 added, 0 skipped (blank or already in the list)."
                                          << QStringList{"ant | -", "bee | -"} << "noun";
        QTest::newRow("csv heading and quotes")
            << "csv" << QByteArray("Noun\r\"Write every day,\neven a line.\"\r\"a \"\"b\"\", c\",2")
            << "2 added, 0 skipped (blank or already in the list).  The first line, \"Noun\", was "
               "taken as the column heading."
            << QStringList{"Write every day,\neven a line. | -", "a \"b\", c | 2"} << "noun";
        QTest::newRow("quoted byte-order mark")
            << "csv" << QByteArray("\"\xef\xbb\xbf  dove\"")
            << "1 added, 0 skipped (blank or already in the list)." << QStringList{"dove | -"}
            << "noun";
        for (const QString suffix : {"txt", "csv"})
            QTest::addRow("not UTF-8 %s", qPrintable(suffix))
                << suffix << QByteArray("\xff\xfe\0q\0", 5)
                << "nouns." + suffix +
                       " cannot be imported: it is not a UTF-8 text file.  Nothing was changed."
                << QStringList{} << "noun";
        QTest::newRow("quote not closed")
            << "csv" << QByteArray("ant\n\"bee,\ncow\n")
            << "nouns.csv cannot be imported: the quoted text that opens on line 2 is never "
               "closed.  Nothing was changed."
            << QStringList{} << "noun";
        // A line of a list with further fields has them after tabs, and may leave them out; a
        // plain list's line is its value whole.
        QTest::newRow("tab in a word") << "txt" << QByteArray("salt\tpepper\n")
                                       << "1 added, 0 skipped (blank or already in the list)."
                                       << QStringList{"salt\tpepper"} << "adjective";
        QTest::newRow("verbs with frames")
            << "txt" << QByteArray("Soared\tnone\nhit\tobject\textra\nwept\n\n crept \t both \n")
            << "4 added, 1 skipped (blank or already in the list)."
            << QStringList{"Soared | none", "hit | object", "wept | -", "crept | both"} << "verb";
        QTest::newRow("verbs with frames csv")
            << "csv" << QByteArray("Verb,frame\nsoared,none\n\"hit\",\n")
            << "2 added, 0 skipped (blank or already in the list).  The first line, \"Verb\", was "
               "taken as the column heading."
            << QStringList{"soared | none", "hit | -"} << "verb";
        QTest::newRow("verbs without frames")
            << "txt" << QByteArray("soared\nhit\n")
            << "2 added, 0 skipped (blank or already in the list)."
            << QStringList{"soared | -", "hit | -"} << "verb";
    }

    void listFileIsImported()
    {
        QFETCH(QString, suffix);
        QFETCH(QByteArray, content);
        QFETCH(QString, message);
        QFETCH(QStringList, added);
        QFETCH(QString, table);
        const QStringList stored = rowsOf(table);
        QTemporaryDir folder;
        m_env->desktop.openFileToChoose = folder.filePath("nouns." + suffix);
        QVERIFY(writeFile(m_env->desktop.openFileToChoose, content));
        open(table);
        click("cmdImport");
        QVERIFY(m_env->expectMessage(message, "Import", MessageIcon::Information));
        QCOMPARE(rowsOf(table), stored + added);
    }

    // The interval keeps to 1 to 20 seconds. A spin changes only the interval shown: the run and
    // its timed windows take it at Update. An arrow held at the limit tells once and lets go.
    void spinKeepsLimits_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("up");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("message");
        const QString greater = "Interval greater then twenty not accepted.";
        const QString less = "Interval less then one not accepted.";
        QTest::newRow("50 shown as 20") << "50" << true << " 20" << greater;
        QTest::newRow("-3 shown as 1") << "-3" << false << " 1" << less;
        QTest::newRow("8 down") << "8" << false << " 7" << QString();
        QTest::newRow("8 up") << "8" << true << " 9" << QString();
    }
    void spinKeepsLimits()
    {
        QFETCH(QString, stored);
        QFETCH(bool, up);
        QFETCH(QString, shown);
        QFETCH(QString, message);
        QVERIFY(m_env->db.execute("UPDATE customize SET timerInterval = " + stored));
        Settings& settings = Settings::instance();
        settings.setTimerInterval(3000);
        QSignalSpy changed(&settings, &Settings::changed);
        open();
        auto* spin = find<SpinButton>("spnRange1");
        QToolButton* arrow = up ? spin->upArrow() : spin->downArrow();
        if (!message.isEmpty()) {
            QTest::mousePress(arrow, Qt::LeftButton);
            QTRY_VERIFY(!m_env->desktop.messages.isEmpty());
            QTRY_VERIFY(!arrow->isDown());
            QTest::mouseRelease(arrow, Qt::LeftButton);
            QCOMPARE(m_env->desktop.messages.size(), 1);
            QCOMPARE(find<QLineEdit>("txtTimerInterval")->text(), shown);
            QVERIFY(m_env->expectMessage(message, "Quillane", MessageIcon::Information));
            QVERIFY(settings.timerInterval() == 3000 && changed.isEmpty());
            return;
        }
        QTest::mouseClick(arrow, Qt::LeftButton);
        QCOMPARE(find<QLineEdit>("txtTimerInterval")->text(), shown);
        QVERIFY(m_env->desktop.messages.isEmpty());
        auto crystalBall = TestEnvironment::open<CrystalBallWindow>();
        auto* timer = crystalBall->findChild<QTimer*>("tmrAdvice");
        QVERIFY(settings.timerInterval() == 3000 && timer->interval() == 3000 && changed.isEmpty());
        QCOMPARE(m_env->db.scalar("SELECT timerInterval FROM customize").toString(), stored);
        click("cmdUpdateApplication");
        const int spun = shown.trimmed().toInt();
        QVERIFY(changed.count() == 1 && settings.timerInterval() == spun * 1000);
        QCOMPARE(m_env->db.scalar("SELECT timerInterval FROM customize").toInt(), spun);
        QCOMPARE(timer->interval(), 3000); // until the window's next activation
        crystalBall->activate();
        QCOMPARE(timer->interval(), spun * 1000);
    }

    // Update writes the row and the run's settings and shows or hides the toolbar and keeps tool
    // windows side by side at once; a start window chosen is taken only by Update, and one out of
    // range only shows as the nearest option.
    void settingsAreSavedByUpdate()
    {
        QVERIFY(m_env->db.execute("UPDATE customize SET startForm = 70"));
        MainWindow main;
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        QTest::keySequence(&main, QKeySequence("Ctrl+F6"));
        auto* opened = qobject_cast<CustomizationWindow*>(main.findToolWindow("frmCustom"));
        QVERIFY(opened);
        m_window.reset(opened);
        QVERIFY(find<QAbstractButton>("optFormStart_10")->isChecked());
        QStringList captions; // in number order, the numbers the main window opens by
        for (int number = 0; number <= 10; ++number)
            captions << find<QAbstractButton>(QString("optFormStart_%1").arg(number))
                            ->text()
                            .remove('&'); // the Alt letter's marker
        QCOMPARE(captions.join('|'), "Character Generator|Name Generator|Number Generator|"
                                     "Sentence Generator|Brainstorm|Free Association|Crystal Ball|"
                                     "Story Wizard|Plot Wizard|Psychostimulatron|Story and Stage");
        auto* toolBar = main.findChild<QToolBar*>("pcbToolBar");
        QVERIFY(toolBar->isVisible());
        tick(find<QCheckBox>("chkToolBar"));
        click("cmdUpdateApplication");
        QVERIFY(!toolBar->isVisible());
        QCOMPARE(m_env->db.scalar("SELECT startForm FROM customize").toInt(), 70);

        click("optFormStart_7");
        QCOMPARE(Settings::instance().startWindow(), -1);
        QCOMPARE(m_env->db.scalar("SELECT startForm FROM customize").toInt(), 70);
        find<QLineEdit>("txtCustomReminder")->setText("Write daily.");
        QVERIFY(!find<QCheckBox>("chkSideBySide")->isChecked());
        tick(find<QCheckBox>("chkSideBySide"));
        click("cmdUpdateApplication");
        QCOMPARE(column("SELECT timerInterval || '|' || personalReminder || '|' || toolBar || "
                        "'|' || startForm || '|' || sideBySide FROM customize"),
                 QStringList{"5.0|Write daily.|0|7|-1"});
        QVERIFY(Settings::instance().startWindow() == 7 &&
                Settings::instance().personalReminder() == "Write daily." &&
                Settings::instance().sideBySide());
        QTest::keySequence(&main, QKeySequence("Ctrl+F1")); // another window beside this one
        QVERIFY(main.findToolWindow("frmBrainstorm") && !opened->parentWidget()->isMinimized());
        tick(find<QCheckBox>("chkToolBar"));
        click("cmdUpdateApplication");
        QVERIFY(toolBar->isVisible());
        m_window.release(); // the main window's frame owns it
    }
};

QTEST_MAIN(TestCustomization)
#include "tst_customization.moc"
