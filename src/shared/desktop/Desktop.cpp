#include "shared/desktop/Desktop.h"

#include "shared/desktop/TimerHold.h"

#include <QApplication>
#include <QPointer>
#include <QScopeGuard>
#include <QtGlobal>
#include <QWidget>

namespace {
Desktop* currentDesktop = nullptr;
}

Desktop& desktop()
{
    Q_ASSERT_X(currentDesktop, "desktop()", "no desktop installed");
    return *currentDesktop;
}

void setDesktop(Desktop* desktop)
{
    currentDesktop = desktop;
}

Desktop* installedDesktop()
{
    return currentDesktop;
}

MessageAnswer Desktop::messageBox(const QString& text, const QString& title, MessageIcon icon,
                                  MessageButtons buttons, QWidget* about)
{
    const QPointer<QWidget> focusAfter = about ? about : QApplication::focusWidget();
    const auto returnFocus = qScopeGuard([&focusAfter] {
        if (focusAfter)
            focusAfter->setFocus(Qt::OtherFocusReason);
    });
    const TimerHold::MessageScope hold;
    return showMessageBox(text, title, icon, buttons);
}

QString Desktop::inputBox(const QString& prompt, const QString& title, const QString& defaultText)
{
    const TimerHold::MessageScope hold;
    return showInputBox(prompt, title, defaultText);
}

QString Desktop::askPdfFileName(const QString& suggestedName)
{
    const TimerHold::MessageScope hold;
    return showPdfFileDialog(suggestedName);
}

QString Desktop::askSaveFileName(const QString& title, const QString& suggestedName,
                                 const QStringList& filters)
{
    const TimerHold::MessageScope hold;
    return showSaveFileDialog(title, suggestedName, filters);
}

QString Desktop::askOpenFileName(const QString& title, const QStringList& filters)
{
    const TimerHold::MessageScope hold;
    return showOpenFileDialog(title, filters);
}
