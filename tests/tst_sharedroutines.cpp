#include "shared/CodeKeys.h"
#include "shared/ControlMakers.h"
#include "shared/OutputText.h"
#include "shared/RecordNavigator.h"
#include "shared/RunSettings.h"
#include "shared/WindowServices.h"
#include "support/TestEnvironment.h"

#include <QtTest>
#include <QtWidgets>

using ControlMakers::named;

namespace {

// An expected-output file; as a text file it ends with a line feed that the output lacks.
QString expected(const char* name)
{
    QFile file(QStringLiteral(QUILLANE_FIXTURES_DIR "/expected/") + QLatin1String(name));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()).chopped(1) : "";
}

// A window with a results list, as every generator window has one.
std::unique_ptr<QWidget> listWindow(const QStringList& lines)
{
    auto window = std::make_unique<QWidget>();
    window->setWindowTitle("Sentence Generator");
    named(new QListWidget(window.get()), "lstResults")->addItems(lines);
    return window;
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
        clearOutput();
        m_env = std::make_unique<TestEnvironment>();
    }
    void cleanup() { m_env.reset(); }

    void dataControlsAreOpenedInControlOrder()
    {
        QWidget window;
        QStringList refreshed;
        const auto navigator = [&](const QString& name, bool works) {
            auto* control = new RecordNavigator(name, name, &window);
            control->setRefresh([&refreshed, name, works](StoreError* error) {
                refreshed << name;
                if (!works)
                    *error = {3078, name, "There is no such table."};
                return works;
            });
        };
        navigator("dtaNoun", true);
        navigator("dtaBroken", false);
        navigator("dtaLater", true);
        setDataControls(&window);
        QCOMPARE(refreshed, (QStringList{"dtaNoun", "dtaBroken"})); // the program ended first
        const ScriptedDesktop::Message told = desktop().messages.first();
        QCOMPARE(told.text + '|' + told.title, "An error occurred on control dtaBroken|Quillane");
        QCOMPARE(told.icon, MessageIcon::None);
        QCOMPARE(m_env->db.fatalErrors, QList<int>{3078});
    }

    void listIsCopiedOrRefusedWhenEmpty()
    {
        const auto window = listWindow({});
        desktop().clipboard = "kept";
        copyList(window.get());
        printList(window.get());
        QVERIFY(m_env->expectMessage("There are no items in this list.", "No Items",
                                     MessageIcon::Critical));
        QVERIFY(desktop().messages.size() == 2 && desktop().printed.isEmpty());
        QCOMPARE(desktop().clipboard, QStringLiteral("kept"));
        window->findChild<QListWidget*>()->addItems({"A quiet owl sang", "The moon fled"});
        copyList(window.get());
        QCOMPARE(desktop().clipboard, expected("sharedroutines-list.txt"));
        QVERIFY(m_env->expectMessage(
            "Paste complete.  You may now paste the information into another application.",
            "Clipboard Paste", MessageIcon::Information));
        QVERIFY(!desktop().busy);
    }

    // Text boxes and combo boxes in control order, whatever the case of their prefix; printed
    // twice, the same text with nothing left from before.
    void formIsPrintedAndCopiedInControlOrder()
    {
        QWidget window;
        window.setWindowTitle("Character Generator");
        auto* layout = new QVBoxLayout(&window);
        auto* inner = new QVBoxLayout(named(new QWidget(&window), "framePanel"));
        inner->addWidget(named(new QLineEdit("42"), "txtAge"));
        inner->addWidget(named(new QLabel("Name"), "lblName"));
        layout->addWidget(inner->parentWidget());
        layout->addWidget(named(new QLineEdit("Mei Tanaka"), "TXTName"));
        layout->addWidget(named(new QComboBox, "cboGender"));
        window.findChild<QComboBox*>()->addItem("Female");
        layout->addWidget(named(new QCheckBox("Generate"), "chkName"));
        layout->addWidget(named(new QPushButton("Print"), "cmdPrint"));
        appendOutput("left over from elsewhere");
        desktop().answerNext(MessageAnswer::Yes);
        desktop().answerNext(MessageAnswer::Yes);
        printForm(&window);
        printForm(&window);
        QCOMPARE(desktop().printed, QStringList(2, expected("sharedroutines-form.txt")));
        QVERIFY(m_env->expectMessage("Is your printer on and loaded with paper.", "Print List"));
        QCOMPARE(desktop().messages.last().buttons, MessageButtons::YesNo);
        copyForm(&window);
        QCOMPARE(desktop().clipboard, expected("sharedroutines-form.txt"));
        QCOMPARE(desktop().clipboardClears, 2);
    }

    // What the user is told when printing or copying goes wrong; the text is kept.
    void troublesAreToldNotFatal_data()
    {
        QTest::addColumn<QString>("told");
        QTest::newRow("not ready") << "Is your printer on and loaded with paper.";
        QTest::newRow("no printer") << "No printer is installed.  Would you like to save the text "
                                       "as a PDF file instead?";
        QTest::newRow("printer fails") << "The text could not be printed.  The printer failed";
        QTest::newRow("clipboard fails")
            << "The text could not be copied to the clipboard.  Please try again.";
    }
    void troublesAreToldNotFatal()
    {
        const QString trouble = QTest::currentDataTag();
        const QString pdf = m_env->db.folder() + "/out.pdf";
        desktop().printResult = trouble == "no printer"      ? PrintResult::NoPrinter
                                : trouble == "printer fails" ? PrintResult::Failed
                                                             : PrintResult::Printed;
        desktop().clipboardWorks = false;
        desktop().pdfFileToChoose = pdf;
        for (int i = 0; i < 2 && trouble != "not ready"; ++i)
            desktop().answerNext(MessageAnswer::Yes); // ready; save as PDF instead
        const auto window = listWindow({"precious"});
        trouble == "clipboard fails" ? copyList(window.get()) : printList(window.get());
        QTEST(desktop().lastMessage(), "told");
        QVERIFY(desktop().printed.isEmpty() && outputText().endsWith("\nprecious\n"));
        QCOMPARE(QFile(pdf).size() > 0, trouble == "no printer");
    }

    void codeKeys()
    {
        showSentenceKey();
        QVERIFY(m_env->expectMessage("n=noun, v=verb, t=article, p=pronoun, x=preposition\nr="
                                     "adverb, y=direct object pronoun, q=possessive pronoun, "
                                     "j=adjective",
                                     "Key to Sentence Codes", MessageIcon::Information));
        showNameKey();
        QVERIFY(m_env->expectMessage("c = consonant, v= vowel", "Key to Name Codes",
                                     MessageIcon::Information));
    }
};

QTEST_MAIN(TestSharedRoutines)
#include "tst_sharedroutines.moc"
