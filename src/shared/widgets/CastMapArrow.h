#pragma once

#include "shared/widgets/CastMapColours.h"

#include <QFont>
#include <QGraphicsItem>
#include <QPainterPath>

class CastMapNode;

// A relationship on the cast map: an arrow from one character's box to another's with its label
// at the middle. Arrows between the same two characters bow apart into lanes, so that neither
// they nor their labels hide each other; an arrow from a character to itself loops over its box.
class CastMapArrow : public QGraphicsItem
{
public:
    enum { Type = UserType + 2 };

    // The lane: 0 for the straight line, -0.5 and 0.5 for two arrows side by side, and so on,
    // counted to the left of the arrow's way.
    CastMapArrow(CastMapNode* from, CastMapNode* to, const QString& label, double lane,
                 const QFont& font);

    QString label() const { return m_label; }
    const CastMapNode* from() const { return m_from; }
    const CastMapNode* to() const { return m_to; }
    // Where the line starts and where its head touches the target's box.
    QPointF tail() const { return m_tail; }
    QPointF tip() const { return m_tip; }
    void setColours(const CastMapColours& colours);
    // Redraws the arrow between where its two boxes are now.
    void follow();

    int type() const override { return Type; }
    QRectF boundingRect() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

private:
    void routeBetween();
    void routeLoop();
    QRectF labelBox() const;

    CastMapNode* m_from;
    CastMapNode* m_to;
    QString m_label;
    double m_lane;
    QFont m_font;
    CastMapColours m_colours;
    QPainterPath m_path;
    QPointF m_tail;
    QPointF m_tip;
    // The direction the head points in.
    QPointF m_heading;
    QPointF m_labelCentre;
};
