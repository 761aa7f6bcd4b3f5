// Dice notation is typed by the user into the number generator's boxes. Any text is read; what
// reads as notation is thrown, and its line must hold the total it reports.
#include "FuzzSupport.h"

#include "engines/DiceNotation.h"
#include "engines/Random.h"

#include <cstdlib>
#include <variant>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const auto parsed = DiceNotation::parse(FuzzSupport::text(data, size));
    if (const auto* expression = std::get_if<DiceNotation::Expression>(&parsed)) {
        Random random(1); // a fixed seed, so that a finding replays
        const DiceNotation::Throw thrown = DiceNotation::roll(*expression, random);
        if (!thrown.line.contains(QStringLiteral(" = ") + QString::number(thrown.total)))
            std::abort();
    }
    return 0;
}
