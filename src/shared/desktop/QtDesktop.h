#pragma once

#include "shared/desktop/Desktop.h"

#include <functional>

class QFileDialog;

// The desktop as Qt reaches it: message boxes, the clipboard, the default printer, the
// desktop's web browser and the program's own help viewer.
class QtDesktop : public Desktop
{
public:
    // Shows a help file at its contents; false when it cannot be shown.
    using HelpViewing = std::function<bool(const QString& helpFile)>;

    // The program hands in its help viewer, so that the desktop depends on no window.
    explicit QtDesktop(HelpViewing showHelp);

    void beep() override;
    void setBusyPointer(bool busy) override;
    bool isBusyPointer() const override { return m_busy; }
    PrintResult printText(const QString& text, QString* error) override;
    PrintResult printPicture(const Painting& paint, QString* error) override;
    bool setClipboardText(const QString& text) override;
    void clearClipboard() override;
    UrlOpening openUrl(const QUrl& url) override;
    bool showHelp(const QString& helpFile) override;

    // Makes the dialog ask where to save a file of one of the kinds offered ("Web page
    // (*.html)"). The kind chosen gives its suffix to a name typed without one before the dialog
    // checks that name, so its question whether to replace a file asks about the file written.
    static void makeSaveDialog(QFileDialog* dialog, const QStringList& filters);

protected:
    MessageAnswer showMessageBox(const QString& text, const QString& title, MessageIcon icon,
                                 MessageButtons buttons) override;
    QString showInputBox(const QString& prompt, const QString& title,
                         const QString& defaultText) override;
    QString showPdfFileDialog(const QString& suggestedName) override;
    QString showSaveFileDialog(const QString& title, const QString& suggestedName,
                               const QStringList& filters) override;
    QString showOpenFileDialog(const QString& title, const QStringList& filters) override;

private:
    HelpViewing m_showHelp;
    bool m_busy = false;
};
