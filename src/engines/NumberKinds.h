#pragma once

#include <functional>
#include <optional>
#include <QString>

class Random;

// The five kinds of number the number generator draws, and the arithmetic of its two bound
// boxes. Nothing here touches a widget, so every rule can be checked on its own.
namespace NumberKinds {

enum Kind { Age = 0, Date = 1, Distance = 2, Dice = 3, Percent = 4 };
constexpr int KindCount = 5;

// Dice thrown at most in one go: a larger count could not be shown on one line.
constexpr int MaxDice = 10000;

// What choosing a kind shows: its option's caption, the captions of the two bound labels and
// the bounds written into the two boxes. A kind without bounds (Date) leaves the boxes alone.
struct Description
{
    QString caption;
    QString firstLabel;
    QString secondLabel;
    QString firstBound;
    QString secondBound;
    bool hasBounds;
};
// In the interface's language.
Description describe(Kind kind);

// The number at the start of a box's text (sign, digits, decimal point and exponent); text that
// does not start with a number reads as 0.
double leadingNumber(const QString& text);
// The whole text read as a number (blanks around it allowed), or nothing when it is not one.
std::optional<double> plainNumber(const QString& text);
// A number as the boxes show it: no leading blank, any fraction kept.
QString numberText(double value);

// A box's text after one step of its spin button. Up adds 1 without limit; text that is not a
// number becomes "0". Down takes 1 only from a box starting with a number of 2 or more, so it
// stops at 1 and leaves other text alone.
QString spinUp(const QString& text);
QString spinDown(const QString& text);

// Draws a unit word from a list table ("time" for ages, "UnitOfMeasure" for distances).
using UnitSource = std::function<QString(const QString& table)>;

// One value of the kind drawn with random from the two boxes' texts, or nothing when the
// bounds leave no value to draw. Dice take the first box as faces per die and the second as the
// number of dice.
std::optional<QString> generate(Kind kind, const QString& firstText, const QString& secondText,
                                const UnitSource& unit, Random& random);

} // namespace NumberKinds
