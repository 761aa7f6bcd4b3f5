#include "shared/widgets/OutputText.h"

#include "shared/desktop/BusyPointer.h"
#include "shared/desktop/Desktop.h"
#include "shared/desktop/TextPrinting.h"
#include "shared/widgets/Report.h"

#include <QCoreApplication>
#include <QListWidget>

#include <optional>

namespace {

struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(OutputText)
};

QString printTitle()
{
    return Texts::tr("Print List");
}

QString clipboardTitle()
{
    return Texts::tr("Clipboard Paste");
}

// The list's report; none for an empty list, which the user is told is not printed or copied.
std::optional<Report> resultsReport(const QString& caption, const QListWidget* list)
{
    if (list->count() == 0) {
        desktop().messageBox(Texts::tr("There are no items in this list."), Texts::tr("No Items"),
                             MessageIcon::Critical, MessageButtons::Ok);
        return std::nullopt;
    }
    Report report(caption);
    for (int i = 0; i < list->count(); ++i)
        report.addLine(list->item(i)->text());
    report.addLine(QString()); // the position one past the last entry reads as an empty line
    return report;
}

void offerPdfInstead(const QString& text)
{
    const MessageAnswer answer = desktop().messageBox(
        Texts::tr("No printer is installed.  Would you like to save the text as a PDF file "
                  "instead?"),
        printTitle(), MessageIcon::Exclamation, MessageButtons::YesNo);
    if (answer != MessageAnswer::Yes)
        return;
    const QString fileName = desktop().askPdfFileName(QStringLiteral("Quillane.pdf"));
    if (fileName.isEmpty())
        return;
    QString error;
    if (!saveTextAsPdf(text, fileName, &error))
        desktop().messageBox(Texts::tr("The PDF file could not be saved.  ") + error, printTitle(),
                             MessageIcon::Exclamation, MessageButtons::Ok);
}

} // namespace

void printReport(const Report& report)
{
    const BusyPointer busy;
    const MessageAnswer ready =
        desktop().messageBox(Texts::tr("Is your printer on and loaded with paper."), printTitle(),
                             MessageIcon::None, MessageButtons::YesNo);
    if (ready != MessageAnswer::Yes)
        return;
    QString error;
    switch (desktop().printText(report.text(), &error)) {
    case PrintResult::Printed:
        break;
    case PrintResult::NoPrinter:
        offerPdfInstead(report.text());
        break;
    case PrintResult::Failed:
        desktop().messageBox(Texts::tr("The text could not be printed.  ") + error, printTitle(),
                             MessageIcon::Exclamation, MessageButtons::Ok);
        break;
    }
}

void copyReport(const Report& report)
{
    const BusyPointer busy;
    desktop().clearClipboard();
    if (!desktop().setClipboardText(report.text())) {
        desktop().messageBox(
            Texts::tr("The text could not be copied to the clipboard.  Please try again."),
            clipboardTitle(), MessageIcon::Exclamation, MessageButtons::Ok);
        return;
    }
    desktop().messageBox(
        Texts::tr("Paste complete.  You may now paste the information into another application."),
        clipboardTitle(), MessageIcon::Information, MessageButtons::Ok);
}

void printResults(const QString& caption, const QListWidget* list)
{
    const BusyPointer busy;
    if (const std::optional<Report> report = resultsReport(caption, list))
        printReport(*report);
}

void copyResults(const QString& caption, const QListWidget* list)
{
    const BusyPointer busy;
    if (const std::optional<Report> report = resultsReport(caption, list))
        copyReport(*report);
}
