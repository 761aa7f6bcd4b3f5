#include "support/ScriptedDesktop.h"

ScriptedDesktop::ScriptedDesktop()
{
    setDesktop(this);
}

ScriptedDesktop::~ScriptedDesktop()
{
    if (installedDesktop() == this)
        setDesktop(nullptr);
}

MessageAnswer ScriptedDesktop::showMessageBox(const QString& text, const QString& title,
                                              MessageIcon icon, MessageButtons buttons)
{
    messages.append({text, title, icon, buttons});
    if (whileOpen)
        whileOpen();
    if (buttons == MessageButtons::Ok)
        return MessageAnswer::Ok;
    return m_answers.isEmpty() ? MessageAnswer::No : m_answers.takeFirst();
}

QString ScriptedDesktop::showInputBox(const QString& prompt, const QString&, const QString&)
{
    inputPrompts.append(prompt);
    if (whileOpen)
        whileOpen();
    return m_inputs.isEmpty() ? QString() : m_inputs.takeFirst();
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

QString ScriptedDesktop::showPdfFileDialog(const QString& suggestedName)
{
    pdfFiles.append(suggestedName);
    return pdfFileToChoose;
}

bool ScriptedDesktop::setClipboardText(const QString& text)
{
    if (!clipboardWorks)
        return false;
    clipboard = text;
    return true;
}

void ScriptedDesktop::clearClipboard()
{
    ++clipboardClears;
    clipboard.clear();
}

QString ScriptedDesktop::findBrowser(const QString&)
{
    return browser;
}

bool ScriptedDesktop::launchBrowser(const QString& program, const QString& argument)
{
    launched.append(program + u' ' + argument);
    return launchWorks;
}

bool ScriptedDesktop::showHelp(const QString& helpFile)
{
    helpShown.append(helpFile);
    return helpWorks;
}
