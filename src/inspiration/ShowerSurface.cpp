#include "inspiration/ShowerSurface.h"

#include <QPainter>

#include <utility>

ShowerSurface::ShowerSurface(QWidget* parent) : QWidget(parent)
{
    setAccessibleName(tr("Circles"));
    setAutoFillBackground(true);
}

void ShowerSurface::setShower(QList<CircleShower::Circle> shower)
{
    m_shower = std::move(shower);
    update();
}

void ShowerSurface::paintEvent(QPaintEvent* /*event*/)
{
    // Plain one-pixel outlines without antialiasing: five showers a second stay cheap.
    QPainter painter(this);
    painter.setBrush(Qt::NoBrush);
    for (const CircleShower::Circle& circle : m_shower) {
        painter.setPen(circle.colour);
        painter.drawEllipse(circle.centre, circle.radius, circle.radius);
    }
}
