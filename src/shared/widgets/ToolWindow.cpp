#include "shared/widgets/ToolWindow.h"

#include "shared/widgets/AccessKeys.h"
#include "shared/widgets/ChildFrame.h"
#include "shared/widgets/ControlOrder.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTimer>

ToolWindow::ToolWindow(const QString& windowName, const QString& caption, QWidget* parent)
    : QWidget(parent)
{
    setObjectName(windowName);
    setWindowTitle(caption);
    setAccessibleName(caption);
}

void ToolWindow::showEvent(QShowEvent* event)
{
    AccessKeys::give(this);
    QWidget::showEvent(event);
}

void ToolWindow::activate()
{
    tileChildren();
    showAlone();
}

void ToolWindow::setChildFrame(ChildFrame* frame)
{
    m_childFrame = frame;
}

void ToolWindow::tileChildren()
{
    // Side by side, the user arranges the windows: activating one moves none.
    if (m_childFrame && !m_childFrame->sideBySide())
        m_childFrame->tile(Qt::Horizontal);
}

void ToolWindow::showAlone()
{
    if (m_childFrame)
        m_childFrame->showAlone(this);
}

void ToolWindow::showStatus(const QString& text)
{
    if (m_childFrame)
        m_childFrame->showStatus(text);
}

void ToolWindow::openWindowOn(const QString& windowName, qint64 key)
{
    if (m_childFrame)
        m_childFrame->requestWindow(windowName, key);
}

void ToolWindow::unload()
{
    if (auto* child = qobject_cast<QMdiSubWindow*>(parentWidget()))
        child->close();
    else
        close();
}

QTimer* ToolWindow::addTimer(const QString& name)
{
    auto* timer = new QTimer(this);
    timer->setObjectName(name);
    m_timers.append(timer);
    return timer;
}

void ToolWindow::setTabOrderChain(const QList<QWidget*>& chain)
{
    for (qsizetype i = 1; i < chain.size(); ++i)
        setTabOrder(chain.at(i - 1), chain.at(i));
}

void ToolWindow::closeEvent(QCloseEvent* event)
{
    keepWork();
    for (QTimer* timer : std::as_const(m_timers))
        timer->stop();
    QWidget::closeEvent(event);
}

void ToolWindow::keyPressEvent(QKeyEvent* event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (!enter)
        return QWidget::keyPressEvent(event);
    // Enter on a focused push button presses that button, as everywhere on the desktop.
    auto* focused = qobject_cast<QPushButton*>(focusWidget());
    QAbstractButton* pressed = focused && isAncestorOf(focused) ? focused : m_defaultButton.data();
    if (pressed && pressed->isEnabled() && pressed->isVisible())
        pressed->click();
    else
        QWidget::keyPressEvent(event);
}
