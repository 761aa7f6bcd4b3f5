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
#include <QPushButton>
#include <QSqlQuery>
#include <QTableView>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>

using CharacterDraws::Attribute;

// The character, plot and scene windows driven as a user would, on a fresh fixture database.
class TestRecordWindows : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void recordWindows_data();
    void hiddenRowsAndMoving();
    void hiddenRowsAndMoving_data() { recordWindows_data(); }
    void updateWithoutRow();
    void updateWithoutRow_data() { recordWindows_data(); }
    void newAndItsDuplicate();
    void newAndItsDuplicate_data() { recordWindows_data(); }
    void duplicateKeepsStoredRow();
    void duplicateKeepsStoredRow_data() { recordWindows_data(); }
    void editsSavedBeforeMovingNewAndClose();
    void editsSavedBeforeMovingNewAndClose_data() { recordWindows_data(); }
    void deleteAsksFirst();
    void deleteAsksFirst_data() { recordWindows_data(); }
    void printedAndCopied();
    void printedAndCopied_data() { recordWindows_data(); }

    void characterDraws();
    void characterButtonsFollowRows();
    void characterGenerateBoxes();
    void characterCheckOnOffAndTimer();
    void characterListsAndActivation();
    void plotSuggestionFollowsCatalogue();
    void plotCatalogueProblems_data();
    void plotCatalogueProblems();
    void sceneGenerateAndTimer();

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
    std::unique_ptr<RecordWindow> window;
    if (kind == "character")
        window = std::make_unique<CharacterWindow>();
    else if (kind == "plot")
        window = std::make_unique<PlotWindow>();
    else
        window = std::make_unique<SceneWindow>();
    window->load();
    window->show();
    window->activate();
    if (!QTest::qWaitForWindowExposed(window.get()))
        qWarning("The window was not shown");
    return window;
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

// Each window's table, its named field and box, and what it says when there is no row.
void TestRecordWindows::recordWindows_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("noRow");
    QTest::addColumn<QString>("noRowTitle");
    QTest::addColumn<QString>("focusAfterNew");
    QTest::newRow("character")
        << "character"
        << "character"
        << "Name"
        << "txtName"
        << "You must create your first character by selecting New.  This character will not be "
           "saved."
        << "Create a New Character."
        << "txtName";
    QTest::newRow("plot") << "plot"
                          << "Plot Profile"
                          << "Plot Name"
                          << "txtPlotName"
                          << "You must create your first plot by selecting New.  This will not "
                             "be saved."
                          << "Create New First"
                          << "txtPlotName";
    QTest::newRow("scene") << "scene"
                           << "Scene Profile"
                           << "Scene Name"
                           << "txtSceneName"
                           << "You must create your first scene by selecting New.  This will not "
                              "be saved."
                           << "Create New First"
                           << "txtWeather";
}

#define RECORD_WINDOW_DATA                                                                         \
    QFETCH(QString, kind);                                                                         \
    QFETCH(QString, table);                                                                        \
    QFETCH(QString, field);                                                                        \
    QFETCH(QString, box);                                                                          \
    const QString insert = "INSERT INTO \"" + table + "\" (\"" + field + "\", visible) VALUES ";   \
    const QString names = "SELECT \"" + field + "\" FROM \"" + table + "\" ORDER BY ID"

void TestRecordWindows::hiddenRowsAndMoving()
{
    RECORD_WINDOW_DATA;
    QVERIFY(m_env->db.execute(insert + "('Hidden', -1), ('Ann', 0), ('Bo', 1), ('Cy', 0)"));
    m_window = open(kind);
    auto* grid = m_window->findChild<QTableView*>();
    QCOMPARE(grid->model()->rowCount(), 3);
    QCOMPARE(boxText(qPrintable(box)), "Ann");
    navigate("Last record");
    QCOMPARE(boxText(qPrintable(box)), "Cy");
    QCOMPARE(grid->currentIndex().row(), 2);
    navigate("Previous record");
    QCOMPARE(boxText(qPrintable(box)), "Bo");
    grid->selectRow(0);
    QCOMPARE(boxText(qPrintable(box)), "Ann");
    QVERIFY(m_env->desktop.messages.isEmpty());
}

void TestRecordWindows::updateWithoutRow()
{
    RECORD_WINDOW_DATA;
    QFETCH(QString, noRow);
    QFETCH(QString, noRowTitle);
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
    QFETCH(QString, focusAfterNew);
    // Every word list down to one word, so that the second New repeats the first.
    for (const char* list : {"femaleName", "maleName", "surnames", "gender", "occupation",
                             "motivation", "weather", "plots"})
        QVERIFY(m_env->db.execute(QString("DELETE FROM \"%1\" WHERE rowid > 1").arg(list)));
    QVERIFY(m_env->db.execute("CREATE UNIQUE INDEX oneWeather ON \"Scene Profile\" (Weather)"));
    m_window = open(kind);
    click("cmdNew");
    QCOMPARE(m_window->focusWidget()->objectName(), focusAfterNew);
    const QStringList first = column("SELECT ID FROM \"" + table + "\" WHERE visible = 0");
    QCOMPARE(first.size(), 1);
    QVERIFY(!column(names).contains("<null>") || kind == "scene");
    click("cmdNew");
    QVERIFY(m_env->expectMessage("A duplicate exists.  Please try again.", "Duplicate Item Exists",
                                 MessageIcon::Information));
    QCOMPARE(m_env->desktop.messages.size(), 1);
    QCOMPARE(column("SELECT ID FROM \"" + table + "\""), first);
    QCOMPARE(m_window->findChild<QTableView*>()->model()->rowCount(), 1);
}

// Two rows that differ only in the named field; a plot is a duplicate only in all its fields.
void seedTwoRows(TestDatabase& db, const QString& insert, const QString& kind)
{
    QVERIFY(db.execute(insert + "('Ann', 0), ('Bo', 0)"));
    if (kind == "plot")
        QVERIFY(db.execute("UPDATE \"Plot Profile\" SET \"Character One\" = 'x', \"Motivation "
                           "One\" = 'x', \"Character Two\" = 'x', \"Motivation Two\" = 'x', "
                           "\"Character Three\" = 'x', \"Motivation Three\" = 'x'"));
}

void TestRecordWindows::duplicateKeepsStoredRow()
{
    RECORD_WINDOW_DATA;
    seedTwoRows(m_env->db, insert, kind);
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
}

void TestRecordWindows::editsSavedBeforeMovingNewAndClose()
{
    RECORD_WINDOW_DATA;
    seedTwoRows(m_env->db, insert, kind);
    m_window = open(kind);
    type(qPrintable(box), "Ada");
    navigate("Next record");
    QCOMPARE(column(names), (QStringList{"Ada", "Bo"}));
    type(qPrintable(box), "Bea");
    click("cmdNew");
    QCOMPARE(column(names).mid(0, 2), (QStringList{"Ada", "Bea"}));
    navigate("First record");
    type(qPrintable(box), "Al");
    m_window->close();
    QCOMPARE(column(names).first(), "Al");
    QVERIFY(m_env->desktop.messages.isEmpty());
}

void TestRecordWindows::deleteAsksFirst()
{
    RECORD_WINDOW_DATA;
    QVERIFY(m_env->db.execute(insert + "('Hidden', -1), ('Ann', 0), ('Bo', 0)"));
    m_window = open(kind);
    navigate("Last record");
    click("cmdDelete"); // answered No
    QVERIFY(m_env->expectMessage("Are you sure you wish to delete this record?",
                                 "Delete this Record.", MessageIcon::None));
    QCOMPARE(rows(table), 3);
    m_env->desktop.answerNext(MessageAnswer::Yes);
    click("cmdDelete");
    QCOMPARE(column(names), (QStringList{"Hidden", "Ann"}));
    QCOMPARE(boxText(qPrintable(box)), "Ann");
    m_env->desktop.answerNext(MessageAnswer::Yes);
    click("cmdDelete");
    QCOMPARE(column(names), QStringList{"Hidden"});
    QCOMPARE(boxText(qPrintable(box)), QString());
}

void TestRecordWindows::printedAndCopied()
{
    RECORD_WINDOW_DATA;
    const QHash<QString, QString> stored = {
        {"character",
         "INSERT INTO character (Name, Gender, Hair, Eye, Height, Weight, Age, Country, Language, "
         "Family, Education, Religion, Wealth, Occupation, Hobby, Interest, \"Mental State\", "
         "Materialism, Morality, Motivation, Intellect, Thrift) VALUES ('Mei Tanaka', 'Female', "
         "'Auburn', 'Amber', '61', '120', '34', 'Japan', 'Japanese', 'Adopted', 'Doctorate', "
         "'Buddhist', 'In debt', 'Chef', 'Chess', 'Art', 'Normal', 'Frugal', 'Compassionate', "
         "'Curiosity', 'Clever', 'Generous')"},
        {"plot", "INSERT INTO \"Plot Profile\" VALUES (1, 'Rescue', 'Nurse', 'Duty', 'Pilot', "
                 "'Fear', 'Chef', 'Greed', 0)"},
        {"scene", "INSERT INTO \"Scene Profile\" VALUES (1, 'Harbour', 'Foggy', 'An old debt', 'A "
                  "lighthouse', 'Dusk', 'Sailor', 'Fear', 'Baker', 'Love', 'Farmer', 'Greed', 'Fog "
                  "rolls in\nBells ring', 0)"}};
    QVERIFY(m_env->db.execute(stored.value(kind)));
    QFile file(QUILLANE_FIXTURES_DIR "/expected/" + kind + ".txt");
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString expected = QString::fromUtf8(file.readAll());
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

namespace {
QString drawnValue(const QList<CharacterDraws::Drawn>& drawn, Attribute attribute)
{
    for (const auto& [which, value] : drawn) {
        if (which == attribute)
            return value;
    }
    return {};
}
QList<CharacterDraws::Drawn> drawOnly(Attribute attribute)
{
    return CharacterDraws::draw([=](Attribute a) { return a == attribute; }, {},
                                [](const QString& table) { return "<" + table + ">"; });
}
} // namespace

void TestRecordWindows::characterDraws()
{
    QStringList asked;
    const auto word = [&](const QString& table) {
        asked << table;
        return table == "gender" ? QStringLiteral("Male") : "<" + table + ">";
    };
    const auto all = CharacterDraws::draw([](Attribute) { return true; }, "Female", word);
    QCOMPARE(asked.mid(0, 5), QStringList({"gender", "hair", "eyes", "maleName", "surnames"}));
    QCOMPARE(drawnValue(all, Attribute::Name), "<maleName> <surnames>");
    QCOMPARE(all.size(), 22);
    QCOMPARE(asked.last(), "thrift");
    for (const auto& [attribute, low, high] :
         QList<std::tuple<Attribute, int, int>>{{Attribute::Height, 48, 96},
                                                {Attribute::Weight, 50, 300},
                                                {Attribute::Age, 15, 120}}) {
        QSet<int> seen;
        for (int i = 0; i < 5000; ++i)
            seen << drawnValue(drawOnly(attribute), attribute).toInt();
        QCOMPARE(seen.size(), high - low + 1); // every value, both ends included, nothing else
        QVERIFY(seen.contains(low) && seen.contains(high));
    }
    // About 12 in 100 are foreign and 10 in 100 have a condition (within five deviations).
    for (const auto& [attribute, drawn, usual, expected] :
         QList<std::tuple<Attribute, QString, QString, int>>{
             {Attribute::Country, "<country>", "United States", 1200},
             {Attribute::Mental, "<mental>", "Normal", 1000}}) {
        int fromTable = 0;
        for (int i = 0; i < 10000; ++i) {
            const QString value = drawnValue(drawOnly(attribute), attribute);
            QVERIFY(value == drawn || value == usual);
            fromTable += value == drawn;
        }
        QVERIFY2(std::abs(fromTable - expected) < 160, qPrintable(QString::number(fromTable)));
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
    find<QTabWidget>("SSTab1")->setCurrentIndex(3);
    click("cmdNew");
    QCOMPARE(enabled(), "111111111");
    QVERIFY(find("txtName")->isVisible() && find("txtName")->hasFocus());
    QSqlQuery row("SELECT Name, Gender, Hair, Height, visible FROM character");
    QVERIFY(row.next());
    const QString name = row.value(0).toString();
    QCOMPARE(boxText("txtName"), name);
    const QString list = row.value(1).toString() == "Male" ? "maleName" : "femaleName";
    QVERIFY(column("SELECT " + list + " FROM " + list).join(',').contains(name.section(' ', 0, 0)));
    QCOMPARE(boxText("cboHair"), row.value(2).toString()); // as drawn, first letter upper case
    QVERIFY(row.value(2).toString().at(0).isUpper());
    QVERIFY(row.value(3).toInt() >= 48 && row.value(3).toInt() <= 96);
    QCOMPARE(row.value(4).toInt(), 0);
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
    tick(find<QCheckBox>("chkCountry"));
    tick(find<QCheckBox>("chkLanguage"));
    QString language = "Quechua";
    for (int i = 0; i < 40; ++i) {
        click("cmdGenerate");
        // A domestic draw sets English whatever the box says; a foreign one keeps the language.
        if (boxText("cboCountry") == "United States")
            language = "English";
        QCOMPARE(boxText("cboLanguage"), language);
    }
    // Without the gender drawn, only the exact text "Male" shown gives a male first name.
    tick(find<QCheckBox>("chkName"));
    tick(find<QCheckBox>("chkGender"));
    for (const QString shown : {"male", "Male"}) {
        type("cboGender", shown);
        click("cmdGenerate");
        QCOMPARE(boxText("cboGender"), shown);
        const QString list = shown == "Male" ? "maleName" : "femaleName";
        QVERIFY(column("SELECT " + list + " FROM " + list)
                    .contains(boxText("txtName").section(' ', 0, 0)));
    }
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
    QCOMPARE(find<QComboBox>("cboMental")->itemText(0), column("SELECT mental FROM mental")[0]);
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
    const QStringList occupations = column("SELECT lower(occupation) FROM occupation");
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
        QVERIFY(occupations.contains(boxText("txtJob3").toLower()));
        QVERIFY(!boxText("txtCharacter3").isEmpty());
    }
    QCOMPARE(picked.size(), 3); // each plot about a third of the time
    for (int count : std::as_const(picked))
        QVERIFY2(count > 25 && count < 75, qPrintable(QString::number(count)));
    QCOMPARE(rows("Plot Profile"), 0);
    // A click on an entry, also the one already selected, shows its plot.
    for (int k : {0, 0}) {
        type("txtPlotName", "");
        QTest::mouseClick(catalogue->viewport(), Qt::LeftButton, {},
                          catalogue->visualItemRect(catalogue->item(k)).center());
        QCOMPARE(boxText("txtPlotName"), "Pursuit");
    }
    QVERIFY(m_env->desktop.messages.isEmpty());
}

void TestRecordWindows::plotCatalogueProblems_data()
{
    const QString damaged = "The plot catalogue is damaged: its plots must be numbered 1, 2, 3 "
                            "and so on without gaps.";
    QTest::addColumn<QString>("change");
    QTest::addColumn<QString>("message");
    QTest::newRow("gap") << "DELETE FROM plots WHERE id = 2" << damaged;
    QTest::newRow("from 0") << "UPDATE plots SET id = 0 WHERE id = 1" << damaged;
    QTest::newRow("empty") << "DELETE FROM plots"
                           << "The plot catalogue is empty.";
}

void TestRecordWindows::plotCatalogueProblems()
{
    QFETCH(QString, change);
    QFETCH(QString, message);
    m_window = open("plot"); // the catalogue changes while the window shows it
    QVERIFY(m_env->db.execute(change));
    click("cmdSuggest");
    QVERIFY(m_env->expectMessage(message, "Plot Reference"));
    QCOMPARE(boxText("txtPlotName"), QString());
    QCOMPARE(find<QPlainTextEdit>("txtPlotDescription")->toPlainText(), QString());
    QVERIFY(find<QListWidget>("lstPlot")->selectedItems().isEmpty());
    click("cmdNew"); // a profile is still made, without a plot
    QCOMPARE(m_env->desktop.messages.size(), 2);
    QCOMPARE(column("SELECT \"Plot Name\" || '' || \"Motivation Three\" FROM \"Plot Profile\""),
             QStringList{"<null>"});
    QCOMPARE(rows("Plot Profile"), 1);
}

void TestRecordWindows::sceneGenerateAndTimer()
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

    auto* timer = find<QTimer>("tmrScene");
    QCOMPARE(timer->interval(), 15000);
    QVERIFY(!timer->isActive());
    tick(find<QCheckBox>("chkTimer"));
    QVERIFY(QMetaObject::invokeMethod(timer, "timeout", Qt::DirectConnection));
    QCOMPARE(rows("Scene Profile"), 2);
    tick(find<QCheckBox>("chkTimer"));
    QVERIFY(!timer->isActive());
    find<QCheckBox>("chkTimer")->setCheckState(Qt::PartiallyChecked);
    QVERIFY(timer->isActive());
}

QTEST_MAIN(TestRecordWindows)
#include "tst_recordwindows.moc"
