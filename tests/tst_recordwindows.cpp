#include "data/Database.h"
#include "data/EditableFieldsModel.h"
#include "data/RecordListModel.h"
#include "records/CharacterDraws.h"
#include "records/CharacterWindow.h"
#include "records/PlotWindow.h"
#include "records/SceneWindow.h"
#include "shared/Random.h"
#include "shared/RandomListValue.h"
#include "support/TestEnvironment.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QSqlError>
#include <QSqlQuery>
#include <QTableView>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>

using CharacterDraws::Attribute;

// The character, plot and scene windows driven as a user would, on a fresh fixture database, and
// the models they and the story's link lists stand on.
class TestRecordWindows : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void recordWindows_data();
    void rowsShownMovedAndDeleted();
    void rowsShownMovedAndDeleted_data() { recordWindows_data(); }
    void updateWithoutRow();
    void updateWithoutRow_data() { recordWindows_data(); }
    void newAndItsDuplicate();
    void newAndItsDuplicate_data() { recordWindows_data(); }
    void editsSavedAndDuplicatesRefused();
    void editsSavedAndDuplicatesRefused_data() { recordWindows_data(); }
    void printedAndCopied();
    void printedAndCopied_data() { recordWindows_data(); }

    void characterDraws();
    void characterButtonsFollowRows();
    void characterGenerateBoxes();
    void characterCheckOnOffAndTimer();
    void characterListsAndActivation();
    void plotSuggestionFollowsCatalogue();
    void plotCatalogueProblems();
    void sceneGenerate();
    void listReadsAnyRowOfALargeTable();
    void linkTableShowsNamesAndWritesLinksOnly();

private:
    std::unique_ptr<RecordWindow> open(const QString& kind);
    template <typename T = QWidget> T* find(const char* name)
    {
        return m_window->findChild<T*>(name);
    }
    void click(const char* name) { QTest::mouseClick(find<QAbstractButton>(name), Qt::LeftButton); }
    void navigate(const QString& button);
    void type(const char* box, const QString& text);
    QString boxText(const char* name);
    QStringList column(const QString& sql);
    int rows(const QString& table) { return column("SELECT ID FROM \"" + table + "\"").size(); }

    std::unique_ptr<TestEnvironment> m_env;
    std::unique_ptr<RecordWindow> m_window;
};

void TestRecordWindows::init()
{
    m_env = std::make_unique<TestEnvironment>(4711);
    QVERIFY2(m_env->db.isOpen(), qPrintable(m_env->db.error()));
}

void TestRecordWindows::cleanup()
{
    m_window.reset();
    QVERIFY(m_env->db.fatalErrors.isEmpty());
    m_env.reset();
}

std::unique_ptr<RecordWindow> TestRecordWindows::open(const QString& kind)
{
    if (kind == "character")
        return TestEnvironment::open<CharacterWindow>();
    if (kind == "plot")
        return TestEnvironment::open<PlotWindow>();
    return TestEnvironment::open<SceneWindow>();
}

void TestRecordWindows::navigate(const QString& button)
{
    for (QToolButton* found : m_window->findChildren<QToolButton*>()) {
        if (found->accessibleName() == button)
            return QTest::mouseClick(found, Qt::LeftButton);
    }
    QFAIL(qPrintable("No navigator button " + button));
}

void TestRecordWindows::type(const char* box, const QString& text)
{
    if (auto* combo = find<QComboBox>(box))
        return combo->setEditText(text);
    find<QLineEdit>(box)->selectAll();
    QTest::keyClick(find<QLineEdit>(box), Qt::Key_Backspace);
    QTest::keyClicks(find<QLineEdit>(box), text);
}

QString TestRecordWindows::boxText(const char* name)
{
    if (auto* combo = find<QComboBox>(name))
        return combo->currentText();
    return find<QLineEdit>(name)->text();
}

QStringList TestRecordWindows::column(const QString& sql)
{
    QStringList values;
    QSqlQuery query(sql);
    while (query.next())
        values << (query.isNull(0) ? "<null>" : query.value(0).toString());
    return values;
}

namespace {
// Each window's table, its named field and box, what it says when there is no row, and where New
// leaves the focus.
struct WindowCase
{
    QString table, field, box, noRow, noRowTitle, focusAfterNew, gridColumns;
};
const QHash<QString, WindowCase> Cases = {
    {"character",
     {"character", "Name", "txtName",
      "You must create your first character by selecting New.  This character will not be saved.",
      "Create a New Character.", "txtName",
      "Name,Gender,Hair,Eye,Height,Weight,Age,Country,Language,Family,Education,Wealth,Occupation,"
      "Hobby,Interest,Mental State,Materialism,Morality,Motivation,Intellect,Thrift,Religion"}},
    {"plot",
     {"Plot Profile", "Plot Name", "txtPlotName",
      "You must create your first plot by selecting New.  This will not be saved.",
      "Create New First", "txtPlotName",
      "Plot Name,Character One,Motivation One,Character Two,Motivation Two,Character Three,"
      "Motivation Three"}},
    {"scene",
     {"Scene Profile", "Scene Name", "txtSceneName",
      "You must create your first scene by selecting New.  This will not be saved.",
      "Create New First", "txtWeather",
      "Weather,Conflict,Location,Time of Day,Character One,Character Two,Character Three"}},
};
} // namespace

void TestRecordWindows::recordWindows_data()
{
    QTest::addColumn<QString>("kind");
    for (const char* kind : {"character", "plot", "scene"})
        QTest::newRow(kind) << QString(kind);
}

#define RECORD_WINDOW_DATA                                                                         \
    QFETCH(QString, kind);                                                                         \
    const auto [table, field, box, noRow, noRowTitle, focusAfterNew, gridColumns] = Cases[kind];   \
    const QString insert = "INSERT INTO \"" + table + "\" (\"" + field + "\", visible) VALUES ";   \
    const QString names = "SELECT \"" + field + "\" FROM \"" + table + "\" ORDER BY ID"

void TestRecordWindows::updateWithoutRow()
{
    RECORD_WINDOW_DATA;
    QVERIFY(m_env->db.execute(insert + "('Hidden', -1)"));
    m_window = open(kind);
    type(qPrintable(box), "Typed");
    m_window->saveRecord(); // Update, which the character window disables without a row
    QVERIFY(m_env->expectMessage(noRow, noRowTitle, MessageIcon::Information));
    QCOMPARE(column(names), QStringList{"Hidden"});
}

void TestRecordWindows::newAndItsDuplicate()
{
    RECORD_WINDOW_DATA;
    // Every word list down to one word, so that the second New repeats the first.
    for (const char* list : {"femaleName", "maleName", "surnames", "gender", "occupation",
                             "motivation", "weather", "plots"})
        QVERIFY(m_env->db.execute(QString("DELETE FROM \"%1\" WHERE rowid > 1").arg(list)));
    QVERIFY(m_env->db.execute("CREATE UNIQUE INDEX oneWeather ON \"Scene Profile\" (Weather)"));
    m_window = open(kind);
    click("cmdNew");
    QCOMPARE(m_window->focusWidget()->objectName(), focusAfterNew);
    const QStringList first = column("SELECT ID FROM \"" + table + "\" WHERE visible = 0");
    click("cmdNew");
    QVERIFY(m_env->expectMessage("A duplicate exists.  Please try again.", "Duplicate Item Exists",
                                 MessageIcon::Information));
    QCOMPARE(m_env->desktop.messages.size(), 1);
    QCOMPARE(column("SELECT ID FROM \"" + table + "\""), first);
    QCOMPARE(m_window->findChild<QTableView*>()->model()->rowCount(), 1);
}

void TestRecordWindows::editsSavedAndDuplicatesRefused()
{
    RECORD_WINDOW_DATA;
    // Two rows that differ only in the named field; a plot is a duplicate only in all its fields.
    QVERIFY(m_env->db.execute(insert + "('Ann', 0), ('Bo', 0)"));
    if (kind == "plot")
        QVERIFY(m_env->db.execute(
            "UPDATE \"Plot Profile\" SET \"Character One\" = 'x', "
            "\"Motivation One\" = 'x', \"Character Two\" = 'x', \"Motivation "
            "Two\" = 'x', \"Character Three\" = 'x', \"Motivation Three\" = 'x'"));
    m_window = open(kind);
    navigate("Next record");
    type(qPrintable(box), kind == "plot" ? "Ann" : "ANN");
    click("cmdUpdate");
    QVERIFY(m_env->expectMessage("A duplicate exists.  Please try again."));
    QCOMPARE(column(names), (QStringList{"Ann", "Bo"}));
    QCOMPARE(boxText(qPrintable(box)), "Bo");
    type(qPrintable(box), "Di");
    click("cmdUpdate");
    QCOMPARE(column(names), (QStringList{"Ann", "Di"}));
    QCOMPARE(m_window->findChild<QTableView*>()->model()->index(1, 0).data().toString(),
             kind == "scene" ? "" : "Di");
    // Emptied names are Null, so two of them never collide.
    type(qPrintable(box), "");
    navigate("First record");
    type(qPrintable(box), "");
    click("cmdUpdate");
    QCOMPARE(column(names), (QStringList{"<null>", "<null>"}));
    // Edits are saved before moving, before New and on closing.
    type(qPrintable(box), "Ada");
    navigate("Next record");
    type(qPrintable(box), "Bea");
    click("cmdNew");
    navigate("First record");
    QCOMPARE(column(names).mid(0, 2), (QStringList{"Ada", "Bea"}));
    type(qPrintable(box), "Al");
    m_window->close();
    QCOMPARE(column(names).first(), "Al");
    QCOMPARE(m_env->desktop.messages.size(), 1);
}

void TestRecordWindows::rowsShownMovedAndDeleted()
{
    RECORD_WINDOW_DATA;
    QVERIFY(m_env->db.execute(insert + "('Hidden', -1), ('Ann', 0), ('Bo', 1), ('Cy', 0)"));
    m_window = open(kind);
    auto* grid = m_window->findChild<QTableView*>();
    QStringList headings;
    for (int column = 0; column < grid->model()->columnCount(); ++column)
        headings << grid->model()->headerData(column, Qt::Horizontal).toString();
    QCOMPARE(headings.join(','), gridColumns);
    QCOMPARE(grid->model()->rowCount(), 3);
    QCOMPARE(boxText(qPrintable(box)), "Ann");
    navigate("Last record");
    QCOMPARE(grid->currentIndex().row(), 2);
    navigate("Previous record");
    QCOMPARE(boxText(qPrintable(box)), "Bo");
    grid->selectRow(2);
    QCOMPARE(boxText(qPrintable(box)), "Cy");
    click("cmdDelete"); // answered No
    QVERIFY(m_env->expectMessage("Are you sure you wish to delete this record?",
                                 "Delete this Record.", MessageIcon::None));
    QCOMPARE(rows(table), 4);
    for (const char* left : {"Ann", "Bo"}) {
        m_env->desktop.answerNext(MessageAnswer::Yes);
        click("cmdDelete");
        QCOMPARE(boxText(qPrintable(box)), left);
    }
    QCOMPARE(column(names), (QStringList{"Hidden", "Bo"}));
}

void TestRecordWindows::printedAndCopied()
{
    RECORD_WINDOW_DATA;
    // The row shown, and what printing it gives.
    const auto fixture = [&](const char* extension) {
        QFile file(QUILLANE_FIXTURES_DIR "/expected/" + kind + extension);
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    };
    QVERIFY(m_env->db.execute(fixture(".sql")));
    const QString expected = fixture(".txt");
    m_window = open(kind);
    if (auto* catalogue = find<QListWidget>("lstPlot"))
        catalogue->setCurrentRow(1); // the plot's description is printed too
    if (auto* tabs = find<QTabWidget>("SSTab1"))
        tabs->setCurrentIndex(2); // whichever tab shows
    if (find("cmdClip")) {
        click("cmdClip");
        QCOMPARE(m_env->desktop.clipboard, expected);
    }
    m_env->desktop.answerNext(MessageAnswer::Yes);
    click("cmdPrint");
    m_env->desktop.answerNext(MessageAnswer::Yes);
    click("cmdPrint"); // a second printout holds nothing of the first
    QCOMPARE(m_env->desktop.printed, (QStringList{expected, expected}));
}

void TestRecordWindows::characterDraws()
{
    QStringList asked;
    const auto word = [&](const QString& table) {
        asked << table;
        return table == "gender" ? QStringLiteral("Male") : "<" + table + ">";
    };
    const auto all = CharacterDraws::draw([](Attribute) { return true; }, "Female", word);
    QCOMPARE(asked.mid(0, 5), QStringList({"gender", "hair", "eyes", "maleName", "surnames"}));
    QCOMPARE(all.at(3).value, "<maleName> <surnames>");
    QCOMPARE(all.size(), 22);
    QCOMPARE(asked.last(), "thrift");
    const auto onlyName = [](Attribute a) { return a == Attribute::Name; };
    QCOMPARE(CharacterDraws::draw(onlyName, "male", word).value(0).value,
             "<femaleName> <surnames>");

    const QList<Attribute> ticked = {Attribute::Height, Attribute::Weight, Attribute::Age,
                                     Attribute::Country, Attribute::Mental};
    QHash<Attribute, QStringList> drawn;
    for (int i = 0; i < 10000; ++i) {
        for (const auto& [attribute, value] :
             CharacterDraws::draw([&](Attribute a) { return ticked.contains(a); }, {}, word))
            drawn[attribute] << value;
    }
    for (const auto& [attribute, low, high] :
         QList<std::tuple<Attribute, int, int>>{{Attribute::Height, 48, 96},
                                                {Attribute::Weight, 50, 300},
                                                {Attribute::Age, 15, 120}}) {
        QSet<int> seen;
        for (const QString& value : drawn.value(attribute))
            seen << value.toInt();
        QCOMPARE(seen.size(), high - low + 1); // every value, both ends included, nothing else
        QVERIFY(seen.contains(low) && seen.contains(high));
    }
    // About 12 in 100 are foreign and 10 in 100 have a condition (within five deviations).
    for (const auto& [attribute, fromTable, usual, expected] :
         QList<std::tuple<Attribute, QString, QString, int>>{
             {Attribute::Country, "<country>", "United States", 1200},
             {Attribute::Mental, "<mental>", "Normal", 1000}}) {
        const int fromTableCount = int(drawn.value(attribute).count(fromTable));
        QCOMPARE(fromTableCount + drawn.value(attribute).count(usual), 10000);
        QVERIFY2(std::abs(fromTableCount - expected) < 160,
                 qPrintable(QString::number(fromTableCount)));
    }
}

void TestRecordWindows::characterButtonsFollowRows()
{
    m_window = open("character");
    const auto enabled = [&] {
        QString result;
        for (const char* name : {"cmdUpdate", "cmdGenerate", "cmdClip", "cmdDelete", "cmdPrint",
                                 "cmdNew", "cmdOnOff", "chkTimer", "OK_BT"})
            result += find(name)->isEnabled() ? '1' : '0';
        return result;
    };
    QCOMPARE(enabled(), "000001111");
    auto* tabs = find<QTabWidget>("SSTab1");
    QCOMPARE(tabs->tabText(0) + tabs->tabText(1) + tabs->tabText(2) + tabs->tabText(3),
             "PersonalSocialInterestsPsychology");
    tabs->setCurrentIndex(3);
    click("cmdNew");
    QCOMPARE(enabled(), "111111111");
    QVERIFY(find("txtName")->isVisible() && find("txtName")->hasFocus());
    QSqlQuery row("SELECT Name, Gender, Hair, visible FROM character");
    QVERIFY(row.next());
    const QString name = row.value(0).toString();
    QCOMPARE(boxText("txtName"), name);
    QCOMPARE(boxText("cboHair"), row.value(2).toString()); // as drawn, first letter upper case
    QVERIFY(row.value(2).toString().at(0).isUpper());
    QCOMPARE(row.value(3).toInt(), 0);
    click("cmdGenerate");
    QVERIFY(boxText("txtName") != name);
    QCOMPARE(column("SELECT Name FROM character"), QStringList{name}); // saved by Update only
    click("cmdUpdate");
    QCOMPARE(column("SELECT Name FROM character"), QStringList{boxText("txtName")});
    QVERIFY(m_env->desktop.messages.isEmpty());
}

void TestRecordWindows::characterGenerateBoxes()
{
    QVERIFY(m_env->db.execute("INSERT INTO character (Name, Hair, Country, Language) VALUES "
                              "('Ann Lee', 'Gray', 'Peru', 'Quechua')"));
    m_window = open("character");
    tick(find<QCheckBox>("chkName"));
    tick(find<QCheckBox>("chkCountry")); // a language is drawn only with a country
    find<QCheckBox>("chkHair")->setCheckState(Qt::PartiallyChecked); // grayed counts as ticked
    click("cmdGenerate");
    QCOMPARE(boxText("txtName"), "Ann Lee");
    QCOMPARE(boxText("cboLanguage"), "Quechua");
    QVERIFY(boxText("cboHair") != "Gray");
    // Without the gender drawn, only the exact text "Male" shown gives a male first name.
    tick(find<QCheckBox>("chkName"));
    tick(find<QCheckBox>("chkGender"));
    type("cboGender", "Male");
    click("cmdGenerate");
    QVERIFY(
        column("SELECT maleName FROM maleName").contains(boxText("txtName").section(' ', 0, 0)));
    // With every box cleared nothing changes, and New saves an empty character.
    for (QCheckBox* box : m_window->findChildren<QCheckBox*>())
        box->setChecked(false);
    type("txtAge", "41");
    click("cmdGenerate");
    QCOMPARE(boxText("txtAge"), "41");
    click("cmdNew");
    QCOMPARE(column("SELECT Age FROM character"), (QStringList{"41", "<null>"}));
    QCOMPARE(column("SELECT coalesce(Name, Gender, Hair, Eye, Height, Weight, Age, Country, "
                    "Language, Family, Education, Religion, Wealth, Occupation, Hobby, Interest, "
                    "\"Mental State\", Materialism, Morality, Motivation, Intellect, Thrift) "
                    "FROM character WHERE ID = 2"),
             QStringList{"<null>"});
}

void TestRecordWindows::characterCheckOnOffAndTimer()
{
    m_window = open("character");
    auto* timer = find<QTimer>("tmrCharacter");
    QCOMPARE(timer->interval(), 15000);
    QVERIFY(!timer->isActive());
    tick(find<QCheckBox>("chkHair"));
    find<QCheckBox>("chkEyes")->setCheckState(Qt::PartiallyChecked);
    click("cmdOnOff");
    for (QCheckBox* box : m_window->findChildren<QCheckBox*>()) {
        const bool wasUnchecked = box->objectName() == "chkHair" || box->objectName() == "chkTimer";
        QCOMPARE(box->checkState(), wasUnchecked ? Qt::Checked : Qt::Unchecked);
    }
    QVERIFY(timer->isActive());
    timer->setInterval(5); // each tick is a New, with no question asked
    QTRY_VERIFY(rows("character") >= 2);
    QVERIFY(m_env->desktop.messages.isEmpty());
    click("cmdOnOff");
    QCOMPARE(find<QCheckBox>("chkEyes")->checkState(), Qt::Checked);
    QVERIFY(!timer->isActive());
}

void TestRecordWindows::characterListsAndActivation()
{
    QVERIFY(m_env->db.execute("INSERT INTO character (Name, Hair) VALUES ('Ann Lee', 'Auburn'), "
                              "('Bo Chan', 'Bald')"));
    m_window = open("character");
    auto* jobs = find<QComboBox>("cboJob");
    QCOMPARE(jobs->count(), rows("occupation"));
    QCOMPARE(boxText("cboHair"), "Auburn"); // shown as stored against the list's "auburn"
    type("cboHair", "Silver");
    QVERIFY(m_env->db.execute("INSERT INTO occupation (occupation) VALUES ('zookeeper')"));
    m_window->activate(); // coming back reads the rows and the lists again, edits saved first
    QCOMPARE(column("SELECT Hair FROM character"), (QStringList{"Silver", "Bald"}));
    QCOMPARE(boxText("cboHair"), "Silver");
    QCOMPARE(jobs->count(), rows("occupation"));
}

void TestRecordWindows::plotSuggestionFollowsCatalogue()
{
    m_window = open("plot");
    auto* catalogue = find<QListWidget>("lstPlot");
    QMap<QString, int> picked;
    for (int i = 0; i < 150; ++i) {
        click("cmdSuggest");
        const int row = catalogue->currentRow();
        QVERIFY(catalogue->item(row)->isSelected());
        QCOMPARE(column(QString("SELECT plot_name || plot_description FROM plots WHERE id = %1")
                            .arg(row + 1)),
                 QStringList{boxText("txtPlotName") +
                             find<QPlainTextEdit>("txtPlotDescription")->toPlainText()});
        ++picked[boxText("txtPlotName")];
        QVERIFY(!boxText("txtCharacter3").isEmpty());
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
    QVERIFY(m_env->desktop.messages.isEmpty());
}

void TestRecordWindows::plotCatalogueProblems()
{
    const QString damaged = "The plot catalogue is damaged: its plots must be numbered 1, 2, 3 "
                            "and so on without gaps.";
    m_window = open("plot"); // the catalogue changes, step by step, while the window shows it
    for (const auto& [change, message] : QList<std::pair<QString, QString>>{
             {"DELETE FROM plots WHERE id = 2", damaged},
             {"UPDATE plots SET id = 0 WHERE id = 1", damaged},
             {"DELETE FROM plots", "The plot catalogue is empty."}}) {
        QVERIFY(m_env->db.execute(change));
        click("cmdSuggest");
        QVERIFY(m_env->expectMessage(message, "Plot Reference"));
        QCOMPARE(boxText("txtPlotName") + find<QPlainTextEdit>("txtPlotDescription")->toPlainText(),
                 QString());
        QVERIFY(find<QListWidget>("lstPlot")->selectedItems().isEmpty());
    }
    click("cmdNew"); // a profile is still made, without a plot
    QCOMPARE(m_env->desktop.messages.size(), 4);
    QCOMPARE(column("SELECT \"Plot Name\" || '' || \"Motivation Three\" FROM \"Plot Profile\""),
             QStringList{"<null>"});
    QCOMPARE(rows("Plot Profile"), 1);
}

void TestRecordWindows::sceneGenerate()
{
    m_window = open("scene");
    click("cmdNew");
    type("txtSceneName", "Harbour");
    QTest::keyClicks(find("txtNotes"), "Fog rolls in");
    click("cmdUpdate");
    const QStringList saved = column("SELECT Weather || \"Scene Notes\" FROM \"Scene Profile\"");
    Random::instance().seed(99);
    click("cmdGenerate");
    QCOMPARE(boxText("txtSceneName"), "Harbour");
    QCOMPARE(find<QPlainTextEdit>("txtNotes")->toPlainText(), "Fog rolls in");
    QCOMPARE(column("SELECT Weather || \"Scene Notes\" FROM \"Scene Profile\""), saved);
    Random::instance().seed(99); // the same draws by hand, in the order they are made
    QStringList expected, shown;
    for (const char* table : {"occupation", "motivation", "occupation", "motivation", "occupation",
                              "motivation", "weather", "conflict", "location", "time_of_day"})
        expected << getRandomRecord(table);
    for (const char* box :
         {"txtJob1", "txtCharacter1", "txtJob2", "txtCharacter2", "txtJob3", "txtCharacter3",
          "txtWeather", "txtConflict", "txtLocation", "txtTimeOfDay"})
        shown << boxText(box);
    QCOMPARE(shown, expected);

    QCOMPARE(find<QTimer>("tmrScene")->interval(), 15000); // the timer is tested with Check On/Off
}

void TestRecordWindows::listReadsAnyRowOfALargeTable()
{
    QVERIFY(m_env->db.execute( // every tenth row hidden
        "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 1000) INSERT "
        "INTO character (Name, Hair, visible) SELECT 'Name ' || i, 'Hair ' || i, CASE i % 10 WHEN "
        "0 THEN -1 ELSE 0 END FROM n"));
    RecordListModel list("character", "visible <> -1", {"Hair", "Name"});
    QVERIFY(list.select(nullptr));
    QCOMPARE(list.rowCount(), 900);
    QCOMPARE(list.index(899, 1).data().toString(), "Name 999");
    QCOMPARE(list.index(9, 0).data().toString() + list.index(9, 1).data().toString(),
             "Hair 11Name 11");
    QCOMPARE(list.rowOf(list.key(500)), 500);
    QCOMPARE(list.rowOf(10), -1); // hidden
    QVERIFY(m_env->db.execute("UPDATE character SET Name = 'Renamed' WHERE ID = 999"));
    QCOMPARE(list.index(899, 1).data().toString(), "Name 999"); // until told
    list.rowChanged(899);
    QCOMPARE(list.index(899, 1).data().toString(), "Renamed");
}

// A story's character links, as the Story and Stage window lists them: the linked character's
// name beside the link's own note, a link to no character still listed, only the note editable.
void TestRecordWindows::linkTableShowsNamesAndWritesLinksOnly()
{
    QVERIFY(m_env->db.execute("INSERT INTO character (ID, Name, visible) VALUES (1, 'Ann', 0), "
                              "(2, 'Hidden', -1)"));
    QVERIFY(m_env->db.execute("INSERT INTO Story_Character (Story_ID, Character_ID, Note) VALUES "
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
    const int note = links.fieldIndex("Note");
    QStringList shown;
    for (int row = 0; row < links.rowCount(); ++row)
        shown << links.index(row, name).data().toString();
    QCOMPARE(shown, (QStringList{"Ann", "Hidden", ""}));
    QVERIFY(!(links.flags(links.index(0, name)) & Qt::ItemIsEditable));
    QVERIFY(links.flags(links.index(0, note)) & Qt::ItemIsEditable);

    QVERIFY(links.setData(links.index(2, note), "to be cast"));
    QVERIFY(!links.setData(links.index(0, name), 2));
    QVERIFY2(links.submitAll(), qPrintable(links.lastError().text()));
    QCOMPARE(column("SELECT coalesce(Note, '-') FROM Story_Character"),
             (QStringList{"lead", "-", "to be cast", "other"}));
    QCOMPARE(m_env->db.scalar("SELECT group_concat(Name) FROM character").toString(), "Ann,Hidden");
}

QTEST_MAIN(TestRecordWindows)
#include "tst_recordwindows.moc"
