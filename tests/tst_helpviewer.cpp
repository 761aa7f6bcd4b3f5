#include "app/HelpCommands.h"
#include "app/MainWindow.h"
#include "app/ToolCatalog.h"
#include "shared/widgets/ControlMakers.h"
#include "shared/widgets/HelpViewer.h"
#include "shared/widgets/SeededGeneration.h"
#include "support/ScriptedDesktop.h"

#include <QtTest>
#include <QtWidgets>

namespace {
// HTML whatever its extension says.
const QString Reference = QStringLiteral(QUILLANE_FIXTURES_DIR "/helpviewer-reference.hlp");
const QDir HelpFolder(QStringLiteral(QUILLANE_SOURCE_DIR "/help"));

QString read(const QString& document)
{
    QFile file(HelpFolder.filePath(document));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// The plain text of each <tag> element of the online help from one mark to the next, the
// cells of a table row joined by '|'.
QStringList helpElements(const QString& tag, const QString& from, const QString& to)
{
    static const QRegularExpression cells("</t[dh]>\\s*<t[dh]>"), tags("<[^>]*>"), space("\\s+");
    const QRegularExpression element('<' + tag + ">(.*?)</" + tag + '>',
                                     QRegularExpression::DotMatchesEverythingOption);
    const QString page = read(HelpDocuments::OnlineHelp);
    const int start = page.indexOf(from);
    QStringList texts;
    for (auto match = element.globalMatch(page.mid(start, page.indexOf(to, start) - start));
         match.hasNext();) {
        QString text = match.next().captured(1).replace(cells, "|").remove(tags);
        texts << text.replace(space, " ").trimmed();
    }
    return texts;
}
} // namespace

class TestHelpViewer : public QObject
{
    Q_OBJECT

    ScriptedDesktop m_desktop;
    std::unique_ptr<HelpViewer> m_viewer;

    template <typename T> T* control(const char* name) { return m_viewer->findChild<T*>(name); }
    QString place() const { return m_viewer->currentAnchor(); }
    void click(QAbstractScrollArea* view, const QRect& where)
    {
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, where.center() + QPoint(2, 0));
    }

private slots:
    void init()
    {
        m_viewer = std::make_unique<HelpViewer>();
        QVERIFY(m_viewer->showFile(Reference) && QTest::qWaitForWindowExposed(m_viewer.get()));
    }
    void cleanup() { m_viewer.reset(); }

    // One window for the run: it shows a file with its headings as contents and comes back
    // where the reader left it; a file it cannot read changes nothing.
    void showsTheFileWithItsContents()
    {
        HelpViewer* viewer = HelpViewer::instance();
        QVERIFY(!viewer->showFile(QUILLANE_FIXTURES_DIR "/absent.hlp") &&
                !viewer->showFile(QUILLANE_FIXTURES_DIR) && !viewer->isVisible());
        QVERIFY(viewer->showFile(Reference) && viewer->openAnchor("pacing"));
        QCOMPARE(viewer->contentsTitles().join('|'),
                 "Point of View|First Person|Third Person|Dialogue|Pacing|Revision");
        QCOMPARE(viewer->findChild<QTreeWidget*>()->topLevelItemCount(), 4);
        viewer->close();
        QVERIFY(!viewer->showFile("/no/such/writer.hlp") && viewer->showFile(Reference));
        QVERIFY(HelpViewer::instance() == viewer && viewer->currentAnchor() == "pacing");
        delete viewer;
    }

    void contentsAndLinksGoToTheirPlaces()
    {
        auto* contents = control<QTreeWidget>("treContents");
        auto* browser = control<QTextBrowser>("txtReference");
        click(contents, contents->visualItemRect(contents->topLevelItem(2)));
        const int pacingTop = browser->verticalScrollBar()->value();
        QVERIFY(place() == "pacing" && pacingTop > 0);
        click(contents, contents->visualItemRect(contents->topLevelItem(3)));
        QVERIFY(browser->verticalScrollBar()->value() > pacingTop); // though it has no id
        QCOMPARE(contents->currentItem()->text(0), QStringLiteral("Revision"));
        QVERIFY(!m_viewer->openAnchor("nowhere") && m_viewer->openAnchor("dialogue"));
        QTextCursor link = browser->document()->find("viewpoint topic");
        link.setPosition(link.selectionStart() + 4);
        click(browser, browser->cursorRect(link));
        QCOMPARE(place(), QStringLiteral("pov"));
        QTest::mouseClick(control<QPushButton>("cmdBack"), Qt::LeftButton);
        QCOMPARE(place(), QStringLiteral("dialogue"));
        QTest::mouseClick(control<QPushButton>("cmdForward"), Qt::LeftButton);
        QVERIFY(place() == "pov" && !control<QPushButton>("cmdForward")->isEnabled());
        // Other links go to the web browser, or nowhere without one; the reference stays.
        m_viewer->followLink(QUrl("https://example.org/style"));
        m_desktop.browser.clear();
        m_viewer->followLink(QUrl("https://example.org/other"));
        QCOMPARE(m_desktop.launched, QStringList{"/usr/bin/browser https://example.org/style"});
        QCOMPARE(place(), QStringLiteral("pov"));
    }

    // Matches are marked and counted, Enter goes to the next one, and the contents keep the
    // topics that mention the words (a topic for its own text, without its subtopics).
    void searchMarksFindsAndNarrows()
    {
        auto* browser = control<QTextBrowser>("txtReference");
        auto* box = control<QLineEdit>("txtSearch");
        QTest::keyClicks(box, "WHISPER");
        QCOMPARE(browser->extraSelections().size(), 3);
        QCOMPARE(control<QLabel>("lblMatches")->text(), QStringLiteral("3 matches"));
        QCOMPARE(m_viewer->contentsTitles().join('|'), "Point of View|Third Person|Dialogue");
        QList<int> starts;
        for (int i = 0; i < 4; ++i) {
            QTest::keyClick(box, Qt::Key_Return);
            QCOMPARE(browser->textCursor().selectedText().toLower(), QStringLiteral("whisper"));
            starts << browser->textCursor().selectionStart();
        }
        QVERIFY(starts.at(0) < starts.at(1) && starts.at(1) < starts.at(2));
        QCOMPARE(starts.at(3), starts.at(0));      // round again from the top
        QVERIFY(m_viewer->openAnchor("dialogue")); // the search goes on from the place gone to
        QTest::mouseClick(control<QPushButton>("cmdFindNext"), Qt::LeftButton);
        QCOMPARE(browser->textCursor().selectionStart(), starts.at(1));
        const QList<QPair<QString, QString>> searches = {
            {"reader may know", "1 match:Point of View"}, {"zebra", "No matches:"}, {"", ":6"}};
        for (const auto& [words, shown] : searches) {
            m_viewer->search(words);
            const QStringList titles = m_viewer->contentsTitles();
            QCOMPARE(control<QLabel>("lblMatches")->text() + ':' +
                         (titles.size() == 6 ? "6" : titles.join('|')),
                     shown);
        }
    }

    // Every link and picture of the documents that ship leads somewhere; the online help
    // pictures every window the program can open, and the main window, and no other.
    void shippedDocumentsLinkUp()
    {
        static const QRegularExpression link(
            "(?:href|src)=\"(?!https?:|mailto:)([^\"#]*)#?([^\"]*)");
        for (const QString& document : {HelpDocuments::OnlineHelp, HelpDocuments::Features,
                                        HelpDocuments::WritingReference}) {
            int links = 0;
            for (auto match = link.globalMatch(read(document)); match.hasNext(); ++links) {
                const QRegularExpressionMatch found = match.next();
                const QString target = found.captured(1).isEmpty() ? document : found.captured(1);
                const QString anchor = "id=\"" + found.captured(2) + '"';
                QVERIFY2(HelpFolder.exists(target) &&
                             (found.captured(2).isEmpty() || read(target).contains(anchor)),
                         qPrintable(document + ": " + found.captured(0)));
            }
            QVERIFY(links > 5);
        }
        QMap<QString, bool> pictured; // as "frmPlot.png", or "frmPlot-2.png" for a second picture
        static const QRegularExpression picture("images/(frm\\w+)(?:-\\d+)?\\.png");
        for (auto match = picture.globalMatch(read(HelpDocuments::OnlineHelp)); match.hasNext();)
            pictured.insert(match.next().captured(1), true);
        pictured.remove("frmMainMenu"); // the main window may be pictured as well
        QCOMPARE(pictured.keys(), ToolCatalog::windowNames());
    }

    // Every entry of the program's menus is named in the help's list of its menu, and every
    // shortcut has its row in the table of keys.
    void menusAndShortcutsAreInTheHelp_data()
    {
        QTest::addColumn<QString>("row"); // keys|entry|menu, as in the table of keys
        MainWindow window;
        for (QAction* menu : window.menuBar()->actions())
            for (QAction* entry : menu->menu()->actions())
                if (!entry->isSeparator())
                    QTest::addRow("%s", qPrintable(entry->objectName()))
                        << entry->shortcut().toString(QKeySequence::PortableText) + '|' +
                               entry->text().remove('&') + '|' + menu->text().remove('&');
        // The menu of every results list, which Ctrl+K opens at the current line.
        QListWidget* results = ControlMakers::resultsList();
        for (QAction* keep : results->findChildren<QAction*>(QRegularExpression("^actKeep")))
            QTest::addRow("%s", qPrintable(keep->objectName()))
                << '|' + keep->text().remove('&') + "|Results";
        QTest::newRow("keyKeep") << results->findChild<QShortcut*>("keyKeep")->key().toString(
                                        QKeySequence::PortableText) +
                                        "|Keep menu|Results";
        // The generator windows add a command of their own to that menu.
        SeededGeneration::addGenerateFromSeed(results, [](quint32) {});
        QTest::newRow("actGenerateFromSeed")
            << '|' + results->findChild<QAction*>("actGenerateFromSeed")->text().remove('&') +
                   "|Results";
        delete results;
    }
    void menusAndShortcutsAreInTheHelp()
    {
        QFETCH(QString, row);
        const QString entry = row.section('|', 1, 1), menu = row.section('|', 2);
        const QStringList lists = helpElements("li", "<h3>The menus</h3>", "</ul>")
                                      .filter(QRegularExpression('^' + menu + ':'));
        QVERIFY2(lists.value(0).contains(entry), qPrintable(menu + ": " + entry));
        const QStringList rows = helpElements("tr", "id=\"shortcuts\"", "</table>");
        QVERIFY2(row.startsWith('|') || rows.contains(row), qPrintable(row));
    }
};

QTEST_MAIN(TestHelpViewer)
#include "tst_helpviewer.moc"
