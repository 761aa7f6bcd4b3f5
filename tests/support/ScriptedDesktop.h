#pragma once

#include "shared/desktop/Desktop.h"

#include <functional>
#include <QImage>
#include <QList>
#include <QString>
#include <QStringList>

// A desktop for tests: it records every call and answers from queues set up in advance, so a
// test can check each message word for word and nothing ever waits for a person.
class ScriptedDesktop : public Desktop
{
public:
    struct Message
    {
        QString text;
        QString title;
        MessageIcon icon;
        MessageButtons buttons;
    };

    ScriptedDesktop() { setDesktop(this); }
    ~ScriptedDesktop() override;

    // Queued answers for the next questions; a question with none queued is answered No.
    void answerNext(MessageAnswer answer) { m_answers.append(answer); }
    // Queued texts for the next input boxes; a box with none queued is cancelled.
    void typeNext(const QString& text) { m_typed.append(text); }

    QList<Message> messages;
    QStringList inputBoxes;        // every input box shown, as "prompt|title"
    QStringList inputOffers;       // the text each one offered
    QStringList printed;           // every text handed to the printer
    QList<QImage> printedPictures; // every picture printed, on a small page
    QString clipboard;
    int clipboardClears = 0;
    QStringList launched;  // "browser page" of every page opened (a local page by its path)
    QStringList helpShown; // every help file shown

    // What the desktop pretends about itself.
    bool busy = false;
    PrintResult printResult = PrintResult::Printed;
    QString pdfFileToChoose;
    QString saveFileToChoose; // what every save dialog answers
    QString openFileToChoose; // what every open dialog answers
    bool clipboardWorks = true;
    QString browser = QStringLiteral("/usr/bin/browser"); // empty: no browser
    bool launchWorks = true;
    bool helpWorks = true;

    // Runs while each message or question is open, before it is answered: a test can let time
    // pass there as a person reading it would.
    std::function<void()> whileOpen;

    // The text of the last message, or empty.
    QString lastMessage() const { return messages.isEmpty() ? QString() : messages.last().text; }

    void beep() override {}
    void setBusyPointer(bool isBusy) override { busy = isBusy; }
    bool isBusyPointer() const override { return busy; }
    PrintResult printText(const QString& text, QString* error) override;
    PrintResult printPicture(const Painting& paint, QString* error) override;
    bool setClipboardText(const QString& text) override;
    void clearClipboard() override
    {
        ++clipboardClears;
        clipboard.clear();
    }
    UrlOpening openUrl(const QUrl& url) override;
    bool showHelp(const QString& helpFile) override
    {
        helpShown.append(helpFile);
        return helpWorks;
    }

protected:
    MessageAnswer showMessageBox(const QString& text, const QString& title, MessageIcon icon,
                                 MessageButtons buttons) override;
    // Every input box's prompt and title are kept as "prompt|title", and what it offered.
    QString showInputBox(const QString& prompt, const QString& title,
                         const QString& offered) override
    {
        inputBoxes << prompt + u'|' + title;
        inputOffers << offered;
        return m_typed.isEmpty() ? QString() : m_typed.takeFirst();
    }
    QString showPdfFileDialog(const QString&) override { return pdfFileToChoose; }
    QString showSaveFileDialog(const QString&, const QString&, const QStringList&) override
    {
        return saveFileToChoose;
    }
    QString showOpenFileDialog(const QString&, const QStringList&) override
    {
        return openFileToChoose;
    }

private:
    QList<MessageAnswer> m_answers;
    QStringList m_typed;
};
