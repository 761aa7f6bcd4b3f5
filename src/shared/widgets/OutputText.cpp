#include "shared/widgets/OutputText.h"

#include "shared/desktop/BusyPointer.h"
#include "shared/desktop/Desktop.h"
#include "shared/desktop/TextPrinting.h"
#include "shared/widgets/Report.h"

#include <QListWidget>

#include <optional>

namespace {

const QString PrintTitle = QStringLiteral("Print List");
const QString ClipboardTitle = QStringLiteral("Clipboard Paste");

// The list's report; none for an empty list, which the user is told is not printed or copied.
std::optional<Report> resultsReport(const QString& caption, const QListWidget* list)
{
    if (list->count() == 0) {
        desktop().messageBox(QStringLiteral("There are no items in this list."),
                             QStringLiteral("No Items"), MessageIcon::Critical, MessageButtons::Ok);
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
        QStringLiteral("No printer is installed.  Would you like to save the text as a PDF file "
                       "instead?"),
        PrintTitle, MessageIcon::Exclamation, MessageButtons::YesNo);
    if (answer != MessageAnswer::Yes)
        return;
    const QString fileName = desktop().askPdfFileName(QStringLiteral("Quillane.pdf"));
    if (fileName.isEmpty())
        return;
    QString error;
    if (!saveTextAsPdf(text, fileName, &error))
        desktop().messageBox(QStringLiteral("The PDF file could not be saved.  ") + error,
                             PrintTitle, MessageIcon::Exclamation, MessageButtons::Ok);
}

} // namespace

void printReport(const Report& report)
{
    const BusyPointer busy;
    const MessageAnswer ready =
        desktop().messageBox(QStringLiteral("Is your printer on and loaded with paper."),
                             PrintTitle, MessageIcon::None, MessageButtons::YesNo);
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
        desktop().messageBox(QStringLiteral("The text could not be printed.  ") + error, PrintTitle,
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
            QStringLiteral("The text could not be copied to the clipboard.  Please try again."),
            ClipboardTitle, MessageIcon::Exclamation, MessageButtons::Ok);
        return;
    }
    desktop().messageBox(
        QStringLiteral(
            "Paste complete.  You may now paste the information into another application."),
        ClipboardTitle, MessageIcon::Information, MessageButtons::Ok);
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
