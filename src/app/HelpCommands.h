#pragma once

#include <QString>

// The help documents in the program's data folder, and the commands that show them.
namespace HelpDocuments {
inline const QString OnlineHelp = QStringLiteral("quillane_online_help.htm");
inline const QString Features = QStringLiteral("features.htm");
inline const QString WritingReference = QStringLiteral("writer.hlp");
// Where "Corvane on the Web" sends the browser. There is no public web site, so it is the
// features page that ships with the program.
inline const QString MakerWebSite = Features;

QString pathOf(const QString& document);
} // namespace HelpDocuments

// Opens a page of the program folder in the browser. The online help page itself is shown;
// any other page only serves to find the browser, which is then sent to the maker's site.
void openWebPage(const QString& pagePath);
// Shows the help file in the help viewer at its contents.
void showHelpFile(const QString& helpFile);
// Shows the help file in the run's help viewer; false, with the viewer unchanged, when it cannot
// be read. The desktop is handed this to show help with.
bool showInHelpViewer(const QString& helpFile);
