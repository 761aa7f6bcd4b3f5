#include "shared/widgets/ChildFrame.h"

#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>

namespace {

QList<QMdiSubWindow*> restoredChildren(QMdiArea* frame)
{
    QList<QMdiSubWindow*> result;
    for (QMdiSubWindow* child : frame->subWindowList(QMdiArea::CreationOrder)) {
        if (child->isVisible() && !child->isMinimized())
            result.append(child);
    }
    return result;
}

// The frame's client area less a row for the icons of minimized children, when there are any.
QRect tilingArea(QMdiArea* frame)
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

void tile(QMdiArea* frame, Qt::Orientation bands)
{
    const QList<QMdiSubWindow*> children = restoredChildren(frame);
    if (children.isEmpty())
        return;
    const QRect area = tilingArea(frame);
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

ChildFrame::ChildFrame(QMdiArea* area) : QObject(area), m_area(area) {}

void ChildFrame::setSideBySide(bool sideBySide)
{
    m_sideBySide = sideBySide;
}

void ChildFrame::restoreMinimized()
{
    for (QMdiSubWindow* child : m_area->subWindowList(QMdiArea::CreationOrder)) {
        if (child->isVisible() && child->isMinimized())
            child->showNormal();
    }
}

void ChildFrame::tile(Qt::Orientation bands)
{
    if (!m_area)
        return;
    if (m_sideBySide)
        restoreMinimized();
    ::tile(m_area, bands);
}

void ChildFrame::cascade()
{
    if (!m_area)
        return;
    if (m_sideBySide)
        restoreMinimized();
    m_area->cascadeSubWindows();
}

void ChildFrame::arrangeIcons()
{
    if (!m_area)
        return;
    const QRect area = m_area->viewport()->rect();
    int left = area.left();
    for (QMdiSubWindow* child : m_area->subWindowList(QMdiArea::CreationOrder)) {
        if (!child->isVisible() || !child->isMinimized())
            continue;
        child->move(left, area.bottom() + 1 - child->height());
        left += child->width();
    }
}

void ChildFrame::showAlone(QWidget* window)
{
    if (!m_area)
        return;
    QMdiSubWindow* own = nullptr;
    for (QMdiSubWindow* child : m_area->subWindowList(QMdiArea::CreationOrder)) {
        if (!child->widget())
            continue;
        if (child->widget() == window)
            own = child;
        else if (!m_sideBySide && !child->isMinimized())
            child->showMinimized();
    }
    if (!own)
        return;
    if (!m_sideBySide) {
        own->showNormal();
        own->move(0, 0);
        // Tiling may have left it smaller than its controls need; alone, it has room to grow.
        own->resize(own->size().expandedTo(own->minimumSizeHint()));
    }
    m_area->setActiveSubWindow(own);
    // Keep the focus where the window put it; only bring it in from outside, to the control
    // that had it last or else the first one that takes it.
    QWidget* focused = QApplication::focusWidget();
    if (!focused || !own->isAncestorOf(focused)) {
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
