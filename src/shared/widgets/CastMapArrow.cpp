#include "shared/widgets/CastMapArrow.h"

#include "engines/CastLayout.h"
#include "shared/widgets/CastMapNode.h"

#include <QFontMetricsF>
#include <QPainter>

#include <cmath>

namespace {

constexpr double HeadLength = 10.0;
constexpr double LabelPadding = 3.0;

QPointF unit(const QPointF& vector)
{
    const double length = std::hypot(vector.x(), vector.y());
    return length > 1e-9 ? vector / length : QPointF(1, 0);
}

// Where a line from the node's centre toward the point leaves its box.
QPointF boxExit(const CastMapNode* node, const QPointF& toward)
{
    const QPointF direction = unit(toward - node->pos());
    return node->pos() + direction * CastLayout::reach(node->size(), direction.x(), direction.y());
}

} // namespace

CastMapArrow::CastMapArrow(CastMapNode* from, CastMapNode* to, const QString& label, double lane,
                           const QFont& font)
    : m_from(from), m_to(to), m_label(label), m_lane(lane), m_font(font)
{
    from->addArrow(this);
    if (to != from)
        to->addArrow(this);
    follow();
}

void CastMapArrow::setColours(const CastMapColours& colours)
{
    m_colours = colours;
    update();
}

void CastMapArrow::follow()
{
    prepareGeometryChange();
    if (m_from == m_to)
        routeLoop();
    else
        routeBetween();
}

void CastMapArrow::routeBetween()
{
    const QPointF from = m_from->pos();
    const QPointF to = m_to->pos();
    const QPointF along = unit(to - from);
    const QPointF across(-along.y(), along.x());
    // A lane is as wide as the label across the line; a quadratic curve's middle lies half way
    // to its control point.
    const QSizeF text = QFontMetricsF(m_font).size(Qt::TextSingleLine, m_label);
    const double laneWidth = std::abs(across.x()) * text.width() +
                             std::abs(across.y()) * text.height() + 2 * LabelPadding + 8;
    const QPointF control = (from + to) / 2 + across * (2 * m_lane * laneWidth);
    m_tail = boxExit(m_from, control);
    m_tip = boxExit(m_to, control);
    m_path = QPainterPath(m_tail);
    m_path.quadTo(control, m_tip);
    m_heading = unit(m_tip - control);
    m_labelCentre = m_path.pointAtPercent(0.5);
}

void CastMapArrow::routeLoop()
{
    const QRectF box = CastLayout::boxAt(m_from->pos(), m_from->size());
    const double rise = 40.0 + 30.0 * std::abs(m_lane);
    m_tail = QPointF(box.right() - std::min(24.0, box.width() / 3), box.top());
    m_tip = QPointF(box.right(), box.top() + box.height() / 3);
    const QPointF outward = m_tail + QPointF(0, -rise);
    const QPointF back = m_tip + QPointF(rise, 0);
    m_path = QPainterPath(m_tail);
    m_path.cubicTo(outward, back, m_tip);
    m_heading = unit(m_tip - back);
    // The label stands off the loop's outer side, clear of the box.
    const QSizeF text = QFontMetricsF(m_font).size(Qt::TextSingleLine, m_label);
    m_labelCentre = m_path.pointAtPercent(0.5) +
                    QPointF(text.width() / 2 + LabelPadding + 2, -text.height() / 2 - LabelPadding);
}

QRectF CastMapArrow::labelBox() const
{
    if (m_label.isEmpty())
        return {};
    const QSizeF text = QFontMetricsF(m_font).size(Qt::TextSingleLine, m_label);
    const QSizeF padded = text + QSizeF(2 * LabelPadding, 2 * LabelPadding);
    return CastLayout::boxAt(m_labelCentre, padded);
}

QRectF CastMapArrow::boundingRect() const
{
    const QRectF line =
        m_path.boundingRect().adjusted(-HeadLength, -HeadLength, HeadLength, HeadLength);
    return m_label.isEmpty() ? line : line.united(labelBox().adjusted(-1, -1, 1, 1));
}

void CastMapArrow::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*)
{
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(QPen(m_colours.line, 1.5));
    painter->setBrush(Qt::NoBrush);
    painter->drawPath(m_path);

    const QPointF side(-m_heading.y(), m_heading.x());
    const QPointF back = m_tip - m_heading * HeadLength;
    painter->setBrush(m_colours.line);
    painter->drawPolygon(
        QPolygonF{m_tip, back + side * (HeadLength / 2.5), back - side * (HeadLength / 2.5)});

    if (m_label.isEmpty())
        return;
    painter->setPen(Qt::NoPen);
    painter->setBrush(m_colours.labelBackground);
    painter->drawRoundedRect(labelBox(), 4, 4);
    painter->setFont(m_font);
    painter->setPen(m_colours.labelText);
    painter->drawText(labelBox(), Qt::AlignCenter, m_label);
}
