#include "shared/Clock.h"
#include "shared/OutputText.h"
#include "support/ScriptedDesktop.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QVBoxLayout>

class TestOutputText : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void linesAreJoinedByLineFeeds();
    void copiedListIsHeaderLinesAndTrailingEmptyLine();
    void emptyListIsRefusedAndTouchesNothing();
    void formCaptureFollowsControlOrder();
    void printingTwiceGivesTheSameText();
    void printerQuestionAnsweredNoPrintsNothing();
    void missingPrinterOffersPdfAndKeepsText();
    void failedPrintOrCopyIsToldNotFatal();

private:
    std::unique_ptr<ScriptedDesktop> m_desktop;
    QString header(const QString& caption) const;
};

namespace {

// A results window as the generator windows have one.
struct ListWindow
{
    QWidget window;
    QListWidget* list = new QListWidget(&window);

    explicit ListWindow(const QStringList& lines)
    {
        window.setWindowTitle("Sentence Generator");
        list->setObjectName("lstResults");
        list->addItems(lines);
    }
};

} // namespace

void TestOutputText::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    setFixedDateTime(QDateTime(QDate(2026, 12, 6), QTime(8, 5)));
}

void TestOutputText::init()
{
    m_desktop = std::make_unique<ScriptedDesktop>();
    clearOutput();
}

QString TestOutputText::header(const QString& caption) const
{
    return "Quillane -- " + caption + " 12/6/26 8:05 AM";
}

void TestOutputText::linesAreJoinedByLineFeeds()
{
    appendOutput("one");
    appendOutput("");
    appendOutput("two");
    QCOMPARE(outputText(), QStringLiteral("\none\n\ntwo"));
    clearOutput();
    QCOMPARE(outputText(), QString());
}

void TestOutputText::copiedListIsHeaderLinesAndTrailingEmptyLine()
{
    ListWindow results({"A quiet owl sang ", "The moon fled "});
    copyList(&results.window);
    const QString expected = "\n" + header("Sentence Generator") + "\n" + QString(80, '-') +
                             "\nA quiet owl sang \nThe moon fled \n";
    QCOMPARE(m_desktop->clipboard, expected);
    QCOMPARE(outputText(), expected);
    QCOMPARE(m_desktop->messages.size(), 1);
    QCOMPARE(m_desktop->lastMessage(), QStringLiteral("Paste complete.  You may now paste the "
                                                      "information into another application."));
    QCOMPARE(m_desktop->messages.last().title, QStringLiteral("Clipboard Paste"));
    QCOMPARE(m_desktop->messages.last().icon, MessageIcon::Information);
    QVERIFY(!m_desktop->busy);
}

void TestOutputText::emptyListIsRefusedAndTouchesNothing()
{
    ListWindow results({});
    m_desktop->clipboard = "kept";
    appendOutput("earlier");
    copyList(&results.window);
    printList(&results.window);
    QCOMPARE(m_desktop->messages.size(), 2);
    for (const auto& message : m_desktop->messages) {
        QCOMPARE(message.text, QStringLiteral("There are no items in this list."));
        QCOMPARE(message.title, QStringLiteral("No Items"));
        QCOMPARE(message.icon, MessageIcon::Critical);
    }
    QCOMPARE(m_desktop->clipboard, QStringLiteral("kept"));
    QVERIFY(m_desktop->printed.isEmpty());
    QCOMPARE(isListEmpty(&results.window), qint16(1));
    results.list->addItem("x");
    QCOMPARE(isListEmpty(&results.window), qint16(0));
}

void TestOutputText::formCaptureFollowsControlOrder()
{
    QWidget window;
    window.setWindowTitle("Character Generator");
    auto* layout = new QVBoxLayout(&window);
    auto* frame = new QWidget;
    auto* frameLayout = new QVBoxLayout(frame);
    auto* age = new QLineEdit("42");
    age->setObjectName("txtAge");
    auto* label = new QLabel("Name");
    label->setObjectName("lblName");
    frameLayout->addWidget(age);
    frameLayout->addWidget(label);
    layout->addWidget(frame);
    auto* name = new QLineEdit("Mei Tanaka");
    name->setObjectName("TXTName"); // the prefix is compared in lower case
    auto* gender = new QComboBox;
    gender->setObjectName("cboGender");
    gender->setEditable(true);
    gender->setCurrentText("Female");
    auto* box = new QCheckBox("Generate");
    box->setObjectName("chkName");
    auto* button = new QPushButton("Print");
    button->setObjectName("cmdPrint");
    for (QWidget* control : {static_cast<QWidget*>(name), static_cast<QWidget*>(gender),
                             static_cast<QWidget*>(box), static_cast<QWidget*>(button)})
        layout->addWidget(control);

    copyForm(&window);
    const QString expected = "\n" + header("Character Generator") + "\n" + QString(80, '-') +
                             "\nAge: 42\nName: Mei Tanaka\nGender: Female";
    QCOMPARE(m_desktop->clipboard, expected);
    QCOMPARE(m_desktop->clipboardClears, 2);
}

void TestOutputText::printingTwiceGivesTheSameText()
{
    QWidget window;
    window.setWindowTitle("Scene Generator");
    auto* notes = new QLineEdit("rain", &window);
    notes->setObjectName("txtWeather");
    appendOutput("left over from elsewhere");
    m_desktop->answerNext(MessageAnswer::Yes);
    m_desktop->answerNext(MessageAnswer::Yes);
    printForm(&window);
    printForm(&window);
    QCOMPARE(m_desktop->printed.size(), 2);
    QCOMPARE(m_desktop->printed.at(0), m_desktop->printed.at(1));
    QCOMPARE(m_desktop->printed.at(0),
             "\n" + header("Scene Generator") + "\n" + QString(80, '-') + "\nWeather: rain");
    QCOMPARE(m_desktop->messages.first().text,
             QStringLiteral("Is your printer on and loaded with paper."));
    QCOMPARE(m_desktop->messages.first().title, QStringLiteral("Print List"));
    QCOMPARE(m_desktop->messages.first().buttons, MessageButtons::YesNo);
}

void TestOutputText::printerQuestionAnsweredNoPrintsNothing()
{
    ListWindow results({"line"});
    m_desktop->answerNext(MessageAnswer::No);
    printList(&results.window);
    QVERIFY(m_desktop->printed.isEmpty());
    QCOMPARE(m_desktop->messages.size(), 1);
}

void TestOutputText::missingPrinterOffersPdfAndKeepsText()
{
    QTemporaryDir folder;
    ListWindow results({"a line to keep"});
    m_desktop->printResult = PrintResult::NoPrinter;
    m_desktop->pdfFileToChoose = folder.filePath("out.pdf");
    m_desktop->answerNext(MessageAnswer::Yes); // printer ready
    m_desktop->answerNext(MessageAnswer::Yes); // save as PDF instead
    printList(&results.window);
    QCOMPARE(m_desktop->messages.size(), 2);
    QCOMPARE(m_desktop->messages.at(1).text,
             QStringLiteral("No printer is installed.  Would you like to save the text as a PDF "
                            "file instead?"));
    QVERIFY(QFileInfo(folder.filePath("out.pdf")).size() > 0);
    QVERIFY(outputText().endsWith("\na line to keep\n"));
}

void TestOutputText::failedPrintOrCopyIsToldNotFatal()
{
    ListWindow results({"precious"});
    m_desktop->printResult = PrintResult::Failed;
    m_desktop->answerNext(MessageAnswer::Yes);
    printList(&results.window);
    QVERIFY(m_desktop->lastMessage().startsWith("The text could not be printed."));
    QCOMPARE(m_desktop->messages.last().icon, MessageIcon::Exclamation);

    m_desktop->clipboardWorks = false;
    copyList(&results.window);
    QCOMPARE(m_desktop->lastMessage(), QStringLiteral("The text could not be copied to the "
                                                      "clipboard.  Please try again."));
    QVERIFY(outputText().endsWith("\nprecious\n"));
}

QTEST_MAIN(TestOutputText)
#include "tst_outputtext.moc"
