#include "shared/widgets/CastMapColours.h"

#include <QPalette>

namespace {

// The colour part of the way from one colour to another.
QColor blend(const QColor& from, const QColor& to, double part)
{
    return QColor::fromRgbF(float(from.redF() + (to.redF() - from.redF()) * part),
                            float(from.greenF() + (to.greenF() - from.greenF()) * part),
                            float(from.blueF() + (to.blueF() - from.blueF()) * part));
}

} // namespace

CastMapColours CastMapColours::from(const QPalette& palette)
{
    const QColor base = palette.color(QPalette::Base);
    const QColor text = palette.color(QPalette::Text);
    CastMapColours colours;
    colours.background = base;
    colours.nodeFill = palette.color(QPalette::Button);
    colours.nodeText = palette.color(QPalette::ButtonText);
    colours.nodeBorder = blend(colours.nodeFill, colours.nodeText, 0.6);
    colours.selectedFill = palette.color(QPalette::Highlight);
    colours.selectedText = palette.color(QPalette::HighlightedText);
    // Lines a little softer than the text, so that the names stand out over them.
    colours.line = blend(text, base, 0.25);
    colours.labelBackground = base;
    colours.labelText = text;
    return colours;
}
