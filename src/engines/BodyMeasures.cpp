#include "engines/BodyMeasures.h"

#include "engines/Random.h"

#include <algorithm>
#include <cmath>

namespace {

using BodyMeasures::Range;

// Adults' heights in inches (roughly the 1st to the 99th percentile of grown men and women);
// growing children's below 18, by age, for both together.
constexpr Range MaleAdult{62, 77};
constexpr Range FemaleAdult{58, 72};
constexpr Range TeenMale{60, 76};   // 15 to 17
constexpr Range TeenFemale{58, 70}; // 15 to 17
// Children under 15, from age 8 (anything younger is as short as the window allows).
constexpr Range ChildByAge[] = {{48, 54}, {48, 56}, {49, 58}, {50, 60},
                                {52, 63}, {54, 66}, {56, 69}}; // ages 8 to 14

// Body-mass index (weight / height squared, in kg/m²) from thin to heavy but healthy enough to
// be unremarkable: adults 18.5 to 32, teenagers 16.5 to 28, children 14 to 24.
struct MassIndex
{
    double low;
    double high;
};
MassIndex massIndex(std::optional<int> age)
{
    if (!age || *age >= 18)
        return {18.5, 32};
    return *age >= 15 ? MassIndex{16.5, 28} : MassIndex{14, 24};
}

// Pounds per (inch squared × kg/m²).
constexpr double PoundsPerIndex = 1.0 / 703;

Range clamped(Range range, Range bounds)
{
    const int low = std::clamp(range.low, bounds.low, bounds.high);
    const int high = std::clamp(range.high, bounds.low, bounds.high);
    return {low, std::max(low, high)};
}

Range joined(Range a, Range b)
{
    return {std::min(a.low, b.low), std::max(a.high, b.high)};
}

// A value in the range, more often near its middle than its ends (the mean of two draws).
int drawMiddling(Range range, Random& random)
{
    const int span = range.high - range.low;
    return range.low +
           (random.inRange(0, span) + random.inRange(0, span) + random.inRange(0, 1)) / 2;
}

} // namespace

namespace BodyMeasures {

Range heightRange(const QString& gender, std::optional<int> age)
{
    const bool male = gender == QLatin1String("Male"), female = gender == QLatin1String("Female");
    Range range;
    if (!age || *age >= 18)
        range = male ? MaleAdult : female ? FemaleAdult : joined(MaleAdult, FemaleAdult);
    else if (*age >= 15)
        range = male ? TeenMale : female ? TeenFemale : joined(TeenMale, TeenFemale);
    else
        range = ChildByAge[std::clamp(*age, 8, 14) - 8];
    return clamped(range, Heights);
}

Range weightRange(int height, std::optional<int> age)
{
    const MassIndex index = massIndex(age);
    const double squared = double(height) * height;
    return clamped({int(std::ceil(index.low * squared * PoundsPerIndex)),
                    int(std::floor(index.high * squared * PoundsPerIndex))},
                   Weights);
}

Range heightRangeFor(int weight, const QString& gender, std::optional<int> age)
{
    const MassIndex index = massIndex(age);
    const Range usual = heightRange(gender, age);
    const Range fitting{int(std::ceil(std::sqrt(weight / (index.high * PoundsPerIndex)))),
                        int(std::floor(std::sqrt(weight / (index.low * PoundsPerIndex))))};
    const Range both{std::max(usual.low, fitting.low), std::min(usual.high, fitting.high)};
    if (both.low <= both.high)
        return both;
    // No usual height suits the weight: the usual height nearest to those that do.
    const int nearest = fitting.high < usual.low ? usual.low : usual.high;
    return {nearest, nearest};
}

Body draw(const QString& gender, std::optional<int> age, std::optional<int> keptHeight,
          std::optional<int> keptWeight, Random& random)
{
    Body body;
    if (keptHeight)
        body.height = *keptHeight;
    else if (keptWeight)
        body.height = drawMiddling(heightRangeFor(*keptWeight, gender, age), random);
    else
        body.height = drawMiddling(heightRange(gender, age), random);
    body.weight =
        keptWeight
            ? *keptWeight
            : drawMiddling(weightRange(std::clamp(body.height, Heights.low, Heights.high), age),
                           random);
    return body;
}

} // namespace BodyMeasures
