#pragma once

#include <QPoint>
#include <QRect>

// The word button's jumps: one step up, down, right or left, unless it has strayed past that
// side's bound, in which case it is thrown back to a fixed distance inside the bound.
namespace PsychoJump {

// A uniform draw of a whole number from 1 to 4 gives the direction.
enum class Direction { Up = 1, Down = 2, Right = 3, Left = 4 };

struct Bounds
{
    int top = 0;
    int bottom = 0;
    int left = 0;
    int right = 0;
};

// The bounds come from the window's outer rectangle in its frame, while the button moves in the
// window's own coordinates: the top bound is the window's top, the left bound is always 0.
Bounds boundsOf(const QRect& outerWindow);

// Where the button (its geometry inside the window) lands after a jump in the direction.
QPoint jump(const QRect& button, const Bounds& bounds, Direction direction);

} // namespace PsychoJump
