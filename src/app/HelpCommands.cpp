#include "app/HelpCommands.h"

#include "shared/desktop/Desktop.h"
#include "shared/widgets/HelpViewer.h"
#include "shared/widgets/RunPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace {

struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(HelpCommands)
};

} // namespace

QString HelpDocuments::pathOf(const QString& document)
{
    return QDir(runPaths().dataFolder).filePath(document);
}

void openWebPage(const QString& pagePath)
{
    const bool isOnlineHelp = pagePath == HelpDocuments::pathOf(HelpDocuments::OnlineHelp);
    const QUrl destination = QUrl::fromLocalFile(
        isOnlineHelp ? pagePath : HelpDocuments::pathOf(HelpDocuments::MakerWebSite));
    // The page itself must be there: it is what the desktop finds its web browser by.
    const UrlOpening opening =
        QFileInfo(pagePath).isFile() ? desktop().openUrl(destination) : UrlOpening::NoBrowser;
    if (opening == UrlOpening::NoBrowser) {
        desktop().messageBox(
            Texts::tr("You must have an Internet browser for our help files.  Your browser "
                      "must recognize the .HTM extension for web files."),
            Texts::tr("Browser Not Found"), MessageIcon::Exclamation, MessageButtons::Ok);
    } else if (opening == UrlOpening::Failed) {
        desktop().messageBox(
            Texts::tr("Help file not Opened.  Be sure that you haven't deleted files or "
                      "moved files from the Quillane directory."),
            Texts::tr("URL Failed"), MessageIcon::Exclamation, MessageButtons::Ok);
    }
}

void showHelpFile(const QString& helpFile)
{
    if (!desktop().showHelp(helpFile))
        desktop().messageBox(Texts::tr("Help could not be loaded."),
                             Texts::tr("Help File Not Available"), MessageIcon::Critical,
                             MessageButtons::Ok);
}

bool showInHelpViewer(const QString& helpFile)
{
    return HelpViewer::instance()->showFile(helpFile);
}
