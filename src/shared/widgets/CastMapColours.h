#pragma once

#include <QColor>

class QPalette;

// The colours of a cast map, taken from the palette of the view that shows it so that the map
// reads as well on a dark desktop as on a light one.
struct CastMapColours
{
    QColor background;
    QColor nodeFill;
    QColor nodeBorder;
    QColor nodeText;
    QColor selectedFill;
    QColor selectedText;
    QColor line;
    QColor labelBackground;
    QColor labelText;

    static CastMapColours from(const QPalette& palette);
};
