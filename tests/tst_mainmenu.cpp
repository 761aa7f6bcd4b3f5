#include "app/frmMainMenu.h"
#include "app/MenuLayout.h"
#include "app/ToolCatalog.h"
#include "data/Database.h"
#include "shared/ChildFrame.h"
#include "shared/RunSettings.h"
#include "shared/ToolWindow.h"
#include "shared/WindowServices.h"
#include "support/ScriptedDesktop.h"
#include "support/TestDatabase.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

namespace {

// A stand-in tool window that counts its loads and activations.
class StandInWindow : public ToolWindow
{
public:
    explicit StandInWindow(const QString& name) : ToolWindow(name, "Stand-in " + name)
    {
        resize(300, 200);
        entry->setObjectName("txtEntry");
    }
    QLineEdit* entry = new QLineEdit(this);
    void load() override { ++loads; }
    void activate() override
    {
        ++activations;
        ToolWindow::activate();
    }
    int loads = 0;
    int activations = 0;
};

const QStringList AllWindows = {"frmCharacter",   "frmNameGenerator", "frmNumberGenerator",
                                "frmSentence",    "frmBrainstorm",    "frmFreeAss",
                                "frmCrystalBall", "frmStoryWizard",   "frmPlot",
                                "frmPsycho",      "frmStoryandStage", "frmCustom"};

} // namespace

class TestMainMenu : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void missingDatabaseEndsStartUp();
    void damagedDatabaseMayBeRetried();
    void unreadableSettingsMayBeRetried();
    void settingsRowIsReadAndMended_data();
    void settingsRowIsReadAndMended();
    void startWindowNumbers_data();
    void startWindowNumbers();
    void toolbarFlagHidesAndShowsTheToolbar();
    void menusAndToolbarAreComplete();
    void unbuiltToolsAreDisabled();
    void secondOpenOnlyActivates();
    void activationShowsOneWindowAlone();
    void windowMenuArrangesAndListsChildren();
    void exitAsksFirst();
    void helpCommands();

private:
    bool startWith(const QString& settingsSql = QString());
    void useStandIns();

    std::unique_ptr<ScriptedDesktop> m_desktop;
    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<frmMainMenu> m_window;
};

void TestMainMenu::init()
{
    m_desktop = std::make_unique<ScriptedDesktop>();
    m_db = std::make_unique<TestDatabase>();
    QVERIFY2(m_db->isOpen(), qPrintable(m_db->error()));
}

void TestMainMenu::cleanup()
{
    m_window.reset();
    for (const QString& window : AllWindows)
        ToolCatalog::setFactory(window, {});
    m_db.reset();
    m_desktop.reset();
    runSettings() = RunSettings();
}

bool TestMainMenu::startWith(const QString& settingsSql)
{
    if (!settingsSql.isEmpty() && !m_db->execute(settingsSql))
        return false;
    Database::close();
    runSettings().programFolder = m_db->folder();
    m_window = std::make_unique<frmMainMenu>();
    return m_window->initializeEnvironment();
}

void TestMainMenu::useStandIns()
{
    for (const QString& window : AllWindows)
        ToolCatalog::setFactory(window, [window] { return new StandInWindow(window); });
}

void TestMainMenu::missingDatabaseEndsStartUp()
{
    QVERIFY(QFile::remove(m_db->path()));
    QVERIFY(!startWith());
    QCOMPARE(m_desktop->messages.size(), 1);
    QCOMPARE(m_desktop->lastMessage(),
             QStringLiteral("Quillane cannot find the magical database."));
    QCOMPARE(m_desktop->messages.last().title, QStringLiteral("The Magic Stopped."));
    QCOMPARE(m_desktop->messages.last().icon, MessageIcon::Information);
    QVERIFY(!QFile::exists(m_db->path())); // opening never creates an empty database
    QVERIFY(!m_window->isVisible());
}

void TestMainMenu::damagedDatabaseMayBeRetried()
{
    Database::close();
    QFile file(m_db->path());
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(QByteArray(4096, 'x'));
    file.close();
    m_desktop->answerNext(MessageAnswer::Yes);
    m_desktop->answerNext(MessageAnswer::No);
    QVERIFY(!startWith());
    QCOMPARE(m_desktop->messages.size(), 3);
    for (int i : {0, 1}) {
        QCOMPARE(m_desktop->messages.at(i).text,
                 QStringLiteral("An unknown error has occurred.  Would you like to try again?"));
        QCOMPARE(m_desktop->messages.at(i).title, QStringLiteral("Retry"));
    }
    QCOMPARE(m_desktop->messages.at(2).title, QStringLiteral("Error"));
    QCOMPARE(m_db->fatalErrors.size(), 1);
}

void TestMainMenu::unreadableSettingsMayBeRetried()
{
    m_desktop->answerNext(MessageAnswer::Yes);
    m_desktop->answerNext(MessageAnswer::No);
    QVERIFY(!startWith("DROP TABLE customize"));
    QCOMPARE(m_desktop->messages.size(), 3);
    QCOMPARE(m_desktop->messages.at(0).title, QStringLiteral("Pray for Absolution"));
    QCOMPARE(m_desktop->messages.at(1).title, QStringLiteral("Pray for Absolution"));
    QVERIFY(m_desktop->messages.at(2).text.contains("was generated by getCustomization\r"));
    QCOMPARE(m_db->fatalErrors.size(), 1);
}

void TestMainMenu::settingsRowIsReadAndMended_data()
{
    QTest::addColumn<QString>("sql");
    QTest::addColumn<int>("interval");
    QTest::addColumn<QString>("reminder");
    QTest::addColumn<int>("toolBar");
    QTest::addColumn<int>("startForm");
    QTest::newRow("stored") << "UPDATE customize SET timerInterval = 7, personalReminder = 'Hi', "
                               "toolBar = 0, startForm = 2"
                            << 7000 << "Hi" << 0 << 2;
    QTest::newRow("too long") << "UPDATE customize SET timerInterval = 50" << 20000
                              << "Never run with scissors." << -1 << 4;
    QTest::newRow("too short") << "UPDATE customize SET timerInterval = -3" << 1000
                               << "Never run with scissors." << -1 << 4;
    QTest::newRow("empty fields")
        << "UPDATE customize SET timerInterval = NULL, personalReminder = NULL, toolBar = NULL, "
           "startForm = NULL"
        << 5000 << "Never run with scissors." << -1 << 4;
    QTest::newRow("nonsense") << "UPDATE customize SET timerInterval = 'soon', startForm = 70000"
                              << 5000 << "Never run with scissors." << -1 << -1;
    QTest::newRow("no row") << "DELETE FROM customize" << 5000 << "Never run with scissors." << -1
                            << 4;
}

void TestMainMenu::settingsRowIsReadAndMended()
{
    QFETCH(QString, sql);
    QFETCH(int, interval);
    QFETCH(QString, reminder);
    QFETCH(int, toolBar);
    QFETCH(int, startForm);
    QVERIFY(startWith(sql));
    QCOMPARE(int(runSettings().timerInterval), interval);
    QCOMPARE(runSettings().personalReminder, reminder);
    QCOMPARE(int(runSettings().toolBar), toolBar);
    QCOMPARE(int(runSettings().startForm), startForm);
    QVERIFY(m_window->isVisible());
    QVERIFY(m_desktop->messages.isEmpty());
    QVERIFY(!m_desktop->busy);
}

void TestMainMenu::startWindowNumbers_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("window");
    for (int number = 0; number <= 10; ++number)
        QTest::addRow("%d", number) << number << startWindowName(number);
    QTest::newRow("11") << 11 << QString();
    QTest::newRow("-1") << -1 << QString();
}

void TestMainMenu::startWindowNumbers()
{
    QFETCH(int, number);
    QFETCH(QString, window);
    useStandIns();
    QVERIFY(startWith(QStringLiteral("UPDATE customize SET startForm = %1").arg(number)));
    const QList<QMdiSubWindow*> open = m_window->frame()->subWindowList();
    if (window.isEmpty()) {
        QVERIFY(open.isEmpty());
    } else {
        QCOMPARE(open.size(), 1);
        QCOMPARE(open.first()->widget()->objectName(), window);
    }
    QVERIFY(m_window->findChild<QToolBar*>("pcbToolBar")->isVisible());
    if (number == 7)
        QCOMPARE(window, QStringLiteral("frmStoryWizard"));
}

void TestMainMenu::toolbarFlagHidesAndShowsTheToolbar()
{
    QVERIFY(startWith("UPDATE customize SET toolBar = 0"));
    auto* toolBar = m_window->findChild<QToolBar*>("pcbToolBar");
    QVERIFY(!toolBar->isVisible());
    QVERIFY(!toolBar->isEnabled());
    runSettings().toolBar = 1;
    m_window->setToolBar();
    QVERIFY(toolBar->isVisible());
    runSettings().toolBar = 0;
    m_window->setToolBar();
    runSettings().toolBar = -1;
    m_window->setToolBar();
    QVERIFY(toolBar->isVisible() && toolBar->isEnabled());
    QVERIFY(m_window->toolbarButton("cmdExit")->isEnabled());
}

void TestMainMenu::menusAndToolbarAreComplete()
{
    QVERIFY(startWith());
    QStringList titles;
    for (QAction* action : m_window->menuBar()->actions())
        titles << action->text();
    QCOMPARE(titles, (QStringList{"C&reative", "&Character", "&Story", "&Window", "&Help"}));

    QStringList creative;
    for (QAction* action : m_window->menu("Create_Main")->actions())
        creative << (action->isSeparator() ? "-" : action->text());
    QCOMPARE(creative, (QStringList{"&Brainstorm", "&Free Association", "&PsychoStimulatron", "-",
                                    "&Sentence Generator", "&Number Generator", "-",
                                    "&Customization", "-", "E&xit"}));
    QCOMPARE(m_window->menuEntry("Create_Brainstorm")->shortcut(), QKeySequence("Ctrl+F1"));
    QCOMPARE(m_window->menuEntry("Char_Name")->shortcut(), QKeySequence("Ctrl+F8"));
    QCOMPARE(m_window->menuEntry("Window_Arrange")->shortcut(), QKeySequence("Shift+F6"));
    QCOMPARE(m_window->menuEntry("mnu_personal_message")->shortcut(), QKeySequence("Ctrl+M"));
    QCOMPARE(m_window->menuEntry("Help_About")->text(), QStringLiteral("About the Quillane"));

    QStringList buttons;
    for (QToolButton* button :
         m_window->findChild<QToolBar*>("pcbToolBar")
             ->findChildren<QToolButton*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (!button->objectName().startsWith("cmd"))
            continue;
        buttons << button->objectName();
        QVERIFY(!button->icon().isNull());
        QCOMPARE(button->accessibleName(), button->toolTip());
    }
    QCOMPARE(buttons, (QStringList{"cmdBrainStorm", "cmdFreeAss", "cmdPsycho", "cmdSentence",
                                   "cmdCharGen", "cmdNumber", "cmdStoryWizard", "cmdCrystal",
                                   "cmdPlot", "cmdScene", "cmdHelp", "cmdCBT", "cmdExit"}));
    QCOMPARE(m_window->toolbarButton("cmdCBT")->toolTip(), QStringLiteral("Writer's Reference"));
}

void TestMainMenu::unbuiltToolsAreDisabled()
{
    ToolCatalog::setFactory("frmBrainstorm", {}); // as if it were not part of the program yet
    ToolCatalog::setFactory("frmSentence", [] { return new StandInWindow("frmSentence"); });
    QVERIFY(startWith());
    QVERIFY(m_window->menuEntry("Create_Sentence")->isEnabled());
    QVERIFY(m_window->toolbarButton("cmdSentence")->isEnabled());
    QVERIFY(!m_window->menuEntry("Create_Brainstorm")->isEnabled());
    QVERIFY(!m_window->toolbarButton("cmdBrainStorm")->isEnabled());
    QVERIFY(m_window->toolbarButton("cmdHelp")->isEnabled());
    QVERIFY(m_window->menuEntry("MNU_Exit")->isEnabled());
}

void TestMainMenu::secondOpenOnlyActivates()
{
    useStandIns();
    QVERIFY(startWith("UPDATE customize SET startForm = -1"));
    QTest::mouseClick(m_window->toolbarButton("cmdSentence"), Qt::LeftButton);
    QTest::mouseClick(m_window->toolbarButton("cmdSentence"), Qt::LeftButton);
    m_window->menuEntry("Create_Sentence")->trigger();
    QCOMPARE(m_window->frame()->subWindowList().size(), 1);
    auto* window = static_cast<StandInWindow*>(m_window->findToolWindow("frmSentence"));
    QCOMPARE(window->loads, 1);
    QCOMPARE(window->activations, 1);
    QVERIFY(!m_desktop->busy);
}

void TestMainMenu::activationShowsOneWindowAlone()
{
    useStandIns();
    QVERIFY(startWith("UPDATE customize SET startForm = -1"));
    ToolWindow* sentence = m_window->openToolWindow("frmSentence");
    ToolWindow* number = m_window->openToolWindow("frmNumberGenerator");
    auto child = [](ToolWindow* w) { return static_cast<QMdiSubWindow*>(w->parentWidget()); };
    QVERIFY(child(sentence)->isMinimized());
    QVERIFY(!child(number)->isMinimized());
    QCOMPARE(child(number)->pos(), QPoint(0, 0));
    QCOMPARE(m_window->frame()->activeSubWindow(), child(number));

    m_window->openToolWindow("frmSentence");
    QVERIFY(!child(sentence)->isMinimized());
    QVERIFY(child(number)->isMinimized());
    QCOMPARE(child(sentence)->pos(), QPoint(0, 0));
    QCOMPARE(static_cast<StandInWindow*>(sentence)->activations, 2);
    // The keyboard follows: typing goes to the window brought forward.
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<StandInWindow*>(sentence)->entry);
}

void TestMainMenu::windowMenuArrangesAndListsChildren()
{
    QVERIFY(startWith("UPDATE customize SET startForm = -1"));
    // Plain children: they have no activation of their own that would minimize the others.
    QMdiSubWindow* a = m_window->frame()->addSubWindow(new QWidget);
    QMdiSubWindow* b = m_window->frame()->addSubWindow(new QWidget);
    QMdiSubWindow* icon = m_window->frame()->addSubWindow(new QWidget);
    a->setWindowTitle("First");
    b->setWindowTitle("Second & more");
    icon->setWindowTitle("Icon");
    for (QMdiSubWindow* child : {a, b, icon})
        child->show();
    icon->showMinimized();

    m_window->menuEntry("Window_Tile")->trigger(); // side by side
    QCOMPARE(a->y(), b->y());
    QVERIFY(a->x() < b->x());
    QCOMPARE(a->height(), b->height());
    QVERIFY(icon->isMinimized());

    m_window->childFrame()->tile(Qt::Horizontal); // what every activation does: bands
    QCOMPARE(a->x(), b->x());
    QVERIFY(a->y() < b->y());
    QCOMPARE(a->width(), b->width());
    QVERIFY(!b->geometry().intersects(icon->geometry())); // the icon row stays free

    m_window->menuEntry("Window_Cascade")->trigger(); // overlapping, each offset
    QVERIFY(a->x() != b->x() && a->y() != b->y());
    QVERIFY(a->geometry().intersects(b->geometry()));

    icon->move(200, 100);
    m_window->menuEntry("Window_Arrange")->trigger();
    QCOMPARE(icon->x(), 0);
    QCOMPARE(icon->geometry().bottom(), m_window->frame()->viewport()->rect().bottom());

    QMenu* windowMenu = m_window->menu("Window_Main");
    emit windowMenu->aboutToShow();
    QStringList listed;
    for (QAction* action : windowMenu->actions())
        if (action->text().startsWith('&') && action->text().at(1).isDigit())
            listed << action->text();
    QCOMPARE(listed, (QStringList{"&1 First", "&2 Second && more", "&3 Icon"}));
}

void TestMainMenu::exitAsksFirst()
{
    QVERIFY(startWith());
    m_desktop->answerNext(MessageAnswer::No);
    m_window->menuEntry("MNU_Exit")->trigger();
    QCOMPARE(m_desktop->lastMessage(), QStringLiteral("Are you sure that you wish to exit?"));
    QCOMPARE(m_desktop->messages.last().title, QStringLiteral("Quillane"));
    QVERIFY(m_window->isVisible());
    QVERIFY(Database::isOpen());

    m_desktop->answerNext(MessageAnswer::No);
    QVERIFY(!m_window->close()); // the window frame's close box
    QVERIFY(m_window->isVisible());
    QVERIFY(Database::isOpen());

    m_desktop->answerNext(MessageAnswer::Yes);
    QTest::mouseClick(m_window->toolbarButton("cmdExit"), Qt::LeftButton);
    QVERIFY(!m_window->isVisible());
    QVERIFY(!Database::isOpen());
    QCOMPARE(m_desktop->messages.size(), 3);
}

void TestMainMenu::helpCommands()
{
    QVERIFY(startWith("UPDATE customize SET personalReminder = 'Back up your drafts.'"));
    const QString folder = m_db->folder();

    m_window->menuEntry("Help_How_To")->trigger();
    QCOMPARE(m_desktop->launched.last(),
             m_desktop->browser + ' ' + folder + "/quillane_online_help.htm");
    m_window->menuEntry("mnuCorvaneWeb")->trigger();
    QCOMPARE(m_desktop->launched.last(),
             m_desktop->browser + ' ' + QUrl::fromLocalFile(folder + "/features.htm").toString());
    m_desktop->launchWorks = false;
    m_window->menuEntry("Help_How_To")->trigger();
    QCOMPARE(m_desktop->messages.last().title, QStringLiteral("URL Failed"));
    m_desktop->browser.clear();
    m_window->menuEntry("Help_How_To")->trigger();
    QCOMPARE(m_desktop->messages.last().title, QStringLiteral("Browser Not Found"));
    QCOMPARE(m_desktop->lastMessage(),
             QStringLiteral("You must have an Internet browser for our help files.  Your browser "
                            "must recognize the .HTM extension for web files."));

    m_window->menuEntry("Help_CBT")->trigger();
    QCOMPARE(m_desktop->helpShown, QStringList{folder + "/writer.hlp"});
    m_desktop->helpWorks = false;
    QTest::mouseClick(m_window->toolbarButton("cmdCBT"), Qt::LeftButton);
    QCOMPARE(m_desktop->lastMessage(), QStringLiteral("Help could not be loaded."));
    QCOMPARE(m_desktop->messages.last().title, QStringLiteral("Help File Not Available"));

    m_window->menuEntry("mnu_personal_message")->trigger();
    QCOMPARE(m_desktop->lastMessage(), QStringLiteral("Back up your drafts."));
    QCOMPARE(m_desktop->messages.last().title, QStringLiteral("Personal Message"));

    m_window->menuEntry("Help_About")->trigger();
    QVERIFY(m_desktop->messages.last().title.startsWith("Quillane 98 (Windows 95, 98)."));
}

QTEST_MAIN(TestMainMenu)
#include "tst_mainmenu.moc"
