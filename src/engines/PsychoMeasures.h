#pragma once

// The PsychoStimulatron's measures. They were laid out in twips (1/1440 inch); at 15 twips a
// pixel they become whole pixels (2000 and 4500 twips round down).
namespace PsychoMeasures {
constexpr int TwipsPerPixel = 15;
// How far the word button jumps at each tick: 600 twips.
constexpr int JumpStep = 600 / TwipsPerPixel; // 40 px
// How far inside a bound the button lands once it has strayed past it: 2000 twips.
constexpr int ReEntry = 2000 / TwipsPerPixel; // 133 px
// The largest circle of a shower: a radius of 4500 twips.
constexpr int MaxRadius = 4500 / TwipsPerPixel; // 300 px
} // namespace PsychoMeasures
