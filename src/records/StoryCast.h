#pragma once

#include "data/StoreError.h"
#include "engines/CastLayout.h"

#include <QList>
#include <QString>

// A story's cast as the cast map draws it: its characters, where the user put any of them, and
// the relationships among them.
namespace StoryCast {

struct Cast
{
    QList<CastLayout::Node> nodes;
    QList<CastLayout::Edge> edges;
};

// The cast of the story, or of all characters for CastMap::AllCharacters.
bool read(qint64 storyKey, Cast* cast, StoreError* error);

// The story's map as an SVG element for a web page, drawn in light colours as on paper; empty
// when the story has no characters.
bool svgElement(qint64 storyKey, const QString& title, QString* svg, StoreError* error);

} // namespace StoryCast
