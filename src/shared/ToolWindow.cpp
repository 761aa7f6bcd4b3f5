#include "shared/ToolWindow.h"

#include "shared/WindowServices.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QMdiSubWindow>

ToolWindow::ToolWindow(const QString& windowName, const QString& caption, QWidget* parent)
    : QWidget(parent)
{
    setObjectName(windowName);
    setWindowTitle(caption);
    setAccessibleName(caption);
}

void ToolWindow::Form_Activate()
{
    arrangeChildren(this);
    showChildAlone(objectName());
}

void ToolWindow::unload()
{
    if (auto* child = qobject_cast<QMdiSubWindow*>(parentWidget()))
        child->close();
    else
        close();
}

void ToolWindow::setTabOrderChain(const QList<QWidget*>& chain)
{
    for (qsizetype i = 1; i < chain.size(); ++i)
        setTabOrder(chain.at(i - 1), chain.at(i));
}

void ToolWindow::keyPressEvent(QKeyEvent* event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && m_defaultButton && m_defaultButton->isEnabled() && m_defaultButton->isVisible()) {
        m_defaultButton->click();
        return;
    }
    QWidget::keyPressEvent(event);
}
