#include "app/ApplicationIdentity.h"
#include "app/HelpCommands.h"
#include "app/MainWindow.h"
#include "app/MenuLayout.h"
#include "app/StartUp.h"
#include "app/ToolCatalog.h"
#include "app/Translations.h"
#include "data/Database.h"
#include "generators/SentenceWindow.h"
#include "shared/widgets/AccessKeys.h"
#include "shared/widgets/ChildFrame.h"
#include "shared/widgets/RunPaths.h"
#include "shared/widgets/Settings.h"
#include "shared/widgets/ToolWindow.h"
#include "support/TestEnvironment.h"

#include <QtTest>
#include <QtWidgets>
#include <QXmlStreamReader>

namespace {

// Every tool window is a stand-in here, counting its loads and activations.
struct StandInWindow : ToolWindow
{
    explicit StandInWindow(const QString& name) : ToolWindow(name, name) {}
    void load() override { ++loads; }
    void activate() override
    {
        ++activations;
        ToolWindow::activate();
    }
    QLineEdit* entry = new QLineEdit(this);
    int loads = 0, activations = 0;
};

// Numbered as the start-window choices of the customization window.
const QStringList StartWindows = {"frmCharacter",   "frmNameGenerator", "frmNumberGenerator",
                                  "frmSentence",    "frmBrainstorm",    "frmFreeAss",
                                  "frmCrystalBall", "frmStoryWizard",   "frmPlot",
                                  "frmPsycho",      "frmStoryandStage"};

// A message of a translation catalogue.
struct CatalogueMessage
{
    QString context;
    QString source;
    QStringList translations; // one, or the plural forms
    QString type;             // "unfinished", "vanished", "obsolete", or empty when finished
};

// The messages of a catalogue (.ts) as its translation tools write it; none when it cannot be read.
QList<CatalogueMessage> readCatalogue(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QList<CatalogueMessage> messages;
    QXmlStreamReader xml(&file);
    QString context;
    CatalogueMessage message;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"name") {
            context = xml.readElementText();
        } else if (xml.name() == u"message") {
            message = {context, {}, {}, {}};
        } else if (xml.name() == u"source") {
            message.source = xml.readElementText();
        } else if (xml.name() == u"translation") {
            message.type = xml.attributes().value("type").toString();
            QString text;
            QStringList forms;
            while (!xml.atEnd() && !(xml.readNext() == QXmlStreamReader::EndElement &&
                                     xml.name() == u"translation")) {
                if (xml.isCharacters())
                    text += xml.text();
                else if (xml.isStartElement() && xml.name() == u"numerusform")
                    forms << xml.readElementText();
            }
            message.translations = forms.isEmpty() ? QStringList{text} : forms;
            messages << message;
        }
    }
    return xml.hasError() ? QList<CatalogueMessage>() : messages;
}

QString catalogue()
{
    return QStringLiteral(QUILLANE_SOURCE_DIR "/translations/quillane_de.ts");
}

// The translation of a message of the German catalogue, or an empty text.
QString germanOf(const char* context, const QString& source)
{
    for (const CatalogueMessage& message : readCatalogue(catalogue()))
        if (message.context == QLatin1String(context) && message.source == source)
            return message.translations.value(0);
    return {};
}

// The places a text fills in ("%1", "%L2", "%n"), each once, in order.
QStringList placesIn(const QString& text)
{
    static const QRegularExpression place(QStringLiteral("%(L?[1-9]|n)"));
    QStringList places;
    for (auto match = place.globalMatch(text); match.hasNext();)
        places << match.next().captured();
    places.sort();
    places.removeDuplicates();
    return places;
}

// How many Alt letters a caption marks, and how many literal ampersands it shows.
std::pair<qsizetype, qsizetype> ampersands(const QString& text)
{
    return {QString(text).remove(QStringLiteral("&&")).count(u'&'),
            text.count(QStringLiteral("&&"))};
}

} // namespace

class TestMainMenu : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestEnvironment> m_env;
    std::unique_ptr<MainWindow> m_window;

    // Starts the program, after changing its settings row when asked, and waits for it.
    bool startWith(const QString& settingsSql = QString(), const StartOptions& options = {})
    {
        if (!settingsSql.isEmpty() && !m_env->db.execute("UPDATE customize SET " + settingsSql))
            return false;
        Database::close();
        runPaths().programFolder = m_env->db.folder();
        m_window = std::make_unique<MainWindow>();
        return m_window->initializeEnvironment(options) &&
               QTest::qWaitForWindowActive(m_window.get());
    }
    ScriptedDesktop& desktop() { return m_env->desktop; }
    QAction* entry(const QString& name) { return m_window->findChild<QAction*>(name); }
    QToolButton* button(const QString& name) { return m_window->findChild<QToolButton*>(name); }
    QMdiArea* frame() { return m_window->findChild<QMdiArea*>(); }
    QToolBar* toolBar() { return m_window->findChild<QToolBar*>("pcbToolBar"); }
    void press(const QString& keys) { QTest::keySequence(m_window.get(), QKeySequence(keys)); }
    QWidget* child(const QString& name) { return m_window->findToolWindow(name)->parentWidget(); }
private slots:
    void initTestCase()
    {
        setApplicationIdentity();
        for (const QString& window :
             StartWindows + QStringList{"frmScene", "frmCustom", "frmSprint"})
            ToolCatalog::setFactory(window, [window] { return new StandInWindow(window); });
    }
    void init() { m_env = std::make_unique<TestEnvironment>(); }
    void cleanup()
    {
        m_window.reset();
        m_env.reset();
        runPaths() = RunPaths();
        Settings::instance().setValues(SettingsRow());
        setApplicationIdentity();
    }

    // The settings row as held (interval in ms, reminder, toolbar, start window, side by side), and
    // applied.
    void settingsRowIsReadAndApplied_data()
    {
        QTest::addColumn<QString>("row");
        QTest::newRow("stored") << "timerInterval = 7, personalReminder = 'Hi', toolBar = 0, "
                                   "startForm = 2, sideBySide = -1|7000 Hi 0 2 -1";
        QTest::newRow("too long") << "timerInterval = 50|20000 Never -1 4 0";
        QTest::newRow("too short") << "timerInterval = -3|1000 Never -1 4 0";
        QTest::newRow("empty") << "timerInterval = NULL, personalReminder = NULL, toolBar = NULL, "
                                  "startForm = NULL|5000 Never -1 4 0";
        QTest::newRow("nonsense") << "timerInterval = 'soon', startForm = 70000|5000 Never -1 -1 0";
        QTest::newRow("no row") << "|5000 Never -1 4 0";
        for (int n = -1; n <= StartWindows.size(); ++n) {
            const int held = n < StartWindows.size() ? n : -1;
            QTest::addRow("start %d", n)
                << QString("startForm = %1|5000 Never -1 %2 0").arg(n).arg(held);
        }
    }
    void settingsRowIsReadAndApplied()
    {
        QFETCH(QString, row);
        QVERIFY(!row.startsWith('|') || m_env->db.execute("DELETE FROM customize"));
        QVERIFY(startWith(row.section('|', 0, 0)));
        const Settings& run = Settings::instance();
        const QString reminder = run.personalReminder().replace("r run with scissors.", "r");
        const QString values = QString("%1 %2 %3 %4 %5").arg(run.timerInterval()).arg(reminder);
        QCOMPARE(values.arg(run.toolBarShown() ? -1 : 0)
                     .arg(run.startWindow())
                     .arg(run.sideBySide() ? -1 : 0),
                 row.section('|', 1));
        const QString start = StartWindows.value(run.startWindow());
        QCOMPARE(frame()->subWindowList().size(), start.isEmpty() ? 0 : 1);
        QVERIFY(start.isEmpty() || m_window->findToolWindow(start));
        QVERIFY(toolBar()->isVisible() == run.toolBarShown() && m_env->told().isEmpty() &&
                !desktop().busy);
    }

    // What the command line asks: a book's own database, named on the title bar, in the About box
    // and by its backups beside it; a tool window opened in front of the start window.
    void commandLineOptionsApply_data()
    {
        QTest::addColumn<QString>("book"); // the database's file; empty: the program's own
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("open"); // the tool windows, the active one last
        QTest::newRow("program's") << ""
                                   << ""
                                   << "Quillane 98"
                                   << "frmBrainstorm";
        QTest::newRow("book") << "mynovel.mdb"
                              << ""
                              << "Quillane 98 \u2014 mynovel.mdb"
                              << "frmBrainstorm";
        QTest::newRow("window") << ""
                                << "frmPlot"
                                << "Quillane 98"
                                << "frmBrainstorm frmPlot";
        QTest::newRow("the start window") << ""
                                          << "frmBrainstorm"
                                          << "Quillane 98"
                                          << "frmBrainstorm";
    }
    void commandLineOptionsApply()
    {
        QFETCH(QString, book);
        QFETCH(QString, window);
        QFETCH(QString, title);
        QFETCH(QString, open);
        const QString path = book.isEmpty() ? m_env->db.path() : m_env->db.folder() + "/" + book;
        Database::close();
        QVERIFY(book.isEmpty() || QFile::rename(m_env->db.path(), path));
        QVERIFY(startWith({}, {book.isEmpty() ? QString() : path, window, {}}));
        QCOMPARE(m_window->windowTitle(), title);
        QCOMPARE(QGuiApplication::applicationDisplayName(), title); // or the desktop adds it
        QCOMPARE(Database::path(), path);
        QStringList opened;
        for (QMdiSubWindow* child : frame()->subWindowList(QMdiArea::ActivationHistoryOrder))
            opened << child->widget()->objectName();
        QCOMPARE(opened.join(' '), open);
        QVERIFY(QFileInfo::exists(m_env->db.folder() + "/backups/" +
                                  QFileInfo(path).completeBaseName() + "-2026-12-06.mdb"));
        entry("Help_About")->trigger();
        QVERIFY(desktop().lastMessage().contains("\nYour work is saved in " + path + ".\n"));
    }

    // Each way to a tool window opens it once, with the keyboard; a later request brings it back
    // alone, restored at the top left, the others minimized.
    void menusKeysAndButtonsOpenTheirWindows_data()
    {
        QTest::addColumn<QString>("ways"); // menu entry, keys, toolbar button, window
        QTest::newRow("Brainstorm") << "Create_Brainstorm Ctrl+F1 cmdBrainStorm frmBrainstorm";
        QTest::newRow("Free") << "Create_Free Ctrl+F2 cmdFreeAss frmFreeAss";
        QTest::newRow("Psycho") << "Create_Psycho Ctrl+F3 cmdPsycho frmPsycho";
        QTest::newRow("Sentence") << "Create_Sentence Ctrl+F4 cmdSentence frmSentence";
        QTest::newRow("Number") << "Create_Number Ctrl+F5 cmdNumber frmNumberGenerator";
        QTest::newRow("Custom") << "mnuCustomizaton Ctrl+F6 - frmCustom";
        QTest::newRow("Character") << "Char_Gen Ctrl+F7 cmdCharGen frmCharacter";
        QTest::newRow("Name") << "Char_Name Ctrl+F8 - frmNameGenerator";
        QTest::newRow("Wizard") << "Story_Wizard Ctrl+Shift+W cmdStoryWizard frmStoryWizard";
        QTest::newRow("Crystal") << "Story_Ball Ctrl+Shift+B cmdCrystal frmCrystalBall";
        QTest::newRow("Stage") << "mnuStoryStage Ctrl+Shift+T - frmStoryandStage";
        QTest::newRow("Plot") << "Story_Plot Ctrl+Shift+P cmdPlot frmPlot";
        QTest::newRow("Scene") << "mnu_scene Ctrl+Shift+E cmdScene frmScene";
        QTest::newRow("Sprint") << "mnuWritingSprint - - frmSprint";
    }
    void menusKeysAndButtonsOpenTheirWindows()
    {
        QFETCH(QString, ways);
        const QStringList way = ways.split(' ');
        const QString target = way.at(3), other = target == "frmPlot" ? "frmScene" : "frmPlot";
        QVERIFY(startWith("startForm = -1"));
        const std::function<void()> requests[] = {
            [&] { entry(way.at(0))->trigger(); }, [&] { press(way.at(1)); },
            [&] { QTest::mouseClick(button(way.at(2)), Qt::LeftButton); }};
        for (int i = 0; i < 3; ++i) {
            if (way.at(i) == "-")
                continue;
            frame()->closeAllSubWindows();
            m_window->openToolWindow(other); // the keys must reach the frame past an open window
            requests[i]();
            QVERIFY2(m_window->findToolWindow(target), qPrintable(way.at(i)));
        }
        frame()->closeAllSubWindows(); // opened before another, then brought back
        entry(way.at(0))->trigger();
        auto* window = static_cast<StandInWindow*>(m_window->findToolWindow(target));
        QTRY_COMPARE(QApplication::focusWidget(), window->entry); // it has the keyboard
        entry(way.at(0))->trigger();                              // in front already
        m_window->openToolWindow(other);
        QVERIFY(child(target)->isMinimized() && frame()->activeSubWindow() == child(other) &&
                child(other)->pos() == QPoint(0, 0));
        entry(way.at(0))->trigger();
        QVERIFY(child(other)->isMinimized() && !child(target)->isMinimized());
        QVERIFY(child(target)->pos() == QPoint(0, 0) && frame()->subWindowList().size() == 2);
        QVERIFY(window->loads == 1 && window->activations == 2 && !desktop().busy);
        // The keys belong to this entry alone, and have no standard meaning on the desktop.
        QStringList owners;
        for (const QAction* action : m_window->findChildren<QAction*>())
            if (action->shortcuts().contains(QKeySequence(way.at(1))))
                owners << action->objectName();
        QCOMPARE(owners.join(' '), way.at(1) == "-" ? QString() : way.at(0));
        // Ctrl+F4 and Ctrl+F6, which close and step through the frame's children elsewhere,
        // have opened their windows here from the first.
        const bool longOwned = way.at(1) == "Ctrl+F4" || way.at(1) == "Ctrl+F6";
        for (int standard = QKeySequence::HelpContents;
             !longOwned && standard <= QKeySequence::Cancel; ++standard)
            QVERIFY2(!QKeySequence::keyBindings(QKeySequence::StandardKey(standard))
                          .contains(QKeySequence(way.at(1))),
                     qPrintable(way.at(1)));
        // The window opened second, brought back while the frame has the keyboard.
        m_window->openToolWindow(other);
        QCOMPARE(child(other)->pos(), QPoint(0, 0));
        QTRY_COMPARE(QApplication::focusWidget(),
                     static_cast<StandInWindow*>(m_window->findToolWindow(other))->entry);
        // Each carries the program's own icon on its title bar, as the frame does.
        QVERIFY(!QApplication::windowIcon().pixmap(16).isNull());
        for (QWidget* window : {child(target), child(other), static_cast<QWidget*>(m_window.get())})
            QCOMPARE(window->windowIcon().cacheKey(), QApplication::windowIcon().cacheKey());
    }

    // Side by side, activating a window leaves the others restored where they are, and Tile and
    // Cascade arrange every open window, the minimized ones too; switched off, the activated
    // window is alone again.
    void sideBySideWindowsStayAsTheyAre()
    {
        QVERIFY(startWith("startForm = -1, sideBySide = -1"));
        m_window->openToolWindow("frmPlot");
        child("frmPlot")->move(40, 30);
        m_window->openToolWindow("frmScene");
        entry("Story_Plot")->trigger(); // back to the plot window
        QVERIFY(!child("frmPlot")->isMinimized() && !child("frmScene")->isMinimized());
        QVERIFY(child("frmPlot")->pos() == QPoint(40, 30) &&
                frame()->activeSubWindow() == child("frmPlot"));
        for (const char* arrange : {"Shift+F5", "Shift+F4"}) { // Tile, Cascade
            child("frmScene")->showMinimized();                // and it stays an icon
            QVERIFY(child("frmScene")->isMinimized());
            press(arrange);
            QVERIFY2(!child("frmScene")->isMinimized() && child("frmPlot")->pos() != QPoint(40, 30),
                     arrange);
            child("frmPlot")->move(40, 30);
        }
        Settings::instance().setValues(SettingsRow());
        entry("Story_Plot")->trigger();
        entry("mnu_scene")->trigger();
        QVERIFY(child("frmPlot")->isMinimized() && child("frmScene")->pos() == QPoint(0, 0));
    }

    // Every message of the German catalogue is translated, not left over from an older source,
    // and fills in the same places and marks an Alt letter where its source does.
    void catalogueMessagesAreTranslated_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QStringList>("translations");
        QTest::addColumn<QString>("type");
        const QList<CatalogueMessage> messages = readCatalogue(catalogue());
        QVERIFY(messages.size() > 100);
        for (const CatalogueMessage& message : messages)
            QTest::addRow("%s: %s", qPrintable(message.context),
                          qPrintable(message.source.left(50)))
                << message.source << message.translations << message.type;
    }
    void catalogueMessagesAreTranslated()
    {
        QFETCH(QString, source);
        QFETCH(QStringList, translations);
        QFETCH(QString, type);
        QCOMPARE(type, QString());
        for (const QString& translation : std::as_const(translations)) {
            QVERIFY(!translation.isEmpty());
            QCOMPARE(placesIn(translation), placesIn(source));
            const auto [letters, literal] = ampersands(source);
            const auto [translatedLetters, translatedLiteral] = ampersands(translation);
            QCOMPARE(translatedLetters == 1, letters == 1);
            QCOMPARE(translatedLiteral, literal);
        }
    }

    // The catalogue holds every text of the sources as they are now, each translated.
    void catalogueIsUpToDate()
    {
        QString lupdate = QLibraryInfo::path(QLibraryInfo::BinariesPath) + "/lupdate";
        if (!QFileInfo(lupdate).isExecutable())
            lupdate = QStringLiteral("/usr/lib/qt6/bin/lupdate");
        if (!QFileInfo(lupdate).isExecutable())
            QSKIP("Qt's lupdate is not installed");
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        const QString fresh = folder.filePath("fresh.ts");
        QProcess run;
        run.start(lupdate, {"-silent", "-no-obsolete", QUILLANE_SOURCE_DIR "/src", "-ts", fresh});
        QVERIFY(run.waitForFinished(300000) && run.exitCode() == 0);
        QSet<QString> translated;
        for (const CatalogueMessage& message : readCatalogue(catalogue()))
            if (message.type.isEmpty() && !message.translations.value(0).isEmpty())
                translated << message.context + u'\n' + message.source;
        QStringList missing;
        const QList<CatalogueMessage> current = readCatalogue(fresh);
        QVERIFY(current.size() > 100);
        for (const CatalogueMessage& message : current)
            if (!translated.contains(message.context + u'\n' + message.source))
                missing << message.context + ": " + message.source;
        QVERIFY2(missing.isEmpty(), qPrintable(missing.mid(0, 20).join('\n')));
    }

    // The language the command line names, or the system's, speaks in the menus and the tool
    // windows; English, or the translations removed, speaks English.
    void interfaceSpeaksItsLanguage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<bool>("removed");
        QTest::addColumn<bool>("german");
        QTest::newRow("de") << "de" << false << true;
        QTest::newRow("de_AT") << "de_AT" << false << true;
        QTest::newRow("de removed") << "de" << true << false;
        QTest::newRow("en") << "en" << false << false;
        QTest::newRow("fr") << "fr" << false << false; // no catalogue
    }
    void interfaceSpeaksItsLanguage()
    {
        QFETCH(QString, language);
        QFETCH(bool, removed);
        QFETCH(bool, german);
        const auto english = qScopeGuard([] {
            removeTranslations();
            QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        });
        StartOptions options;
        QCOMPARE(startFromCommandLine({"quillane", "--language", language}, &options),
                 std::nullopt);
        if (removed)
            removeTranslations();
        const auto shown = [german](const char* context, const QString& source) {
            return german ? germanOf(context, source) : source;
        };
        QVERIFY(startWith());
        QStringList titles, expected;
        for (const MenuDefinition& menu : mainMenus()) {
            expected << shown("MenuLayout", menu.caption);
            QVERIFY(!expected.last().isEmpty());
        }
        for (QAction* title : m_window->menuBar()->actions())
            titles << title->text();
        QCOMPARE(titles, expected);
        QCOMPARE(entry("Create_Sentence")->text(),
                 shown("ToolWindowCatalog", "&Sentence Generator"));
        // Qt's own dialogs speak it too.
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&Yes") != "&Yes", german);

        SentenceWindow window;
        QCOMPARE(window.windowTitle(), shown("SentenceWindow", "Sentence Generator"));
        // The window marks its captions' Alt letters itself.
        const auto generate = window.findChild<QPushButton*>("cmdGenerate");
        QCOMPARE(generate->text().remove(u'&'),
                 shown("PatternListWindow", "&Generate").remove(u'&'));
    }

    // The toolbar shown again shows its pictures; the window menu arranges and lists children;
    // help commands and their failures; the reminder the run started with; exit asked, answered
    // No, No and Yes.
    void frameCommands()
    {
        QVERIFY(
            startWith("toolBar = 0, startForm = -1, personalReminder = 'Back up your drafts.'"));
        Settings::instance().setToolBarShown(true);
        QStringList listed; // the toolbar's buttons, then the window menu's entries
        for (auto* tool : toolBar()->findChildren<QToolButton*>(QRegularExpression("^cmd"))) {
            listed << tool->objectName();
            QVERIFY(tool->isVisible() && tool->isEnabled() && toolBar()->isEnabled());
            for (int size : {16, 24, 32}) {
                // A picture that fails to load or to draw gives a null or see-through pixmap.
                QImage blank(size, size, QImage::Format_ARGB32_Premultiplied);
                blank.fill(Qt::transparent);
                const QImage picture = tool->icon().pixmap(size, size).toImage();
                QVERIFY(picture.size() == blank.size() &&
                        picture.convertToFormat(blank.format()) != blank);
            }
        }

        // Plain children: they have no activation of their own that would minimize the others.
        QList<QMdiSubWindow*> children;
        for (const char* title : {"First", "Second & more", "Icon"}) {
            children << frame()->addSubWindow(new QWidget);
            children.last()->setWindowTitle(title);
            children.last()->show();
        }
        auto [a, b, icon] = std::tuple(children.at(0), children.at(1), children.at(2));
        icon->showMinimized();
        press("Shift+F5"); // Tile: side by side
        QVERIFY(a->y() == b->y() && a->x() < b->x() && a->height() == b->height());
        press("Shift+F4"); // Cascade: overlapping
        QVERIFY(a->x() != b->x() && a->y() != b->y() && a->geometry().intersects(b->geometry()));
        icon->move(200, 100);
        press("Shift+F6"); // Arrange Icons
        QCOMPARE(icon->geometry().bottomLeft(), frame()->viewport()->rect().bottomLeft());
        // What a window just did is told in the status bar.
        m_window->findChild<ChildFrame*>()->showStatus("Kept in the scene Harbour.");
        QCOMPARE(m_window->statusBar()->currentMessage(), "Kept in the scene Harbour.");
        auto* windowMenu = m_window->findChild<QMenu*>("Window_Main");
        emit windowMenu->aboutToShow();
        for (QAction* action : windowMenu->actions())
            listed << action->text();

        const QDir folder(m_env->db.folder());
        for (const QString& page : {HelpDocuments::OnlineHelp, HelpDocuments::Features})
            QVERIFY(QFile(folder.filePath(page)).open(QIODevice::WriteOnly));
        entry("Help_How_To")->trigger();
        entry("mnuCorvaneWeb")->trigger();
        desktop().launchWorks = false;
        entry("Help_How_To")->trigger();
        desktop().browser.clear();
        QTest::mouseClick(button("cmdHelp"), Qt::LeftButton);
        desktop().launchWorks = true;
        desktop().browser = QStringLiteral("/usr/bin/browser");
        QVERIFY(QFile::remove(folder.filePath(HelpDocuments::Features))); // finds no browser
        entry("mnuCorvaneWeb")->trigger();
        entry("Help_CBT")->trigger();
        desktop().helpWorks = false;
        QTest::mouseClick(button("cmdCBT"), Qt::LeftButton);
        Settings::instance().setPersonalReminder("Write daily."); // shown from the next start
        press("Ctrl+M");
        entry("Help_About")->trigger();
        entry("MNU_Exit")->trigger();
        QVERIFY(!m_window->close() && m_window->isVisible() && Database::isOpen()); // close box
        desktop().answerNext(MessageAnswer::Yes);
        QTest::mouseClick(button("cmdExit"), Qt::LeftButton);
        QVERIFY(!m_window->isVisible() && !Database::isOpen());
        // Every menu entry has an Alt letter of its own within its menu.
        for (QAction* title : m_window->menuBar()->actions()) {
            QString letters;
            for (QAction* item : title->menu()->actions()) {
                const QChar letter = AccessKeys::letterOf(item->text());
                QVERIFY2(item->isSeparator() || (!letter.isNull() && !letters.contains(letter)),
                         qPrintable(item->text()));
                letters += letter;
            }
        }
        QCOMPARE(listed.join('|') + '\n' + m_env->told(),
                 TestEnvironment::expectedOutput("mainmenu-commands.txt", true));
    }
};

QTEST_MAIN(TestMainMenu)
#include "tst_mainmenu.moc"
