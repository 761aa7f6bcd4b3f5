#include "data/Database.h"
#include "data/DataControl.h"
#include "data/DataGrid.h"
#include "records/frmPlot.h"
#include "records/frmScene.h"
#include "shared/Clock.h"
#include "shared/Random.h"
#include "shared/RandomListValue.h"
#include "support/TestEnvironment.h"

#include <QAccessible>
#include <QCheckBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTest>
#include <QTimer>

namespace {

const QString Duplicate = QStringLiteral("A duplicate exists.  Please try again.");
const QString Damaged = QStringLiteral(
    "The plot catalogue is damaged: its plots must be numbered 1, 2, 3 and so on without gaps.");
const QStringList ProfileFields = {"Character One",  "Motivation One",  "Character Two",
                                   "Motivation Two", "Character Three", "Motivation Three"};

// Every row of a query, each as its fields joined by "|" (Null as "<null>").
QStringList rows(const QString& sql)
{
    QSqlQuery query(Database::connection());
    if (!query.exec(sql))
        return {QStringLiteral("failed: ") + sql};
    QStringList result;
    while (query.next()) {
        QStringList fields;
        for (int i = 0; i < query.record().count(); ++i)
            fields << (query.isNull(i) ? QStringLiteral("<null>") : query.value(i).toString());
        result << fields.join('|');
    }
    return result;
}

QString column(const QString& field)
{
    return '"' + field + '"';
}

void type(QLineEdit* box, const QString& text)
{
    box->selectAll();
    QTest::keyClicks(box, text);
}

void click(QAbstractButton* button)
{
    QTest::mouseClick(button, Qt::LeftButton);
}

void clickEntry(QListWidget* list, int row)
{
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(row)).center());
}

} // namespace

class TestPlotScene : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void plotNewSavesASuggestion();
    void plotSuggestionFollowsTheCatalogue();
    void plotEntryShowsItsPlot();
    void plotCatalogueProblemsAreTold_data();
    void plotCatalogueProblemsAreTold();
    void plotPrintedByteForByte();
    void plotDeleteAsksAndHiddenRowsStayHidden();

    void sceneNewOnEmptyTable();
    void sceneGenerateKeepsNameAndNotes();
    void sceneUpdateWithoutRow();
    void sceneDuplicateName();
    void sceneTimerFollowsTheBox();
    void sceneCopiedAndPrintedByteForByte();
    void sceneDeleteAsksAndHiddenRowsStayHidden();

    void controlsAreNamedAndGridsShowTheirColumns();

private:
    template <typename Window> std::unique_ptr<Window> open();
    QStringList boxTexts(const QList<QLineEdit*>& boxes);

    std::unique_ptr<TestEnvironment> m_env;
};

void TestPlotScene::init()
{
    m_env = std::make_unique<TestEnvironment>(4321);
    QVERIFY(m_env->db.isOpen());
}

void TestPlotScene::cleanup()
{
    QVERIFY(m_env->db.fatalErrors.isEmpty());
    m_env.reset();
}

template <typename Window> std::unique_ptr<Window> TestPlotScene::open()
{
    auto window = std::make_unique<Window>();
    window->load();
    window->show();
    return window;
}

QStringList TestPlotScene::boxTexts(const QList<QLineEdit*>& boxes)
{
    QStringList texts;
    for (const QLineEdit* box : boxes)
        texts << box->text();
    return texts;
}

void TestPlotScene::plotNewSavesASuggestion()
{
    auto window = open<frmPlot>();
    const QList<QLineEdit*> characters = {window->txtJob1, window->txtCharacter1,
                                          window->txtJob2, window->txtCharacter2,
                                          window->txtJob3, window->txtCharacter3};
    click(window->cmdNew);
    QCOMPARE(window->focusWidget(), window->txtPlotName);
    const QString stored = "SELECT \"Plot Name\", " + column(ProfileFields.join("\", \"")) +
                           " FROM \"Plot Profile\" ORDER BY ID";
    QCOMPARE(
        rows(stored),
        QStringList{(QStringList{window->txtPlotName->text()} + boxTexts(characters)).join('|')});
    QCOMPARE(rows("SELECT plot_name FROM plots WHERE id = " +
                  QString::number(window->lstPlot->currentRow() + 1)),
             QStringList{window->txtPlotName->text()});

    // A hand edit not yet saved is kept when New adds the next row.
    type(window->txtJob2, "Lighthouse keeper");
    click(window->cmdNew);
    QCOMPARE(rows(stored).size(), 2);
    QCOMPARE(rows(stored).first().section('|', 3, 3), QStringLiteral("Lighthouse keeper"));
    QVERIFY(m_env->desktop.messages.isEmpty());
}

void TestPlotScene::plotSuggestionFollowsTheCatalogue()
{
    auto window = open<frmPlot>();
    const QStringList occupations = rows("SELECT * FROM occupation");
    const QStringList motivations = rows("SELECT * FROM motivation");
    QMap<QString, int> picked;
    for (int i = 0; i < 150; ++i) {
        click(window->cmdSuggest);
        const int row = window->lstPlot->currentRow();
        QVERIFY(window->lstPlot->item(row)->isSelected());
        const QString id = QString::number(row + 1);
        QCOMPARE(rows("SELECT plot_name, plot_description FROM plots WHERE id = " + id),
                 QStringList{window->txtPlotName->text() + '|' +
                             window->txtPlotDescription->toPlainText()});
        ++picked[window->txtPlotName->text()];
        for (QLineEdit* job : {window->txtJob1, window->txtJob2, window->txtJob3})
            QVERIFY(occupations.join('\n').contains(job->text().toLower()));
        for (QLineEdit* motive :
             {window->txtCharacter1, window->txtCharacter2, window->txtCharacter3})
            QVERIFY(motivations.join('\n').contains(motive->text().toLower()));
        QVERIFY(!window->txtJob3->text().isEmpty());
    }
    // Each of the three plots comes up about a third of the time.
    QCOMPARE(picked.size(), 3);
    for (int count : std::as_const(picked))
        QVERIFY2(count > 25 && count < 75, qPrintable(QString::number(count)));
    QCOMPARE(m_env->db.scalar("SELECT count(*) FROM \"Plot Profile\"").toInt(), 0);
}

void TestPlotScene::plotEntryShowsItsPlot()
{
    auto window = open<frmPlot>();
    QCOMPARE(window->lstPlot->count(), 3);
    for (int k : {2, 0, 1}) {
        clickEntry(window->lstPlot, k);
        const QString id = QString::number(k + 1);
        QCOMPARE(
            window->txtPlotDescription->toPlainText(),
            m_env->db.scalar("SELECT plot_description FROM plots WHERE id = " + id).toString());
        QCOMPARE(window->txtPlotName->text(),
                 m_env->db.scalar("SELECT plot_name FROM plots WHERE id = " + id).toString());
    }
    // A click on the plot already selected shows it again.
    window->txtPlotName->clear();
    window->txtPlotDescription->clear();
    clickEntry(window->lstPlot, 1);
    QCOMPARE(window->txtPlotName->text(),
             m_env->db.scalar("SELECT plot_name FROM plots WHERE id = 2").toString());
    QVERIFY(!window->txtPlotDescription->toPlainText().isEmpty());
    QVERIFY(m_env->desktop.messages.isEmpty());
}

void TestPlotScene::plotCatalogueProblemsAreTold_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<QString>("message");
    QTest::newRow("gap") << "DELETE FROM plots WHERE id = 2" << Damaged;
    QTest::newRow("from 0") << "UPDATE plots SET id = 0 WHERE id = 1" << Damaged;
    QTest::newRow("from 11") << "UPDATE plots SET id = id + 10" << Damaged;
    QTest::newRow("empty") << "DELETE FROM plots"
                           << "The plot catalogue is empty.";
}

void TestPlotScene::plotCatalogueProblemsAreTold()
{
    QFETCH(QString, change);
    QFETCH(QString, message);
    // The catalogue changes while the window shows a plot of it.
    auto window = open<frmPlot>();
    clickEntry(window->lstPlot, 0);
    QVERIFY(m_env->db.execute(change));
    click(window->cmdSuggest);
    QCOMPARE(m_env->desktop.lastMessage(), message);
    QCOMPARE(m_env->desktop.messages.last().title, QStringLiteral("Plot Reference"));
    QCOMPARE(window->txtPlotName->text(), QString());
    QCOMPARE(window->txtPlotDescription->toPlainText(), QString());
    QVERIFY(window->lstPlot->selectedItems().isEmpty());
    QVERIFY(!window->txtCharacter3->text().isEmpty());
    clickEntry(window->lstPlot, 2);
    QCOMPARE(m_env->desktop.messages.size(), 2);
    QCOMPARE(m_env->desktop.lastMessage(), message);
    QCOMPARE(window->txtPlotDescription->toPlainText(), QString());

    // A window opened on such a catalogue works as well, but for the plot.
    window = open<frmPlot>();
    click(window->cmdNew);
    QCOMPARE(m_env->desktop.messages.size(), 3);
    QCOMPARE(m_env->db
                 .scalar("SELECT count(*) FROM \"Plot Profile\" WHERE \"Plot Name\" IS NULL AND "
                         "\"Motivation Three\" <> ''")
                 .toInt(),
             1);
}

void TestPlotScene::plotPrintedByteForByte()
{
    auto window = open<frmPlot>();
    clickEntry(window->lstPlot, 1);
    const QList<QLineEdit*> characters = {window->txtJob1, window->txtCharacter1,
                                          window->txtJob2, window->txtCharacter2,
                                          window->txtJob3, window->txtCharacter3};
    const QStringList typed = {"Nurse", "Duty", "Pilot", "Fear", "Chef", "Greed"};
    for (int i = 0; i < characters.size(); ++i)
        type(characters[i], typed[i]);
    m_env->desktop.answerNext(MessageAnswer::Yes);
    click(window->cmdPrint);
    QCOMPARE(m_env->desktop.messages.last().text,
             QStringLiteral("Is your printer on and loaded with paper."));
    QCOMPARE(m_env->desktop.printed,
             QStringList{"\n" + TestEnvironment::headerLine("Plot") + "\n" + QString(80, '-') +
                         "\nPlotName: Rescue\nJob1: Nurse\nCharacter1: Duty\nJob2: Pilot\n"
                         "Character2: Fear\nJob3: Chef\nCharacter3: Greed\n"
                         "PlotDescription: A hero comes between a victim and a threat. The "
                         "victim may not want saving, and the rescuer may pay a price for the "
                         "attempt."});
}

void TestPlotScene::plotDeleteAsksAndHiddenRowsStayHidden()
{
    QVERIFY(m_env->db.execute("INSERT INTO \"Plot Profile\" (\"Plot Name\", visible) VALUES "
                              "('Hidden', -1), ('Pursuit', 0), ('Rivalry', 0)"));
    auto window = open<frmPlot>();
    QCOMPARE(window->dtaPlot->recordset()->recordCount(), 2);
    QCOMPARE(window->txtPlotName->text(), QStringLiteral("Pursuit"));
    click(window->cmdDelete);
    QCOMPARE(m_env->desktop.messages.last().title, QStringLiteral("Delete this Record."));
    QCOMPARE(rows("SELECT \"Plot Name\" FROM \"Plot Profile\" ORDER BY ID"),
             (QStringList{"Hidden", "Pursuit", "Rivalry"}));
    m_env->desktop.answerNext(MessageAnswer::Yes);
    click(window->cmdDelete);
    QCOMPARE(rows("SELECT \"Plot Name\" FROM \"Plot Profile\" ORDER BY ID"),
             (QStringList{"Hidden", "Rivalry"}));
    QCOMPARE(window->txtPlotName->text(), QStringLiteral("Rivalry"));
    QCOMPARE(window->dbgPlot->model()->rowCount(), 1);
}

void TestPlotScene::sceneNewOnEmptyTable()
{
    auto window = open<frmScene>();
    click(window->cmdNew);
    QCOMPARE(window->focusWidget(), window->txtWeather);
    const QList<QLineEdit*> generated = {
        window->txtWeather, window->txtConflict,   window->txtLocation, window->txtTimeOfDay,
        window->txtJob1,    window->txtCharacter1, window->txtJob2,     window->txtCharacter2,
        window->txtJob3,    window->txtCharacter3};
    QCOMPARE(rows("SELECT \"Scene Name\", \"Scene Notes\", Weather, Conflict, Location, "
                  "\"Time of Day\", " +
                  column(ProfileFields.join("\", \"")) + " FROM \"Scene Profile\""),
             QStringList{"<null>|<null>|" + boxTexts(generated).join('|')});
    QVERIFY(!boxTexts(generated).contains(QString()));
    QVERIFY(m_env->desktop.messages.isEmpty());
}

void TestPlotScene::sceneGenerateKeepsNameAndNotes()
{
    auto window = open<frmScene>();
    click(window->cmdNew);
    type(window->txtSceneName, "Harbour");
    QTest::keyClicks(window->txtNotes, "Fog rolls in");
    const QStringList saved = rows("SELECT * FROM \"Scene Profile\"");

    Random::instance().seed(99);
    click(window->cmdGenerate);
    QCOMPARE(window->txtSceneName->text(), QStringLiteral("Harbour"));
    QCOMPARE(window->txtNotes->toPlainText(), QStringLiteral("Fog rolls in"));
    QCOMPARE(rows("SELECT * FROM \"Scene Profile\""), saved);
    // The same seed drawn by hand, in the order the draws are made.
    Random::instance().seed(99);
    QStringList expected;
    for (const char* table : {"occupation", "motivation", "occupation", "motivation", "occupation",
                              "motivation", "weather", "conflict", "location", "time_of_day"})
        expected << getRandomRecord(table);
    QCOMPARE(
        boxTexts({window->txtJob1, window->txtCharacter1, window->txtJob2, window->txtCharacter2,
                  window->txtJob3, window->txtCharacter3, window->txtWeather, window->txtConflict,
                  window->txtLocation, window->txtTimeOfDay}),
        expected);
}

void TestPlotScene::sceneUpdateWithoutRow()
{
    auto window = open<frmScene>();
    click(window->cmdGenerate);
    click(window->cmdUpdate);
    QCOMPARE(m_env->desktop.messages.size(), 1);
    QCOMPARE(m_env->desktop.lastMessage(),
             QStringLiteral("You must create your first scene by selecting New.  This will not "
                            "be saved."));
    QCOMPARE(m_env->desktop.messages.last().title, QStringLiteral("Create New First"));
    QCOMPARE(m_env->desktop.messages.last().icon, MessageIcon::Information);
    QCOMPARE(m_env->db.scalar("SELECT count(*) FROM \"Scene Profile\"").toInt(), 0);

    auto plots = open<frmPlot>();
    click(plots->cmdUpdate);
    QCOMPARE(m_env->desktop.lastMessage(),
             QStringLiteral("You must create your first plot by selecting New.  This will not "
                            "be saved."));
    QCOMPARE(m_env->desktop.messages.last().title, QStringLiteral("Create New First"));
}

void TestPlotScene::sceneDuplicateName()
{
    auto window = open<frmScene>();
    click(window->cmdNew);
    type(window->txtSceneName, "Harbour");
    click(window->cmdUpdate);
    const QStringList older = rows("SELECT * FROM \"Scene Profile\"");

    // A name typed into a saved new scene that repeats another's (in another case) is
    // refused; the scene itself, saved by New, stays.
    click(window->cmdNew);
    type(window->txtSceneName, "HARBOUR");
    click(window->cmdUpdate);
    QCOMPARE(m_env->desktop.lastMessage(), Duplicate);
    QCOMPARE(m_env->desktop.messages.last().title, QStringLiteral("Duplicate Item Exists"));
    QCOMPARE(rows("SELECT count(*) FROM \"Scene Profile\""), QStringList{"2"});
    QCOMPARE(window->txtSceneName->text(), QString());

    // An older scene renamed like another keeps its saved name, and stays.
    window->dtaScene->recordset()->moveFirst();
    click(window->cmdNew);
    type(window->txtSceneName, "Quay");
    click(window->cmdUpdate);
    window->dtaScene->recordset()->moveFirst();
    type(window->txtSceneName, "quay");
    click(window->cmdUpdate);
    QCOMPARE(m_env->desktop.messages.size(), 2);
    QCOMPARE(rows("SELECT \"Scene Name\" FROM \"Scene Profile\" ORDER BY ID"),
             (QStringList{"Harbour", "<null>", "Quay"}));
    QCOMPARE(window->txtSceneName->text(), QStringLiteral("Harbour"));
}

void TestPlotScene::sceneTimerFollowsTheBox()
{
    auto window = open<frmScene>();
    QCOMPARE(window->tmrScene->interval(), 15000);
    QVERIFY(!window->tmrScene->isActive());
    tick(window->chkTimer);
    QVERIFY(window->tmrScene->isActive());
    QVERIFY(QMetaObject::invokeMethod(window->tmrScene, "timeout", Qt::DirectConnection));
    QVERIFY(QMetaObject::invokeMethod(window->tmrScene, "timeout", Qt::DirectConnection));
    QCOMPARE(m_env->db.scalar("SELECT count(*) FROM \"Scene Profile\" WHERE Weather <> ''").toInt(),
             2);
    tick(window->chkTimer);
    QVERIFY(!window->tmrScene->isActive());
    window->chkTimer->setCheckState(Qt::PartiallyChecked);
    QVERIFY(window->tmrScene->isActive());
}

void TestPlotScene::sceneCopiedAndPrintedByteForByte()
{
    auto window = open<frmScene>();
    const QList<QLineEdit*> boxes = {
        window->txtSceneName,  window->txtWeather, window->txtLocation,   window->txtConflict,
        window->txtTimeOfDay,  window->txtJob1,    window->txtCharacter1, window->txtJob2,
        window->txtCharacter2, window->txtJob3,    window->txtCharacter3};
    const QStringList typed = {"Harbour", "Foggy", "A lighthouse", "An old debt", "Dusk", "Sailor",
                               "Fear",    "Baker", "Love",         "Farmer",      "Greed"};
    for (int i = 0; i < boxes.size(); ++i)
        type(boxes[i], typed[i]);
    QTest::keyClicks(window->txtNotes, "Fog rolls in");
    QTest::keyClick(window->txtNotes, Qt::Key_Return);
    QTest::keyClicks(window->txtNotes, "Bells ring");
    const QString expected = "\n" + TestEnvironment::headerLine("Scene Generator") + "\n" +
                             QString(80, '-') +
                             "\nSceneName: Harbour\nNotes: Fog rolls in\nBells ring\n"
                             "Weather: Foggy\nLocation: A lighthouse\nConflict: An old debt\n"
                             "TimeOfDay: Dusk\nCharacter1: Fear\nCharacter2: Love\n"
                             "Character3: Greed\nJob1: Sailor\nJob2: Baker\nJob3: Farmer";
    click(window->cmdClip);
    QCOMPARE(m_env->desktop.clipboard, expected);
    QCOMPARE(m_env->desktop.messages.last().title, QStringLiteral("Clipboard Paste"));
    m_env->desktop.answerNext(MessageAnswer::Yes);
    click(window->cmdPrint);
    m_env->desktop.answerNext(MessageAnswer::Yes);
    click(window->cmdPrint);
    QCOMPARE(m_env->desktop.printed, (QStringList{expected, expected}));
}

void TestPlotScene::sceneDeleteAsksAndHiddenRowsStayHidden()
{
    QVERIFY(m_env->db.execute("INSERT INTO \"Scene Profile\" (\"Scene Name\", visible) VALUES "
                              "('Hidden', -1), ('Quay', 0), ('Market', 0)"));
    auto window = open<frmScene>();
    QCOMPARE(window->SSDBGrid1->model()->rowCount(), 2);
    window->SSDBGrid1->selectRow(1);
    QCOMPARE(window->txtSceneName->text(), QStringLiteral("Market"));
    m_env->desktop.answerNext(MessageAnswer::No);
    click(window->cmdDelete);
    QCOMPARE(m_env->db.scalar("SELECT count(*) FROM \"Scene Profile\"").toInt(), 3);
    m_env->desktop.answerNext(MessageAnswer::Yes);
    click(window->cmdDelete);
    QCOMPARE(rows("SELECT \"Scene Name\" FROM \"Scene Profile\" ORDER BY ID"),
             (QStringList{"Hidden", "Quay"}));
    QCOMPARE(window->txtSceneName->text(), QStringLiteral("Quay"));
}

void TestPlotScene::controlsAreNamedAndGridsShowTheirColumns()
{
    auto plot = open<frmPlot>();
    auto scene = open<frmScene>();
    const auto shownColumns = [](DataGrid* grid) {
        QStringList shown;
        QHeaderView* header = grid->horizontalHeader();
        for (int visual = 0; visual < header->count(); ++visual) {
            const int logical = header->logicalIndex(visual);
            if (!grid->isColumnHidden(logical))
                shown << grid->model()->headerData(logical, Qt::Horizontal).toString();
        }
        return shown;
    };
    QCOMPARE(shownColumns(plot->dbgPlot), QStringList{"Plot Name"} + QStringList(ProfileFields));
    QCOMPARE(shownColumns(scene->SSDBGrid1),
             (QStringList{"Weather", "Conflict", "Location", "Time of Day", "Character One",
                          "Character Two", "Character Three"}));
    QCOMPARE(plot->dbgPlot->accessibleName(), QStringLiteral("Plot"));
    QCOMPARE(scene->SSDBGrid1->accessibleName(), QStringLiteral("Scene Profiles"));

    for (QWidget* window :
         {static_cast<QWidget*>(plot.get()), static_cast<QWidget*>(scene.get())}) {
        for (QWidget* control : window->findChildren<QWidget*>()) {
            const QString name = control->objectName();
            if (name.isEmpty() || name.startsWith("lbl") || name.startsWith("qt_"))
                continue;
            QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
            QVERIFY2(accessible && !accessible->text(QAccessible::Name).isEmpty(),
                     qPrintable(name));
        }
    }
}

QTEST_MAIN(TestPlotScene)
#include "tst_plotscene.moc"
