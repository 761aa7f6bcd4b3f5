#include "engines/PsychoJump.h"

#include "engines/PsychoMeasures.h"

using PsychoMeasures::JumpStep;
using PsychoMeasures::ReEntry;

PsychoJump::Bounds PsychoJump::boundsOf(const QRect& outerWindow)
{
    Bounds bounds;
    bounds.top = outerWindow.y();
    bounds.bottom = outerWindow.y() + outerWindow.height();
    bounds.left = 0;
    bounds.right = outerWindow.x() + outerWindow.width();
    return bounds;
}

QPoint PsychoJump::jump(const QRect& button, const Bounds& bounds, Direction direction)
{
    // Edges measured as left + width and top + height, not QRect's inclusive right and bottom.
    const int left = button.x();
    const int top = button.y();
    const int right = left + button.width();
    const int bottom = top + button.height();
    switch (direction) {
    case Direction::Up:
        return {left, top >= bounds.top ? top - JumpStep : bounds.top + ReEntry};
    case Direction::Down:
        return {left, bottom <= bounds.bottom ? top + JumpStep : bounds.bottom - ReEntry};
    case Direction::Right:
        return {right <= bounds.right ? left + JumpStep : bounds.right - ReEntry, top};
    case Direction::Left:
        return {left >= bounds.left ? left - JumpStep : bounds.left + ReEntry, top};
    }
    return {left, top};
}
