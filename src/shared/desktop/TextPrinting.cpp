#include "shared/desktop/TextPrinting.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QPrinter>
#include <QTextDocument>

namespace {

struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(TextPrinting)
};

} // namespace

bool printPlainText(QPrinter* printer, const QString& text)
{
    QTextDocument document;
    document.setPlainText(text);
    document.print(printer);
    return printer->printerState() != QPrinter::Error;
}

bool saveTextAsPdf(const QString& text, const QString& fileName, QString* error)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(fileName);
    if (printPlainText(&printer, text) && QFileInfo(fileName).size() > 0)
        return true;
    if (error)
        *error = Texts::tr("The file %1 could not be written.").arg(fileName);
    return false;
}
