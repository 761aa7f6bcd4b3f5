#pragma once

#include <QString>

#include <optional>

class Random;

// Heights and weights that belong together. A height is drawn from the usual range of the
// gender for the age, a weight from a plausible body-mass range for the height and age; a value
// the writer keeps is fitted around instead. Everything stays within the character window's own
// bounds: 48 to 96 inches and 50 to 300 pounds.
namespace BodyMeasures {

// Inclusive whole-number bounds.
struct Range
{
    int low = 0;
    int high = 0;
    bool contains(int value) const { return value >= low && value <= high; }
};

inline constexpr Range Heights{48, 96};  // inches
inline constexpr Range Weights{50, 300}; // pounds

// Usual heights, in inches, for the gender ("Male", "Female" or anything else for both) at the
// age (none: an adult).
Range heightRange(const QString& gender, std::optional<int> age);
// Plausible weights, in pounds, for the height at the age.
Range weightRange(int height, std::optional<int> age);
// The usual heights for the gender and age that the weight is plausible for; the nearest usual
// height when there is none.
Range heightRangeFor(int weight, const QString& gender, std::optional<int> age);

// A height and a weight drawn to fit each other and what is kept: a kept height or weight is
// not drawn but fitted around.
struct Body
{
    int height = 0;
    int weight = 0;
};
Body draw(const QString& gender, std::optional<int> age, std::optional<int> keptHeight,
          std::optional<int> keptWeight, Random& random);

} // namespace BodyMeasures
