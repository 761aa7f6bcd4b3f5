#pragma once

#include <QChar>
#include <QRandomGenerator>

// The one random generator of the run. It is seeded once, from the system's entropy at
// start-up or by a test, and never reseeded from the clock: a single well-seeded generator
// keeps every draw uniform and never repeats a sequence within one clock tick.
class Random
{
public:
    static Random& instance();

    void seed(quint32 value) { m_generator.seed(value); }
    // A uniform whole number from 0 to n - 1 (n >= 1).
    qint64 below(qint64 n);
    // The generator itself, for the draws of the data layer.
    QRandomGenerator& generator() { return m_generator; }
    // A uniform value in [0, 1).
    double unit() { return m_generator.generateDouble(); }

private:
    Random();
    QRandomGenerator m_generator;
};

// A uniform whole number from 1 to n (n >= 1).
int randomNumber(int n);
// A uniform whole number from low to high, both included (low <= high), drawn in one step.
int randomInRange(int low, int high);
// One lower-case consonant ("y" counts as one).
QChar randomConsonant();
// One lower-case vowel.
QChar randomVowel();
