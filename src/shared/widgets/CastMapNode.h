#pragma once

#include "shared/widgets/CastMapColours.h"

#include <QFont>
#include <QGraphicsObject>
#include <QList>

class CastMapArrow;

// A character on the cast map: a rounded box with the name, centred on its position. The user
// may drag it; the arrows tied to it follow.
class CastMapNode : public QGraphicsObject
{
    Q_OBJECT

public:
    enum { Type = UserType + 1 };

    CastMapNode(qint64 id, const QString& label, const QSizeF& size, const QFont& font);

    qint64 id() const { return m_id; }
    QString label() const { return m_label; }
    QSizeF size() const { return m_size; }
    QColor fill() const;
    void setColours(const CastMapColours& colours);
    void addArrow(CastMapArrow* arrow) { m_arrows.append(arrow); }

    int type() const override { return Type; }
    QRectF boundingRect() const override;
    QPainterPath shape() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

signals:
    // The user dropped the node at a new place (its centre).
    void moved(qint64 id, QPointF centre);
    void opened(qint64 id);

protected:
    QVariant itemChange(GraphicsItemChange change, const QVariant& value) override;
    void mousePressEvent(QGraphicsSceneMouseEvent* event) override;
    void mouseReleaseEvent(QGraphicsSceneMouseEvent* event) override;
    void mouseDoubleClickEvent(QGraphicsSceneMouseEvent* event) override;

private:
    QRectF box() const;

    qint64 m_id;
    QString m_label;
    QSizeF m_size;
    QFont m_font;
    CastMapColours m_colours;
    QList<CastMapArrow*> m_arrows;
    QPointF m_pressedAt;
};
