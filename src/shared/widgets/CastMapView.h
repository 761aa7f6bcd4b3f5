#pragma once

#include "engines/CastLayout.h"

#include <QGraphicsView>
#include <QList>

#include <optional>

class CastMapArrow;
class CastMapNode;
class QIODevice;

// The cast map: the characters of a story as named boxes and their relationships as labelled
// arrows, in the colours of the desktop's theme. Boxes may be dragged and opened with a
// double-click; from the keyboard, Tab and the arrow keys go from box to box and Enter opens
// one. The map can be written as an SVG or PNG picture, or painted for the printer.
class CastMapView : public QGraphicsView
{
    Q_OBJECT

public:
    explicit CastMapView(QWidget* parent = nullptr);

    // The box a node with the label needs in the view's font.
    QSizeF boxSize(const QString& label) const;
    // Shows the cast with each node centred where the layout put it. Nodes without a size get
    // the one their label needs; edges naming an unknown node are left out.
    void showCast(QList<CastLayout::Node> nodes, const QList<CastLayout::Edge>& edges,
                  const QList<QPointF>& centres);
    // Sizes the nodes for their labels, lays the cast out and shows it.
    void arrange(QList<CastLayout::Node> nodes, const QList<CastLayout::Edge>& edges);

    QList<CastMapNode*> nodes() const { return m_nodes; }
    QList<CastMapArrow*> arrows() const { return m_arrows; }
    std::optional<qint64> selectedNode() const;
    void selectNode(qint64 id);

    // Paints the whole map into the target, keeping its proportions.
    void render(QPainter* painter, const QRectF& target);
    // The whole map in a picture of the view's size.
    QImage toImage();
    bool writePng(QIODevice* device);
    bool writeSvg(QIODevice* device);

signals:
    // The user dragged the node to a new place (its centre).
    void nodeMoved(qint64 id, QPointF centre);
    // The user asked to open the node: a double-click, or Enter on the selected node.
    void nodeOpened(qint64 id);

protected:
    bool event(QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void clear();
    void applyPalette();
    QRectF mapRect() const;
    CastMapNode* selected() const;
    // Selects the node and tells the screen reader its name.
    void select(CastMapNode* node);
    // Tab order: the nodes in the order they were given. False at either end.
    bool step(bool forward);
    // The nearest node in the direction of the arrow key.
    CastMapNode* nearestToward(const CastMapNode* from, int key) const;

    QList<CastMapNode*> m_nodes;
    QList<CastMapArrow*> m_arrows;
};
