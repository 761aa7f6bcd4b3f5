#include "app/ToolbarIcons.h"

#include <QHash>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <numbers>

namespace {

// Every picture is drawn on a 24 by 24 grid; the painter scales the grid to the pixmap. Dark
// outlines around coloured fills keep the shapes readable on light and dark toolbars alike.
constexpr qreal gridSize = 24.0;
const QColor outlineColour(0x26, 0x28, 0x30);

// About one device pixel at 16 px, thickening slowly with the size.
qreal outlineWidth(const QPainter& p)
{
    const qreal scale = p.transform().m11();
    return std::max(1.0, scale * gridSize / 18.0) / scale;
}

QPen roundPen(const QColor& colour, qreal width)
{
    return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

QPen outlinePen(const QPainter& p, qreal factor = 1.0)
{
    return roundPen(outlineColour, outlineWidth(p) * factor);
}

QPainterPath ellipsePath(QPointF centre, qreal rx, qreal ry)
{
    QPainterPath path;
    path.addEllipse(centre, rx, ry);
    return path;
}

QPainterPath roundedRectPath(const QRectF& rect, qreal radius)
{
    QPainterPath path;
    path.addRoundedRect(rect, radius, radius);
    return path;
}

QPainterPath polygonPath(std::initializer_list<QPointF> points)
{
    QPainterPath path;
    path.addPolygon(QPolygonF(QList<QPointF>(points)));
    path.closeSubpath();
    return path;
}

QPainterPath starPath(QPointF centre, qreal outer, qreal inner, int points = 5)
{
    QPolygonF star;
    for (int i = 0; i < points * 2; ++i) {
        const qreal radius = i % 2 ? inner : outer;
        const qreal angle = std::numbers::pi * (i / qreal(points) - 0.5);
        star << centre + QPointF(radius * std::cos(angle), radius * std::sin(angle));
    }
    QPainterPath path;
    path.addPolygon(star);
    path.closeSubpath();
    return path;
}

void fillShape(QPainter& p, const QPainterPath& shape, const QBrush& fill, qreal outline = 1.0)
{
    p.setPen(outlinePen(p, outline));
    p.setBrush(fill);
    p.drawPath(shape);
}

// A shape filled with a gentle top-to-bottom shade of its colour and outlined dark.
void drawShape(QPainter& p, const QPainterPath& shape, const QColor& colour, qreal outline = 1.0)
{
    const QRectF box = shape.boundingRect();
    QLinearGradient shade(box.topLeft(), box.bottomLeft());
    shade.setColorAt(0, colour.lighter(118));
    shade.setColorAt(1, colour.darker(112));
    fillShape(p, shape, shade, outline);
}

// Light falling on a round shape from the upper left.
QRadialGradient glow(QPointF light, qreal radius, const QColor& lit, const QColor& shadow)
{
    QRadialGradient gradient(light, radius);
    gradient.setColorAt(0, lit);
    gradient.setColorAt(1, shadow);
    return gradient;
}

// A detail stroke without an outline: text lines, a filament, a route.
void strokePath(QPainter& p, const QPainterPath& path, const QColor& colour, qreal width)
{
    p.setPen(roundPen(colour, width));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
}

void drawLine(QPainter& p, QPointF from, QPointF to, const QColor& colour, qreal width)
{
    QPainterPath line(from);
    line.lineTo(to);
    strokePath(p, line, colour, width);
}

void drawDot(QPainter& p, QPointF centre, qreal radius, const QColor& colour)
{
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawEllipse(centre, radius, radius);
}

// A thick coloured stroke with a dark edge on each side, as a chain link is drawn.
void drawBand(QPainter& p, const QPainterPath& path, const QColor& colour, qreal width)
{
    strokePath(p, path, outlineColour, width + 2 * outlineWidth(p));
    strokePath(p, path, colour, width);
}

void drawStar(QPainter& p, QPointF centre, qreal radius)
{
    drawShape(p, starPath(centre, radius, radius * 0.45), QColor(0xff, 0xd2, 0x3f), 0.7);
}

void drawBrainstorm(QPainter& p)
{
    const QPainterPath glass =
        ellipsePath({12, 9}, 7, 7)
            .united(polygonPath({{8.2, 12.5}, {15.8, 12.5}, {14.8, 17}, {9.2, 17}}));
    fillShape(p, glass, glow({10.5, 7.5}, 9, QColor(0xff, 0xfb, 0xd6), QColor(0xf7, 0xc4, 0x1a)));

    QPainterPath filament(QPointF(10, 17));
    filament.lineTo(10, 12.5);
    filament.lineTo(11, 11);
    filament.lineTo(12, 12.5);
    filament.lineTo(13, 11);
    filament.lineTo(14, 12.5);
    filament.lineTo(14, 17);
    strokePath(p, filament, QColor(0xc0, 0x5a, 0x10), 0.9);

    drawShape(p, roundedRectPath({8.5, 16.5, 7, 4.6}, 1.2), QColor(0x9a, 0xa1, 0xac));
    drawLine(p, {9, 18.1}, {15, 18.9}, outlineColour, 0.8);
    drawLine(p, {9, 19.5}, {15, 20.3}, outlineColour, 0.8);
    drawShape(p, roundedRectPath({10.3, 21, 3.4, 1.8}, 0.8), QColor(0x50, 0x55, 0x5e));
}

// Two links of a chain, interlocked: the first is drawn again over one crossing of the second.
void drawFreeAssociation(QPainter& p)
{
    const QRectF link(-7.2, -3.7, 14.4, 7.4);
    const QPainterPath first = roundedRectPath(link.translated(-4.6, 0), 3.7);
    const QPainterPath second = roundedRectPath(link.translated(4.6, 0), 3.7);
    const QColor firstColour(0x3f, 0x8c, 0xe0);
    const QColor secondColour(0xf5, 0x8c, 0x1e);
    p.translate(12, 12);
    p.rotate(-45);
    drawBand(p, first, firstColour, 2.3);
    drawBand(p, second, secondColour, 2.3);
    p.setClipRect(QRectF(-3, -6, 6, 6));
    drawBand(p, first, firstColour, 2.3);
}

// A pinwheel of curved rainbow wedges that seems to turn.
void drawPsychoStimulatron(QPainter& p)
{
    const QPointF centre(12, 12);
    const qreal radius = 10.5;
    const int wedges = 8;
    auto at = [&](qreal degrees, qreal r) {
        const qreal a = degrees * std::numbers::pi / 180;
        return centre + QPointF(r * std::cos(a), -r * std::sin(a));
    };
    for (int i = 0; i < wedges; ++i) {
        const qreal start = i * 360.0 / wedges;
        const qreal sweep = 360.0 / wedges;
        QPainterPath wedge(centre);
        wedge.quadTo(at(start - 40, radius * 0.6), at(start, radius));
        wedge.arcTo(QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius), start,
                    sweep);
        wedge.quadTo(at(start + sweep - 40, radius * 0.6), centre);
        fillShape(p, wedge, QColor::fromHsv(int(start), 210, 250), 0.7);
    }
    fillShape(p, ellipsePath(centre, radius, radius), Qt::NoBrush);
    drawShape(p, ellipsePath(centre, 2.2, 2.2), Qt::white, 0.8);
}

// A pencil lying from its tip towards the upper right.
void drawPencil(QPainter& p, QPointF tip, qreal angle)
{
    p.save();
    p.translate(tip);
    p.rotate(angle);
    drawShape(p, polygonPath({{0, 0}, {4.2, -2.2}, {4.2, 2.2}}), QColor(0xf2, 0xd2, 0xa0), 0.8);
    drawShape(p, polygonPath({{0, 0}, {1.5, -0.8}, {1.5, 0.8}}), outlineColour, 0.6);
    drawShape(p, roundedRectPath({4.2, -2.2, 9.6, 4.4}, 0.4), QColor(0xf5, 0xb9, 0x26), 0.8);
    drawShape(p, roundedRectPath({13.8, -2.2, 2.6, 4.4}, 1.0), QColor(0xf0, 0x7f, 0x9a), 0.8);
    p.restore();
}

void drawSentence(QPainter& p)
{
    drawShape(p, roundedRectPath({3, 2.5, 13.5, 18}, 1.2), QColor(0xf8, 0xf8, 0xf4));
    const QColor ink(0x55, 0x5d, 0x6b);
    for (qreal y : {6.5, 9.5, 12.5})
        drawLine(p, {5.8, y}, {13.7, y}, ink, 1.1);
    drawLine(p, {5.8, 15.5}, {9.5, 15.5}, ink, 1.1);
    drawPencil(p, {10.5, 19.5}, -45);
}

void drawCharacter(QPainter& p)
{
    QPainterPath shoulders(QPointF(3, 22.5));
    shoulders.cubicTo(3, 14.5, 21, 14.5, 21, 22.5);
    shoulders.closeSubpath();
    drawShape(p, shoulders, QColor(0x3b, 0x7b, 0xd0));

    const QPainterPath head = ellipsePath({12, 8.6}, 5, 5.3);
    drawShape(p, head, QColor(0xf4, 0xc7, 0x9e));
    QPainterPath hair = head.intersected(roundedRectPath({5, 1, 14, 6.2}, 0));
    hair = hair.united(ellipsePath({8, 7.4}, 1.6, 2.2).intersected(head));
    drawShape(p, hair, QColor(0x7a, 0x4a, 0x24), 0.8);
}

void drawNumber(QPainter& p)
{
    drawShape(p, roundedRectPath({3, 3, 18, 18}, 4), QColor(0xdf, 0x3b, 0x3b));
    const QColor pip(0xff, 0xff, 0xff);
    for (QPointF centre : {QPointF(7.7, 7.7), QPointF(16.3, 7.7), QPointF(12, 12),
                           QPointF(7.7, 16.3), QPointF(16.3, 16.3)})
        drawDot(p, centre, 1.9, pip);
}

void drawStoryWizard(QPainter& p)
{
    const QColor purple(0x7a, 0x5a, 0xd8);
    drawShape(p, ellipsePath({12, 19.6}, 10.5, 2.9), purple.darker(115));
    QPainterPath hat(QPointF(6.2, 19.5));
    hat.quadTo(9.5, 9, 12.5, 2.2);
    hat.quadTo(15.5, 1.6, 18.6, 4.6);
    hat.quadTo(15.5, 5, 15, 9);
    hat.quadTo(16, 15, 17.8, 19.5);
    hat.quadTo(12, 21.2, 6.2, 19.5);
    drawShape(p, hat, purple);
    drawShape(p, hat.intersected(roundedRectPath({0, 15.2, 24, 2.3}, 0)), QColor(0xff, 0xd2, 0x3f),
              0.7);
    drawStar(p, {11.4, 10.6}, 2.8);
    drawStar(p, {4.6, 6}, 2.4);
    drawStar(p, {20.4, 11.2}, 1.9);
}

void drawCrystal(QPainter& p)
{
    QRadialGradient light = glow({9, 7}, 11, QColor(0xf2, 0xf8, 0xff), QColor(0x6b, 0x4f, 0xc9));
    light.setColorAt(0.45, QColor(0x9f, 0xc8, 0xf5));
    fillShape(p, ellipsePath({12, 10.2}, 8.3, 8.3), light);
    drawDot(p, {9, 7}, 1.6, Qt::white);

    const QColor wood(0xa8, 0x6a, 0x32);
    drawShape(p, polygonPath({{7.5, 16.6}, {16.5, 16.6}, {15.2, 19.6}, {8.8, 19.6}}), wood);
    drawShape(p, roundedRectPath({4.5, 19.4, 15, 3.2}, 1.2), wood.darker(115));
}

// A folded map with a route that forks: the choices a plot offers.
void drawPlot(QPainter& p)
{
    const QColor land(0xb6, 0xdf, 0x8a);
    drawShape(p, polygonPath({{2, 5.5}, {8.5, 3.5}, {8.5, 19.5}, {2, 21.5}}), land);
    drawShape(p, polygonPath({{8.5, 3.5}, {15.5, 5.5}, {15.5, 21.5}, {8.5, 19.5}}),
              land.darker(118));
    drawShape(p, polygonPath({{15.5, 5.5}, {22, 3.5}, {22, 19.5}, {15.5, 21.5}}), land);

    QPainterPath route(QPointF(4.5, 18));
    route.cubicTo(6, 14, 9, 13, 11, 12.5);
    route.cubicTo(14, 11.5, 15, 8, 18.5, 8);
    route.moveTo(11, 12.5);
    route.cubicTo(14, 13, 15, 16, 18.5, 16);
    strokePath(p, route, QColor(0xc6, 0x28, 0x28), 1.5);
    drawShape(p, ellipsePath({18.8, 8}, 2.1, 2.1), QColor(0xe8, 0x3b, 0x3b), 0.8);
    drawShape(p, ellipsePath({18.8, 16}, 2.1, 2.1), QColor(0x3f, 0x8c, 0xe0), 0.8);
}

// Diagonal black and white stripes across a bar of the clapperboard.
void drawStripes(QPainter& p, const QPainterPath& bar)
{
    drawShape(p, bar, QColor(0xf4, 0xf4, 0xf4));
    p.save();
    p.setClipPath(bar);
    const QRectF box = bar.boundingRect();
    for (qreal x = box.left() - box.height(); x < box.right(); x += 5.2) {
        p.setPen(Qt::NoPen);
        p.setBrush(outlineColour);
        p.drawPolygon(QPolygonF({QPointF(x, box.bottom()), QPointF(x + 2.6, box.bottom()),
                                 QPointF(x + 2.6 + box.height(), box.top()),
                                 QPointF(x + box.height(), box.top())}));
    }
    p.restore();
    fillShape(p, bar, Qt::NoBrush);
}

void drawScene(QPainter& p)
{
    drawShape(p, roundedRectPath({2.5, 11, 19, 11}, 1.2), QColor(0x5f, 0x69, 0x7a));
    drawLine(p, {5.5, 16}, {18.5, 16}, QColor(0xe8, 0xec, 0xf2), 1.1);
    drawLine(p, {5.5, 19}, {13, 19}, QColor(0xe8, 0xec, 0xf2), 1.1);
    drawStripes(p, roundedRectPath({2.5, 8, 19, 3.4}, 0.6));
    p.save();
    p.translate(2.5, 7.6);
    p.rotate(-18);
    drawStripes(p, roundedRectPath({0, -3.4, 19, 3.4}, 0.6));
    p.restore();
    drawDot(p, {3.6, 8.4}, 0.9, outlineColour);
}

void drawHelp(QPainter& p)
{
    fillShape(p, ellipsePath({12, 12}, 10.2, 10.2),
              glow({9, 8}, 13, QColor(0x6c, 0xa8, 0xf0), QColor(0x1f, 0x5f, 0xc0)));

    QPainterPath question(QPointF(8.7, 9.3));
    question.cubicTo(8.7, 5.6, 15.3, 5.6, 15.3, 9.3);
    question.cubicTo(15.3, 11.6, 12, 11.8, 12, 14.2);
    strokePath(p, question, Qt::white, 2.6);
    drawDot(p, {12, 17.8}, 1.6, Qt::white);
}

void drawReference(QPainter& p)
{
    drawShape(p, polygonPath({{1.5, 7}, {12, 8.6}, {22.5, 7}, {22.5, 20.4}, {12, 22}, {1.5, 20.4}}),
              QColor(0xb5, 0x3a, 0x34));
    const QColor paper(0xfb, 0xf8, 0xee);
    QPainterPath left(QPointF(12, 7.6));
    left.quadTo(7.5, 4.4, 2.8, 5.4);
    left.lineTo(2.8, 18.8);
    left.quadTo(7.5, 17.8, 12, 20.6);
    left.closeSubpath();
    drawShape(p, left, paper);
    QTransform mirror(-1, 0, 0, 1, 24, 0);
    drawShape(p, mirror.map(left), paper);

    const QColor ink(0x7a, 0x80, 0x8c);
    for (qreal y : {9.4, 12.2, 15.0}) {
        drawLine(p, {4.8, y - 0.4}, {10, y + 0.4}, ink, 0.9);
        drawLine(p, {14, y + 0.4}, {19.2, y - 0.4}, ink, 0.9);
    }
}

void drawExit(QPainter& p)
{
    drawShape(p, roundedRectPath({3, 2, 11.5, 20}, 0.8), QColor(0xb0, 0x6f, 0x35));
    for (qreal top : {4.2, 15.6})
        drawShape(p, roundedRectPath({5.2, top, 7.1, 4.4}, 0.4), QColor(0xc9, 0x89, 0x4e), 0.7);
    drawDot(p, {6.4, 12}, 1.1, QColor(0xff, 0xd2, 0x3f));
    const QPainterPath arrow = roundedRectPath({10, 10.1, 6.3, 3.8}, 0)
                                   .united(polygonPath({{15.8, 6.2}, {22.5, 12}, {15.8, 17.8}}));
    drawShape(p, arrow, QColor(0x3c, 0xb0, 0x4a));
}

void drawGeneric(QPainter& p)
{
    drawShape(p, roundedRectPath({3, 3, 18, 18}, 3.5), QColor(0x7d, 0x8a, 0x9e));
    drawStar(p, {12, 12.4}, 6.5);
}

using IconPainter = void (*)(QPainter&);

const QHash<QString, IconPainter>& iconPainters()
{
    static const QHash<QString, IconPainter> painters{
        {QStringLiteral("cmdBrainStorm"), drawBrainstorm},
        {QStringLiteral("cmdFreeAss"), drawFreeAssociation},
        {QStringLiteral("cmdPsycho"), drawPsychoStimulatron},
        {QStringLiteral("cmdSentence"), drawSentence},
        {QStringLiteral("cmdCharGen"), drawCharacter},
        {QStringLiteral("cmdNumber"), drawNumber},
        {QStringLiteral("cmdStoryWizard"), drawStoryWizard},
        {QStringLiteral("cmdCrystal"), drawCrystal},
        {QStringLiteral("cmdPlot"), drawPlot},
        {QStringLiteral("cmdScene"), drawScene},
        {QStringLiteral("cmdHelp"), drawHelp},
        {QStringLiteral("cmdCBT"), drawReference},
        {QStringLiteral("cmdExit"), drawExit},
    };
    return painters;
}

QImage renderIcon(IconPainter draw, int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / gridSize, size / gridSize);
    draw(p);
    return image;
}

// Grey and faded, but with the outline still there so that the shape stays recognisable.
QImage disabledLook(const QImage& picture)
{
    QImage image = picture.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int grey = 64 + qGray(line[x]) / 2;
            line[x] = qRgba(grey, grey, grey, qAlpha(line[x]) * 6 / 10);
        }
    }
    return image;
}

} // namespace

QIcon toolbarIcon(const QString& buttonName)
{
    const IconPainter draw = iconPainters().value(buttonName, drawGeneric);
    QIcon icon;
    for (int size : {16, 24, 32, 48}) {
        const QImage picture = renderIcon(draw, size);
        icon.addPixmap(QPixmap::fromImage(picture), QIcon::Normal);
        icon.addPixmap(QPixmap::fromImage(disabledLook(picture)), QIcon::Disabled);
    }
    return icon;
}
