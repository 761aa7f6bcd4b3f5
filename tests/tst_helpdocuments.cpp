#include "app/HelpCommands.h"
#include "app/MenuLayout.h"
#include "app/ToolCatalog.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

// Checks the help documents that ship with the program: every link and picture leads somewhere,
// and every window the help shows is one the program has.
class TestHelpDocuments : public QObject
{
    Q_OBJECT

private slots:
    void linksAndPicturesResolve_data();
    void linksAndPicturesResolve();
    void windowsShownInTheHelpExist();
    void writingReferenceIsSubstantial();

private:
    static QString read(const QString& document);
    static QSet<QString> anchors(const QString& html);
};

namespace {
const QDir HelpFolder(QStringLiteral(QUILLANE_SOURCE_DIR "/help"));
}

QString TestHelpDocuments::read(const QString& document)
{
    QFile file(HelpFolder.filePath(document));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

QSet<QString> TestHelpDocuments::anchors(const QString& html)
{
    static const QRegularExpression id(QStringLiteral(R"re((?:id|name)\s*=\s*"([^"]+)")re"));
    QSet<QString> found;
    for (auto match = id.globalMatch(html); match.hasNext();)
        found.insert(match.next().captured(1));
    return found;
}

void TestHelpDocuments::linksAndPicturesResolve_data()
{
    QTest::addColumn<QString>("document");
    for (const QString& document :
         {HelpDocuments::OnlineHelp, HelpDocuments::Features, HelpDocuments::WritingReference})
        QTest::newRow(qPrintable(document)) << document;
}

void TestHelpDocuments::linksAndPicturesResolve()
{
    QFETCH(QString, document);
    const QString html = read(document);
    QVERIFY2(!html.isEmpty(), qPrintable(document));
    static const QRegularExpression reference(
        QStringLiteral(R"re((?:href|src)\s*=\s*"([^"]+)")re"));
    int checked = 0;
    for (auto match = reference.globalMatch(html); match.hasNext();) {
        const QString target = match.next().captured(1);
        if (target.startsWith(QLatin1String("http:")) ||
            target.startsWith(QLatin1String("https:")) ||
            target.startsWith(QLatin1String("mailto:")))
            continue;
        const QString file = target.section(u'#', 0, 0);
        const QString anchor = target.section(u'#', 1);
        const QString targetDocument = file.isEmpty() ? document : file;
        QVERIFY2(HelpFolder.exists(targetDocument), qPrintable(document + ": " + target));
        if (!anchor.isEmpty())
            QVERIFY2(anchors(read(targetDocument)).contains(anchor),
                     qPrintable(document + ": " + target));
        ++checked;
    }
    QVERIFY2(checked > 5, qPrintable(document));
}

void TestHelpDocuments::windowsShownInTheHelpExist()
{
    QSet<QString> windows = {QStringLiteral("frmMainMenu")};
    for (const MenuDefinition& menu : mainMenus())
        for (const MenuEntry& entry : menu.entries)
            if (!entry.window.isEmpty() && ToolCatalog::isAvailable(entry.window))
                windows.insert(entry.window);
    static const QRegularExpression picture(
        QStringLiteral(R"(images/(frm[A-Za-z]+)(?:-\d+)?\.png)"));
    QSet<QString> shown;
    for (auto match = picture.globalMatch(read(HelpDocuments::OnlineHelp)); match.hasNext();)
        shown.insert(match.next().captured(1));
    for (const QString& window : std::as_const(shown))
        QVERIFY2(windows.contains(window), qPrintable(window));
    // Every window of the program is shown in the help.
    for (const QString& window : std::as_const(windows))
        QVERIFY2(shown.contains(window) || window == QLatin1String("frmMainMenu"),
                 qPrintable(window));
}

void TestHelpDocuments::writingReferenceIsSubstantial()
{
    QString text = read(HelpDocuments::WritingReference);
    text.remove(QRegularExpression(QStringLiteral("<[^>]*>")));
    const int words =
        int(text.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts).size());
    QVERIFY2(words >= 15000, qPrintable(QString::number(words)));
}

QTEST_GUILESS_MAIN(TestHelpDocuments)
#include "tst_helpdocuments.moc"
