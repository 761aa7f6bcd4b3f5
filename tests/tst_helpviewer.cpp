#include "app/HelpCommands.h"
#include "app/MenuLayout.h"
#include "app/ToolCatalog.h"
#include "shared/HelpViewer.h"
#include "support/ScriptedDesktop.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTextBrowser>
#include <QTreeWidget>
#include <QtTest>

namespace {

// The reference is HTML whatever its extension says.
const QString Reference = QStringLiteral(QUILLANE_FIXTURES_DIR "/helpviewer-reference.hlp");
const QDir HelpFolder(QStringLiteral(QUILLANE_SOURCE_DIR "/help"));

QString read(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

QStringList captures(const QString& pattern, const QString& text)
{
    QStringList found;
    for (auto match = QRegularExpression(pattern).globalMatch(text); match.hasNext();)
        found << match.next().captured(1);
    return found;
}

} // namespace

class TestHelpViewer : public QObject
{
    Q_OBJECT

    ScriptedDesktop m_desktop;
    std::unique_ptr<HelpViewer> m_viewer;

    template <typename T> T* control(const char* name) { return m_viewer->findChild<T*>(name); }
    void clickText(const QString& text)
    {
        auto* browser = control<QTextBrowser>("txtReference");
        QTextCursor link = browser->document()->find(text);
        link.setPosition(link.selectionStart() + 4);
        QTest::mouseClick(browser->viewport(), Qt::LeftButton, {},
                          browser->cursorRect(link).center() + QPoint(2, 0));
    }
    void clickTopic(int row)
    {
        auto* contents = control<QTreeWidget>("treContents");
        QTest::mouseClick(contents->viewport(), Qt::LeftButton, {},
                          contents->visualItemRect(contents->topLevelItem(row)).center());
    }

private slots:
    void init()
    {
        m_viewer = std::make_unique<HelpViewer>();
        QVERIFY(m_viewer->showFile(Reference));
        QVERIFY(QTest::qWaitForWindowExposed(m_viewer.get()));
    }
    void cleanup() { m_viewer.reset(); }

    void showsTheFileWithItsContents()
    {
        QCOMPARE(m_viewer->contentsTitles().join('|'),
                 "Point of View|First Person|Third Person|Dialogue|Pacing|Revision");
        QCOMPARE(control<QTreeWidget>("treContents")->topLevelItemCount(), 4);
        // One window for the run; it comes back where the reader left it.
        HelpViewer* viewer = HelpViewer::instance();
        QVERIFY(!viewer->showFile(QUILLANE_FIXTURES_DIR "/absent.hlp"));
        QVERIFY(!viewer->showFile(QUILLANE_FIXTURES_DIR)); // a folder is not a document
        QVERIFY(!viewer->isVisible());
        QVERIFY(viewer->showFile(Reference) && viewer->openAnchor("pacing"));
        viewer->close();
        QVERIFY(!viewer->showFile("/no/such/writer.hlp"));
        QVERIFY(viewer->showFile(Reference));
        QCOMPARE(HelpViewer::instance(), viewer);
        QVERIFY(viewer->isVisible());
        QCOMPARE(viewer->currentAnchor(), QStringLiteral("pacing"));
        delete viewer;
    }

    void contentsAndLinksGoToTheirPlaces()
    {
        QScrollBar* scroll = control<QTextBrowser>("txtReference")->verticalScrollBar();
        clickTopic(2);
        QCOMPARE(m_viewer->currentAnchor(), QStringLiteral("pacing"));
        const int pacingTop = scroll->value();
        QVERIFY(pacingTop > 0);
        clickTopic(3); // a heading written without an id
        QVERIFY(scroll->value() > pacingTop);
        QCOMPARE(control<QTreeWidget>("treContents")->currentItem()->text(0), "Revision");
        QVERIFY(!m_viewer->openAnchor("nowhere"));

        QVERIFY(m_viewer->openAnchor("dialogue"));
        clickText("viewpoint topic");
        QCOMPARE(m_viewer->currentAnchor(), QStringLiteral("pov"));
        QTest::mouseClick(control<QPushButton>("cmdBack"), Qt::LeftButton);
        QCOMPARE(m_viewer->currentAnchor(), QStringLiteral("dialogue"));
        QTest::mouseClick(control<QPushButton>("cmdForward"), Qt::LeftButton);
        QCOMPARE(m_viewer->currentAnchor(), QStringLiteral("pov"));
        QVERIFY(!control<QPushButton>("cmdForward")->isEnabled());

        // Other links go to the web browser, or nowhere without one; the reference stays.
        m_viewer->followLink(QUrl("https://example.org/style"));
        m_desktop.browser.clear();
        m_viewer->followLink(QUrl("https://example.org/other"));
        QCOMPARE(m_desktop.launched, QStringList{"/usr/bin/browser https://example.org/style"});
        QCOMPARE(m_viewer->currentAnchor(), QStringLiteral("pov"));
    }

    void searchMarksFindsAndNarrows()
    {
        auto* browser = control<QTextBrowser>("txtReference");
        auto* matches = control<QLabel>("lblMatches");
        QTest::keyClicks(control<QLineEdit>("txtSearch"), "WHISPER");
        QCOMPARE(browser->extraSelections().size(), 3);
        QCOMPARE(matches->text(), QStringLiteral("3 matches"));
        QCOMPARE(m_viewer->contentsTitles().join('|'), "Point of View|Third Person|Dialogue");
        QList<int> starts;
        for (int i = 0; i < 4; ++i) {
            QTest::keyClick(control<QLineEdit>("txtSearch"), Qt::Key_Return);
            QCOMPARE(browser->textCursor().selectedText().toLower(), QStringLiteral("whisper"));
            starts << browser->textCursor().selectionStart();
        }
        QVERIFY(starts.at(0) < starts.at(1) && starts.at(1) < starts.at(2));
        QCOMPARE(starts.at(3), starts.at(0));      // round again from the top
        QVERIFY(m_viewer->openAnchor("dialogue")); // the search goes on from the place gone to
        QTest::mouseClick(control<QPushButton>("cmdFindNext"), Qt::LeftButton);
        QCOMPARE(browser->textCursor().selectionStart(), starts.at(1));

        // A topic stays when only its own text mentions the words, without its subtopics.
        QCOMPARE(m_viewer->search("reader may know"), 1);
        QCOMPARE(matches->text(), QStringLiteral("1 match"));
        QCOMPARE(m_viewer->contentsTitles(), QStringList{"Point of View"});
        QCOMPARE(m_viewer->search("zebra"), 0);
        QCOMPARE(matches->text(), QStringLiteral("No matches"));
        QVERIFY(m_viewer->contentsTitles().isEmpty() && browser->extraSelections().isEmpty());
        QCOMPARE(m_viewer->search(QString()), 0);
        QCOMPARE(m_viewer->contentsTitles().size(), 6);
        QVERIFY(matches->text().isEmpty());
    }

    // The documents that ship: every link and picture leads somewhere, every window of the
    // program is pictured in the help and every window pictured is one the program has.
    void shippedDocumentsLinkUp_data()
    {
        QTest::addColumn<QString>("document");
        for (const QString& document :
             {HelpDocuments::OnlineHelp, HelpDocuments::Features, HelpDocuments::WritingReference})
            QTest::newRow(qPrintable(document)) << document;
    }
    void shippedDocumentsLinkUp()
    {
        QFETCH(QString, document);
        const QString html = read(HelpFolder.filePath(document));
        const QStringList targets = captures("(?:href|src)\\s*=\\s*\"([^\"]+)\"", html);
        QVERIFY(targets.size() > 5);
        for (const QString& target : targets) {
            if (target.contains(QRegularExpression("^(https?|mailto):")))
                continue;
            const QString file =
                target.section('#', 0, 0).isEmpty() ? document : target.section('#', 0, 0);
            QVERIFY2(HelpFolder.exists(file), qPrintable(target));
            const QString anchor = target.section('#', 1);
            QVERIFY2(anchor.isEmpty() || captures("(?:id|name)\\s*=\\s*\"([^\"]+)\"",
                                                  read(HelpFolder.filePath(file)))
                                             .contains(anchor),
                     qPrintable(target));
        }
        if (document != HelpDocuments::OnlineHelp)
            return;
        QStringList windows;
        for (const MenuDefinition& menu : mainMenus())
            for (const MenuEntry& entry : menu.entries)
                if (ToolCatalog::isAvailable(entry.window))
                    windows << entry.window;
        QStringList shown = captures("images/(frm[A-Za-z]+)(?:-\\d+)?\\.png", html);
        shown.removeDuplicates();
        shown.removeAll("frmMainMenu");
        windows.sort();
        shown.sort();
        QCOMPARE(shown, windows);
    }
};

QTEST_MAIN(TestHelpViewer)
#include "tst_helpviewer.moc"
