#include "data/DataControl.h"
#include "shared/CodeKeys.h"
#include "shared/OutputText.h"
#include "shared/Random.h"
#include "shared/RunSettings.h"
#include "shared/WindowServices.h"
#include "support/TestEnvironment.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QVBoxLayout>

#include <cmath>

namespace {

// An expected-output file; as a text file it ends with a line feed that the output lacks.
QString expected(const char* name)
{
    QFile file(QStringLiteral(QUILLANE_FIXTURES_DIR "/expected/") + QLatin1String(name));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()).chopped(1)
                                          : QString();
}

// A window with a results list, as every generator window has one.
std::unique_ptr<QWidget> listWindow(const QStringList& lines)
{
    auto window = std::make_unique<QWidget>();
    window->setWindowTitle("Sentence Generator");
    auto* list = new QListWidget(window.get());
    list->setObjectName("lstResults");
    list->addItems(lines);
    return window;
}

template <typename T> T* add(QLayout* layout, T* control, const char* name)
{
    control->setObjectName(name);
    layout->addWidget(control);
    return control;
}

} // namespace

class TestSharedRoutines : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestEnvironment> m_env;
    ScriptedDesktop& desktop() { return m_env->desktop; }

private slots:
    void init()
    {
        m_env = std::make_unique<TestEnvironment>();
        clearOutput();
    }
    void cleanup() { m_env.reset(); }

    void randomValuesStayInRangeAndAreUniform()
    {
        for (int i = 0; i < 200; ++i) {
            QCOMPARE(randomNumber(1), 1);
            QCOMPARE(randomInRange(5, 5), 5);
            QVERIFY(randomNumber(6) >= 1 && randomNumber(6) <= 6);
            QVERIFY(QStringLiteral("bcdfghjklmnpqrstvwxyz").contains(randomConsonant()));
            QVERIFY(QStringLiteral("aeiou").contains(randomVowel()));
        }
        QVERIFY(randomInRange(2000000000, 2147483647) >= 2000000000); // wide bounds in one step
        QHash<int, int> counts;
        for (int i = 0; i < 50000; ++i)
            ++counts[randomInRange(18, 22)];
        QCOMPARE(counts.size(), 5);
        double chiSquare = 0;
        for (int count : std::as_const(counts))
            chiSquare += std::pow(count - 10000, 2) / 10000;
        QVERIFY2(chiSquare < 18.5, qPrintable(QString::number(chiSquare))); // 4 df, 0.1%
    }

    void timersTakeTheSettingsInterval()
    {
        QWidget window;
        auto* running = new QTimer(&window);
        running->setObjectName("tmrRunning");
        running->start(1000);
        auto* other = new QTimer(&window);
        other->setObjectName("TmrWrongCase");
        other->setInterval(1000);
        runSettings().timerInterval = 7000;
        setTimers(&window);
        QCOMPARE(running->interval(), 7000);
        QVERIFY(running->isActive());
        QCOMPARE(other->interval(), 1000);
    }

    void dataControlsAreOpenedInControlOrder()
    {
        QWidget window;
        auto* nouns = new DataControl("dtaNoun", &window);
        nouns->setRecordSource("noun");
        (new DataControl("dtaBroken", &window))->setRecordSource("no such table");
        auto* later = new DataControl("dtaLater", &window);
        later->setRecordSource("gender");
        setDataControls(&window);
        QCOMPARE(nouns->databaseName(), m_env->db.path());
        QCOMPARE(nouns->recordset()->field("noun").toString(), QStringLiteral("anchor"));
        QCOMPARE(desktop().messages.first().text, "An error occurred on control dtaBroken");
        QCOMPARE(desktop().messages.first().title, QStringLiteral("Quillane"));
        QCOMPARE(m_env->db.fatalErrors.size(), 1);
        QVERIFY(!later->recordset()->isOpen()); // the program would have ended before it
    }

    void copiedListIsHeaderLinesAndAnEmptyLine()
    {
        const auto window = listWindow({"A quiet owl sang", "The moon fled"});
        copyList(window.get());
        QCOMPARE(desktop().clipboard, expected("sharedroutines-list.txt"));
        QVERIFY(m_env->expectMessage(
            "Paste complete.  You may now paste the information into another application.",
            "Clipboard Paste", MessageIcon::Information));
        QVERIFY(!desktop().busy);
    }

    // Text boxes and combo boxes in control order, whatever the case of their prefix; printed
    // twice, the same text without anything left from before.
    void formIsPrintedAndCopiedInControlOrder()
    {
        QWidget window;
        window.setWindowTitle("Character Generator");
        auto* layout = new QVBoxLayout(&window);
        auto* panel = add(layout, new QWidget, "framePanel");
        auto* inner = new QVBoxLayout(panel);
        add(inner, new QLineEdit("42"), "txtAge");
        add(inner, new QLabel("Name"), "lblName");
        add(layout, new QLineEdit("Mei Tanaka"), "TXTName");
        add(layout, new QComboBox, "cboGender")->addItem("Female");
        add(layout, new QCheckBox("Generate"), "chkName");
        add(layout, new QPushButton("Print"), "cmdPrint");
        appendOutput("left over from elsewhere");
        desktop().answerNext(MessageAnswer::Yes);
        desktop().answerNext(MessageAnswer::Yes);
        printForm(&window);
        printForm(&window);
        QCOMPARE(desktop().printed, QStringList(2, expected("sharedroutines-form.txt")));
        QCOMPARE(desktop().messages.first().text, "Is your printer on and loaded with paper.");
        QCOMPARE(desktop().messages.first().title, QStringLiteral("Print List"));
        QCOMPARE(desktop().messages.first().buttons, MessageButtons::YesNo);
        copyForm(&window);
        QCOMPARE(desktop().clipboard, expected("sharedroutines-form.txt"));
        QCOMPARE(desktop().clipboardClears, 2);
    }

    void emptyListIsRefusedAndTouchesNothing()
    {
        const auto window = listWindow({});
        desktop().clipboard = "kept";
        copyList(window.get());
        printList(window.get());
        QCOMPARE(desktop().messages.size(), 2);
        QVERIFY(m_env->expectMessage("There are no items in this list.", "No Items",
                                     MessageIcon::Critical));
        QCOMPARE(desktop().messages.first().text, desktop().messages.last().text);
        QCOMPARE(desktop().clipboard, QStringLiteral("kept"));
        QVERIFY(desktop().printed.isEmpty());
    }

    void troublesAreToldNotFatal_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<PrintResult>("printer");
        QTest::addColumn<QString>("lastMessage");
        QTest::newRow("not ready")
            << "print" << PrintResult::Printed << "Is your printer on and loaded with paper.";
        QTest::newRow("no printer") << "print" << PrintResult::NoPrinter
                                    << "No printer is installed.  Would you like to save the "
                                       "text as a PDF file instead?";
        QTest::newRow("printer fails") << "print" << PrintResult::Failed
                                       << "The text could not be printed.  The printer failed";
        QTest::newRow("clipboard fails") << "copy" << PrintResult::Printed
                                         << "The text could not be copied to the clipboard.  "
                                            "Please try again.";
    }
    void troublesAreToldNotFatal()
    {
        QFETCH(QString, action);
        QFETCH(PrintResult, printer);
        const bool notReady = QTest::currentDataTag() == QLatin1String("not ready");
        QTemporaryDir folder;
        desktop().printResult = printer;
        desktop().clipboardWorks = false;
        desktop().pdfFileToChoose = folder.filePath("out.pdf");
        for (int i = 0; i < 2 && !notReady; ++i)
            desktop().answerNext(MessageAnswer::Yes); // ready; save as PDF instead
        const auto window = listWindow({"precious"});
        action == "print" ? printList(window.get()) : copyList(window.get());
        QTEST(desktop().lastMessage(), "lastMessage");
        QVERIFY(desktop().printed.isEmpty());
        QCOMPARE(QFile(folder.filePath("out.pdf")).size() > 0, printer == PrintResult::NoPrinter);
        QVERIFY(outputText().endsWith("\nprecious\n"));
    }

    void codeKeys()
    {
        showSentenceKey();
        QVERIFY(m_env->expectMessage("n=noun, v=verb, t=article, p=pronoun, x=preposition\n"
                                     "r=adverb, y=direct object pronoun, q=possessive pronoun, "
                                     "j=adjective",
                                     "Key to Sentence Codes", MessageIcon::Information));
        showNameKey();
        QVERIFY(m_env->expectMessage("c = consonant, v= vowel", "Key to Name Codes",
                                     MessageIcon::Information));
    }
};

QTEST_MAIN(TestSharedRoutines)
#include "tst_sharedroutines.moc"
