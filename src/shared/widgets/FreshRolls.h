#pragma once

#include "shared/widgets/SeededGeneration.h"

#include <functional>
#include <memory>
#include <optional>
#include <QString>

// Rolls from fresh seeds while what a roll gives is taken (a name a character holds, a line the
// list shows), up to a number of tries; then the last roll is kept after all and, where there is
// a notice, it is told once until forgotten. Each try is a roll of its own, so the seed of the
// roll kept gives its result again by itself.
class FreshRolls
{
public:
    // An empty notice keeps a taken result without a word.
    FreshRolls(int tries, QString notice) : m_tries(tries), m_notice(std::move(notice)) {}

    // What a roll gave is taken, free, or nothing at all (then no further roll is tried).
    using Try = std::function<std::optional<bool>(SeededGeneration::Roll& roll)>;
    // The roll to keep, or none when a try gave nothing; the notice bears the title.
    std::unique_ptr<SeededGeneration::Roll> roll(const Try& takenBy, const QString& title);
    // Tells the notice again the next time a taken result is kept.
    void forgetNotice() { m_told = false; }

private:
    int m_tries;
    QString m_notice;
    bool m_told = false;
};
