#pragma once

#include <QString>

class Random;

// Name patterns: "c" stands for a random consonant and "v" for a random vowel.
namespace NamePattern {

struct Expansion
{
    QString letters; // the letters built, up to an invalid character if there is one
    bool valid = true;
};

// Builds the lower-case letters of a pattern, each drawn with random; stops at the first
// character that is no code.
Expansion expand(const QString& pattern, Random& random);

} // namespace NamePattern
