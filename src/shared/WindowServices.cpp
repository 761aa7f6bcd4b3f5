#include "shared/WindowServices.h"

#include "data/DataControl.h"
#include "data/FatalError.h"
#include "shared/ControlOrder.h"
#include "shared/Desktop.h"
#include "shared/RunSettings.h"

#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QTabWidget>
#include <QTimer>

namespace {

QPointer<QMdiArea> frame;

QList<QMdiSubWindow*> restoredChildren()
{
    QList<QMdiSubWindow*> result;
    for (QMdiSubWindow* child : frame->subWindowList(QMdiArea::CreationOrder)) {
        if (child->isVisible() && !child->isMinimized())
            result.append(child);
    }
    return result;
}

// The frame's client area less a row for the icons of minimized children, when there are any.
QRect tilingArea()
{
    QRect area = frame->viewport()->rect();
    for (QMdiSubWindow* child : frame->subWindowList()) {
        if (child->isVisible() && child->isMinimized()) {
            area.setBottom(area.bottom() - child->height());
            break;
        }
    }
    return area;
}

void tile(Qt::Orientation bands)
{
    if (!frame)
        return;
    const QList<QMdiSubWindow*> children = restoredChildren();
    if (children.isEmpty())
        return;
    const QRect area = tilingArea();
    const int count = int(children.size());
    for (int i = 0; i < count; ++i) {
        QMdiSubWindow* child = children.at(i);
        if (child->isMaximized())
            child->showNormal();
        if (bands == Qt::Horizontal) {
            const int top = area.top() + area.height() * i / count;
            const int bottom = area.top() + area.height() * (i + 1) / count;
            child->setGeometry(area.left(), top, area.width(), bottom - top);
        } else {
            const int left = area.left() + area.width() * i / count;
            const int right = area.left() + area.width() * (i + 1) / count;
            child->setGeometry(left, area.top(), right - left, area.height());
        }
    }
}

} // namespace

void setDataControls(QWidget* window)
{
    for (DataControl* control : controlsWithPrefix<DataControl>(window, QStringLiteral("dta"))) {
        control->setDatabaseName(runSettings().databasePath);
        StoreError error;
        if (!control->refresh(&error)) {
            desktop().messageBox(QStringLiteral("An error occurred on control ") +
                                     control->objectName(),
                                 QStringLiteral("Quillane"), MessageIcon::None, MessageButtons::Ok);
            reportFatalError(error);
            return;
        }
    }
}

void setTimers(QWidget* window)
{
    for (QTimer* timer : controlsWithPrefix<QTimer>(window, QStringLiteral("tmr")))
        timer->setInterval(runSettings().timerInterval);
}

void setChildFrame(QMdiArea* newFrame)
{
    frame = newFrame;
}

QMdiArea* childFrame()
{
    return frame;
}

void tileWindows()
{
    tile(Qt::Horizontal);
}

void tileWindowsVertically()
{
    tile(Qt::Vertical);
}

void arrangeIcons()
{
    if (!frame)
        return;
    const QRect area = frame->viewport()->rect();
    int left = area.left();
    for (QMdiSubWindow* child : frame->subWindowList(QMdiArea::CreationOrder)) {
        if (!child->isVisible() || !child->isMinimized())
            continue;
        child->move(left, area.bottom() + 1 - child->height());
        left += child->width();
    }
}

void arrangeChildren(QWidget* /*window*/)
{
    tileWindows();
}

void showChildAlone(const QString& windowName)
{
    if (!frame)
        return;
    QMdiSubWindow* named = nullptr;
    for (QMdiSubWindow* child : frame->subWindowList(QMdiArea::CreationOrder)) {
        if (!child->widget())
            continue;
        if (child->widget()->objectName() == windowName)
            named = child;
        else if (!child->isMinimized())
            child->showMinimized();
    }
    if (!named)
        return;
    named->showNormal();
    named->move(0, 0);
    // Tiling may have left it smaller than its controls need; alone, it has room to grow.
    named->resize(named->size().expandedTo(named->minimumSizeHint()));
    frame->setActiveSubWindow(named);
    // Keep the focus where the window put it; only bring it in from outside, to the control
    // that had it last or else the first one that takes it.
    QWidget* focused = QApplication::focusWidget();
    if (!focused || !named->isAncestorOf(focused)) {
        QWidget* window = named->widget();
        QWidget* target = window->focusWidget();
        for (QWidget* next = window->nextInFocusChain(); !target && next != window;
             next = next->nextInFocusChain()) {
            if (window->isAncestorOf(next) && next->isVisibleTo(window) && next->isEnabled() &&
                (next->focusPolicy() & Qt::TabFocus))
                target = next;
        }
        (target ? target : window)->setFocus();
    }
}

void showAndFocus(QWidget* control)
{
    // A tab page sits in the tab widget's own page stack, so its tab widget is two levels up.
    for (QWidget* page = control; page->parentWidget(); page = page->parentWidget()) {
        auto* tabs = page->parentWidget()->parentWidget();
        if (auto* tabWidget = qobject_cast<QTabWidget*>(tabs);
            tabWidget && tabWidget->indexOf(page) >= 0)
            tabWidget->setCurrentWidget(page);
    }
    control->setFocus();
}
