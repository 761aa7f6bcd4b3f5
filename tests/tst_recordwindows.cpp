#include "data/Database.h"
#include "data/RecordListModel.h"
#include "data/Relationships.h"
#include "records/CharacterWindow.h"
#include "records/PlotWindow.h"
#include "records/SceneWindow.h"
#include "shared/widgets/ChildFrame.h"
#include "shared/widgets/ControlMakers.h"
#include "shared/widgets/RandomListValue.h"
#include "shared/widgets/RunRandom.h"
#include "shared/widgets/WindowServices.h"
#include "support/TestEnvironment.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QDialog>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QMdiArea>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QTableView>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>

#include <functional>

namespace {
// A record window: how it opens, its table, its named field and box, what it says when there is
// no row, where New leaves the focus, its grid's columns, and its links to stories as
// "story/item/note" (no note where the links have none).
struct WindowCase
{
    QString kind;
    std::function<std::unique_ptr<RecordWindow>()> open;
    QString table, field, box, noRow, noRowTitle, focusAfterNew, gridColumns, storyLinks;

    QString insert(const QString& rows) const
    {
        return "INSERT INTO \"" + table + "\" (\"" + field + "\", visible) VALUES " + rows;
    }
    QString names() const { return "SELECT \"" + field + "\" FROM \"" + table + "\" ORDER BY ID"; }
};

const QList<WindowCase> Cases = {
    {"character", TestEnvironment::open<CharacterWindow>, "character", "Name", "txtName",
     "You must create your first character by selecting New.  This character will not be saved.",
     "Create a New Character.", "txtName",
     "Name,Gender,Hair,Eye,Height,Weight,Age,Country,Language,Family,Education,Wealth,Occupation,"
     "Hobby,Interest,Mental State,Materialism,Morality,Motivation,Intellect,Thrift,Religion",
     "SELECT Story_ID || '/' || Character_ID || '/' || coalesce(Note, '-') FROM Story_Character"},
    {"plot", TestEnvironment::open<PlotWindow>, "Plot Profile", "Plot Name", "txtPlotName",
     "You must create your first plot by selecting New.  This will not be saved.",
     "Create New First", "txtPlotName",
     "Plot Name,Character One,Motivation One,Character Two,Motivation Two,Character Three,"
     "Motivation Three",
     "SELECT Story_ID || '/' || Plot_ID || '/' || coalesce(Comment, '-') FROM Story_Plot"},
    {"scene", TestEnvironment::open<SceneWindow>, "Scene Profile", "Scene Name", "txtSceneName",
     "You must create your first scene by selecting New.  This will not be saved.",
     "Create New First", "txtWeather",
     "Weather,Conflict,Location,Time of Day,Character One,Character Two,Character Three",
     "SELECT Story_ID || '/' || Scene_ID FROM Story_Scene"},
};
} // namespace

Q_DECLARE_METATYPE(WindowCase)

// The character, plot and scene windows driven as a user would, on a fresh fixture database, and
// the models they and the story's link lists stand on.
class TestRecordWindows : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestEnvironment> m_env;
    std::unique_ptr<RecordWindow> m_window;

    template <typename T = QWidget> T* find(const QString& n) { return m_window->findChild<T*>(n); }
    void click(const char* name) { QTest::mouseClick(find<QAbstractButton>(name), Qt::LeftButton); }
    void clickYes(const char* name)
    {
        m_env->desktop.answerNext(MessageAnswer::Yes);
        click(name);
    }
    void navigate(const QString& button)
    {
        for (QToolButton* found : m_window->findChildren<QToolButton*>()) {
            if (found->accessibleName() == button)
                return QTest::mouseClick(found, Qt::LeftButton);
        }
        QFAIL(qPrintable("No navigator button " + button));
    }
    void type(const QString& box, const QString& text)
    {
        if (auto* combo = find<QComboBox>(box))
            return combo->setEditText(text);
        find<QLineEdit>(box)->clear();
        QTest::keyClicks(find<QLineEdit>(box), text);
    }
    QString boxText(const QString& name) { return shownText(find(name)); }
    // The first field of every row, a Null one as "<null>".
    static QStringList column(const QString& sql)
    {
        QStringList values;
        for (QSqlQuery query(sql); query.next();)
            values << (query.isNull(0) ? "<null>" : query.value(0).toString());
        return values;
    }
    static int rows(const QString& table)
    {
        return column("SELECT ID FROM \"" + table + "\"").size();
    }

private slots:
    void init()
    {
        m_env = std::make_unique<TestEnvironment>(4711);
        QVERIFY2(m_env->db.isOpen(), qPrintable(m_env->db.error()));
    }
    void cleanup()
    {
        m_window.reset();
        const bool noFatalError = m_env->db.fatalErrors.isEmpty();
        m_env.reset(); // also after a failure, so that the next test starts afresh
        QVERIFY(noFatalError);
    }

    void recordWindows_data()
    {
        QTest::addColumn<WindowCase>("window");
        for (const WindowCase& window : Cases)
            QTest::newRow(qPrintable(window.kind)) << window;
    }

    // Reading the rows again, as coming back to the character window does, keeps the writer's
    // place, or shows the first row when it is gone. A row deleted elsewhere while shown is never
    // saved as if it were there: the typing stays on screen, or is saved as a new row.
    void rowsShownMovedAndDeleted_data() { recordWindows_data(); }
    void rowsShownMovedAndDeleted()
    {
        QFETCH(WindowCase, window);
        QVERIFY(
            m_env->db.execute(window.insert("('Hidden', -1), ('Ann', 0), ('Bo', 1), ('Cy', 0)")));
        const QString other = window.gridColumns.section(',', 1, 1);
        QVERIFY(
            m_env->db.execute("UPDATE \"" + window.table + "\" SET \"" + other + "\" = 'kept'"));
        m_window = window.open();
        auto* grid = m_window->findChild<QTableView*>();
        QStringList headings;
        for (int column = 0; column < grid->model()->columnCount(); ++column)
            headings << grid->model()->headerData(column, Qt::Horizontal).toString();
        QVERIFY(headings.join(',') == window.gridColumns && boxText(window.box) == "Ann");
        navigate("Last record");
        m_window->activate();
        setDataControls(m_window.get());
        QVERIFY(boxText(window.box) == "Cy" && grid->currentIndex().row() == 2);
        navigate("Previous record");
        const QString deleteElsewhere =
            "DELETE FROM \"" + window.table + "\" WHERE \"" + window.field + "\" = '%1'";
        QVERIFY(boxText(window.box) == "Bo" && m_env->db.execute(deleteElsewhere.arg("Bo")));
        type(window.box, "Bob");
        click("cmdUpdate"); // answered No
        const QString deleted = "This record was deleted after it was shown here, so what you "
                                "typed was not saved. Save it as a new record?";
        QVERIFY(m_env->expectMessage(deleted, "Not Saved", MessageIcon::Exclamation));
        QCOMPARE(boxText(window.box), "Bob");
        navigate("First record"); // asked again, answered No: the typing stays
        QVERIFY(m_env->expectMessage(deleted) && boxText(window.box) == "Bob");
        QCOMPARE(column(window.names()), (QStringList{"Hidden", "Ann", "Cy"}));
        m_env->desktop.answerNext(MessageAnswer::Yes);
        navigate("First record");
        QCOMPARE(column(window.names()), (QStringList{"Hidden", "Ann", "Cy", "Bob"}));
        QCOMPARE(column("SELECT \"" + other + "\" FROM \"" + window.table + "\""),
                 QStringList(4, "kept"));
        QCOMPARE(boxText(window.box), "Ann");
        navigate("Last record");
        QVERIFY(boxText(window.box) == "Bob" && m_env->db.execute(deleteElsewhere.arg("Bob")));
        setDataControls(m_window.get());
        QVERIFY(boxText(window.box) == "Ann" && grid->model()->rowCount() == 2);

        // The new row is shown whole, in a grid too short for all the rows.
        grid->setFixedHeight(grid->horizontalHeader()->height() + grid->rowHeight(0) * 5 / 2 +
                             grid->horizontalScrollBar()->sizeHint().height());
        click("cmdNew");
        QVERIFY(grid->viewport()->rect().contains(grid->visualRect(grid->currentIndex())));
        clickYes("cmdDelete");
        grid->selectRow(1);
        QCOMPARE(boxText(window.box), "Cy");
        click("cmdDelete"); // answered No; then Yes, each showing the first row
        for (const char* left : {"Ann", ""}) {
            clickYes("cmdDelete");
            QCOMPARE(boxText(window.box), left);
        }
        type(window.box, "Typed"); // with no row shown, saved nowhere
        m_window->saveRecord();    // Update, which the character window disables without a row
        QVERIFY(m_env->expectMessage(window.noRow, window.noRowTitle, MessageIcon::Information));
        QCOMPARE(column(window.names()), QStringList{"Hidden"});
    }

    void editsSavedAndDuplicatesRefused_data() { recordWindows_data(); }
    void editsSavedAndDuplicatesRefused()
    {
        QFETCH(WindowCase, window);
        // Two rows that differ only in the named field; a plot is a duplicate only in all its
        // fields. Every word list down to one word, so that a second New repeats the first.
        QVERIFY(m_env->db.execute(window.insert("('Ann', 0), ('Bo', 0)")));
        for (const QString& field : window.gridColumns.split(',').mid(1))
            QVERIFY(window.kind != "plot" ||
                    m_env->db.execute("UPDATE \"Plot Profile\" SET \"" + field + "\" = 'x'"));
        for (const char* list : {"femaleName", "maleName", "surnames", "gender", "occupation",
                                 "motivation", "weather", "plots"})
            QVERIFY(m_env->db.execute(QString("DELETE FROM \"%1\" WHERE rowid > 1").arg(list)));
        QVERIFY(m_env->db.execute("CREATE UNIQUE INDEX oneWeather ON \"Scene Profile\" (Weather)"));
        m_window = window.open();
        navigate("Next record");
        type(window.box, window.kind == "plot" ? "Ann" : "ANN");
        click("cmdUpdate");
        QVERIFY(m_env->expectMessage("A duplicate exists.  Please try again.") &&
                boxText(window.box) == "Bo");
        QVERIFY(find(window.box)->hasFocus()); // back in the name the message refused
        type(window.box, "Di");
        QTest::keyClick(find(window.box), Qt::Key_Escape); // keeps the edit, for Update to save
        click("cmdUpdate");
        QCOMPARE(column(window.names()), (QStringList{"Ann", "Di"}));
        QCOMPARE(m_window->findChild<QTableView*>()->model()->index(1, 0).data().toString(),
                 window.kind == "scene" ? "" : "Di");
        // Emptied names are Null, so two of them never collide.
        type(window.box, "");
        navigate("First record");
        type(window.box, "");
        click("cmdUpdate");
        QCOMPARE(column(window.names()), (QStringList{"<null>", "<null>"}));
        // Edits are saved before moving, before New and on closing; a New that repeats a row is
        // undone.
        type(window.box, "Ada");
        navigate("Next record");
        type(window.box, "Bea");
        click("cmdNew");
        QCOMPARE(m_window->focusWidget()->objectName(), window.focusAfterNew);
        click("cmdNew"); // the row it added goes again
        QVERIFY(m_env->expectMessage("A duplicate exists.  Please try again.",
                                     "Duplicate Item Exists", MessageIcon::Information));
        type(window.box, "Cy");
        m_window->close();
        QCOMPARE(column(window.names()), (QStringList{"Ada", "Bea", "Cy"}));
        // The character window first said that its one name is taken.
        QCOMPARE(m_env->desktop.messages.size(), window.kind == "character" ? 3 : 2);
    }

    // The row shown, printed twice (a second printout holds nothing of the first) and copied.
    void printedAndCopied_data() { recordWindows_data(); }
    void printedAndCopied()
    {
        QFETCH(WindowCase, window);
        QVERIFY(m_env->db.execute(TestEnvironment::expectedOutput(window.kind + ".sql")));
        const QString expected = TestEnvironment::expectedOutput(window.kind + ".txt");
        m_window = window.open();
        find(window.box)->setObjectName({}); // the printout goes by the boxes, not by their names
        if (auto* catalogue = find<QListWidget>("lstPlot"))
            catalogue->setCurrentRow(1); // the plot's description is printed too
        if (auto* tabs = find<QTabWidget>("SSTab1"))
            tabs->setCurrentIndex(2); // whichever tab shows
        if (find("cmdClip")) {
            click("cmdClip");
            QCOMPARE(m_env->desktop.clipboard, expected);
        }
        clickYes("cmdPrint");
        clickYes("cmdPrint");
        QCOMPARE(m_env->desktop.printed, (QStringList{expected, expected}));
    }

    // Each Generate is one step that Undo (Ctrl+Z, or the window's menu) takes back and Redo
    // (Ctrl+Shift+Z, Ctrl+Y) makes again, in the boxes it drew and no other: a box it left alone
    // keeps what was typed since. Undone values are saved as typing is, and the steps belong to
    // the record they were made on. A text box keeps the keys while it has typing to undo.
    void rollsUndoneAndRedone_data()
    {
        QTest::addColumn<WindowCase>("window");
        QTest::addColumn<QString>("drawn"); // a box that Generate draws, and its field
        QTest::addColumn<QString>("kept");  // a box that Generate leaves alone here
        QTest::newRow("character") << Cases[0] << "cboHair Hair"
                                   << "txtName";
        QTest::newRow("scene") << Cases[2] << "txtWeather Weather"
                               << "txtSceneName";
    }
    void rollsUndoneAndRedone()
    {
        QFETCH(WindowCase, window);
        QFETCH(QString, drawn);
        QFETCH(QString, kept);
        const QString drawnBox = drawn.section(' ', 0, 0), field = drawn.section(' ', 1);
        QVERIFY(m_env->db.execute(window.insert("('Ann', 0), ('Bo', 0)")));
        QVERIFY(
            m_env->db.execute("UPDATE \"" + window.table + "\" SET \"" + field + "\" = 'Drab'"));
        m_window = window.open();
        auto* undo = find<QAction>("actUndoRoll");
        auto* redo = find<QAction>("actRedoRoll");
        QVERIFY(m_window->actions().contains(undo) && m_window->actions().contains(redo));
        const auto shown = [&] {
            QStringList texts;
            for (QWidget* box : m_window->findChildren<QWidget*>(QRegularExpression("^(txt|cbo)")))
                texts << (box->objectName() == kept ? "" : box->objectName() + shownText(box));
            return texts;
        };
        const auto press = [&](const QString& box, QKeyCombination keys) {
            QWidget* target = box.isEmpty() ? m_window->findChild<QTableView*>() : find(box);
            target->setFocus();
            QTest::keyClick(target, keys.key(), keys.keyboardModifiers());
        };
        if (auto* lock = find<QCheckBox>("chk" + kept.mid(3)))
            tick(lock); // the scene window never draws its name
        QList<QStringList> steps = {shown()};
        // The first roll draws everything, the next two one box each where boxes can be locked.
        for (const QString only : {"", "chkWeight", "chkAge"}) {
            for (QCheckBox* box : m_window->findChildren<QCheckBox*>(QRegularExpression("^chk")))
                if (!only.isEmpty() && box->objectName() != "chkTimer")
                    box->setChecked(box->objectName() == only);
            click("cmdGenerate");
            QVERIFY(shown() != steps.last());
            steps << shown();
        }
        QCOMPARE(undo->text() + '|' + redo->text(), "Undo Generate|Redo");
        type(kept, "Zed");
        press("cmdGenerate", Qt::CTRL | Qt::Key_Z);
        QCOMPARE(shown(), steps[2]);
        undo->trigger();
        QCOMPARE(shown(), steps[1]);
        QCOMPARE(redo->text(), "Redo Generate");
        press("", Qt::CTRL | Qt::Key_Z);
        QVERIFY(shown() == steps[0] && !undo->isEnabled());
        press("", Qt::CTRL | Qt::Key_Y);
        QCOMPARE(shown(), steps[1]);
        press("cmdUpdate", Qt::CTRL | Qt::SHIFT | Qt::Key_Z);
        QVERIFY(shown() == steps[2] && boxText(kept) == "Zed");
        QTest::keyClicks(find("txtNotes"), "Fog");
        press("txtNotes", Qt::CTRL | Qt::Key_Z);
        QCOMPARE(shown(), steps[2]);
        // In a text box the typing goes first, the name typed over too; then the rolls.
        for (const QString typing : {"", "Ann"}) {
            press(kept, Qt::CTRL | Qt::Key_Z);
            QVERIFY(shown() == steps[2] && boxText(kept) == typing);
        }
        press(kept, Qt::CTRL | Qt::Key_Z);
        QCOMPARE(shown(), steps[1]);
        press(drawnBox, Qt::CTRL | Qt::Key_Y);
        QCOMPARE(shown(), steps[2]);

        // Saved by Update, undone, then saved on moving away, which forgets the rolls.
        click("cmdUpdate");
        const QString stored = "SELECT \"" + field + "\" FROM \"" + window.table + "\" ORDER BY ID";
        QCOMPARE(column(stored), (QStringList{boxText(drawnBox), "Drab"}));
        if (window.kind == "character")
            m_window->activate(); // reading the same record again keeps them
        undo->trigger();
        undo->trigger();
        QCOMPARE(shown(), steps[0]);
        navigate("Next record");
        QVERIFY(column(stored) == QStringList(2, "Drab") && !redo->isEnabled());
        click("cmdGenerate");
        QVERIFY(undo->isEnabled());
        click("cmdNew"); // and so does New, whose own roll is no step
        QVERIFY(!undo->isEnabled() && !redo->isEnabled());

        // Side by side in one frame, each window takes only the keys pressed inside it.
        QWidget frame;
        const std::unique_ptr<RecordWindow> other = window.open();
        const auto leaveFrame = qScopeGuard([&] {
            for (QWidget* child : {m_window.get(), other.get()})
                child->setParent(nullptr);
        });
        auto* sideBySide = new QHBoxLayout(&frame);
        for (RecordWindow* child : {m_window.get(), other.get()}) {
            sideBySide->addWidget(child);
            QTest::mouseClick(child->findChild<QAbstractButton*>("cmdGenerate"), Qt::LeftButton);
        }
        frame.show();
        QVERIFY(QTest::qWaitForWindowActive(&frame));
        press("", Qt::CTRL | Qt::Key_Z);
        QVERIFY(!undo->isEnabled() && other->findChild<QAction*>("actUndoRoll")->isEnabled());
    }

    // Each roll keeps its seed with the record: shown beside the navigator, saved as the drawn
    // values are, taken back by Undo. Generate from Seed in the window's menu rolls the record's
    // own seed again, in a later session too, leaving alone again the boxes the roll left alone;
    // after a list it drew from has changed, it asks first.
    void recordsRolledAgainFromTheirSeeds_data()
    {
        QTest::addColumn<WindowCase>("window");
        QTest::addColumn<QString>("generate");
        QTest::addColumn<QStringList>("left"); // boxes the second roll leaves alone
        QTest::addColumn<QString>("list");     // one the second roll drew from
        QTest::newRow("character")
            << Cases[0] << "cmdGenerate" << QStringList{"txtName", "cboHair", "txtAge"} << "eyes";
        QTest::newRow("plot") << Cases[1] << "cmdSuggest" << QStringList{} << "occupation";
        QTest::newRow("scene") << Cases[2] << "cmdGenerate" << QStringList{"txtSceneName"}
                               << "weather";
    }
    void recordsRolledAgainFromTheirSeeds()
    {
        QFETCH(WindowCase, window);
        QFETCH(QString, generate);
        QFETCH(QStringList, left);
        QFETCH(QString, list);
        QVERIFY(m_env->db.execute(window.insert("('Ann', 0), ('Bo', 0)")));
        m_window = window.open();
        // The boxes of the record's fields; a relationship's choices are none of them.
        const auto fieldBoxes = [&] {
            return m_window->findChildren<QWidget*>(QRegularExpression("^(txt|cbo)(?!Relat)"));
        };
        const auto shown = [&] {
            QStringList texts;
            for (QWidget* box : fieldBoxes())
                texts << box->objectName() + '=' + shownText(box);
            return texts;
        };
        const auto lock = [&](bool locked) {
            for (QCheckBox* box : m_window->findChildren<QCheckBox*>(QRegularExpression("^chk"))) {
                const QString key = box->objectName().mid(3);
                const bool isLeft = left.contains("txt" + key) || left.contains("cbo" + key);
                if (key != "Timer")
                    box->setChecked(!(locked && isLeft));
            }
        };
        auto* seed = find<QLabel>("lblSeed");
        QVERIFY(seed->isVisible() && seed->text().isEmpty() && seed->accessibleName() == "Seed");
        QStringList seeds;
        QList<QStringList> rolled;
        for (const bool locked : {false, true}) {
            if (locked)
                navigate("Next record");
            lock(locked);
            click(generate.toLatin1());
            seeds << seed->text().section(' ', 1);
            QCOMPARE(seed->text(), "Seed " + seeds.last());
            rolled << shown();
            click("cmdUpdate");
        }
        QVERIFY(seeds.at(0) != seeds.at(1));
        const QString stored = "SELECT %1 FROM \"" + window.table + "\" ORDER BY ID";
        QCOMPARE(column(stored.arg("RollSeed")), seeds);
        QCOMPARE(column(stored.arg("RollLists LIKE '%" + list + " %'")), QStringList(2, "1"));
        if (window.kind == "character") {
            QCOMPARE(column(stored.arg("RollLocked")),
                     (QStringList{"<null>", "txtName cboHair txtAge"}));
            QCOMPARE(seed->toolTip(), "Generate from Seed with this seed draws these values "
                                      "again.\nNot drawn: Name, Hair, Age.");
        }
        if (auto* undo = find<QAction>("actUndoRoll")) {
            undo->trigger(); // Bo had no seed before
            QVERIFY(seed->text().isEmpty() && seed->toolTip().isEmpty());
            find<QAction>("actRedoRoll")->trigger();
            QVERIFY(seed->text() == "Seed " + seeds.at(1) && shown() == rolled.at(1));
        }

        // In a copy of the file opened afresh, each record's own seed draws what it drew, over
        // values typed since, and the boxes ticked since are left alone again.
        m_window.reset();
        Database::close();
        const QString copy = m_env->db.folder() + "/copy.mdb";
        QVERIFY(QFile::copy(m_env->db.path(), copy));
        StoreError error;
        QVERIFY(Database::open(copy, &error));
        m_window = window.open();
        auto* fromSeed = find<QAction>("actGenerateFromSeed");
        QCOMPARE(m_window->actions().last(), fromSeed);
        QCOMPARE(fromSeed->text(), "&Generate from Seed…");
        seed = find<QLabel>("lblSeed");
        for (int row = 0; row < 2; ++row) {
            if (row > 0)
                navigate("Next record");
            QCOMPARE(seed->text(), "Seed " + seeds.at(row));
            for (QWidget* box : fieldBoxes())
                if (!left.contains(box->objectName()) && !qobject_cast<QPlainTextEdit*>(box))
                    type(box->objectName(), "Typed");
            lock(false);
            m_env->desktop.typeNext(seeds.at(row));
            fromSeed->trigger();
            QCOMPARE(m_env->desktop.inputOffers.last(), seeds.at(row));
            QCOMPARE(shown(), rolled.at(row));
            for (const QString& box : left)
                if (auto* check = find<QCheckBox>("chk" + box.mid(3)))
                    QCOMPARE(check->isChecked(), row == 0);
        }

        // A list it drew from changed: No leaves everything as it was, the boxes too.
        QVERIFY(m_env->db.execute(
            QString("DELETE FROM %1 WHERE rowid = (SELECT max(rowid) FROM %1)").arg(list)));
        for (const QString& box : left)
            type(box, "Typed");
        lock(false);
        const QStringList before = shown();
        m_env->desktop.typeNext(seeds.at(1));
        m_env->desktop.answerNext(MessageAnswer::No);
        fromSeed->trigger();
        QVERIFY(m_env->expectMessage("The lists this seed drew from have changed since: " + list +
                                         ".  The same seed may give another result.  Generate "
                                         "anyway?",
                                     "Generate from Seed", MessageIcon::Exclamation));
        QCOMPARE(shown(), before);
        for (QCheckBox* box : m_window->findChildren<QCheckBox*>(QRegularExpression("^chk")))
            QCOMPARE(box->isChecked(), box->objectName() != "chkTimer");
    }

    void characterButtonsAndTimer()
    {
        m_window = TestEnvironment::open<CharacterWindow>();
        const auto enabled = [&] {
            QString result;
            for (const char* name : {"cmdUpdate", "cmdGenerate", "cmdClip", "cmdDelete", "cmdPrint",
                                     "cmdNew", "cmdOnOff", "chkTimer", "OK_BT"})
                result += find(name)->isEnabled() ? '1' : '0';
            return result + (find<QAction>("actGenerateFromSeed")->isEnabled() ? '1' : '0');
        };
        QCOMPARE(enabled(), "0000011110");
        auto* tabs = find<QTabWidget>("SSTab1");
        QStringList captions;
        for (int tab = 0; tab < tabs->count(); ++tab)
            captions << tabs->tabText(tab);
        QCOMPARE(captions.join(','), "Personal,Social,Interests,Psychology,Notes,Relationships");
        tabs->setCurrentIndex(3);
        click("cmdNew");
        QCOMPARE(enabled(), "1111111111");
        QVERIFY(find("txtName")->isVisible() && find("txtName")->hasFocus());
        const QString name = boxText("txtName");
        QCOMPARE(column("SELECT Name || Hair FROM character"),
                 QStringList{name + boxText("cboHair")});
        QVERIFY(boxText("cboHair").at(0).isUpper()); // as drawn, first letter upper case
        click("cmdGenerate");
        QVERIFY(boxText("txtName") != name);
        QCOMPARE(column("SELECT Name FROM character"), QStringList{name}); // saved by Update only
        click("cmdUpdate");
        QCOMPARE(column("SELECT Name FROM character"), QStringList{boxText("txtName")});
        // Check On/Off turns every box over, a grayed one off; the timer runs while its box is on.
        auto* timer = find<QTimer>("tmrCharacter");
        QCOMPARE(timer->interval(), 15000);
        tick(find<QCheckBox>("chkHair"));
        find<QCheckBox>("chkEyes")->setCheckState(Qt::PartiallyChecked);
        click("cmdOnOff");
        for (QCheckBox* box : m_window->findChildren<QCheckBox*>()) {
            const bool wasUnchecked =
                box->objectName() == "chkHair" || box->objectName() == "chkTimer";
            QCOMPARE(box->checkState(), wasUnchecked ? Qt::Checked : Qt::Unchecked);
        }
        QVERIFY(timer->isActive());
        timer->setInterval(5); // each tick is a New, with no question asked
        QTRY_VERIFY(rows("character") >= 3);
        click("cmdOnOff");
        QCOMPARE(find<QCheckBox>("chkEyes")->checkState(), Qt::Checked);
        QVERIFY(!timer->isActive() && m_env->desktop.messages.isEmpty());
    }

    void characterBoxesShowSaveAndGenerate()
    {
        QVERIFY(m_env->db.execute("INSERT INTO character (Name, Hair, Country, Language) VALUES "
                                  "('Ann Lee', 'Auburn', 'Peru', 'Quechua'), ('Bo', 'Bald', NULL, "
                                  "NULL)"));
        m_window = TestEnvironment::open<CharacterWindow>();
        QCOMPARE(boxText("cboHair"), "Auburn"); // shown as stored against the list's "auburn"
        type("cboHair", "Gray");
        QVERIFY(m_env->db.execute("INSERT INTO occupation (occupation) VALUES ('zookeeper')"));
        m_window->activate(); // coming back reads the rows and the lists again, edits saved first
        QCOMPARE(column("SELECT Hair FROM character"), (QStringList{"Gray", "Bald"}));
        QCOMPARE(find<QComboBox>("cboJob")->count(), rows("occupation"));
        // The notes are saved as the attributes are, here on moving to another character.
        auto* notes = find<QPlainTextEdit>("txtNotes");
        QCOMPARE(notes->accessibleName(), "Notes");
        QTest::keyClicks(notes, "Owes Bo.");
        QTest::keyClick(notes, Qt::Key_Return);
        QTest::keyClicks(notes, "Lies.");
        navigate("Next record");
        QCOMPARE(notes->toPlainText(), "");
        navigate("Previous record");
        QCOMPARE(notes->toPlainText(), "Owes Bo.\nLies.");
        QCOMPARE(column("SELECT Notes FROM character"), (QStringList{"Owes Bo.\nLies.", "<null>"}));

        tick(find<QCheckBox>("chkName"));
        tick(find<QCheckBox>("chkCountry")); // a language is drawn only with a country
        find<QCheckBox>("chkHair")->setCheckState(Qt::PartiallyChecked); // grayed counts as ticked
        click("cmdGenerate");
        QVERIFY(boxText("txtName") + boxText("cboLanguage") == "Ann LeeQuechua" &&
                boxText("cboHair") != "Gray");
        // Without the gender drawn, only the exact text "Male" shown gives a male first name.
        tick(find<QCheckBox>("chkName"));
        tick(find<QCheckBox>("chkGender"));
        type("cboGender", "Male");
        click("cmdGenerate");
        QVERIFY(column("SELECT maleName FROM maleName")
                    .contains(boxText("txtName").section(' ', 0, 0)));
        // With every box cleared nothing changes, and New saves an empty character.
        for (QCheckBox* box : m_window->findChildren<QCheckBox*>())
            box->setChecked(false);
        type("txtAge", "41");
        click("cmdGenerate");
        click("cmdNew");
        QCOMPARE(column("SELECT Age FROM character"), (QStringList{"41", "<null>", "<null>"}));
        const QString fields = (Cases.first().gridColumns + ",Notes").split(',').join("\", \"");
        QCOMPARE(column("SELECT coalesce(\"" + fields + "\") FROM character WHERE ID = 3"),
                 QStringList{"<null>"});
        // A file an older version made, opened read-only, has no notes to show or keep.
        m_window.reset();
        QVERIFY(m_env->db.execute("ALTER TABLE character DROP COLUMN Notes"));
        m_window = TestEnvironment::open<CharacterWindow>();
        QVERIFY(!find("txtNotes")->isEnabled() && boxText("txtAge") == "41");
    }

    // A drawn name is never one a character holds, hidden ones included, nor one given here
    // before, while another can be found; then it is said once and names repeat.
    void characterNamesAreNotGivenTwice()
    {
        for (const QString table : {"maleName", "femaleName", "surnames"})
            QVERIFY(m_env->db.execute("DELETE FROM " + table));
        for (const QString rows :
             {"maleName (maleName) VALUES ('al')", "femaleName (femaleName) VALUES ('bo')",
              "surnames (surnames) VALUES ('cy'), ('dee')",
              "character (Name, visible) VALUES ('Al Cy', 0), ('BO CY', -1), ('Al Dee', 0)"})
            QVERIFY(m_env->db.execute("INSERT INTO " + rows));
        m_window = TestEnvironment::open<CharacterWindow>();
        for (QCheckBox* box : m_window->findChildren<QCheckBox*>())
            box->setChecked(box->objectName() == "chkName" || box->objectName() == "chkGender");
        click("cmdGenerate");
        QVERIFY(boxText("txtName") == "Bo Dee" && m_env->desktop.messages.isEmpty());
        for (int i = 0; i < 2; ++i)
            click("cmdGenerate");
        QVERIFY(m_env->expectMessage("Every name the lists give is held by a character or given "
                                     "here already, so names may repeat from now on.",
                                     "Character Generator", MessageIcon::Information));
        QCOMPARE(m_env->desktop.messages.size(), 1);
        type("txtName", "Al Cy");
    }

    // A drawn name suits the character's country, shown or drawn, where the lists have names
    // of its culture; a country of no culture gives a name from the whole lists.
    void characterNamesSuitTheirCountry()
    {
        for (const QString table : {"maleName", "femaleName", "surnames"})
            QVERIFY(
                m_env->db.execute("UPDATE " + table + " SET culture = 'Testish' WHERE rowid <= 2"));
        QVERIFY(m_env->db.execute("INSERT INTO country (country, culture) VALUES ('Testland', "
                                  "'Testish'), ('Nowhere', NULL)"));
        QVERIFY(
            m_env->db.execute("INSERT INTO character (Name, Country) VALUES ('X', 'testland')"));
        m_window = TestEnvironment::open<CharacterWindow>();
        for (QCheckBox* box : m_window->findChildren<QCheckBox*>())
            box->setChecked(box->objectName() == "chkName" || box->objectName() == "chkGender");
        const QStringList suited = column(
            "SELECT maleName FROM maleName WHERE culture = 'Testish' UNION SELECT femaleName FROM "
            "femaleName WHERE culture = 'Testish' UNION SELECT surnames FROM surnames WHERE "
            "culture = 'Testish'");
        for (int i = 0; i < 6; ++i) {
            click("cmdGenerate");
            const QString name = boxText("txtName");
            QVERIFY2(suited.contains(name.section(' ', 0, 0), Qt::CaseInsensitive) &&
                         suited.contains(name.section(' ', 1), Qt::CaseInsensitive),
                     qPrintable(name));
        }
        type("cboCountry", "Nowhere");
        for (int i = 0; i < 10; ++i)
            click("cmdGenerate");
        QVERIFY(!suited.contains(boxText("txtName").section(' ', 1), Qt::CaseInsensitive) ||
                !suited.contains(boxText("txtName").section(' ', 0, 0), Qt::CaseInsensitive));
        type("txtName", "X");
    }

    void plotSuggestionFollowsCatalogue()
    {
        m_window = TestEnvironment::open<PlotWindow>();
        auto* catalogue = find<QListWidget>("lstPlot");
        QMap<QString, int> picked;
        for (int i = 0; i < 150; ++i) {
            click("cmdSuggest");
            const int row = catalogue->currentRow();
            QVERIFY(catalogue->item(row)->isSelected() && !boxText("txtCharacter3").isEmpty());
            QCOMPARE(column(QString("SELECT plot_name || plot_description FROM plots WHERE id = %1")
                                .arg(row + 1)),
                     QStringList{boxText("txtPlotName") + boxText("txtPlotDescription")});
            ++picked[boxText("txtPlotName")];
        }
        QCOMPARE(picked.size(), 3); // each plot about a third of the time
        for (int count : std::as_const(picked))
            QVERIFY2(count > 25 && count < 75, qPrintable(QString::number(count)));
        QCOMPARE(rows("Plot Profile"), 0);
        // A click on the plot already selected shows it again.
        type("txtPlotName", "");
        QTest::mouseClick(catalogue->viewport(), Qt::LeftButton, {},
                          catalogue->visualItemRect(catalogue->currentItem()).center());
        QCOMPARE(boxText("txtPlotName"), catalogue->currentItem()->text());

        // The catalogue changes, step by step, while the window shows it.
        const QString damaged = "The plot catalogue is damaged: its plots must be numbered 1, 2, "
                                "3 and so on without gaps.";
        for (const auto& [change, message] : QList<std::pair<QString, QString>>{
                 {"DELETE FROM plots WHERE id = 2", damaged},
                 {"UPDATE plots SET id = 0 WHERE id = 1", damaged},
                 {"DELETE FROM plots", "The plot catalogue is empty."}}) {
            QVERIFY(m_env->db.execute(change));
            click("cmdSuggest");
            QVERIFY(m_env->expectMessage(message, "Plot Reference"));
            QCOMPARE(boxText("txtPlotName") + boxText("txtPlotDescription"), QString());
            QVERIFY(catalogue->selectedItems().isEmpty());
        }
        click("cmdNew"); // a profile is still made, without a plot
        QCOMPARE(m_env->desktop.messages.size(), 4);
        QCOMPARE(column("SELECT \"Plot Name\" || '' || \"Motivation Three\" FROM \"Plot Profile\""),
                 QStringList{"<null>"});
    }

    // Generate draws every box but the name and notes, in order, and saves nothing.
    void sceneGenerate()
    {
        m_window = TestEnvironment::open<SceneWindow>();
        click("cmdNew");
        type("txtSceneName", "Harbour");
        QTest::keyClicks(find("txtNotes"), "Fog rolls in");
        click("cmdUpdate");
        const QString stored = "SELECT Weather || \"Scene Notes\" FROM \"Scene Profile\"";
        const QStringList saved = column(stored);
        click("cmdGenerate");
        QCOMPARE(boxText("txtSceneName") + boxText("txtNotes"), "HarbourFog rolls in");
        QCOMPARE(column(stored), saved);
        // The same draws by hand from the roll's seed, in the order they are made.
        Random roll(boxText("lblSeed").section(' ', 1).toUInt());
        for (const QString boxAndTable :
             {"Job1 occupation", "Character1 motivation", "Job2 occupation",
              "Character2 motivation", "Job3 occupation", "Character3 motivation",
              "Weather weather", "Conflict conflict", "Location location", "TimeOfDay time_of_day"})
            QCOMPARE(boxText("txt" + boxAndTable.section(' ', 0, 0)),
                     getRandomRecordFrom(boxAndTable.section(' ', 1), roll));
        QCOMPARE(find<QTimer>("tmrScene")->interval(),
                 15000); // the timer is tested with Check On/Off
    }

    // The stories of the current record: listed by name with the link's note, added in one step
    // from a filtered list (a duplicate refused word for word), followed as the record changes,
    // and opened in Story and Stage. The character boxes offer the saved names and keep any text.
    void storiesAppearedInAndAdded_data() { recordWindows_data(); }
    void storiesAppearedInAndAdded()
    {
        QFETCH(WindowCase, window);
        const QString links = window.storyLinks + " ORDER BY Story_ID";
        m_window = window.open();
        click("cmdAddToStory");
        QVERIFY(m_env->expectMessage(
            "There is nothing to add to a story yet.  Create a record with New first.",
            "Add to Story"));
        QVERIFY(m_env->db.execute(window.insert("('Ann Lee', 0), ('Bo', 0)")));
        QVERIFY(m_env->db.execute("INSERT INTO character (Name, visible) VALUES ('bo Diaz', 0), "
                                  "('Hidden Hal', -1)"));
        setDataControls(m_window.get());
        auto* appearsIn = find<QListWidget>("lstAppearsIn");
        QVERIFY(appearsIn->accessibleName() == "Appears in" && appearsIn->count() == 0);
        click("cmdAddToStory");
        QVERIFY(m_env->expectMessage("There is no story yet.  Create one in Story and Stage first.",
                                     "Add to Story"));
        QVERIFY(m_env->db.execute("INSERT INTO \"Story Profile\" (\"Story Name\") VALUES "
                                  "('Voyage'), ('Arrival'), ('Zebra')"));
        // Once by the button, once by the window's own menu; each link at once in the list.
        const auto addTo = [&](const std::function<void()>& ask, const QString& filter,
                               const QString& note) {
            ask();
            auto* dialog = find<QDialog>("dlgAddToStory");
            QVERIFY(dialog && dialog->isVisible());
            QTest::keyClicks(dialog->findChild<QLineEdit*>("txtStoryFilter"), filter);
            QCOMPARE(dialog->findChild<QListView*>("lstStories")->model()->rowCount(), 1);
            if (auto* box = dialog->findChild<QLineEdit*>("txtNote"))
                box->setText(note);
            QTest::mouseClick(dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok),
                              Qt::LeftButton);
        };
        addTo([&] { click("cmdAddToStory"); }, "OYA", "lead");
        QTRY_VERIFY(!find<QDialog>("dlgAddToStory"));
        addTo([&] { m_window->actions().first()->trigger(); }, "arr", "");
        QTRY_VERIFY(!find<QDialog>("dlgAddToStory"));
        QCOMPARE(m_window->contextMenuPolicy(), Qt::ActionsContextMenu);
        const bool noted = window.kind != "scene";
        QCOMPARE(column(links),
                 noted ? QStringList({"1/1/lead", "2/1/-"}) : QStringList({"1/1", "2/1"}));
        QCOMPARE(columnTexts(appearsIn->model()), (QStringList{"Arrival", "Voyage"}));
        QCOMPARE(appearsIn->item(1)->toolTip(), noted ? "lead" : "");

        addTo([&] { click("cmdAddToStory"); }, "Voyage", "again");
        QVERIFY(m_env->expectMessage("A duplicate exists.  Please try again.",
                                     "Duplicate Item Exists", MessageIcon::Information));
        auto* dialog = find<QDialog>("dlgAddToStory");
        QVERIFY(dialog->isVisible() && column(links).size() == 2); // to choose again
        dialog->reject();

        navigate("Next record");
        QCOMPARE(appearsIn->count(), 0);
        navigate("Previous record");
        QVERIFY(m_env->db.execute("UPDATE \"Story Profile\" SET \"Story Name\" = 'Arrival Day' "
                                  "WHERE ID = 2"));
        m_window->activate(); // coming back shows a story renamed meanwhile
        QCOMPARE(columnTexts(appearsIn->model()), (QStringList{"Arrival Day", "Voyage"}));
        QMdiArea area;
        auto* frame = new ChildFrame(&area);
        m_window->setChildFrame(frame);
        QSignalSpy opened(frame, &ChildFrame::windowRequested);
        appearsIn->setCurrentRow(1);
        QTest::keyClick(appearsIn, Qt::Key_Return);
        QCOMPARE(opened.value(0), (QVariantList{"frmStoryandStage", qint64(1)}));

        if (auto* castBox = find<QLineEdit>("txtJob1")) {
            QVERIFY(m_env->db.execute(
                "INSERT INTO character (Name, visible) VALUES ('Cy Bond', 1), ('Al Moss', 0)"));
            m_window->activate(); // names saved since are offered
            QCompleter* names = castBox->completer();
            QCOMPARE(columnTexts(names->model()), (QStringList{"Al Moss", "bo Diaz", "Cy Bond"}));
            names->setCompletionPrefix("DIA");
            QVERIFY(names->completionCount() == 1 && names->currentCompletion() == "bo Diaz");
            type("txtJob1", "Nobody at all");
            click("cmdUpdate");
            QCOMPARE(column("SELECT \"Character One\" FROM \"" + window.table + "\" WHERE ID = 1"),
                     QStringList{"Nobody at all"});
        }

        // Deleting the record takes its links with it; the stories stay.
        m_env->desktop.answerNext(MessageAnswer::Yes);
        click("cmdDelete");
        QVERIFY(column(links).isEmpty() &&
                column("SELECT count(*) FROM \"Story Profile\"") == QStringList{"3"});
    }

    // A relationship is stored once and read from both sides: added on one character, it shows
    // at once on the other, open in a second window, as its kind's mirror (a kind of the
    // writer's own as itself); it is changed and deleted from either side, refused for the
    // character itself and as a duplicate read from either side, and goes with either character.
    void relationshipsReadFromBothSides()
    {
        QVERIFY(m_env->db.execute("INSERT INTO character (Name, visible) VALUES ('Ann', 0), "
                                  "('Bo', 0), ('Cy', -1)"));
        m_window = TestEnvironment::open<CharacterWindow>();
        const auto second = TestEnvironment::open<CharacterWindow>();
        QVERIFY(second->showRecord(2));
        const QList<QWidget*> windows = {m_window.get(), second.get()};
        for (QWidget* window : windows) {
            auto* tabs = window->findChild<QTabWidget*>("SSTab1");
            tabs->setCurrentIndex(tabs->count() - 1);
        }
        const auto listed = [](QWidget* window) {
            QStringList rows;
            auto* list = window->findChild<QTreeWidget*>("lstRelationships");
            for (int row = 0; row < list->topLevelItemCount(); ++row) {
                const QTreeWidgetItem* item = list->topLevelItem(row);
                rows << item->text(0) + '|' + item->text(1) + '|' + item->text(2);
            }
            return rows;
        };
        // Chooses in the window the other character, the kind and the note, then clicks.
        const auto relate = [](QWidget* window, const QString& other, const QString& kind,
                               const QString& note, const char* button) {
            auto* people = window->findChild<QComboBox*>("cboRelatedCharacter");
            people->setCurrentIndex(people->findText(other));
            window->findChild<QComboBox*>("cboRelationshipKind")->setEditText(kind);
            window->findChild<QLineEdit*>("txtRelationshipNote")->setText(note);
            QTest::mouseClick(window->findChild<QPushButton*>(button), Qt::LeftButton);
        };
        const auto select = [](QWidget* window, int row) {
            auto* list = window->findChild<QTreeWidget*>("lstRelationships");
            list->setCurrentItem(list->topLevelItem(row));
        };
        const QString stored = "SELECT From_ID || '>' || To_ID || ' ' || Kind || ' ' || "
                               "coalesce(Note, '-') FROM character_relationship ORDER BY ID";
        QCOMPARE(columnTexts(find<QComboBox>("cboRelatedCharacter")->model()),
                 (QStringList{"Bo", "Cy"})); // Ann is not offered to herself
        relate(m_window.get(), "Bo", "mentor of", "taught him to sail", "cmdAddRelationship");
        QCOMPARE(column(stored), QStringList{"1>2 mentor of taught him to sail"});
        QCOMPARE(listed(m_window.get()), QStringList{"Bo|mentor of|taught him to sail"});
        QCOMPARE(listed(second.get()), QStringList{"Ann|student of|taught him to sail"});
        relate(m_window.get(), "Cy", "owes", "", "cmdAddRelationship");
        QCOMPARE(listed(m_window.get()),
                 (QStringList{"Bo|mentor of|taught him to sail", "Cy|owes|"}));

        // The same two characters and kind, from either side, in any case.
        for (QWidget* window : windows) {
            relate(window, window == second.get() ? "Ann" : "Bo",
                   window == second.get() ? "student of" : "Mentor Of", "again",
                   "cmdAddRelationship");
            QVERIFY(m_env->expectMessage("A duplicate exists.  Please try again.",
                                         "Duplicate Item Exists", MessageIcon::Information));
        }
        StoreError error;
        qint64 key = -1;
        QVERIFY(!Relationships::add(1, 1, "friend of", {}, &key, &error));
        QCOMPARE(error.description, "A character cannot be related to itself.");
        QCOMPARE(column(stored), (QStringList{"1>2 mentor of taught him to sail", "1>3 owes -"}));

        // Changed from the other side, it is stored from there; a kind not in the list reads the
        // same from both sides.
        select(second.get(), 0);
        QCOMPARE(second->findChild<QComboBox*>("cboRelationshipKind")->currentText(), "student of");
        relate(second.get(), "Ann", "rival of", "old rivals", "cmdUpdateRelationship");
        QCOMPARE(column(stored).first(), "2>1 rival of old rivals");
        QCOMPARE(listed(m_window.get()).first(), "Bo|rival of|old rivals");
        select(m_window.get(), 0);
        relate(m_window.get(), "Bo", "haunts", "", "cmdUpdateRelationship");
        QCOMPARE(listed(second.get()), QStringList{"Ann|haunts|"});
        select(second.get(), 0);
        QTest::mouseClick(second->findChild<QPushButton*>("cmdDeleteRelationship"), Qt::LeftButton);
        QVERIFY(listed(m_window.get()) == QStringList{"Cy|owes|"} &&
                listed(second.get()).isEmpty());

        // Deleting a character takes its relationships, from it and to it, and its places on the
        // cast maps with it.
        QVERIFY(Relationships::add(2, 1, "loves", {}, &key, &error) &&
                Relationships::add(2, 3, "employer of", {}, &key, &error));
        QVERIFY(m_env->db.execute("INSERT INTO cast_map_position VALUES (0, 1, 5, 5), (3, 1, 0, "
                                  "0), (0, 2, 1, 1)"));
        clickYes("cmdDelete");
        QCOMPARE(column(stored), QStringList{"2>3 employer of -"});
        QCOMPARE(column("SELECT Story_ID || '/' || Character_ID FROM cast_map_position"),
                 QStringList{"0/2"});
        QCOMPARE(listed(second.get()), QStringList{"Cy|employer of|"});
        QList<Relationships::Relationship> among; // as stored, with the kind read from the other
        QVERIFY(Relationships::among({2, 3}, &among, &error) && among.size() == 1);
        QCOMPARE(among.first().toName + ": " + among.first().kind + "/" + among.first().mirror,
                 "Cy: employer of/employee of");
        QCOMPARE(m_env->desktop.messages.size(), 3); // the duplicates and the question
    }

    // A line kept in the character the window shows, while a box holds typing not yet saved:
    // the typing is saved first and the kept line shown at once, the window staying on the
    // record. A read-only file refuses the next one, changing nothing.
    void keptLineReachesAnOpenWindowAndRefusalChangesNothing()
    {
        QVERIFY(m_env->db.execute("INSERT INTO character (Name, Notes) VALUES ('Ann', ''), "
                                  "('Bo', 'Tall'), ('Al', NULL)"));
        m_window = TestEnvironment::open<CharacterWindow>();
        QWidget source;
        source.setWindowTitle("Story Wizard");
        QListWidget* results = ControlMakers::resultsList();
        results->setParent(&source);
        ControlMakers::addResultLines(results, {"A quiet owl sang", "The moon fled"});
        const auto keep = [&](const QString& filter) {
            results->findChild<QAction*>("actKeepInCharacter")->trigger();
            auto* dialog = source.findChild<QDialog*>("dlgKeepIn");
            QVERIFY(dialog);
            QTest::keyClicks(dialog->findChild<QLineEdit*>("txtRecordFilter"), filter);
            QTest::mouseClick(dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok),
                              Qt::LeftButton);
        };
        tick(find<QCheckBox>("chkName"));
        click("cmdGenerate");
        const QString seed = boxText("lblSeed"); // a keep leaves the roll's seed as it is
        type("txtName", "Annie");
        keep("n");
        QTRY_VERIFY(!source.findChild<QDialog*>("dlgKeepIn"));
        const QString kept = "The moon fled — Story Wizard, 6 Dec 2026";
        QCOMPARE(column("SELECT Name || '|' || coalesce(Notes, '-') FROM character ORDER BY ID"),
                 (QStringList{"Annie|" + kept, "Bo|Tall", "Al|-"}));
        QCOMPARE(column("SELECT 'Seed ' || RollSeed FROM character WHERE ID = 1"),
                 QStringList{seed});
        QVERIFY(boxText("txtName") == "Annie" && shownText(find("txtNotes")) == kept &&
                boxText("lblSeed") == seed);
        // The kept line is a step Undo takes back, saved as typing is when the window closes.
        auto* undo = m_window->findChild<QAction*>("actUndoRoll");
        QCOMPARE(undo->text(), "Undo Keep");
        undo->trigger();
        QVERIFY(shownText(find("txtNotes")).isEmpty() && boxText("txtName") == "Annie" &&
                boxText("lblSeed") == seed);
        m_window->findChild<QAction*>("actRedoRoll")->trigger();
        QCOMPARE(shownText(find("txtNotes")), kept);

        // The character chosen last is chosen again, though another comes first.
        QVERIFY(m_env->db.execute("PRAGMA query_only = 1"));
        results->setCurrentRow(0);
        keep("");
        QVERIFY(m_env->expectMessage(
            "Quillane could not keep this line because the database or its folder is read-only. "
            "Nothing was kept: make quillane97.mdb and its folder writable, then try again.",
            "Not Kept", MessageIcon::Exclamation));
        auto* dialog = source.findChild<QDialog*>("dlgKeepIn");
        QVERIFY(dialog->isVisible()); // to try again
        QCOMPARE(dialog->findChild<QListView*>("lstRecords")->currentIndex().data().toString(),
                 "Annie");
        QCOMPARE(column("SELECT coalesce(Notes, '-') FROM character ORDER BY ID"),
                 (QStringList{kept, "Tall", "-"}));
        QVERIFY(m_env->db.execute("PRAGMA query_only = 0"));
    }

    void listReadsAnyRowOfALargeTable()
    {
        QVERIFY(m_env->db.execute( // every tenth row hidden
            "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 1000) INSERT "
            "INTO character (Name, Hair, visible) SELECT 'Name ' || i, 'Hair ' || i, CASE i % 10 "
            "WHEN 0 THEN -1 ELSE 0 END FROM n"));
        RecordListModel list("character", "visible <> -1", {"Hair", "Name"});
        QVERIFY(list.select(nullptr));
        QCOMPARE(list.rowCount(), 900);
        QCOMPARE(list.index(899, 1).data().toString(), "Name 999");
        QCOMPARE(list.index(9, 0).data().toString() + list.index(9, 1).data().toString(),
                 "Hair 11Name 11");
        QVERIFY(list.rowOf(list.key(500)) == 500 && list.rowOf(10) == -1); // 10 is hidden
        QVERIFY(m_env->db.execute("UPDATE character SET Name = 'Renamed' WHERE ID = 999"));
        QCOMPARE(list.index(899, 1).data().toString(), "Name 999"); // until told
        list.rowChanged(899);
        QCOMPARE(list.index(899, 1).data().toString(), "Renamed");
    }
};

QTEST_MAIN(TestRecordWindows)
#include "tst_recordwindows.moc"
