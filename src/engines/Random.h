#pragma once

#include <QChar>
#include <QRandomGenerator>

// A random generator handed to whatever draws. Whoever makes one decides its seed: the system's
// entropy for the run's own generator, a fixed seed for a repeatable generation or a test. It
// cannot be copied, so that no draw silently repeats another's sequence.
class Random
{
public:
    Random() : m_generator(QRandomGenerator::securelySeeded()) {}
    explicit Random(quint32 seed) : m_generator(seed) {}
    Q_DISABLE_COPY_MOVE(Random)

    void seed(quint32 value) { m_generator.seed(value); }
    // A uniform whole number from 0 to n - 1 (n >= 1).
    qint64 below(qint64 n);
    // A uniform whole number from 1 to n (n >= 1).
    int number(int n) { return int(below(n)) + 1; }
    // A uniform whole number from low to high, both included (low <= high), drawn in one step.
    int inRange(int low, int high);
    // A uniform value in [0, 1).
    double unit() { return m_generator.generateDouble(); }
    // One lower-case consonant ("y" counts as one).
    QChar consonant();
    // One lower-case vowel.
    QChar vowel();
    // The generator itself, for the draws of the data layer.
    QRandomGenerator& generator() { return m_generator; }

private:
    QRandomGenerator m_generator;
};
