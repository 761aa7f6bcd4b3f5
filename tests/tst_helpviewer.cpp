#include "shared/HelpViewer.h"

#include "support/ScriptedDesktop.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTreeWidget>
#include <QtTest>

namespace {

// "whisper" is in Third Person once and in Dialogue twice; Revision has no id of its own.
const char* const referenceText =
    "<html><body>\n"
    "<h1>Small Reference</h1>\n"
    "<p>A few topics for trying the viewer.</p>\n"
    "<h2 id=\"pov\">Point of View</h2>\n"
    "<p>Who tells the story decides what the reader may know.</p>\n"
    "<h3 id=\"first\">First Person</h3>\n"
    "<p>The narrator is a character and says I.</p>\n"
    "<h3 id=\"third\">Third Person</h3>\n"
    "<p>The narrator stands outside; even a whisper can be overheard.</p>\n"
    "<h2 id=\"dialogue\">Dialogue</h2>\n"
    "<p>Let people interrupt each other. A Whisper carries weight; see the\n"
    "<a href=\"#pov\">viewpoint topic</a> and the <a href=\"https://example.org/style\">style "
    "notes</a>.</p>\n"
    "<p>Nobody speaks in paragraphs, and nobody can whisper a speech.</p>\n"
    "<h2 id=\"pacing\">Pacing</h2>\n"
    "%1\n"
    "<h2>Revision</h2>\n"
    "<p>Cut what the story does not need.</p>\n"
    "</body></html>";

// Enough text under Pacing that the document has to scroll to reach it.
QString filler()
{
    QString text;
    for (int i = 0; i < 60; ++i)
        text += QStringLiteral("<p>Short scenes speed the story up; long ones slow it down.</p>\n");
    return text;
}

} // namespace

class TestHelpViewer : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void showsDocumentWithContents();
    void missingFileGivesFalse();
    void clickingContentsGoesToTopic();
    void internalLinkGoesToAnchorAndBackReturns();
    void externalLinkGoesToBrowser();
    void searchCountsAndMarksMatches();
    void enterFindsNextOccurrence();
    void searchFiltersContents();
    void instanceIsOneWindow();
    void controlsAreNamed();

private:
    template <typename T> T* control(const char* name)
    {
        T* found = m_viewer->findChild<T*>(QLatin1String(name));
        if (!found)
            qWarning("no control %s", name);
        return found;
    }

    QTemporaryDir m_folder;
    QString m_file;
    ScriptedDesktop* m_desktop = nullptr;
    HelpViewer* m_viewer = nullptr;
};

void TestHelpViewer::init()
{
    QVERIFY(m_folder.isValid());
    // The extension is deliberately not .htm: the reference file is HTML whatever its name.
    m_file = m_folder.filePath(QStringLiteral("reference.hlp"));
    QFile file(m_file);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QString::fromUtf8(referenceText).arg(filler()).toUtf8());
    file.close();
    m_desktop = new ScriptedDesktop;
    m_viewer = new HelpViewer;
}

void TestHelpViewer::cleanup()
{
    delete m_viewer;
    m_viewer = nullptr;
    delete m_desktop;
    m_desktop = nullptr;
}

void TestHelpViewer::showsDocumentWithContents()
{
    QVERIFY(m_viewer->showFile(m_file));
    QVERIFY(m_viewer->isVisible());
    QCOMPARE(m_viewer->windowTitle(), QStringLiteral("Writing Reference"));
    QCOMPARE(m_viewer->fileName(), QFileInfo(m_file).absoluteFilePath());
    QCOMPARE(m_viewer->contentsTitles(),
             QStringList({"Point of View", "First Person", "Third Person", "Dialogue", "Pacing",
                          "Revision"}));
    auto* contents = control<QTreeWidget>("treContents");
    QCOMPARE(contents->topLevelItemCount(), 4);
    QCOMPARE(contents->topLevelItem(0)->childCount(), 2);
    QVERIFY(control<QTextBrowser>("txtReference")->toPlainText().contains("Who tells the story"));
    QCOMPARE(m_viewer->currentAnchor(), QString());
    QVERIFY(!control<QPushButton>("cmdBack")->isEnabled());
}

void TestHelpViewer::missingFileGivesFalse()
{
    QVERIFY(!m_viewer->showFile(m_folder.filePath(QStringLiteral("absent.hlp"))));
    QVERIFY(!m_viewer->isVisible());
    QVERIFY(!m_viewer->showFile(m_folder.path())); // a folder is not a document

    QVERIFY(m_viewer->showFile(m_file));
    QVERIFY(!m_viewer->showFile(QStringLiteral("/no/such/writer.hlp")));
    QCOMPARE(m_viewer->fileName(), QFileInfo(m_file).absoluteFilePath());
    QCOMPARE(m_viewer->contentsTitles().size(), 6);
}

void TestHelpViewer::clickingContentsGoesToTopic()
{
    QVERIFY(m_viewer->showFile(m_file));
    QVERIFY(QTest::qWaitForWindowExposed(m_viewer));
    auto* contents = control<QTreeWidget>("treContents");
    auto* browser = control<QTextBrowser>("txtReference");
    QCOMPARE(browser->verticalScrollBar()->value(), 0);

    QTreeWidgetItem* pacing = contents->topLevelItem(2);
    QCOMPARE(pacing->text(0), QStringLiteral("Pacing"));
    QTest::mouseClick(contents->viewport(), Qt::LeftButton, {},
                      contents->visualItemRect(pacing).center());
    QCOMPARE(m_viewer->currentAnchor(), QStringLiteral("pacing"));
    QVERIFY(browser->verticalScrollBar()->value() > 0);
    QCOMPARE(contents->currentItem(), pacing);
    const int pacingTop = browser->verticalScrollBar()->value();

    // A heading written without an id can still be reached from the contents.
    QTreeWidgetItem* revision = contents->topLevelItem(3);
    QTest::mouseClick(contents->viewport(), Qt::LeftButton, {},
                      contents->visualItemRect(revision).center());
    QVERIFY(m_viewer->currentAnchor() != QStringLiteral("pacing"));
    QVERIFY(browser->verticalScrollBar()->value() > pacingTop);
    QCOMPARE(contents->currentItem(), revision);
    QVERIFY(!m_viewer->openAnchor(QStringLiteral("nowhere")));
    QCOMPARE(contents->currentItem(), revision);
}

void TestHelpViewer::internalLinkGoesToAnchorAndBackReturns()
{
    QVERIFY(m_viewer->showFile(m_file));
    QVERIFY(QTest::qWaitForWindowExposed(m_viewer));
    auto* browser = control<QTextBrowser>("txtReference");
    auto* back = control<QPushButton>("cmdBack");
    auto* forward = control<QPushButton>("cmdForward");
    QVERIFY(m_viewer->openAnchor(QStringLiteral("dialogue")));
    QCOMPARE(m_viewer->currentAnchor(), QStringLiteral("dialogue"));
    QVERIFY(back->isEnabled());

    // Click the middle of the link text as the reader would.
    QTextCursor link = browser->document()->find(QStringLiteral("viewpoint topic"));
    QVERIFY(!link.isNull());
    link.setPosition(link.selectionStart() + 4);
    const QPoint where = browser->cursorRect(link).center() + QPoint(2, 0);
    QCOMPARE(browser->anchorAt(where), QStringLiteral("#pov"));
    QTest::mouseClick(browser->viewport(), Qt::LeftButton, {}, where);
    QCOMPARE(m_viewer->currentAnchor(), QStringLiteral("pov"));

    QTest::mouseClick(back, Qt::LeftButton);
    QCOMPARE(m_viewer->currentAnchor(), QStringLiteral("dialogue"));
    QVERIFY(forward->isEnabled());
    QTest::mouseClick(back, Qt::LeftButton);
    QCOMPARE(m_viewer->currentAnchor(), QString());
    QVERIFY(!back->isEnabled());
    QTest::mouseClick(forward, Qt::LeftButton);
    QTest::mouseClick(forward, Qt::LeftButton);
    QCOMPARE(m_viewer->currentAnchor(), QStringLiteral("pov"));
    QVERIFY(!forward->isEnabled());
    QVERIFY(m_desktop->launched.isEmpty());
}

void TestHelpViewer::externalLinkGoesToBrowser()
{
    QVERIFY(m_viewer->showFile(m_file));
    QVERIFY(QTest::qWaitForWindowExposed(m_viewer));
    QVERIFY(m_viewer->openAnchor(QStringLiteral("dialogue")));
    auto* browser = control<QTextBrowser>("txtReference");
    QTextCursor link = browser->document()->find(QStringLiteral("style notes"));
    QVERIFY(!link.isNull());
    link.setPosition(link.selectionStart() + 4);
    QTest::mouseClick(browser->viewport(), Qt::LeftButton, {},
                      browser->cursorRect(link).center() + QPoint(2, 0));
    QCOMPARE(m_desktop->launched, QStringList({"/usr/bin/browser https://example.org/style"}));
    // The reference stays as it was: the web page is not loaded in its place.
    QCOMPARE(m_viewer->currentAnchor(), QStringLiteral("dialogue"));
    QVERIFY(browser->toPlainText().contains(QStringLiteral("Who tells the story")));

    m_viewer->followLink(QUrl(QStringLiteral("#third")));
    QCOMPARE(m_viewer->currentAnchor(), QStringLiteral("third"));
    QCOMPARE(m_desktop->launched.size(), 1);

    // With no browser on the desktop the link is simply ignored.
    m_desktop->browser.clear();
    m_viewer->followLink(QUrl(QStringLiteral("https://example.org/other")));
    QCOMPARE(m_desktop->launched.size(), 1);
    QCOMPARE(m_viewer->currentAnchor(), QStringLiteral("third"));
}

void TestHelpViewer::searchCountsAndMarksMatches()
{
    QVERIFY(m_viewer->showFile(m_file));
    auto* browser = control<QTextBrowser>("txtReference");
    QCOMPARE(m_viewer->search(QStringLiteral("whisper")), 3);
    QCOMPARE(browser->extraSelections().size(), 3);
    for (const QTextEdit::ExtraSelection& mark : browser->extraSelections())
        QCOMPARE(mark.cursor.selectedText().toLower(), QStringLiteral("whisper"));
    QCOMPARE(browser->textCursor().selectedText(), QStringLiteral("whisper"));
    QCOMPARE(control<QLabel>("lblMatches")->text(), QStringLiteral("3 matches"));

    QCOMPARE(m_viewer->search(QStringLiteral("interrupt")), 1);
    QCOMPARE(control<QLabel>("lblMatches")->text(), QStringLiteral("1 match"));
    QCOMPARE(m_viewer->search(QStringLiteral("zebra")), 0);
    QCOMPARE(control<QLabel>("lblMatches")->text(), QStringLiteral("No matches"));
    QVERIFY(browser->extraSelections().isEmpty());
    QCOMPARE(m_viewer->search(QString()), 0);
    QVERIFY(control<QLabel>("lblMatches")->text().isEmpty());
}

void TestHelpViewer::enterFindsNextOccurrence()
{
    QVERIFY(m_viewer->showFile(m_file));
    auto* browser = control<QTextBrowser>("txtReference");
    auto* box = control<QLineEdit>("txtSearch");
    QTest::keyClicks(box, QStringLiteral("WHISPER"));
    QCOMPARE(browser->extraSelections().size(), 3);
    QList<int> starts;
    for (int i = 0; i < 4; ++i) {
        QTest::keyClick(box, Qt::Key_Return);
        QCOMPARE(browser->textCursor().selectedText().toLower(), QStringLiteral("whisper"));
        starts.append(browser->textCursor().selectionStart());
    }
    // Three different places in reading order, then round again to the first.
    QVERIFY(starts.at(0) < starts.at(1));
    QVERIFY(starts.at(1) < starts.at(2));
    QCOMPARE(starts.at(3), starts.at(0));

    QTest::mouseClick(control<QPushButton>("cmdFindNext"), Qt::LeftButton);
    QCOMPARE(browser->textCursor().selectionStart(), starts.at(1));

    // After going to a topic the search goes on from there.
    QVERIFY(QTest::qWaitForWindowExposed(m_viewer));
    QVERIFY(m_viewer->openAnchor(QStringLiteral("dialogue")));
    QTest::keyClick(box, Qt::Key_Return);
    QCOMPARE(browser->textCursor().selectionStart(), starts.at(1));
}

void TestHelpViewer::searchFiltersContents()
{
    QVERIFY(m_viewer->showFile(m_file));
    m_viewer->search(QStringLiteral("whisper"));
    QCOMPARE(m_viewer->contentsTitles(),
             QStringList({"Point of View", "Third Person", "Dialogue"}));
    // A topic stays when only its own text mentions the words, without its subtopics.
    m_viewer->search(QStringLiteral("reader may know"));
    QCOMPARE(m_viewer->contentsTitles(), QStringList({"Point of View"}));
    m_viewer->search(QStringLiteral("slow it down"));
    QCOMPARE(m_viewer->contentsTitles(), QStringList({"Pacing"}));
    m_viewer->search(QStringLiteral("zebra"));
    QVERIFY(m_viewer->contentsTitles().isEmpty());
    control<QLineEdit>("txtSearch")->clear();
    QCOMPARE(m_viewer->contentsTitles().size(), 6);
}

void TestHelpViewer::instanceIsOneWindow()
{
    HelpViewer* viewer = HelpViewer::instance();
    QCOMPARE(HelpViewer::instance(), viewer);
    QVERIFY(!viewer->showFile(m_folder.filePath(QStringLiteral("absent.hlp"))));
    QVERIFY(viewer->showFile(m_file));
    QVERIFY(viewer->isVisible());
    QVERIFY(viewer->openAnchor(QStringLiteral("pacing")));
    viewer->close();
    // Showing the same file again brings back the same window at the same place.
    QVERIFY(viewer->showFile(m_file));
    QCOMPARE(HelpViewer::instance(), viewer);
    QVERIFY(viewer->isVisible());
    QCOMPARE(viewer->currentAnchor(), QStringLiteral("pacing"));
    delete viewer;
    QVERIFY(HelpViewer::instance() != nullptr);
    delete HelpViewer::instance();
}

void TestHelpViewer::controlsAreNamed()
{
    auto* box = control<QLineEdit>("txtSearch");
    QCOMPARE(box->placeholderText(), QStringLiteral("Search"));
    QCOMPARE(box->accessibleName(), QStringLiteral("Search the reference"));
    for (const char* name : {"cmdBack", "cmdForward", "txtSearch", "cmdFindNext", "lblMatches",
                             "treContents", "txtReference"}) {
        QWidget* widget = control<QWidget>(name);
        QVERIFY2(widget, name);
        QVERIFY2(!widget->accessibleName().isEmpty(), name);
    }
}

QTEST_MAIN(TestHelpViewer)
#include "tst_helpviewer.moc"
