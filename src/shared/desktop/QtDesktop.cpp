#include "shared/desktop/QtDesktop.h"

#include "shared/desktop/TextPrinting.h"

#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QUrl>

#include <utility>

namespace {

struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(QtDesktop)
};

} // namespace

namespace {

QMessageBox::Icon toQt(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Exclamation:
        return QMessageBox::Warning;
    case MessageIcon::Critical:
        return QMessageBox::Critical;
    case MessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

// While a dialog waits for the user the pointer must not claim the program is busy.
class NormalPointer
{
public:
    NormalPointer() { QApplication::setOverrideCursor(Qt::ArrowCursor); }
    ~NormalPointer() { QApplication::restoreOverrideCursor(); }
};

} // namespace

QtDesktop::QtDesktop(HelpViewing showHelp) : m_showHelp(std::move(showHelp)) {}

MessageAnswer QtDesktop::showMessageBox(const QString& text, const QString& title, MessageIcon icon,
                                        MessageButtons buttons)
{
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    QMessageBox box(toQt(icon), title, shown,
                    buttons == MessageButtons::YesNo ? QMessageBox::Yes | QMessageBox::No
                                                     : QMessageBox::Ok,
                    QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    NormalPointer pointer;
    const int answer = box.exec();
    if (buttons == MessageButtons::Ok)
        return MessageAnswer::Ok;
    return answer == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
}

QString QtDesktop::showInputBox(const QString& prompt, const QString& title,
                                const QString& defaultText)
{
    NormalPointer pointer;
    bool accepted = false;
    const QString typed = QInputDialog::getText(QApplication::activeWindow(), title, prompt,
                                                QLineEdit::Normal, defaultText, &accepted);
    return accepted ? typed : QString();
}

void QtDesktop::beep()
{
    QApplication::beep();
}

void QtDesktop::setBusyPointer(bool busy)
{
    if (busy == m_busy)
        return;
    m_busy = busy;
    if (busy)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

namespace {

// Prints on the default printer through the function; false from it means the printer did not
// take the document.
PrintResult printOnDefault(const std::function<bool(QPrinter*)>& print, QString* error)
{
    const QPrinterInfo printerInfo = QPrinterInfo::defaultPrinter();
    if (printerInfo.isNull()) {
        if (error)
            *error = Texts::tr("No printer is installed.");
        return PrintResult::NoPrinter;
    }
    QPrinter printer(printerInfo);
    printer.setDocName(QStringLiteral("Quillane"));
    if (print(&printer))
        return PrintResult::Printed;
    if (error)
        *error =
            Texts::tr("The printer %1 did not accept the document.").arg(printerInfo.printerName());
    return PrintResult::Failed;
}

} // namespace

PrintResult QtDesktop::printText(const QString& text, QString* error)
{
    return printOnDefault([&text](QPrinter* printer) { return printPlainText(printer, text); },
                          error);
}

PrintResult QtDesktop::printPicture(const Painting& paint, QString* error)
{
    return printOnDefault(
        [&paint](QPrinter* printer) {
            QPainter painter;
            if (!painter.begin(printer))
                return false;
            paint(&painter, QRectF(QPointF(), printer->pageRect(QPrinter::DevicePixel).size()));
            return painter.end() && printer->printerState() != QPrinter::Error;
        },
        error);
}

QString QtDesktop::showPdfFileDialog(const QString& suggestedName)
{
    NormalPointer pointer;
    return QFileDialog::getSaveFileName(
        QApplication::activeWindow(), Texts::tr("Save as PDF"),
        QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
            .filePath(suggestedName),
        Texts::tr("PDF files (*.pdf)"));
}

void QtDesktop::makeSaveDialog(QFileDialog* dialog, const QStringList& filters)
{
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setFileMode(QFileDialog::AnyFile);
    dialog->setNameFilters(filters);
    const auto takeSuffixOf = [dialog](const QString& filter) {
        static const QRegularExpression suffix(QStringLiteral("\\*\\.(\\w+)"));
        dialog->setDefaultSuffix(suffix.match(filter).captured(1));
    };
    takeSuffixOf(dialog->selectedNameFilter());
    QObject::connect(dialog, &QFileDialog::filterSelected, dialog, takeSuffixOf);
}

QString QtDesktop::showSaveFileDialog(const QString& title, const QString& suggestedName,
                                      const QStringList& filters)
{
    NormalPointer pointer;
    QFileDialog dialog(QApplication::activeWindow(), title,
                       QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
                           .filePath(suggestedName));
    makeSaveDialog(&dialog, filters);
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

QString QtDesktop::showOpenFileDialog(const QString& title, const QStringList& filters)
{
    NormalPointer pointer;
    return QFileDialog::getOpenFileName(
        QApplication::activeWindow(), title,
        QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation),
        filters.join(QStringLiteral(";;")));
}

bool QtDesktop::setClipboardText(const QString& text)
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard)
        return false;
    clipboard->setText(text);
    return clipboard->text() == text;
}

void QtDesktop::clearClipboard()
{
    if (QClipboard* clipboard = QGuiApplication::clipboard())
        clipboard->clear();
}

UrlOpening QtDesktop::openUrl(const QUrl& url)
{
    if (QDesktopServices::openUrl(url))
        return UrlOpening::Opened;
    // Qt gives one answer for "nothing opens web pages here" and "it would not start". Qt's first
    // choice on this desktop is xdg-open: without it, no program was found to open the page.
    return QStandardPaths::findExecutable(QStringLiteral("xdg-open")).isEmpty()
               ? UrlOpening::NoBrowser
               : UrlOpening::Failed;
}

bool QtDesktop::showHelp(const QString& helpFile)
{
    return m_showHelp(helpFile);
}
