#include "support/ScriptedDesktop.h"

#include <QApplication>
#include <QPainter>
#include <QUrl>
#include <QWidget>

ScriptedDesktop::~ScriptedDesktop()
{
    if (installedDesktop() == this)
        setDesktop(nullptr);
}

MessageAnswer ScriptedDesktop::showMessageBox(const QString& text, const QString& title,
                                              MessageIcon icon, MessageButtons buttons)
{
    messages.append({text, title, icon, buttons});
    // The message takes the focus, as a real one does; where it goes afterwards is the
    // program's doing.
    if (QWidget* focused = QApplication::focusWidget())
        focused->clearFocus();
    if (whileOpen)
        whileOpen();
    if (buttons == MessageButtons::Ok)
        return MessageAnswer::Ok;
    return m_answers.isEmpty() ? MessageAnswer::No : m_answers.takeFirst();
}

PrintResult ScriptedDesktop::printPicture(const Painting& paint, QString* error)
{
    if (printResult != PrintResult::Printed)
        return printText({}, error);
    QImage page(600, 800, QImage::Format_ARGB32);
    page.fill(Qt::white);
    QPainter painter(&page);
    paint(&painter, page.rect());
    painter.end();
    printedPictures.append(page);
    return printResult;
}

PrintResult ScriptedDesktop::printText(const QString& text, QString* error)
{
    if (printResult == PrintResult::Printed)
        printed.append(text);
    else if (error)
        *error = printResult == PrintResult::NoPrinter ? QStringLiteral("No printer is installed")
                                                       : QStringLiteral("The printer failed");
    return printResult;
}

bool ScriptedDesktop::setClipboardText(const QString& text)
{
    if (clipboardWorks)
        clipboard = text;
    return clipboardWorks;
}

UrlOpening ScriptedDesktop::openUrl(const QUrl& url)
{
    if (browser.isEmpty())
        return UrlOpening::NoBrowser;
    launched.append(browser + u' ' + url.toString(QUrl::PreferLocalFile));
    return launchWorks ? UrlOpening::Opened : UrlOpening::Failed;
}
