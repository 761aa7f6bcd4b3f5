#include "shared/widgets/CastMapView.h"

#include "shared/widgets/CastMapArrow.h"
#include "shared/widgets/CastMapColours.h"
#include "shared/widgets/CastMapNode.h"

#include <QAccessible>
#include <QFontMetricsF>
#include <QGraphicsScene>
#include <QHash>
#include <QImage>
#include <QKeyEvent>
#include <QPainter>
#include <QSvgGenerator>

#include <cmath>
#include <limits>
#include <map>

namespace {

constexpr double PaddingX = 12.0;
constexpr double PaddingY = 7.0;
constexpr double PictureMargin = 24.0;

// Each edge's lane: the edges between one pair of nodes fan out on both sides of the straight
// line, counted from the node given first in the cast so that opposite edges part too.
QList<double> lanes(const QList<std::pair<int, int>>& ends)
{
    std::map<std::pair<int, int>, QList<int>> byPair;
    for (int i = 0; i < ends.size(); ++i)
        byPair[std::minmax(ends[i].first, ends[i].second)].append(i);
    QList<double> result(ends.size(), 0.0);
    for (const auto& [pair, edges] : byPair) {
        for (int n = 0; n < edges.size(); ++n) {
            const auto& [from, to] = ends[edges[n]];
            const double offset = n - (edges.size() - 1) / 2.0;
            result[edges[n]] = from <= to ? offset : -offset;
        }
    }
    return result;
}

} // namespace

CastMapView::CastMapView(QWidget* parent) : QGraphicsView(parent)
{
    setScene(new QGraphicsScene(this));
    setAccessibleName(tr("Cast map"));
    setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    setDragMode(QGraphicsView::ScrollHandDrag);
    setFocusPolicy(Qt::StrongFocus);
    applyPalette();
}

QSizeF CastMapView::boxSize(const QString& label) const
{
    const QFontMetricsF metrics(font());
    return {std::ceil(metrics.horizontalAdvance(label)) + 2 * PaddingX,
            std::ceil(metrics.height()) + 2 * PaddingY};
}

void CastMapView::clear()
{
    scene()->clear();
    m_nodes.clear();
    m_arrows.clear();
}

void CastMapView::showCast(QList<CastLayout::Node> nodes, const QList<CastLayout::Edge>& edges,
                           const QList<QPointF>& centres)
{
    clear();
    QHash<qint64, int> indexOf;
    for (int i = 0; i < nodes.size(); ++i) {
        CastLayout::Node& node = nodes[i];
        if (node.size.isEmpty())
            node.size = boxSize(node.label);
        auto* item = new CastMapNode(node.id, node.label, node.size, font());
        item->setPos(centres.value(i));
        connect(item, &CastMapNode::moved, this, [this](qint64 id, QPointF centre) {
            scene()->setSceneRect(mapRect()); // room to scroll to where the node went
            emit nodeMoved(id, centre);
        });
        connect(item, &CastMapNode::opened, this, &CastMapView::nodeOpened);
        scene()->addItem(item);
        m_nodes.append(item);
        indexOf.insert(node.id, i);
    }
    QList<std::pair<int, int>> ends;
    QList<QString> labels;
    for (const CastLayout::Edge& edge : edges) {
        const int from = indexOf.value(edge.from, -1);
        const int to = indexOf.value(edge.to, -1);
        if (from >= 0 && to >= 0) {
            ends.append({from, to});
            labels.append(edge.label);
        }
    }
    const QList<double> lane = lanes(ends);
    for (int i = 0; i < ends.size(); ++i) {
        auto* arrow = new CastMapArrow(m_nodes[ends[i].first], m_nodes[ends[i].second], labels[i],
                                       lane[i], font());
        scene()->addItem(arrow);
        m_arrows.append(arrow);
    }
    applyPalette();
    scene()->setSceneRect(mapRect());
}

void CastMapView::arrange(QList<CastLayout::Node> nodes, const QList<CastLayout::Edge>& edges)
{
    for (CastLayout::Node& node : nodes) {
        if (node.size.isEmpty())
            node.size = boxSize(node.label);
    }
    // Related boxes far enough apart for a label of the usual width and the arrow's head.
    const QFontMetricsF metrics(font());
    double labelWidths = 0;
    for (const CastLayout::Edge& edge : edges)
        labelWidths += metrics.horizontalAdvance(edge.label);
    CastLayout::Options options;
    options.labelRoom = (edges.isEmpty() ? 0 : labelWidths / edges.size()) + 48;
    showCast(nodes, edges, CastLayout::layout(nodes, edges, options));
}

std::optional<qint64> CastMapView::selectedNode() const
{
    if (const CastMapNode* node = selected())
        return node->id();
    return std::nullopt;
}

void CastMapView::selectNode(qint64 id)
{
    for (CastMapNode* node : std::as_const(m_nodes)) {
        if (node->id() == id)
            select(node);
    }
}

CastMapNode* CastMapView::selected() const
{
    for (CastMapNode* node : m_nodes) {
        if (node->isSelected())
            return node;
    }
    return nullptr;
}

void CastMapView::select(CastMapNode* node)
{
    scene()->clearSelection();
    node->setSelected(true);
    ensureVisible(node);
    setAccessibleDescription(node->label());
    QAccessibleEvent told(this, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&told);
}

bool CastMapView::step(bool forward)
{
    if (m_nodes.isEmpty())
        return false;
    const int at = m_nodes.indexOf(selected());
    const int next = at < 0 ? (forward ? 0 : int(m_nodes.size()) - 1) : at + (forward ? 1 : -1);
    if (next < 0 || next >= m_nodes.size())
        return false;
    select(m_nodes[next]);
    return true;
}

CastMapNode* CastMapView::nearestToward(const CastMapNode* from, int key) const
{
    const QPointF wanted = key == Qt::Key_Left    ? QPointF(-1, 0)
                           : key == Qt::Key_Right ? QPointF(1, 0)
                           : key == Qt::Key_Up    ? QPointF(0, -1)
                                                  : QPointF(0, 1);
    CastMapNode* nearest = nullptr;
    double best = std::numeric_limits<double>::infinity();
    for (CastMapNode* node : m_nodes) {
        const QPointF d = node->pos() - from->pos();
        const double ahead = d.x() * wanted.x() + d.y() * wanted.y();
        const double aside = std::abs(d.x() * wanted.y() - d.y() * wanted.x());
        // Within 45 degrees of the key's direction; what lies off to the side counts as further.
        if (node == from || ahead <= 0 || aside > ahead)
            continue;
        if (const double cost = ahead + 2 * aside; cost < best) {
            best = cost;
            nearest = node;
        }
    }
    return nearest;
}

bool CastMapView::event(QEvent* event)
{
    // Tab goes from node to node before it leaves the map.
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool plain = !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
        if (plain && (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab)) {
            const bool forward =
                key->key() == Qt::Key_Tab && !(key->modifiers() & Qt::ShiftModifier);
            if (step(forward))
                return true;
        }
    }
    return QGraphicsView::event(event);
}

void CastMapView::keyPressEvent(QKeyEvent* event)
{
    CastMapNode* current = selected();
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (current) {
            emit nodeOpened(current->id());
            return;
        }
        break;
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
        if (!current) {
            step(true);
            return;
        }
        if (CastMapNode* next = nearestToward(current, event->key()))
            select(next);
        return;
    default:
        break;
    }
    QGraphicsView::keyPressEvent(event);
}

void CastMapView::changeEvent(QEvent* event)
{
    QGraphicsView::changeEvent(event);
    if (event->type() == QEvent::PaletteChange)
        applyPalette();
}

void CastMapView::applyPalette()
{
    const CastMapColours colours = CastMapColours::from(palette());
    scene()->setBackgroundBrush(colours.background);
    for (CastMapNode* node : std::as_const(m_nodes))
        node->setColours(colours);
    for (CastMapArrow* arrow : std::as_const(m_arrows))
        arrow->setColours(colours);
}

QRectF CastMapView::mapRect() const
{
    return scene()->itemsBoundingRect().adjusted(-PictureMargin, -PictureMargin, PictureMargin,
                                                 PictureMargin);
}

void CastMapView::render(QPainter* painter, const QRectF& target)
{
    painter->fillRect(target, scene()->backgroundBrush());
    scene()->render(painter, target, mapRect(), Qt::KeepAspectRatio);
}

QImage CastMapView::toImage()
{
    QImage image(size(), QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    painter.setRenderHints(renderHints());
    render(&painter, QRectF(image.rect()));
    return image;
}

bool CastMapView::writePng(QIODevice* device)
{
    return toImage().save(device, "PNG");
}

bool CastMapView::writeSvg(QIODevice* device)
{
    const QRectF area = mapRect();
    QSvgGenerator svg;
    svg.setOutputDevice(device);
    svg.setTitle(accessibleName());
    svg.setSize(area.size().toSize());
    svg.setViewBox(QRectF(QPointF(), area.size()));
    QPainter painter;
    if (!painter.begin(&svg))
        return false;
    render(&painter, QRectF(QPointF(), area.size()));
    return painter.end();
}
