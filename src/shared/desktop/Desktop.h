#pragma once

#include <QRectF>
#include <QString>

#include <functional>
#include <QStringList>

class QPainter;
class QUrl;
class QWidget;

// Everything the program asks of the desktop goes through this one interface: message and
// input boxes, the beep, the busy pointer, the printer, the clipboard, the browser and the help
// viewer. The program uses a Qt implementation; tests install a scripted double so that no test
// ever waits on a real dialog.

enum class MessageIcon { None, Information, Exclamation, Critical };
enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No };

enum class PrintResult { Printed, NoPrinter, Failed };
// How a request to show a web page or file in the browser ended.
enum class UrlOpening { Opened, NoBrowser, Failed };

class Desktop
{
public:
    virtual ~Desktop() = default;

    // While a message, a question or a file dialog is open, no tool window's timer fires. When
    // the message closes, the focus goes to the control it is about, if given, else back to the
    // control that had it.
    MessageAnswer messageBox(const QString& text, const QString& title, MessageIcon icon,
                             MessageButtons buttons, QWidget* about = nullptr);
    // Returns the typed text; Cancel gives the empty text.
    QString inputBox(const QString& prompt, const QString& title, const QString& defaultText);
    virtual void beep() = 0;

    virtual void setBusyPointer(bool busy) = 0;
    virtual bool isBusyPointer() const = 0;

    // Prints a block of plain text on the default printer as one document.
    virtual PrintResult printText(const QString& text, QString* error) = 0;
    // Draws a picture on one page of the default printer: the painting fills the page's
    // printable rectangle, in the painter's coordinates.
    using Painting = std::function<void(QPainter* painter, const QRectF& page)>;
    virtual PrintResult printPicture(const Painting& paint, QString* error) = 0;
    // Asks where to save a PDF file; an empty result means the user cancelled.
    QString askPdfFileName(const QString& suggestedName);
    // Asks where to save a file of one of the kinds offered ("Web page (*.html)"); the name has
    // the suffix of the kind chosen. An empty result means the user cancelled.
    QString askSaveFileName(const QString& title, const QString& suggestedName,
                            const QStringList& filters);
    // Asks which file to open, of the kinds offered; an empty result means the user cancelled.
    QString askOpenFileName(const QString& title, const QStringList& filters);

    // Replaces the clipboard's contents by the text.
    virtual bool setClipboardText(const QString& text) = 0;
    virtual void clearClipboard() = 0;

    // Hands a web address or a local page to the program the desktop opens such pages with.
    virtual UrlOpening openUrl(const QUrl& url) = 0;

    // Shows a help file at its contents; false when it cannot be shown.
    virtual bool showHelp(const QString& helpFile) = 0;

protected:
    // The dialogs themselves, shown by the calls above.
    virtual MessageAnswer showMessageBox(const QString& text, const QString& title,
                                         MessageIcon icon, MessageButtons buttons) = 0;
    virtual QString showInputBox(const QString& prompt, const QString& title,
                                 const QString& defaultText) = 0;
    virtual QString showPdfFileDialog(const QString& suggestedName) = 0;
    virtual QString showSaveFileDialog(const QString& title, const QString& suggestedName,
                                       const QStringList& filters) = 0;
    virtual QString showOpenFileDialog(const QString& title, const QStringList& filters) = 0;
};

// The desktop of the run. The program installs the Qt implementation at start-up.
Desktop& desktop();
void setDesktop(Desktop* desktop);
// The installed desktop, or null.
Desktop* installedDesktop();
