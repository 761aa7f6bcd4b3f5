#pragma once

#include <QColor>
#include <QList>
#include <QPoint>
#include <QSize>

class Random;

// One shower of the PsychoStimulatron: circles of random place, size and colour.
namespace CircleShower {

constexpr int CirclesPerShower = 100;

struct Circle
{
    QPoint centre;
    int radius = 0;
    QColor colour;
};

// A new shower over an area, drawn with random: each centre lies from 1 to the area's width
// and height, each radius from 1 to the largest, each colour is three draws scaled to 0..255.
QList<Circle> draw(const QSize& area, Random& random);

} // namespace CircleShower
