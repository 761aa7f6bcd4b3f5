#include "shared/widgets/OutputText.h"

#include "shared/desktop/BusyPointer.h"
#include "shared/desktop/Clock.h"
#include "shared/desktop/Desktop.h"
#include "shared/desktop/TextPrinting.h"
#include "shared/widgets/ControlOrder.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPlainTextEdit>
#include <QTextEdit>

#include <optional>

namespace {

QString text;

const QString PrintTitle = QStringLiteral("Print List");
const QString ClipboardTitle = QStringLiteral("Clipboard Paste");

QListWidget* resultsList(QWidget* window)
{
    auto* list = window->findChild<QListWidget*>(QStringLiteral("lstResults"));
    Q_ASSERT_X(list, "resultsList", "the window has no lstResults");
    return list;
}

// The text a text box or combo box shows; nothing for other kinds of control.
std::optional<QString> controlText(const QObject* control)
{
    if (auto* edit = qobject_cast<const QLineEdit*>(control))
        return edit->text();
    if (auto* combo = qobject_cast<const QComboBox*>(control))
        return combo->currentText();
    if (auto* plain = qobject_cast<const QPlainTextEdit*>(control))
        return plain->toPlainText();
    if (auto* rich = qobject_cast<const QTextEdit*>(control))
        return rich->toPlainText();
    return std::nullopt;
}

// An empty results list is not printed or copied; the user is told why.
bool refusedAsEmpty(QWidget* window)
{
    if (resultsList(window)->count() > 0)
        return false;
    desktop().messageBox(QStringLiteral("There are no items in this list."),
                         QStringLiteral("No Items"), MessageIcon::Critical, MessageButtons::Ok);
    return true;
}

void offerPdfInstead()
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

void appendOutput(const QString& line)
{
    text += u'\n';
    text += line;
}

void clearOutput()
{
    text.clear();
}

const QString& outputText()
{
    return text;
}

void printOutput()
{
    const MessageAnswer ready =
        desktop().messageBox(QStringLiteral("Is your printer on and loaded with paper."),
                             PrintTitle, MessageIcon::None, MessageButtons::YesNo);
    if (ready != MessageAnswer::Yes)
        return;
    QString error;
    switch (desktop().printText(text, &error)) {
    case PrintResult::Printed:
        break;
    case PrintResult::NoPrinter:
        offerPdfInstead();
        break;
    case PrintResult::Failed:
        desktop().messageBox(QStringLiteral("The text could not be printed.  ") + error, PrintTitle,
                             MessageIcon::Exclamation, MessageButtons::Ok);
        break;
    }
}

void copyOutput()
{
    desktop().clearClipboard();
    if (!desktop().setClipboardText(text)) {
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

QString resultsHeaderLine(const QString& caption)
{
    return QStringLiteral("Quillane -- ") + caption + u' ' +
           QLocale().toString(currentDateTime(), QLocale::ShortFormat);
}

QString resultsRule()
{
    return QString(80, u'-');
}

void captureFormText(QWidget* window)
{
    appendOutput(resultsHeaderLine(window->windowTitle()));
    appendOutput(resultsRule());
    for (QObject* control : controlsWithPrefix(window, QString())) {
        const QString name = control->objectName();
        const QString prefix = name.left(3).toLower();
        if (prefix != QLatin1String("txt") && prefix != QLatin1String("cbo"))
            continue;
        if (const auto shown = controlText(control))
            appendOutput(name.mid(3) + QStringLiteral(": ") + *shown);
    }
}

void captureListText(QWidget* window)
{
    clearOutput();
    appendOutput(resultsHeaderLine(window->windowTitle()));
    appendOutput(resultsRule());
    const QListWidget* list = resultsList(window);
    for (int i = 0; i < list->count(); ++i)
        appendOutput(list->item(i)->text());
    appendOutput(QString()); // the position one past the last entry reads as an empty line
}

void printForm(QWidget* window)
{
    const BusyPointer busy;
    clearOutput();
    captureFormText(window);
    printOutput();
}

void copyForm(QWidget* window)
{
    const BusyPointer busy;
    clearOutput();
    desktop().clearClipboard();
    captureFormText(window);
    copyOutput();
}

void printList(QWidget* window)
{
    const BusyPointer busy;
    if (!refusedAsEmpty(window)) {
        captureListText(window);
        printOutput();
    }
}

void copyList(QWidget* window)
{
    const BusyPointer busy;
    if (!refusedAsEmpty(window)) {
        captureListText(window);
        copyOutput();
    }
}
