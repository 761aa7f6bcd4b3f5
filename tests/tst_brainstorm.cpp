#include "app/MainWindow.h"
#include "app/ToolCatalog.h"
#include "data/Database.h"
#include "inspiration/frmBrainstorm.h"
#include "shared/RunSettings.h"
#include "support/TestEnvironment.h"

#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

namespace {

// A tool window that leaves the others as they are when it is activated.
class StayingWindow : public ToolWindow
{
public:
    explicit StayingWindow(const QString& name) : ToolWindow(name, name) {}
    void activate() override {}
};

} // namespace

// The brainstorm window inside the real main window, so that switching, minimizing and closing
// move the focus as they do for the writer.
class TestBrainstorm : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void opensReadyForATopic();
    void ideasBringWordsOfTheSelectedKind_data();
    void ideasBringWordsOfTheSelectedKind();
    void everyDepartureFromTheTopicAddsALine();
    void emptyTopicIsAskedForWithinTheWindow();
    void emptyTopicNeverTraps();
    void timerDrawsAtEveryTick();
    void randomKindsFollowTheTimer();
    void copiedAndPrintedByteForByte();

private:
    frmBrainstorm* open();
    // The fixture table's words as drawn: first letter upper-cased.
    static QStringList words(const QString& table);
    static void typeLine(QLineEdit* box, const QString& text);
    // Lets a message that waits for the current event to end come up.
    static void settle() { QCoreApplication::processEvents(); }

    std::unique_ptr<TestEnvironment> m_env;
    std::unique_ptr<MainWindow> m_main;
};

void TestBrainstorm::init()
{
    m_env = std::make_unique<TestEnvironment>();
    QVERIFY(m_env->db.isOpen());
    QVERIFY(m_env->db.execute("UPDATE customize SET startForm = -1"));
    ToolCatalog::setFactory("frmBrainstorm", [] { return new frmBrainstorm; });
    Database::close();
    runSettings().programFolder = m_env->db.folder();
    m_main = std::make_unique<MainWindow>();
    QVERIFY(m_main->initializeEnvironment());
    QVERIFY(QTest::qWaitForWindowActive(m_main.get()));
}

void TestBrainstorm::cleanup()
{
    // Children closed first: the frame announces activations while the main window goes.
    if (m_main)
        m_main->findChild<QMdiArea*>()->closeAllSubWindows();
    m_main.reset();
    ToolCatalog::setFactory("frmBrainstorm", {});
    ToolCatalog::setFactory("frmStandIn", {});
    m_env.reset();
    runSettings() = RunSettings();
}

frmBrainstorm* TestBrainstorm::open()
{
    auto* window = qobject_cast<frmBrainstorm*>(m_main->openToolWindow("frmBrainstorm"));
    // Activation ends with the focus in the topic box.
    if (!QTest::qWaitFor([window] { return window->txtTopic->hasFocus(); }))
        qWarning("The topic box did not take the focus");
    return window;
}

QStringList TestBrainstorm::words(const QString& table)
{
    QFile file(QStringLiteral(QUILLANE_FIXTURES_DIR "/tables/%1.txt").arg(table));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    QStringList result;
    for (const QString& word : QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts))
        result << word.left(1).toUpper() + word.mid(1);
    return result;
}

void TestBrainstorm::typeLine(QLineEdit* box, const QString& text)
{
    QTest::keyClicks(box, text);
    QTest::keyClick(box, Qt::Key_Return);
}

void TestBrainstorm::opensReadyForATopic()
{
    frmBrainstorm* window = open();
    QStringList captions;
    for (const QRadioButton* option : window->optPrompt)
        captions << option->text();
    QCOMPARE(captions, QStringList({"Question word", "Noun", "Verb", "Adjective", "Adverb"}));
    QVERIFY(window->optPrompt.first()->isChecked());
    QVERIFY(window->txtQuestionWord->text().isEmpty());
    QVERIFY(!window->tmrBrainstorm->isActive());
    QVERIFY(window->chkRandom->isEnabled());
    QVERIFY(window->txtTopic->hasFocus());
    settle();
    QVERIFY(m_env->desktop.messages.isEmpty());
}

void TestBrainstorm::ideasBringWordsOfTheSelectedKind_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("table");
    QTest::newRow("question word") << 0 << "questionWords";
    QTest::newRow("noun") << 1 << "noun";
    QTest::newRow("verb") << 2 << "verb";
    QTest::newRow("adjective") << 3 << "adjective";
    QTest::newRow("adverb") << 4 << "adverb";
}

void TestBrainstorm::ideasBringWordsOfTheSelectedKind()
{
    QFETCH(int, kind);
    QFETCH(QString, table);
    frmBrainstorm* window = open();
    QVERIFY(window->txtTopic->hasFocus());
    typeLine(window->txtTopic, "Lighthouse");
    QVERIFY(window->txtResponse->hasFocus());
    QTest::mouseClick(window->optPrompt.at(kind), Qt::LeftButton, {}, QPoint(6, 8));
    QVERIFY(window->txtQuestionWord->text().isEmpty()); // the choice draws nothing by itself

    const QStringList ideas = {"A keeper who cannot swim", "  the lamp goes out  ", "fog, 1903"};
    for (int i = 0; i < ideas.size(); ++i) {
        typeLine(window->txtResponse, ideas.at(i));
        QCOMPARE(window->lstResults->item(i + 1)->text(), ideas.at(i));
        QCOMPARE(window->lstResults->currentRow(), i + 1);
        QVERIFY(window->txtResponse->text().isEmpty());
        QVERIFY(window->txtResponse->hasFocus());
        QVERIFY2(words(table).contains(window->txtQuestionWord->text()),
                 qPrintable(window->txtQuestionWord->text()));
    }
    const QString shown = window->txtQuestionWord->text();
    QTest::keyClick(window->txtResponse, Qt::Key_Return); // nothing typed: nothing happens
    QCOMPARE(window->lstResults->count(), 4);
    QCOMPARE(window->txtQuestionWord->text(), shown);
    QCOMPARE(window->lstResults->item(0)->text(), QStringLiteral("Topic: Lighthouse"));
}

void TestBrainstorm::everyDepartureFromTheTopicAddsALine()
{
    frmBrainstorm* window = open();
    QVERIFY(window->txtTopic->hasFocus());
    QTest::keyClicks(window->txtTopic, "Lighthouse");
    QTest::keyClick(window->txtTopic, Qt::Key_Tab);
    QVERIFY(window->txtResponse->hasFocus());
    QTest::mouseClick(window->txtTopic, Qt::LeftButton);
    QTest::mouseClick(window->lstResults->viewport(), Qt::LeftButton);
    QVERIFY(window->txtResponse->hasFocus()); // the line is added and the idea box takes over
    QCOMPARE(window->lstResults->count(), 2);

    // Another window and back: activation puts the focus in the topic box again.
    QTest::mouseClick(window->txtTopic, Qt::LeftButton);
    m_main->openToolWindow("frmSentence");
    QCOMPARE(window->lstResults->count(), 2);
    QCOMPARE(open(), window);
    QVERIFY(window->txtTopic->hasFocus());
    QCOMPARE(window->lstResults->count(), 2);
    QTest::keyClick(window->txtTopic, Qt::Key_Return);
    QCOMPARE(window->lstResults->count(), 3);
    for (int row = 0; row < 3; ++row)
        QCOMPARE(window->lstResults->item(row)->text(), QStringLiteral("Topic: Lighthouse"));

    typeLine(window->txtResponse, "A keeper who cannot swim");
    QTest::mouseClick(window->cmdClear, Qt::LeftButton);
    QCOMPARE(window->lstResults->count(), 0);
    QVERIFY(window->txtQuestionWord->text().isEmpty());
    QVERIFY(window->txtResponse->hasFocus());
    QCOMPARE(window->txtTopic->text(), QStringLiteral("Lighthouse"));
    settle();
    QVERIFY(m_env->desktop.messages.isEmpty());
}

void TestBrainstorm::emptyTopicIsAskedForWithinTheWindow()
{
    frmBrainstorm* window = open();
    QVERIFY(window->txtTopic->hasFocus());
    QTest::keyClick(window->txtTopic, Qt::Key_Tab);
    QTRY_COMPARE(m_env->desktop.messages.size(), 1);
    QCOMPARE(m_env->desktop.lastMessage(), QStringLiteral("You need to enter a topic."));
    QCOMPARE(m_env->desktop.messages.last().title, QStringLiteral("Enter a Topic"));
    QCOMPARE(m_env->desktop.messages.last().icon, MessageIcon::Information);
    QCOMPARE(m_env->desktop.messages.last().buttons, MessageButtons::Ok);
    QVERIFY(window->txtTopic->hasFocus());

    // A click on a button is finished before the message comes.
    QTest::mouseClick(window->cmdPrint, Qt::LeftButton);
    QTRY_COMPARE(m_env->desktop.messages.size(), 3);
    QCOMPARE(m_env->desktop.messages.at(1).title, QStringLiteral("No Items"));
    QCOMPARE(m_env->desktop.messages.at(2).title, QStringLiteral("Enter a Topic"));
    QVERIFY(window->txtTopic->hasFocus());
    QCOMPARE(window->lstResults->count(), 0);
}

void TestBrainstorm::emptyTopicNeverTraps()
{
    QPointer<frmBrainstorm> window = open();
    m_main->openToolWindow("frmSentence");
    settle();
    open();
    QVERIFY(window->txtTopic->hasFocus());

    auto* child = qobject_cast<QMdiSubWindow*>(window->parentWidget());
    child->showMinimized();
    settle();
    child->showNormal();

    window->txtTopic->setFocus();
    QVERIFY(window->txtTopic->hasFocus());
    QWidget elsewhere;
    elsewhere.show();
    elsewhere.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&elsewhere));
    m_main->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_main.get()));

    // A click into the topic box of a window left open beside the active one: the activation
    // moves the focus about, the writer does not.
    ToolCatalog::setFactory("frmStandIn", [] { return new StayingWindow("frmStandIn"); });
    m_main->openToolWindow("frmStandIn");
    QVERIFY(child->isVisible() && !child->isMinimized());
    QTest::mouseClick(window->txtTopic, Qt::LeftButton);
    QCOMPARE(m_main->findChild<QMdiArea*>()->activeSubWindow(), child);
    settle();
    QVERIFY(window->txtTopic->hasFocus());
    QVERIFY2(m_env->desktop.messages.isEmpty(), qPrintable(m_env->desktop.lastMessage()));

    // Close, at a person's pace: whatever waits for the click to end runs before the release.
    QTest::mousePress(window->cmdOK, Qt::LeftButton);
    settle();
    QTest::mouseRelease(window->cmdOK, Qt::LeftButton);
    QTRY_VERIFY(window.isNull());
    settle();
    QVERIFY2(m_env->desktop.messages.isEmpty(), qPrintable(m_env->desktop.lastMessage()));
}

void TestBrainstorm::timerDrawsAtEveryTick()
{
    runSettings().timerInterval = 50;
    frmBrainstorm* window = open();
    QCOMPARE(window->tmrBrainstorm->interval(), 50);
    QVERIFY(!window->tmrBrainstorm->isActive());
    typeLine(window->txtTopic, "Lighthouse");
    QTest::mouseClick(window->optPrompt.at(1), Qt::LeftButton, {}, QPoint(6, 8));
    tick(window->chkTimer);
    QVERIFY(window->tmrBrainstorm->isActive());
    QVERIFY(window->txtResponse->hasFocus());

    // Ticks draw words but neither record nor empty the idea being typed.
    QTest::keyClicks(window->txtResponse, "half an idea");
    QSignalSpy ticks(window->tmrBrainstorm, &QTimer::timeout);
    QTRY_VERIFY(ticks.count() >= 3);
    QVERIFY(words("noun").contains(window->txtQuestionWord->text()));
    QCOMPARE(window->txtResponse->text(), QStringLiteral("half an idea"));
    QVERIFY(window->txtResponse->hasFocus());
    QCOMPARE(window->lstResults->count(), 1);

    // Nor do they pull the writer out of the topic box halfway through a word.
    QTest::mouseClick(window->txtTopic, Qt::LeftButton);
    QTest::keyClicks(window->txtTopic, " keeper");
    QTRY_VERIFY(ticks.count() >= 6);
    QVERIFY(window->txtTopic->hasFocus());
    QCOMPARE(window->lstResults->count(), 1);

    tick(window->chkTimer);
    QVERIFY(!window->tmrBrainstorm->isActive());
    QCOMPARE(window->lstResults->item(1)->text(), QStringLiteral("Topic: Lighthouse keeper"));

    // A new interval reaches the timer at the next activation.
    runSettings().timerInterval = 80;
    QCOMPARE(window->tmrBrainstorm->interval(), 50);
    m_main->openToolWindow("frmSentence");
    open();
    QCOMPARE(window->tmrBrainstorm->interval(), 80);
    settle();
    QVERIFY(m_env->desktop.messages.isEmpty());
}

void TestBrainstorm::randomKindsFollowTheTimer()
{
    QList<QStringList> kindWords;
    for (const QString table : {"questionWords", "noun", "verb", "adjective", "adverb"})
        kindWords << words(table);
    frmBrainstorm* window = open();
    const auto kindsDrawn = [&](int ticks) {
        QSet<int> kinds;
        for (int i = 0; i < ticks; ++i) {
            QMetaObject::invokeMethod(window->tmrBrainstorm, "timeout", Qt::DirectConnection);
            for (int kind = 0; kind < kindWords.size(); ++kind) {
                if (kindWords.at(kind).contains(window->txtQuestionWord->text()))
                    kinds.insert(kind);
            }
        }
        return kinds;
    };
    tick(window->chkRandom);
    QCOMPARE(kindsDrawn(20), QSet<int>()); // "Random" alone draws nothing
    tick(window->chkTimer);
    QCOMPARE(kindsDrawn(100), QSet<int>({0, 1, 2, 3, 4}));

    tick(window->chkTimer);
    QVERIFY(!window->chkRandom->isEnabled());
    QVERIFY(window->chkRandom->isChecked());
    tick(window->chkTimer);
    QVERIFY(window->chkRandom->isEnabled());
    QCOMPARE(kindsDrawn(100).size(), 5);

    tick(window->chkRandom);
    QCOMPARE(kindsDrawn(30), QSet<int>({0}));
}

void TestBrainstorm::copiedAndPrintedByteForByte()
{
    frmBrainstorm* window = open();
    typeLine(window->txtTopic, "Lighthouse");
    typeLine(window->txtResponse, "A keeper who cannot swim");
    typeLine(window->txtResponse, "  the lamp goes out  ");
    QTest::mouseClick(window->cmdClip, Qt::LeftButton);
    const QString expected =
        "\n" + TestEnvironment::headerLine("Brainstorm") + "\n" + QString(80, '-') +
        "\nTopic: Lighthouse\nA keeper who cannot swim\n  the lamp goes out  \n";
    QCOMPARE(m_env->desktop.clipboard, expected);
    QCOMPARE(m_env->desktop.messages.last().title, QStringLiteral("Clipboard Paste"));

    m_env->desktop.answerNext(MessageAnswer::Yes);
    QTest::mouseClick(window->cmdPrint, Qt::LeftButton);
    QCOMPARE(m_env->desktop.printed, QStringList{expected});

    QTest::mouseClick(window->cmdClear, Qt::LeftButton);
    QTest::mouseClick(window->cmdClip, Qt::LeftButton);
    QCOMPARE(m_env->desktop.lastMessage(), QStringLiteral("There are no items in this list."));
    QCOMPARE(m_env->desktop.messages.last().title, QStringLiteral("No Items"));
    QCOMPARE(m_env->desktop.clipboard, expected);
}

QTEST_MAIN(TestBrainstorm)
#include "tst_brainstorm.moc"
