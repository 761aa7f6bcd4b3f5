#include "shared/widgets/CastMapNode.h"

#include "shared/widgets/CastMapArrow.h"

#include <QCursor>
#include <QGraphicsSceneMouseEvent>
#include <QPainter>

namespace {

constexpr double Corner = 8.0;

} // namespace

CastMapNode::CastMapNode(qint64 id, const QString& label, const QSizeF& size, const QFont& font)
    : m_id(id), m_label(label), m_size(size), m_font(font)
{
    setFlags(ItemIsMovable | ItemIsSelectable | ItemSendsGeometryChanges);
    setZValue(1); // above the arrows
    setToolTip(label);
    setCursor(Qt::OpenHandCursor);
}

QColor CastMapNode::fill() const
{
    return isSelected() ? m_colours.selectedFill : m_colours.nodeFill;
}

void CastMapNode::setColours(const CastMapColours& colours)
{
    m_colours = colours;
    update();
}

QRectF CastMapNode::box() const
{
    return QRectF(-m_size.width() / 2, -m_size.height() / 2, m_size.width(), m_size.height());
}

QRectF CastMapNode::boundingRect() const
{
    return box().adjusted(-1, -1, 1, 1);
}

QPainterPath CastMapNode::shape() const
{
    QPainterPath path;
    path.addRoundedRect(box(), Corner, Corner);
    return path;
}

void CastMapNode::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*)
{
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(QPen(m_colours.nodeBorder, 1.5));
    painter->setBrush(fill());
    painter->drawRoundedRect(box(), Corner, Corner);
    painter->setFont(m_font);
    painter->setPen(isSelected() ? m_colours.selectedText : m_colours.nodeText);
    painter->drawText(box(), Qt::AlignCenter, m_label);
}

QVariant CastMapNode::itemChange(GraphicsItemChange change, const QVariant& value)
{
    if (change == ItemPositionHasChanged) {
        for (CastMapArrow* arrow : std::as_const(m_arrows))
            arrow->follow();
    }
    return QGraphicsObject::itemChange(change, value);
}

void CastMapNode::mousePressEvent(QGraphicsSceneMouseEvent* event)
{
    m_pressedAt = pos();
    QGraphicsObject::mousePressEvent(event);
}

void CastMapNode::mouseReleaseEvent(QGraphicsSceneMouseEvent* event)
{
    QGraphicsObject::mouseReleaseEvent(event);
    if (pos() != m_pressedAt)
        emit moved(m_id, pos());
}

void CastMapNode::mouseDoubleClickEvent(QGraphicsSceneMouseEvent* event)
{
    QGraphicsObject::mouseDoubleClickEvent(event);
    emit opened(m_id);
}
