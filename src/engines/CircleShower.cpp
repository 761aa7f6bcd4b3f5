#include "engines/CircleShower.h"

#include "engines/PsychoMeasures.h"
#include "engines/Random.h"

#include <algorithm>
#include <cmath>

namespace {

// Rounded to the nearest whole number, halves to even (the default rounding mode).
int colourComponent(Random& random)
{
    return int(std::lrint(random.unit() * 255.0));
}

} // namespace

QList<CircleShower::Circle> CircleShower::draw(const QSize& area, Random& random)
{
    // A window squeezed to nothing still gets a shower, in its corner.
    const int width = std::max(1, area.width());
    const int height = std::max(1, area.height());
    QList<Circle> shower;
    shower.reserve(CirclesPerShower);
    for (int i = 0; i < CirclesPerShower; ++i) {
        Circle circle;
        const int x = random.number(width);
        const int y = random.number(height);
        circle.centre = QPoint(x, y);
        circle.radius = random.number(PsychoMeasures::MaxRadius);
        const int red = colourComponent(random);
        const int green = colourComponent(random);
        const int blue = colourComponent(random);
        circle.colour = QColor(red, green, blue);
        shower.append(circle);
    }
    return shower;
}
