#pragma once

#include <QList>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>

#include <optional>

// Places the characters of a cast map: a node a character, an edge a relationship. Nodes pulled
// together by their edges and pushed apart by each other settle into a readable picture; a last
// pass parts any two boxes that still touch. The same input always gives the same picture, so a
// map looks the same each time it is opened.
namespace CastLayout {

struct Node
{
    qint64 id = 0;
    QString label;
    // The box drawn for the node, in pixels.
    QSizeF size;
    // Where the user put the node; the layout leaves it there.
    std::optional<QPointF> fixedPosition;
};

struct Edge
{
    qint64 from = 0;
    qint64 to = 0;
    QString label;
};

struct Options
{
    // Starts the small shifts that keep nodes of a symmetric cast from lining up.
    quint32 seed = 1;
    int iterations = 300;
    // The least room between two boxes, in pixels.
    double margin = 24.0;
    // The room a relationship's label needs between two related boxes, in pixels.
    double labelRoom = 0.0;
};

// The centre of every node's box, in the order of the nodes. Edges naming an unknown node are
// ignored. No two boxes come closer than the margin, unless the user fixed both where they are.
QList<QPointF> layout(const QList<Node>& nodes, const QList<Edge>& edges,
                      const Options& options = {});

// The node's box around its centre.
QRectF boxAt(const QPointF& centre, const QSizeF& size);

// How far from its centre a line in the unit direction (ux, uy) leaves a box of the size.
double reach(const QSizeF& size, double ux, double uy);

} // namespace CastLayout
