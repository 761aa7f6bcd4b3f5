#include "app/MainWindow.h"
#include "app/ToolCatalog.h"
#include "data/Database.h"
#include "inspiration/BrainstormWindow.h"
#include "inspiration/CrystalBallWindow.h"
#include "inspiration/FreeAssociationWindow.h"
#include "inspiration/PsychoStimulatronWindow.h"
#include "inspiration/ShowerSurface.h"
#include "inspiration/StoryWizardWindow.h"
#include "shared/desktop/Clock.h"
#include "shared/widgets/ChildFrame.h"
#include "shared/widgets/Settings.h"
#include "support/TestEnvironment.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTimer>
#include <QTranslator>

#include <functional>

namespace {

const QHash<QString, std::function<std::unique_ptr<ToolWindow>()>> Openers = {
    {"brainstorm", TestEnvironment::open<BrainstormWindow>},
    {"freeassociation", TestEnvironment::open<FreeAssociationWindow>},
    {"crystalball", TestEnvironment::open<CrystalBallWindow>},
    {"storywizard", TestEnvironment::open<StoryWizardWindow>},
    {"psycho", TestEnvironment::open<PsychoStimulatronWindow>}};
// One word in each table the windows draw from, so that every word shows where it came from.
const QStringList Tables = {"questionWords", "noun",       "verb",     "adjective",
                            "adverb",        "femaleName", "maleName", "advice"};
const QStringList Words = {"Why", "Owl", "Sang", "Silver", "Softly", "Ada", "Bo", "Keep going."};
const QString SettingQuestion = QStringLiteral("Where does the story take place?");
const QString NoQuestions = QStringLiteral("There are no questions in this category yet.");
const QString NoTopic = QStringLiteral("You need to enter a topic.");
const QSet<QString> PromptWords = {"Why", "Owl", "Sang", "Silver", "Softly"};
const QSet<QString> PsychoWords = {"Owl", "Sang", "Silver", "Ada", "Bo"};
using Landings = QSet<QPoint>;

// A tool window that leaves the others as they are when it is activated.
class StayingWindow : public ToolWindow
{
public:
    StayingWindow() : ToolWindow("frmStandIn", "frmStandIn") {}
    void activate() override {}
};

} // namespace

// The inspiration windows; data rows are named after the window they open.
class TestInspiration : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestEnvironment> m_env;
    std::unique_ptr<MainWindow> m_main;
    std::unique_ptr<ToolWindow> m_owned;
    QPointer<ToolWindow> m_window;

    void open(const QString& window)
    {
        m_owned = Openers.value(window)();
        m_window = m_owned.get();
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window));
    }
    template <typename Control = QWidget> Control* w(const QString& name) const
    {
        auto* control = m_window->findChild<Control*>(name);
        if (!control)
            qFatal("No control %s", qPrintable(name));
        return control;
    }
    QString text(const QString& name) const { return shownText(w(name)); }
    bool focused(const QString& name) const { return w(name)->hasFocus(); }
    bool enabled(const QString& name) const { return w(name)->isEnabled(); }
    QListWidget* results() const { return w<QListWidget>("lstResults"); }
    // Buttons are clicked near their left edge, where a check box has its box.
    void click(const QString& name) const
    {
        QTest::mouseClick(w(name), Qt::LeftButton, {},
                          w(name)->inherits("QAbstractButton") ? QPoint(6, 8) : QPoint());
    }
    // Clicks the controls named, types a line, ended by Enter, into the boxes named "box=line",
    // fires the timers named, moves the clock on by "+seconds", presses Down in the box named
    // "box↓" and closes the window at "close".
    void play(const QStringList& steps) const
    {
        for (const QString& step : steps) {
            if (step.startsWith("tmr"))
                fire(step);
            else if (step.startsWith('+'))
                setFixedDateTime(currentDateTime().addSecs(step.toInt()));
            else if (step.endsWith(u'↓'))
                QTest::keyClick(w(step.chopped(1)), Qt::Key_Down);
            else if (step == "close")
                m_window->close();
            else if (step.contains('='))
                QTest::keyClicks(w(step.section('=', 0, 0)), step.section('=', 1) + '\r');
            else
                click(step);
        }
    }
    void fire(const QString& t) const { QMetaObject::invokeMethod(w<QTimer>(t), "timeout"); }
    // The texts a box shows after each of a number of draws.
    QSet<QString> shown(const QString& box, int draws, const std::function<void()>& draw) const
    {
        QSet<QString> texts;
        for (int i = 0; i < draws; ++i) {
            draw();
            texts << text(box);
        }
        return texts;
    }
    // Every place the word button lands when it jumps, many times over, from one start.
    Landings landings(QPoint start) const
    {
        Landings landed;
        for (int tick = 0; tick < 60; ++tick) {
            w("cmdPsycho")->move(start);
            fire("tmrMoveButton");
            landed.insert(w("cmdPsycho")->pos());
        }
        return landed;
    }

private slots:
    void init()
    {
        m_env = std::make_unique<TestEnvironment>();
        for (int i = 0; i < Tables.size(); ++i)
            QVERIFY(m_env->db.execute("DELETE FROM " + Tables.at(i)) &&
                    m_env->db.execute(QString("INSERT INTO %1 (ID, %1) VALUES (1, '%2')")
                                          .arg(Tables.at(i), Words.at(i).toLower())));
    }
    void cleanup()
    {
        // Children closed first: the frame announces activations while the main window goes.
        if (m_main)
            m_main->findChild<QMdiArea*>()->closeAllSubWindows();
        m_main.reset();
        m_owned.reset();
        m_env.reset();
        Settings::instance().setValues(SettingsRow());
    }

    // Each window's list as it hands it to the clipboard and the printer; an empty list is the
    // shared routines' to refuse.
    void resultsAreCopiedAndPrinted_data()
    {
        QTest::addColumn<QString>("steps"); // as play() takes them, joined by "|"
        QTest::newRow("brainstorm") << "txtTopic=Lighthouse|txtResponse=A keeper who cannot swim|"
                                       "txtResponse=  the lamp goes out  ";
        QTest::newRow("freeassociation") << "cmdGenerate|txtResponse=bird|txtResponse=";
        QTest::newRow("storywizard") << "txtAnswer=Mira|txtAnswer=|txtAnswer=The sea";
    }
    void resultsAreCopiedAndPrinted()
    {
        QFETCH(QString, steps);
        open(QTest::currentDataTag());
        play(steps.split('|'));
        QCOMPARE(results()->currentRow(), results()->count() - 1);
        const QString expected =
            TestEnvironment::expectedOutput(QString(QTest::currentDataTag()) + ".txt");
        QVERIFY(!expected.isEmpty());
        click("cmdClip");
        QCOMPARE(m_env->desktop.clipboard, expected);
        m_env->desktop.answerNext(MessageAnswer::Yes);
        click("cmdPrint");
        QCOMPARE(m_env->desktop.printed, QStringList{expected});
    }

    // The line under the cursor of each window's results is kept in a new character's notes from
    // the keyboard, with the window it came from and the date; the main window is told.
    void linesAreKeptInANewCharacter_data()
    {
        QTest::addColumn<QString>("steps"); // as play() takes them, joined by "|"
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("kept");
        QTest::newRow("brainstorm") << "txtTopic=Lighthouse|txtResponse=A keeper who cannot swim"
                                    << "lstResults"
                                    << "A keeper who cannot swim — Brainstorm";
        QTest::newRow("freeassociation") << "cmdGenerate|txtResponse=bird"
                                         << "lstResults"
                                         << "Stimulus: Owl      Response: bird — Free Association";
        QTest::newRow("crystalball") << "cmdAdvice"
                                     << "txtAdvice"
                                     << "Keep going. — Crystal Ball";
        QTest::newRow("storywizard") << "txtAnswer=Mira"
                                     << "lstResults"
                                     << "Answer: Mira — Story Wizard";
    }
    void linesAreKeptInANewCharacter()
    {
        QFETCH(QString, steps);
        QFETCH(QString, control);
        QFETCH(QString, kept);
        open(QTest::currentDataTag());
        ChildFrame frame(nullptr);
        m_window->setChildFrame(&frame);
        QSignalSpy told(&frame, &ChildFrame::statusShown);
        play(steps.split('|'));
        if (auto* list = qobject_cast<QListWidget*>(w(control))) // the line of the answer
            list->setCurrentItem(
                list->findItems(kept.section(" — ", 0, 0), Qt::MatchContains).value(0));
        w(control)->setFocus();
        QTest::keyClick(w(control), Qt::Key_K, Qt::ControlModifier);
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        QVERIFY(menu);
        QTest::keyClick(menu, Qt::Key_Return);
        QCOMPARE(m_env->db.scalar("SELECT Notes || '|' || coalesce(Name, '-') FROM character")
                     .toString(),
                 kept + ", 6 Dec 2026|-");
        QCOMPARE(told.value(0), QVariantList{"Kept in a new character."});
    }

    // Every prompt is rolled from a seed of its own, shown in its tooltip: Generate from Seed, in
    // the menu of the results or of the word, gives that prompt again, and asks first when a list
    // it drew from has changed since.
    void promptsAreRolledAgainFromTheirSeeds_data()
    {
        QTest::addColumn<QString>("steps");  // as play() takes them, joined by "|": the last draws
        QTest::addColumn<QString>("shower"); // the control that shows the prompt
        QTest::addColumn<QString>("menu");   // whose last command is Generate from Seed
        QTest::addColumn<QString>("list");   // the one drawn from; none: the table of the word
        QTest::newRow("brainstorm") << "txtTopic=Lighthouse|txtResponse=an idea"
                                    << "txtQuestionWord"
                                    << "mnuKeep"
                                    << "questionWords";
        QTest::newRow("brainstorm random kind")
            << "txtTopic=Lighthouse|chkTimer|chkRandom|tmrBrainstorm"
            << "txtQuestionWord"
            << "mnuKeep"
            << "";
        QTest::newRow("freeassociation") << "cmdGenerate|txtResponse=bird"
                                         << "txtStimulus"
                                         << "mnuKeep"
                                         << "Noun";
        QTest::newRow("crystalball") << "cmdAdvice"
                                     << "txtAdvice"
                                     << "mnuKeep"
                                     << "advice";
        QTest::newRow("psycho") << "tmrPsycho1"
                                << "cmdPsycho"
                                << "cmdPsycho"
                                << "";
    }
    void promptsAreRolledAgainFromTheirSeeds()
    {
        QFETCH(QString, steps);
        QFETCH(QString, shower);
        QFETCH(QString, menu);
        QFETCH(QString, list);
        // Many words a table, each naming its table ("Noun 7"), so that a seed has a choice.
        for (const QString& table : Tables) {
            QVERIFY(m_env->db.execute("DELETE FROM " + table));
            for (int row = 1; row <= 30; ++row)
                QVERIFY(m_env->db.execute(
                    QString("INSERT INTO %1 (ID, %1) VALUES (%2, '%1 %2')").arg(table).arg(row)));
        }
        open(QString(QTest::currentDataTag()).section(' ', 0, 0));
        play(steps.split('|'));
        for (QTimer* timer : m_window->findChildren<QTimer*>())
            timer->stop(); // the draws wait for the test
        auto* fromSeed = w<QAction>("actGenerateFromSeed");
        QCOMPARE(w(menu)->actions().last(), fromSeed);

        QList<std::pair<QString, QString>> drawn; // each prompt with its seed
        for (int draw = 0; draw < 5; ++draw) {
            play({steps.section('|', -1)});
            const QString tip = w(shower)->toolTip();
            QVERIFY2(QRegularExpression("^Seed \\d+$").match(tip).hasMatch(), qPrintable(tip));
            drawn.append({text(shower), tip.mid(5)});
        }
        for (const auto& [prompt, seed] : drawn) {
            m_env->desktop.typeNext(seed);
            fromSeed->trigger();
            QVERIFY(text(shower) == prompt && w(shower)->toolTip() == "Seed " + seed);
        }

        // After a list it drew from has changed, rolling the prompt's own seed asks first.
        QString table = list.isEmpty() ? text(shower).section(' ', 0, 0) : list;
        if (list.isEmpty())
            table[0] = table.at(0).toLower();
        QVERIFY(m_env->db.execute(
            QStringLiteral("DELETE FROM %1 WHERE rowid = (SELECT max(rowid) FROM %1)").arg(table)));
        const qsizetype told = m_env->desktop.messages.size();
        for (const MessageAnswer answer : {MessageAnswer::No, MessageAnswer::Yes}) {
            m_env->desktop.typeNext(drawn.last().second);
            m_env->desktop.answerNext(answer);
            fromSeed->trigger();
            QVERIFY(
                m_env->expectMessage("The lists this seed drew from have changed since: " + table +
                                         ".  The same seed may give another result.  "
                                         "Generate anyway?",
                                     "Generate from Seed", MessageIcon::Exclamation));
        }
        // No drew nothing, so Yes was asked too; Yes drew from the lists as they are now.
        m_env->desktop.typeNext(drawn.last().second);
        fromSeed->trigger();
        QCOMPARE(m_env->desktop.messages.size(), told + 2);
    }

    void timerFollowsItsBoxAtTheSettingsInterval_data()
    {
        // The timer, its word box, where the timer box puts the focus, Close, the word drawn and
        // what comes first, joined by "|".
        QTest::addColumn<QString>("row");
        QTest::newRow("brainstorm") << "tmrBrainstorm|txtQuestionWord|txtResponse|cmdOK|Why|"
                                       "txtTopic=Lighthouse";
        QTest::newRow("crystalball") << "tmrAdvice|txtAdvice|cmdAdvice|cmdClose|Keep going.";
    }
    void timerFollowsItsBoxAtTheSettingsInterval()
    {
        QFETCH(QString, row);
        const QStringList names = row.split('|');
        Settings::instance().setTimerInterval(50);
        open(QTest::currentDataTag());
        m_window->activate(); // activation neither draws nor starts anything
        auto* timer = w<QTimer>(names.at(0));
        QVERIFY(text(names.at(1)).isEmpty() && !timer->isActive() && timer->interval() == 50);
        play(names.mid(5));

        click("chkTimer");
        QVERIFY(timer->isActive() && focused(names.at(2)));
        QSignalSpy ticks(timer, &QTimer::timeout);
        QTRY_VERIFY(ticks.count() >= 3);
        // A new setting waits for the next activation, which keeps the timer running.
        Settings::instance().setTimerInterval(70);
        QVERIFY(text(names.at(1)) == names.at(4) && timer->interval() == 50);
        m_window->activate();
        QVERIFY(timer->interval() == 70 && timer->isActive());

        click("chkTimer");
        QVERIFY(!timer->isActive() && text(names.at(1)) == names.at(4)); // the last word stays
        play({"chkTimer", names.at(3)});
        QVERIFY(!m_window->isVisible() && !timer->isActive() && m_env->desktop.messages.isEmpty());
    }

    void topicIsAskedForOnlyWithinTheWindow()
    {
        // Inside the real main window, where switching, minimizing and closing move the focus.
        QVERIFY(m_env->db.execute("UPDATE customize SET startForm = -1"));
        Database::close();
        m_main = std::make_unique<MainWindow>();
        QVERIFY(m_main->initializeEnvironment() && QTest::qWaitForWindowActive(m_main.get()));
        const auto openInMainWindow = [&] {
            m_window = m_main->openToolWindow("frmBrainstorm");
            QTRY_VERIFY(focused("txtTopic")); // where activation leaves the focus
        };
        openInMainWindow();
        QTest::keyClick(w("txtTopic"), Qt::Key_Tab);
        QTRY_COMPARE(m_env->desktop.messages.size(), 1);
        QVERIFY(m_env->expectMessage(NoTopic, "Enter a Topic", MessageIcon::Information));
        click("cmdPrint"); // the click is finished before the message comes
        QTRY_COMPARE(m_env->desktop.messages.size(), 3);
        QVERIFY(m_env->expectMessage(NoTopic) && focused("txtTopic"));

        // Switching windows, minimizing or leaving the program is not leaving the topic box.
        m_main->openToolWindow("frmSentence");
        openInMainWindow();
        auto* subWindow = qobject_cast<QMdiSubWindow*>(m_window->parentWidget());
        subWindow->showMinimized();
        QCoreApplication::processEvents();
        subWindow->showNormal();
        w("txtTopic")->setFocus();
        QWidget elsewhere;
        elsewhere.show();
        QVERIFY(QTest::qWaitForWindowActive(&elsewhere));
        m_main->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_main.get()));
        // Nor is a click into the topic box of a window left open beside the active one.
        ToolCatalog::setFactory("frmStandIn", [] { return new StayingWindow; });
        m_main->openToolWindow("frmStandIn");
        click("txtTopic");
        QCoreApplication::processEvents();
        QVERIFY(m_main->findChild<QMdiArea*>()->activeSubWindow() == subWindow &&
                focused("txtTopic"));
        // Close closes, at a person's pace: what waits for the click runs before the release.
        QTest::mousePress(w("cmdOK"), Qt::LeftButton);
        QCoreApplication::processEvents();
        QTest::mouseRelease(w("cmdOK"), Qt::LeftButton);
        QTRY_VERIFY(m_window.isNull());
        QCoreApplication::processEvents();
        QCOMPARE(m_env->desktop.messages.size(), 3);

        // Every departure from a topic adds its line, again after another window.
        openInMainWindow();
        play({"txtTopic=Lighthouse"});
        m_main->openToolWindow("frmSentence");
        openInMainWindow();
        QTest::mouseClick(results()->viewport(), Qt::LeftButton);
        QVERIFY(focused("txtResponse") && results()->count() == 2); // the idea box takes over
        QCOMPARE(results()->item(1)->text(), QStringLiteral("Topic: Lighthouse"));
        play({"txtResponse=A keeper who cannot swim", "cmdClear"});
        QVERIFY(results()->count() == 0 && text("txtQuestionWord").isEmpty());
        QVERIFY(focused("txtResponse") && text("txtTopic") == "Lighthouse");
    }

    void promptWordsFollowTheKindAndTicksLeaveTheWriterWhereTheyAre()
    {
        Settings::instance().setTimerInterval(20);
        open("brainstorm");
        play({"txtTopic=Lighthouse"});
        const auto idea = [&] { play({"txtResponse=an idea"}); };
        for (int kind = 0; kind < 5; ++kind) {
            click(QString("optPrompt_%1").arg(kind)); // which draws nothing by itself
            QCOMPARE(text("txtQuestionWord"), kind > 0 ? Words.at(kind - 1) : QString());
            QCOMPARE(shown("txtQuestionWord", 3, idea), QSet<QString>{Words.at(kind)});
        }
        play({"txtResponse="}); // nothing typed: nothing happens
        QCOMPARE(results()->count(), 16);

        const auto tick = [&] { fire("tmrBrainstorm"); };
        play({"cmdClear", "chkRandom"});
        QCOMPARE(shown("txtQuestionWord", 20, tick), QSet<QString>{""}); // "Random" alone: none
        click("chkTimer");
        QCOMPARE(shown("txtQuestionWord", 60, tick), PromptWords);
        click("chkTimer");
        QVERIFY(!enabled("chkRandom") && w<QAbstractButton>("chkRandom")->isChecked());
        play({"chkTimer", "chkRandom"});
        QCOMPARE(shown("txtQuestionWord", 20, tick), QSet<QString>{"Softly"});

        // Ticks neither record nor empty the idea being typed.
        QTest::keyClicks(w("txtResponse"), "half an idea");
        QSignalSpy ticks(w<QTimer>("tmrBrainstorm"), &QTimer::timeout);
        QTRY_VERIFY(ticks.count() >= 3);
        QVERIFY(text("txtResponse") == "half an idea" && focused("txtResponse"));
        // Nor do they pull the writer out of the topic box halfway through a word.
        click("txtTopic");
        QTest::keyClicks(w("txtTopic"), " keeper");
        QTRY_VERIFY(ticks.count() >= 6 && focused("txtTopic"));
        click("chkTimer");
        QCOMPARE(results()->item(0)->text(), QStringLiteral("Topic: Lighthouse keeper"));
    }

    void freeAssociationGivesEachNounEightSeconds()
    {
        Settings::instance().setTimerInterval(1000); // the setting does not apply here
        open("freeassociation");
        auto* timer = w<QTimer>("tmrFreeAss");
        QVERIFY(!enabled("txtResponse") && !enabled("txtStimulus"));
        click("cmdGenerate");
        QVERIFY(text("cmdGenerate") == "&Stop" && focused("txtResponse"));
        QVERIFY(text("txtStimulus") == "Owl" && timer->interval() == 8000);
        for (const QString step : {"txtResponse=quick", "txtResponse=quick", "cmdClear"}) {
            QTRY_VERIFY(timer->remainingTime() < 7800);
            play({step});
            if (step == "cmdClear") // the drill goes on: an unanswered noun is replaced
                fire("tmrFreeAss");
            QVERIFY(timer->remainingTime() > 7900);
        }
        QVERIFY(text("txtStimulus") == "Owl" && results()->count() == 0); // and not recorded

        QTest::keyClicks(w("txtResponse"), "half typed");
        click("cmdGenerate");
        QVERIFY(text("cmdGenerate") == "&Start" && !timer->isActive() && !enabled("txtResponse"));
        QVERIFY(text("txtStimulus").isEmpty() && text("txtResponse").isEmpty());
        // Enter records the stimulus shown then, even none.
        play({"cmdGenerate", "cmdClear", "txtResponse=nothing"});
        QCOMPARE(results()->item(0)->text(), QStringLiteral("Stimulus:       Response: nothing"));
    }

    // Start and Stop follow the drill whatever the captions read, also in a language whose
    // captions get their Alt letters on screen.
    void freeAssociationStartsAndStopsInAnyLanguage()
    {
        struct Captions : QTranslator
        {
            bool isEmpty() const override { return false; }
            QString translate(const char*, const char* source, const char*, int) const override
            {
                return QHash<QString, QString>{{"&Start", "Begin"}, {"&Stop", "End"}}.value(source);
            }
        } captions;
        QCoreApplication::installTranslator(&captions);
        const auto uninstall = qScopeGuard([&] { QCoreApplication::removeTranslator(&captions); });
        open("freeassociation");
        click("cmdGenerate");
        QVERIFY(text("cmdGenerate").remove('&') == "End" && enabled("txtResponse"));
        click("cmdGenerate");
        QVERIFY(text("cmdGenerate").remove('&') == "Begin" && !enabled("txtResponse"));
    }

    // A drill is kept in the practice log when it ends (the window closes, its list is cleared,
    // its timer is switched off, another category starts) with what it showed, once; one that
    // produced nothing is not.
    void drillsAreKeptInThePracticeLog_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("steps"); // as play() takes them, joined by "|"
        // kind|start|seconds|prompts|responses|words, in order; "%1" stands for the psycho word
        QTest::addColumn<QStringList>("kept");
        const QString ideas = "txtTopic=Lighthouse|txtResponse=A keeper who cannot swim|+90|"
                              "txtResponse=  the lamp goes out  ";
        const QString brainstorm =
            "Brainstorm|09:30:00|90|Topic: Lighthouse/Why/Why|Topic: Lighthouse/A keeper who "
            "cannot swim/  the lamp goes out  |9";
        QTest::newRow("closed") << "brainstorm" << ideas + "|close" << QStringList{brainstorm};
        QTest::newRow("cleared, twice")
            << "brainstorm" << ideas + "|cmdClear|cmdClear|close" << QStringList{brainstorm};
        QTest::newRow("timer off")
            << "brainstorm"
            << "txtTopic=Sea|chkTimer|tmrBrainstorm|+30|txtResponse=Gulls|chkTimer|+10|"
               "txtResponse=Terns|close"
            << QStringList{"Brainstorm|09:30:00|30|Topic: Sea/Why/Why|Topic: Sea/Gulls|1",
                           "Brainstorm|09:30:40|0|Why|Terns|1"};
        QTest::newRow("no ideas")
            << "brainstorm"
            << "txtTopic=Lighthouse|chkTimer|tmrBrainstorm|chkTimer|cmdClear|close"
            << QStringList{};
        QTest::newRow("stopped, started, closed")
            << "freeassociation"
            << "cmdGenerate|+5|txtResponse=bird|+8|tmrFreeAss|cmdGenerate|cmdGenerate|"
               "txtResponse=wise|close"
            << QStringList{"Free Association|09:30:00|5|Owl/Owl/Owl|Stimulus: Owl      "
                           "Response: bird|1",
                           "Free Association|09:30:13|0|Owl/Owl|Stimulus: Owl      Response: "
                           "wise|1"};
        QTest::newRow("another category")
            << "storywizard"
            << "+60|txtAnswer=Mira Vance|txtAnswer=|cboQuestions↓|close"
            << QStringList{"Story Wizard|09:30:00|60|Who is your main character?/What does your "
                           "character want most?/What stands in the way?|Question: Who is your "
                           "main character?/Answer: Mira Vance/Question: What does your "
                           "character want most?/Answer: No response|2"};
        QTest::newRow("advice, timer off")
            << "crystalball"
            << "cmdAdvice|+20|chkTimer|tmrAdvice|chkTimer|cmdAdvice|close"
            << QStringList{"Crystal Ball|09:30:00|20|Keep going./Keep going.||0",
                           "Crystal Ball|09:30:20|0|Keep going.||0"};
        QTest::newRow("no advice") << "crystalball"
                                   << "close" << QStringList{};
        QTest::newRow("word clicked")
            << "psycho"
            << "cmdPsycho|close" << QStringList{"PsychoStimulatron|09:30:00|0|%1||0"};
    }
    void drillsAreKeptInThePracticeLog()
    {
        QFETCH(QString, window);
        QFETCH(QString, steps);
        QFETCH(QStringList, kept);
        open(window);
        if (window == "psycho") {
            m_env->desktop.answerNext(MessageAnswer::Ok);
            kept.replaceInStrings("%1", text("cmdPsycho"));
        }
        play(steps.split('|'));
        QCOMPARE(m_env->db.column("SELECT kind || '|' || substr(started, 12) || '|' || seconds || "
                                  "'|' || replace(prompts, char(10), '/') || '|' || "
                                  "replace(responses, char(10), '/') || '|' || words FROM "
                                  "practice ORDER BY ID"),
                 kept);
    }

    void crystalBallGivesAdviceOnRequest()
    {
        open("crystalball");
        click("cmdAdvice");
        QCOMPARE(text("txtAdvice"), QStringLiteral("Keep going."));
    }

    void categoryStartsAgainOnChoiceOrClearAndWhatCannotBeAskedIsTold()
    {
        QVERIFY(m_env->db.execute("INSERT INTO questions VALUES (99, 'plot', 'What goes wrong?')"));
        open("storywizard");
        play({"txtAnswer=Mira"});
        QTest::keyClick(w("cboQuestions"), Qt::Key_Down);
        QVERIFY(text("txtQuestion") == SettingQuestion && results()->count() == 0);
        play({"txtAnswer=A harbour town", "txtAnswer=At dawn"});
        QVERIFY(!enabled("txtQuestion") && !enabled("txtAnswer") && !enabled("lstResults"));
        QVERIFY(text("txtQuestion") == "When does it happen?" && text("txtAnswer").isEmpty());
        // Leaving the category box moves the focus to the answer box, unless it is off.
        w("cboQuestions")->setFocus();
        click("cmdPrint");
        QVERIFY(focused("cmdPrint"));
        click("cmdClear");
        QVERIFY(enabled("txtAnswer") && results()->count() == 0);

        // Clear keeps a half-typed answer and restarts the category typed in the box.
        QTest::keyClicks(w("txtAnswer"), "draft");
        w("cboQuestions")->setFocus();
        click("cmdClip");
        QTRY_VERIFY(focused("txtAnswer"));
        w<QComboBox>("cboQuestions")->lineEdit()->selectAll();
        QTest::keyClicks(w<QComboBox>("cboQuestions")->lineEdit(), "character");
        QCOMPARE(text("txtQuestion"), SettingQuestion);
        click("cmdClear");
        QVERIFY(text("txtQuestion") == "Who is your main character?" &&
                text("txtAnswer") == "draft");
        QTest::keyClick(w("cboQuestions"), Qt::Key_Down);
        QVERIFY(text("cboQuestions") == "Plot" && text("txtQuestion") == "What goes wrong?");

        // An empty or unreadable category is told; an unreadable list of categories is fatal.
        QVERIFY(m_env->db.execute("DELETE FROM questions WHERE category = 'Setting'"));
        QTest::keyClick(w("cboQuestions"), Qt::Key_Up);
        QVERIFY(m_env->expectMessage(NoQuestions, "Story Wizard", MessageIcon::Information));
        QVERIFY(!enabled("txtAnswer") && text("txtQuestion").isEmpty());
        QTest::keyClick(w("cboQuestions"), Qt::Key_Down);
        QVERIFY(enabled("txtAnswer"));
        QVERIFY(m_env->db.execute("UPDATE MSysQueries SET name = 'hidden ' || name"));
        QTest::keyClick(w("cboQuestions"), Qt::Key_Up);
        QVERIFY(m_env->desktop.lastMessage().startsWith(
            "The questions of this category could not be read.\n"));
        QVERIFY(m_env->desktop.messages.last().icon == MessageIcon::Exclamation);
        QVERIFY(m_env->db.execute("UPDATE MSysQueries SET name = substr(name, 8)"));
        QVERIFY(!enabled("txtAnswer") && m_env->db.fatalErrors.isEmpty());
        click("cmdClear");
        QVERIFY(m_env->expectMessage(NoQuestions) && !enabled("txtAnswer"));
        QVERIFY(m_env->db.execute("DROP VIEW questionCategory"));
        open("storywizard");
        QVERIFY(m_env->db.fatalErrors.size() == 1 && w<QComboBox>("cboQuestions")->count() == 0);
    }

    void psychoWordJumpsChangesAndIsOffered()
    {
        QMdiArea frame;
        frame.show();
        m_window = new PsychoStimulatronWindow;
        m_window->setChildFrame(new ChildFrame(&frame));
        m_window->load();
        QMdiSubWindow* child = frame.addSubWindow(m_window);
        child->show();
        child->setGeometry(50, 60, 600, 400);
        auto* period = w<QTimer>("tmrPsycho1");
        QVERIFY(PsychoWords.contains(text("cmdPsycho")) && period->isActive());
        QVERIFY(period->interval() == 6000 && w<QTimer>("tmrMoveButton")->interval() == 200);
        w<QTimer>("tmrMoveButton")->stop(); // the jumps wait for the test

        // Bounds: the outer window's top 60 and bottom 460, 0 and its right 650. On a bound the
        // button steps on, one past it comes back: landings up, down, right, left in turn.
        const int x = 650 - w("cmdPsycho")->width(), y = 460 - w("cmdPsycho")->height();
        QCOMPARE(landings({0, 60}), Landings({{0, 20}, {0, 100}, {40, 60}, {-40, 60}}));
        QCOMPARE(landings({-1, 59}), Landings({{-1, 193}, {-1, 99}, {39, 59}, {133, 59}}));
        QCOMPARE(landings({x, y}), Landings({{x, y - 40}, {x, y + 40}, {x + 40, y}, {x - 40, y}}));
        QCOMPARE(landings({x + 1, y + 1}),
                 Landings({{x + 1, y - 39}, {x + 1, 327}, {517, y + 1}, {x - 39, y + 1}}));

        // A precise timer tells the time left to the millisecond: a resize does not restart it.
        period->setTimerType(Qt::PreciseTimer);
        period->start();
        QTRY_VERIFY(period->remainingTime() < 5980);
        const int remaining = period->remainingTime();
        w<QPushButton>("cmdPsycho")->setText("-");
        child->resize(500, 350);
        QVERIFY(PsychoWords.contains(text("cmdPsycho")) && period->remainingTime() <= remaining);
        QCOMPARE(shown("cmdPsycho", 60, [&] { fire("tmrPsycho1"); }), PsychoWords);
        QTest::mouseClick(w("cmdPsycho"), Qt::LeftButton);
        QVERIFY(m_env->expectMessage(text("cmdPsycho"), "Think about this word.",
                                     MessageIcon::Information));

        // Each jump brings 100 circles: radii from 1 to 300 pixels, centres on the surface.
        auto* surface = w<ShowerSurface>("shower");
        fire("tmrMoveButton");
        QCOMPARE(surface->shower().size(), 100);
        for (const CircleShower::Circle& circle : surface->shower())
            QVERIFY(circle.radius >= 1 && circle.radius <= 300 &&
                    surface->rect().adjusted(1, 1, 1, 1).contains(circle.centre));
        // Painting again, as after being covered and uncovered, shows the same shower.
        w("cmdPsycho")->hide(); // only the circles
        const QImage picture = surface->grab().toImage();
        QVERIFY(surface->grab().toImage() == picture);
        fire("tmrMoveButton");
        QVERIFY(surface->grab().toImage() != picture);

        // Activated, it fills the frame; closed, it leaves the frame's next child unmaximized.
        QMdiSubWindow* other = frame.addSubWindow(new QWidget);
        other->show();
        m_window->activate();
        QVERIFY(child->isMaximized() && other->isMinimized() && !m_env->desktop.busy);
        w<QTimer>("tmrMoveButton")->start();
        m_window->unload();
        QVERIFY(!child->isVisible() && child->windowState() == Qt::WindowNoState);
        QVERIFY(!w<QTimer>("tmrMoveButton")->isActive() && !w<QTimer>("tmrPsycho1")->isActive());
    }
};

QTEST_MAIN(TestInspiration)
#include "tst_inspiration.moc"
