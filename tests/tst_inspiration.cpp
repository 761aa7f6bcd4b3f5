#include "app/frmMainMenu.h"
#include "app/ToolCatalog.h"
#include "data/Database.h"
#include "inspiration/BrainstormWindow.h"
#include "inspiration/CrystalBallWindow.h"
#include "inspiration/FreeAssociationWindow.h"
#include "inspiration/StoryWizardWindow.h"
#include "shared/RunSettings.h"
#include "support/TestEnvironment.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

namespace {

// The brainstorm prompt kinds, in the order of the option buttons.
const QStringList PromptTables = {"questionWords", "noun", "verb", "adjective", "adverb"};
const QString FirstQuestion = QStringLiteral("Who is your main character?");
const QString SettingQuestion = QStringLiteral("Where does the story take place?");
const QString NoQuestions = QStringLiteral("There are no questions in this category yet.");

// A tool window that leaves the others as they are when it is activated.
class StayingWindow : public ToolWindow
{
public:
    StayingWindow() : ToolWindow("frmStandIn", "frmStandIn") {}
    void activate() override {}
};

QString fixture(const QString& path)
{
    QFile file(QStringLiteral(QUILLANE_FIXTURES_DIR "/") + path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// A fixture table's words as drawn: first letter upper-cased.
QStringList words(const QString& table)
{
    QStringList result;
    for (const QString& word : fixture("tables/" + table + ".txt").split('\n', Qt::SkipEmptyParts))
        result << word.left(1).toUpper() + word.mid(1);
    return result;
}

} // namespace

// The brainstorm, free association, crystal ball and story wizard windows.
class TestInspiration : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestEnvironment> m_env;
    std::unique_ptr<frmMainMenu> m_main;
    std::unique_ptr<ToolWindow> m_owned;
    QPointer<ToolWindow> m_window;

    void open(const QString& window)
    {
        if (window == "brainstorm")
            m_owned = TestEnvironment::open<BrainstormWindow>();
        else if (window == "freeassociation") {
            // One noun, so every stimulus is known.
            QVERIFY(m_env->db.execute("DELETE FROM noun"));
            QVERIFY(m_env->db.execute("INSERT INTO noun VALUES (1, 'owl')"));
            m_owned = TestEnvironment::open<FreeAssociationWindow>();
        } else if (window == "crystalball")
            m_owned = TestEnvironment::open<CrystalBallWindow>();
        else
            m_owned = TestEnvironment::open<StoryWizardWindow>();
        m_window = m_owned.get();
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window));
    }
    // The brainstorm window inside the real main window, so that switching, minimizing and
    // closing move the focus as they do for the writer.
    void openInMainWindow()
    {
        if (!m_main) {
            QVERIFY(m_env->db.execute("UPDATE customize SET startForm = -1"));
            Database::close();
            runSettings().programFolder = m_env->db.folder();
            m_main = std::make_unique<frmMainMenu>();
            QVERIFY(m_main->initializeEnvironment());
            QVERIFY(QTest::qWaitForWindowActive(m_main.get()));
        }
        m_window = m_main->openToolWindow("frmBrainstorm");
        QTRY_VERIFY(w("txtTopic")->hasFocus()); // where activation leaves the focus
    }
    template <typename Control = QWidget> Control* w(const QString& name) const
    {
        auto* control = m_window->findChild<Control*>(name);
        if (!control)
            qFatal("No control %s", qPrintable(name));
        return control;
    }
    QString text(const QString& name) const
    {
        return w(name)
            ->property(w(name)->inherits("QPlainTextEdit") ? "plainText" : "text")
            .toString();
    }
    QListWidget* results() const { return w<QListWidget>("lstResults"); }
    void click(const QString& name) const { QTest::mouseClick(w(name), Qt::LeftButton); }
    void type(const QString& box, const QString& line) const
    {
        QTest::keyClicks(w(box), line);
        QTest::keyClick(w(box), Qt::Key_Return);
    }
    // Clicks the buttons named and types a line into the boxes named "box=line".
    void play(const QStringList& steps) const
    {
        for (const QString& step : steps) {
            if (step.contains('='))
                type(step.section('=', 0, 0), step.section('=', 1));
            else
                click(step);
        }
    }
    void chooseCategory(Qt::Key key) const { QTest::keyClick(w("cboQuestions"), key); }
    void typeCategory(const QString& category) const
    {
        w<QComboBox>("cboQuestions")->lineEdit()->selectAll();
        QTest::keyClicks(w<QComboBox>("cboQuestions")->lineEdit(), category);
    }

private slots:
    void init() { m_env = std::make_unique<TestEnvironment>(); }
    void cleanup()
    {
        // Children closed first: the frame announces activations while the main window goes.
        if (m_main)
            m_main->frame()->closeAllSubWindows();
        m_main.reset();
        m_owned.reset();
        ToolCatalog::setFactory("frmStandIn", {});
        m_env.reset();
        runSettings() = RunSettings();
    }

    void resultsAreCopiedPrintedAndCleared_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QStringList>("steps");
        QTest::newRow("brainstorm")
            << "brainstorm"
            << QStringList{"txtTopic=Lighthouse", "txtResponse=A keeper who cannot swim",
                           "txtResponse=  the lamp goes out  "};
        QTest::newRow("free association")
            << "freeassociation" << QStringList{"cmdGenerate", "txtResponse=bird", "txtResponse="};
        QTest::newRow("story wizard")
            << "storywizard" << QStringList{"txtAnswer=Mira", "txtAnswer=", "txtAnswer=The sea"};
    }
    void resultsAreCopiedPrintedAndCleared()
    {
        QFETCH(QString, window);
        QFETCH(QStringList, steps);
        open(window);
        play(steps);
        QCOMPARE(results()->currentRow(), results()->count() - 1);
        const QString expected = fixture("expected/" + window + ".txt");
        click("cmdClip");
        QCOMPARE(m_env->desktop.clipboard, expected);
        QCOMPARE(m_env->desktop.messages.last().title, QStringLiteral("Clipboard Paste"));
        m_env->desktop.answerNext(MessageAnswer::Yes);
        click("cmdPrint");
        QCOMPARE(m_env->desktop.printed, QStringList{expected});

        results()->clear(); // the story wizard's Clear starts its category again
        for (const char* button : {"cmdClip", "cmdPrint"}) {
            click(button);
            QVERIFY(m_env->expectMessage("There are no items in this list.", "No Items",
                                         MessageIcon::Critical));
        }
        QCOMPARE(m_env->desktop.messages.size(), 4);
        QVERIFY(m_env->desktop.clipboard == expected && m_env->desktop.printed.size() == 1);
    }

    void timerFollowsItsBoxAtTheSettingsInterval_data()
    {
        // The window, its timer, the box that shows each word, the table the words come from,
        // the control the timer box hands the focus to, the close button and what comes first.
        QTest::addColumn<QStringList>("names");
        QTest::newRow("brainstorm")
            << QStringList{"brainstorm",  "tmrBrainstorm", "txtQuestionWord",    "questionWords",
                           "txtResponse", "cmdOK",         "txtTopic=Lighthouse"};
        QTest::newRow("crystal ball") << QStringList{"crystalball", "tmrAdvice", "txtAdvice",
                                                     "advice",      "cmdAdvice", "cmdClose"};
    }
    void timerFollowsItsBoxAtTheSettingsInterval()
    {
        QFETCH(QStringList, names);
        runSettings().timerInterval = 50;
        open(names.at(0));
        m_window->activate(); // activation neither draws nor starts anything
        auto* timer = w<QTimer>(names.at(1));
        QVERIFY(text(names.at(2)).isEmpty() && !timer->isActive() && !m_env->desktop.busy);
        QCOMPARE(timer->interval(), 50);
        play(names.mid(6));

        tick(w<QCheckBox>("chkTimer"));
        QVERIFY(timer->isActive() && w(names.at(4))->hasFocus());
        QSignalSpy ticks(timer, &QTimer::timeout);
        QTRY_VERIFY(ticks.count() >= 3);
        QVERIFY(words(names.at(3)).contains(text(names.at(2))));
        // A new setting waits for the next activation, which keeps the timer running.
        runSettings().timerInterval = 70;
        QCOMPARE(timer->interval(), 50);
        m_window->activate();
        QVERIFY(timer->interval() == 70 && timer->isActive());

        tick(w<QCheckBox>("chkTimer"));
        QVERIFY(!timer->isActive());
        QVERIFY(words(names.at(3)).contains(text(names.at(2)))); // the last word stays
        tick(w<QCheckBox>("chkTimer"));
        click(names.at(5));
        QVERIFY(!m_window->isVisible() && !timer->isActive());
        QVERIFY(m_env->desktop.messages.isEmpty());
    }

    void ideasBringWordsOfTheSelectedKind_data()
    {
        QTest::addColumn<int>("kind");
        for (int kind = 0; kind < PromptTables.size(); ++kind)
            QTest::newRow(qPrintable(PromptTables.at(kind))) << kind;
    }
    void ideasBringWordsOfTheSelectedKind()
    {
        QFETCH(int, kind);
        const QStringList kindWords = words(PromptTables.at(kind));
        openInMainWindow();
        type("txtTopic", "Lighthouse");
        QVERIFY(w("txtResponse")->hasFocus());
        QTest::mouseClick(w(QString("optPrompt_%1").arg(kind)), Qt::LeftButton, {}, QPoint(6, 8));
        QVERIFY(text("txtQuestionWord").isEmpty()); // the choice draws nothing by itself
        for (const QString idea : {"A keeper who cannot swim", "fog, 1903"}) {
            type("txtResponse", idea);
            QCOMPARE(results()->item(results()->count() - 1)->text(), idea);
            QVERIFY(text("txtResponse").isEmpty() && w("txtResponse")->hasFocus());
            QVERIFY2(kindWords.contains(text("txtQuestionWord")),
                     qPrintable(text("txtQuestionWord")));
        }
        const QString shown = text("txtQuestionWord");
        QTest::keyClick(w("txtResponse"), Qt::Key_Return); // nothing typed: nothing happens
        QVERIFY(results()->count() == 3 && text("txtQuestionWord") == shown);
    }

    void everyDepartureFromTheTopicAddsALine()
    {
        openInMainWindow();
        QTest::keyClicks(w("txtTopic"), "Lighthouse");
        QTest::keyClick(w("txtTopic"), Qt::Key_Tab);
        QVERIFY(w("txtResponse")->hasFocus());
        QTest::mouseClick(w("txtTopic"), Qt::LeftButton);
        QTest::mouseClick(results()->viewport(), Qt::LeftButton);
        QVERIFY(w("txtResponse")->hasFocus()); // the idea box takes over
        QCOMPARE(results()->count(), 2);

        // Another window and back: activation puts the focus in the topic box again.
        QTest::mouseClick(w("txtTopic"), Qt::LeftButton);
        m_main->openToolWindow("frmSentence");
        openInMainWindow();
        QCOMPARE(results()->count(), 2);
        QTest::keyClick(w("txtTopic"), Qt::Key_Return);
        QCOMPARE(results()->count(), 3);
        QCOMPARE(results()->item(2)->text(), QStringLiteral("Topic: Lighthouse"));

        type("txtResponse", "A keeper who cannot swim");
        click("cmdClear");
        QVERIFY(results()->count() == 0 && text("txtQuestionWord").isEmpty());
        QVERIFY(w("txtResponse")->hasFocus() && text("txtTopic") == "Lighthouse");
        QCoreApplication::processEvents();
        QVERIFY(m_env->desktop.messages.isEmpty());
    }

    void emptyTopicIsAskedForWithinTheWindow()
    {
        openInMainWindow();
        QTest::keyClick(w("txtTopic"), Qt::Key_Tab);
        QTRY_COMPARE(m_env->desktop.messages.size(), 1);
        QVERIFY(m_env->expectMessage("You need to enter a topic.", "Enter a Topic",
                                     MessageIcon::Information));
        QVERIFY(w("txtTopic")->hasFocus());
        // A click on a button is finished before the message comes.
        click("cmdPrint");
        QTRY_COMPARE(m_env->desktop.messages.size(), 3);
        QCOMPARE(m_env->desktop.messages.at(1).title, QStringLiteral("No Items"));
        QVERIFY(m_env->expectMessage("You need to enter a topic."));
        QVERIFY(w("txtTopic")->hasFocus());
    }

    void emptyTopicNeverTraps()
    {
        openInMainWindow();
        m_main->openToolWindow("frmSentence");
        QCoreApplication::processEvents();
        openInMainWindow();
        auto* subWindow = qobject_cast<QMdiSubWindow*>(m_window->parentWidget());
        subWindow->showMinimized();
        QCoreApplication::processEvents();
        subWindow->showNormal();
        w("txtTopic")->setFocus();
        QWidget elsewhere;
        elsewhere.show();
        elsewhere.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&elsewhere));
        m_main->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_main.get()));

        // A click into the topic box of a window left open beside the active one: the
        // activation moves the focus about, the writer does not.
        ToolCatalog::setFactory("frmStandIn", [] { return new StayingWindow; });
        m_main->openToolWindow("frmStandIn");
        QTest::mouseClick(w("txtTopic"), Qt::LeftButton);
        QCOMPARE(m_main->frame()->activeSubWindow(), subWindow);
        QCoreApplication::processEvents();
        QVERIFY(w("txtTopic")->hasFocus());
        QVERIFY2(m_env->desktop.messages.isEmpty(), qPrintable(m_env->desktop.lastMessage()));

        // Close, at a person's pace: whatever waits for the click to end runs before the release.
        QTest::mousePress(w("cmdOK"), Qt::LeftButton);
        QCoreApplication::processEvents();
        QTest::mouseRelease(w("cmdOK"), Qt::LeftButton);
        QTRY_VERIFY(m_window.isNull());
        QCoreApplication::processEvents();
        QVERIFY2(m_env->desktop.messages.isEmpty(), qPrintable(m_env->desktop.lastMessage()));
    }

    void ticksLeaveTheWriterWhereTheyAre()
    {
        runSettings().timerInterval = 20;
        open("brainstorm");
        type("txtTopic", "Lighthouse");
        tick(w<QCheckBox>("chkTimer"));
        // Ticks draw words but neither record nor empty the idea being typed.
        QTest::keyClicks(w("txtResponse"), "half an idea");
        QSignalSpy ticks(w<QTimer>("tmrBrainstorm"), &QTimer::timeout);
        QTRY_VERIFY(ticks.count() >= 3);
        QVERIFY(text("txtResponse") == "half an idea" && w("txtResponse")->hasFocus());
        // Nor do they pull the writer out of the topic box halfway through a word.
        QTest::mouseClick(w("txtTopic"), Qt::LeftButton);
        QTest::keyClicks(w("txtTopic"), " keeper");
        QTRY_VERIFY(ticks.count() >= 6);
        QVERIFY(w("txtTopic")->hasFocus());
        tick(w<QCheckBox>("chkTimer"));
        QCOMPARE(results()->item(1)->text(), QStringLiteral("Topic: Lighthouse keeper"));
    }

    void randomKindsFollowTheTimer()
    {
        QList<QStringList> kindWords;
        for (const QString& table : PromptTables)
            kindWords << words(table);
        open("brainstorm");
        const auto kindsDrawn = [&](int ticks) {
            QSet<int> kinds;
            for (int i = 0; i < ticks; ++i) {
                QMetaObject::invokeMethod(w<QTimer>("tmrBrainstorm"), "timeout");
                for (int kind = 0; kind < kindWords.size(); ++kind) {
                    if (kindWords.at(kind).contains(text("txtQuestionWord")))
                        kinds.insert(kind);
                }
            }
            return kinds;
        };
        auto* random = w<QCheckBox>("chkRandom");
        tick(random);
        QCOMPARE(kindsDrawn(20), QSet<int>()); // "Random" alone draws nothing
        tick(w<QCheckBox>("chkTimer"));
        QCOMPARE(kindsDrawn(100), QSet<int>({0, 1, 2, 3, 4}));
        tick(w<QCheckBox>("chkTimer"));
        QVERIFY(!random->isEnabled() && random->isChecked());
        tick(w<QCheckBox>("chkTimer"));
        QVERIFY(random->isEnabled());
        QCOMPARE(kindsDrawn(100).size(), 5);
        tick(random);
        QCOMPARE(kindsDrawn(30), QSet<int>({0}));
    }

    void startAndStopFollowTheCaption()
    {
        open("freeassociation");
        auto* timer = w<QTimer>("tmrFreeAss");
        QVERIFY(!w("txtResponse")->isEnabled() && !w("txtStimulus")->isEnabled());
        click("cmdGenerate");
        QCOMPARE(text("cmdGenerate"), QStringLiteral("&Stop"));
        QVERIFY(w("txtResponse")->isEnabled() && w("txtResponse")->hasFocus());
        QVERIFY(text("txtStimulus") == "Owl" && timer->isActive());
        type("txtResponse", "bird");
        QTest::keyClicks(w("txtResponse"), "half typed");
        click("cmdGenerate");
        QCOMPARE(text("cmdGenerate"), QStringLiteral("&Start"));
        QVERIFY(text("txtStimulus").isEmpty() && text("txtResponse").isEmpty());
        QVERIFY(!w("txtResponse")->isEnabled() && !timer->isActive());
        QCOMPARE(results()->count(), 1); // the record stays

        // The pair is the stimulus shown at Enter, not the one drawn after it.
        click("cmdGenerate");
        click("cmdClear");
        QVERIFY(text("txtStimulus").isEmpty() && timer->isActive());
        type("txtResponse", "nothing");
        QCOMPARE(results()->item(0)->text(), QStringLiteral("Stimulus:       Response: nothing"));
    }

    void everyNounHasEightSeconds()
    {
        runSettings().timerInterval = 1000; // the setting does not apply here
        open("freeassociation");
        auto* timer = w<QTimer>("tmrFreeAss");
        click("cmdGenerate");
        QCOMPARE(timer->interval(), 8000);
        for (int i = 0; i < 2; ++i) {
            QTRY_VERIFY(timer->remainingTime() < 7800);
            type("txtResponse", "quick");
            QVERIFY(timer->remainingTime() > 7900);
        }
        // An unanswered noun is replaced, and its period starts again, without a record.
        click("cmdClear");
        QTRY_VERIFY(timer->remainingTime() < 7800);
        QMetaObject::invokeMethod(timer, "timeout");
        QVERIFY(text("txtStimulus") == "Owl" && timer->remainingTime() > 7900);
        QCOMPARE(results()->count(), 0);
    }

    void adviceComesFromTheTable()
    {
        open("crystalball");
        QSet<QString> seen;
        for (int i = 0; i < 20; ++i) {
            click("cmdAdvice");
            QVERIFY(words("advice").contains(text("txtAdvice")));
            seen.insert(text("txtAdvice"));
        }
        QVERIFY(seen.size() > 2);
    }

    void walksThroughACategory()
    {
        open("storywizard");
        QCOMPARE(w<QComboBox>("cboQuestions")->currentText(), QStringLiteral("Character"));
        QVERIFY(text("txtQuestion") == FirstQuestion && !m_env->desktop.busy);
        for (const char* answer : {"Mira", "", "The sea"}) {
            QVERIFY(w("txtAnswer")->isEnabled());
            type("txtAnswer", answer);
        }
        for (const char* area : {"txtQuestion", "txtAnswer", "lstResults"})
            QVERIFY(!w(area)->isEnabled());
        QVERIFY(text("txtQuestion") == "What stands in the way?" && text("txtAnswer").isEmpty());
        QCOMPARE(results()->count(), 6);
    }

    void anotherCategoryOrClearRestarts()
    {
        QVERIFY(m_env->db.execute("INSERT INTO questions (category, question) VALUES "
                                  "('plot', 'What goes wrong first?')"));
        open("storywizard");
        QCOMPARE(w<QComboBox>("cboQuestions")->itemText(2), QStringLiteral("Plot"));
        type("txtAnswer", "Mira");
        chooseCategory(Qt::Key_Down);
        QVERIFY(text("txtQuestion") == SettingQuestion && results()->count() == 0);
        type("txtAnswer", "A harbour town");
        type("txtAnswer", "");
        QVERIFY(!w("txtAnswer")->isEnabled());
        click("cmdClear");
        QVERIFY(w("txtAnswer")->isEnabled() && results()->count() == 0);
        QCOMPARE(text("txtQuestion"), SettingQuestion);

        // Clear keeps a half-typed answer and restarts the category typed in the box.
        QTest::keyClicks(w("txtAnswer"), "draft");
        typeCategory("character");
        QCOMPARE(text("txtQuestion"), SettingQuestion);
        click("cmdClear");
        QVERIFY(text("txtQuestion") == FirstQuestion && text("txtAnswer") == "draft");
        chooseCategory(Qt::Key_Down); // a category listed in capitals is asked for so
        chooseCategory(Qt::Key_Down);
        QCOMPARE(text("txtQuestion"), QStringLiteral("What goes wrong first?"));
    }

    void emptyOrUnreadableCategoryIsToldNotFatal()
    {
        open("storywizard");
        QVERIFY(m_env->db.execute("DELETE FROM questions WHERE category = 'Setting'"));
        chooseCategory(Qt::Key_Down);
        QVERIFY(m_env->expectMessage(NoQuestions, "Story Wizard", MessageIcon::Information));
        QVERIFY(!w("txtAnswer")->isEnabled() && text("txtQuestion").isEmpty());
        chooseCategory(Qt::Key_Up);
        QVERIFY(w("txtAnswer")->isEnabled());

        const QString sql =
            m_env->db.scalar("SELECT sql FROM MSysQueries WHERE name = 'questionList'").toString();
        QVERIFY(m_env->db.execute("DELETE FROM MSysQueries"));
        chooseCategory(Qt::Key_Down);
        QVERIFY(m_env->desktop.lastMessage().startsWith(
            "The questions of this category could not be read.\n"));
        QCOMPARE(m_env->desktop.messages.last().icon, MessageIcon::Exclamation);
        QVERIFY(!w("txtAnswer")->isEnabled());
        QVERIFY(
            m_env->db.execute("INSERT INTO MSysQueries VALUES ('questionList', '" + sql + "')"));
        chooseCategory(Qt::Key_Up);
        QCOMPARE(text("txtQuestion"), FirstQuestion);

        // A typed category that is not listed is only looked for when Clear restarts it.
        typeCategory("Plot");
        QCOMPARE(m_env->desktop.messages.size(), 2);
        click("cmdClear");
        QVERIFY(m_env->expectMessage(NoQuestions));
        QVERIFY(!w("txtAnswer")->isEnabled() && m_env->db.fatalErrors.isEmpty());
    }

    void unreadableCategoriesAreFatal()
    {
        QVERIFY(m_env->db.execute("DROP VIEW questionCategory"));
        open("storywizard");
        QCOMPARE(m_env->db.fatalErrors.size(), 1);
        QCOMPARE(w<QComboBox>("cboQuestions")->count(), 0);
    }

    void leavingTheCategoryGoesToTheAnswer()
    {
        open("storywizard");
        QCOMPARE(QApplication::focusWidget(), w("txtAnswer"));
        w("cboQuestions")->setFocus();
        click("cmdClip");
        QTRY_COMPARE(QApplication::focusWidget(), w("txtAnswer"));
        play({"txtAnswer=", "txtAnswer=", "txtAnswer="});
        w("cboQuestions")->setFocus();
        click("cmdClip");
        QCoreApplication::processEvents();
        QCOMPARE(QApplication::focusWidget(), w("cmdClip")); // finished: the answer box is off
    }
};

QTEST_MAIN(TestInspiration)
#include "tst_inspiration.moc"
