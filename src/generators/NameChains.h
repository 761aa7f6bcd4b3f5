#pragma once

#include "engines/NameChain.h"

#include <QString>
#include <unordered_map>

#include <memory>
#include <optional>

namespace SeededGeneration {
class Roll;
}

// Names invented like the real ones of the name lists: a first name like the lists' male or
// female first names (half the time each, as real names are drawn) and a surname like theirs.
// Each list's chain is learnt when first needed and again after the list has changed.
class NameChains
{
public:
    // A name like those of the culture (any with none), or nothing when a list could not be
    // read (told) or invents nothing. A culture with no names of a list learns from all of it.
    QString inventName(SeededGeneration::Roll& roll, const QString& culture = {});

private:
    // The chain learnt from the list as it is now; null when it cannot be read.
    const NameChain* chainOf(const QString& table, const QString& culture);

    struct Learnt
    {
        quint32 fingerprint = 0;
        std::unique_ptr<NameChain> chain;
    };
    std::unordered_map<QString, Learnt> m_learnt;
};
