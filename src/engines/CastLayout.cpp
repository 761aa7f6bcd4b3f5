#include "engines/CastLayout.h"

#include <QHash>
#include <QRandomGenerator>

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <vector>

namespace CastLayout {

namespace {

struct Body
{
    QPointF position;
    QSizeF size;
    bool fixed = false;
};

// How strongly every node is drawn to the middle, so that parts of the cast that share no
// relationship stay near each other instead of drifting off.
constexpr double Gravity = 0.1;
// How far, in wished-for gaps, one node pushes another.
constexpr double RepulsionRange = 2.0;

// The room between two boxes along the line through their centres, and that line's direction
// from a to b. Boxes on the same spot are parted in a direction taken from their places in the
// cast, the same each time.
struct Separation
{
    double gap;
    double ux;
    double uy;
};

Separation separation(const Body& a, const Body& b, int ia, int ib)
{
    double dx = b.position.x() - a.position.x();
    double dy = b.position.y() - a.position.y();
    double distance = std::hypot(dx, dy);
    if (distance < 1e-6) {
        const double angle = (ia * 7 + ib * 13) * 0.61803398875 * 2 * std::numbers::pi;
        dx = std::cos(angle);
        dy = std::sin(angle);
        distance = 1e-6;
    }
    const double ux = dx / std::hypot(dx, dy);
    const double uy = dy / std::hypot(dx, dy);
    return {distance - reach(a.size, ux, uy) - reach(b.size, ux, uy), ux, uy};
}

// The wished-for room between two related boxes: enough for the relationship's label.
double idealGap(const std::vector<Body>& bodies, const Options& options)
{
    double heights = 0;
    for (const Body& body : bodies)
        heights += body.size.height();
    return std::max({options.margin * 3, 2.5 * heights / double(bodies.size()), options.labelRoom});
}

QPointF middle(const std::vector<Body>& bodies)
{
    QPointF sum;
    int fixedCount = 0;
    for (const Body& body : bodies) {
        if (body.fixed) {
            sum += body.position;
            ++fixedCount;
        }
    }
    return fixedCount > 0 ? sum / fixedCount : QPointF();
}

// Free nodes start on a circle around the middle, in the order given, nudged a little.
void placeOnCircle(std::vector<Body>& bodies, const QPointF& centre, double k, quint32 seed)
{
    double perimeter = 0;
    for (const Body& body : bodies)
        perimeter += std::max(body.size.width(), body.size.height()) + k;
    const double radius = std::max(k, perimeter / (2 * std::numbers::pi));
    QRandomGenerator nudges(seed);
    const int count = int(bodies.size());
    for (int i = 0; i < count; ++i) {
        if (bodies[i].fixed)
            continue;
        const double angle = 2 * std::numbers::pi * i / count;
        const QPointF nudge((nudges.generateDouble() - 0.5) * k * 0.2,
                            (nudges.generateDouble() - 0.5) * k * 0.2);
        bodies[i].position = centre + radius * QPointF(std::cos(angle), std::sin(angle)) + nudge;
    }
}

// Related nodes pull, all nodes push, the middle draws; each step is capped by a temperature
// that cools to nothing, so the picture settles.
void settle(std::vector<Body>& bodies, const std::vector<std::pair<int, int>>& links,
            const QPointF& centre, double k, int iterations)
{
    const int count = int(bodies.size());
    std::vector<QPointF> push(count);
    const double hottest = k * std::max(2.0, std::sqrt(double(count)));
    for (int step = 0; step < iterations; ++step) {
        std::fill(push.begin(), push.end(), QPointF());
        for (int i = 0; i < count; ++i) {
            for (int j = i + 1; j < count; ++j) {
                const Separation s = separation(bodies[i], bodies[j], i, j);
                // Far nodes do not push, so that the middle keeps the parts of a cast together.
                if (s.gap > RepulsionRange * k)
                    continue;
                const double force = k * k / std::max(s.gap, 1.0);
                push[i] -= QPointF(s.ux, s.uy) * force;
                push[j] += QPointF(s.ux, s.uy) * force;
            }
        }
        for (const auto& [a, b] : links) {
            const Separation s = separation(bodies[a], bodies[b], a, b);
            if (s.gap <= 0)
                continue;
            const double force = s.gap * s.gap / k;
            push[a] += QPointF(s.ux, s.uy) * force;
            push[b] -= QPointF(s.ux, s.uy) * force;
        }
        const double temperature = hottest * (1.0 - double(step) / iterations) + 0.5;
        for (int i = 0; i < count; ++i) {
            if (bodies[i].fixed)
                continue;
            const QPointF total = push[i] + (centre - bodies[i].position) * Gravity;
            const double length = std::hypot(total.x(), total.y());
            if (length > 1e-9)
                bodies[i].position += total / length * std::min(length, temperature);
        }
    }
}

// How far two boxes grown by the margin overlap on each axis; both positive when they do.
QPointF overlap(const Body& a, const Body& b, double margin)
{
    const QPointF d = b.position - a.position;
    return {(a.size.width() + b.size.width()) / 2 + margin - std::abs(d.x()),
            (a.size.height() + b.size.height()) / 2 + margin - std::abs(d.y())};
}

bool overlaps(const Body& a, const Body& b, double margin)
{
    const QPointF o = overlap(a, b, margin);
    return o.x() > 1e-6 && o.y() > 1e-6;
}

// Parts overlapping boxes along the axis where they overlap least, the free one taking the
// whole move when the other is fixed. True when nothing overlapped any more.
bool partOverlaps(std::vector<Body>& bodies, double margin)
{
    constexpr double Slack = 0.01;
    const int count = int(bodies.size());
    for (int sweep = 0; sweep < 200; ++sweep) {
        bool moved = false;
        for (int i = 0; i < count; ++i) {
            for (int j = i + 1; j < count; ++j) {
                Body& a = bodies[i];
                Body& b = bodies[j];
                if ((a.fixed && b.fixed) || !overlaps(a, b, margin))
                    continue;
                const QPointF o = overlap(a, b, margin);
                const QPointF d = b.position - a.position;
                const QPointF apart =
                    o.x() < o.y() ? QPointF(d.x() < 0 ? -(o.x() + Slack) : o.x() + Slack, 0)
                                  : QPointF(0, d.y() < 0 ? -(o.y() + Slack) : o.y() + Slack);
                const double share = a.fixed ? 0.0 : b.fixed ? 1.0 : 0.5;
                a.position -= apart * share;
                b.position += apart * (1.0 - share);
                moved = true;
            }
        }
        if (!moved)
            return true;
    }
    return false;
}

bool touchesAny(const std::vector<Body>& bodies, int index, double margin)
{
    for (int j = 0; j < int(bodies.size()); ++j) {
        if (j != index && overlaps(bodies[index], bodies[j], margin))
            return true;
    }
    return false;
}

// The last resort where parting did not end: each free box that still touches another moves
// out along a spiral to the first place where it touches none.
void moveToFreePlaces(std::vector<Body>& bodies, double margin)
{
    for (int i = 0; i < int(bodies.size()); ++i) {
        Body& body = bodies[i];
        if (body.fixed || !touchesAny(bodies, i, margin))
            continue;
        const QPointF from = body.position;
        const double step = std::max(4.0, std::min(body.size.width(), body.size.height()) / 2);
        for (int ring = 1; touchesAny(bodies, i, margin); ++ring) {
            const double radius = ring * step;
            const int places = std::max(8, int(2 * std::numbers::pi * radius / step));
            for (int place = 0; place < places; ++place) {
                const double angle = 2 * std::numbers::pi * place / places;
                body.position = from + radius * QPointF(std::cos(angle), std::sin(angle));
                if (!touchesAny(bodies, i, margin))
                    break;
            }
        }
    }
}

} // namespace

double reach(const QSizeF& size, double ux, double uy)
{
    const double inf = std::numeric_limits<double>::infinity();
    const double alongX = std::abs(ux) > 1e-9 ? size.width() / 2 / std::abs(ux) : inf;
    const double alongY = std::abs(uy) > 1e-9 ? size.height() / 2 / std::abs(uy) : inf;
    return std::min(alongX, alongY);
}

QRectF boxAt(const QPointF& centre, const QSizeF& size)
{
    return QRectF(centre - QPointF(size.width() / 2, size.height() / 2), size);
}

QList<QPointF> layout(const QList<Node>& nodes, const QList<Edge>& edges, const Options& options)
{
    if (nodes.isEmpty())
        return {};
    std::vector<Body> bodies;
    bodies.reserve(nodes.size());
    QHash<qint64, int> indexOf;
    for (const Node& node : nodes) {
        indexOf.insert(node.id, int(bodies.size()));
        bodies.push_back({node.fixedPosition.value_or(QPointF()), node.size.expandedTo({1, 1}),
                          node.fixedPosition.has_value()});
    }
    std::vector<std::pair<int, int>> links;
    for (const Edge& edge : edges) {
        const int from = indexOf.value(edge.from, -1);
        const int to = indexOf.value(edge.to, -1);
        if (from >= 0 && to >= 0 && from != to)
            links.emplace_back(from, to);
    }
    const double k = idealGap(bodies, options);
    const QPointF centre = middle(bodies);
    placeOnCircle(bodies, centre, k, options.seed);
    settle(bodies, links, centre, k, options.iterations);
    if (!partOverlaps(bodies, options.margin))
        moveToFreePlaces(bodies, options.margin);

    QList<QPointF> positions;
    positions.reserve(nodes.size());
    for (const Body& body : bodies)
        positions.append(body.position);
    return positions;
}

} // namespace CastLayout
