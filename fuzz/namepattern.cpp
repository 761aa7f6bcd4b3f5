// Name patterns come from the namePattern table, which the user edits; the words whose first
// sound picks "a" or "an" come from the word tables, which the user edits too.
#include "FuzzSupport.h"

#include "engines/NamePattern.h"
#include "engines/Random.h"
#include "engines/VowelSound.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString pattern = FuzzSupport::text(data, size);
    Random random(1); // a fixed seed, so that a finding replays
    const NamePattern::Expansion expansion = NamePattern::expand(pattern, random);
    if (expansion.letters.size() > pattern.size() ||
        (expansion.valid && expansion.letters.size() != pattern.size()))
        FuzzSupport::fail(QStringLiteral("the name does not have one letter per code"));
    VowelSound::startsWithVowelSound(pattern);
    return 0;
}
