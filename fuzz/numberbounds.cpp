// The two bound boxes of the number generator take any typing. The first line is the first
// box's text, the rest the second's; every kind is drawn from them and both spin buttons
// stepped.
#include "FuzzSupport.h"

#include "engines/NumberKinds.h"
#include "engines/Random.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = FuzzSupport::text(data, size);
    const QString first = text.section(u'\n', 0, 0);
    const QString second = text.section(u'\n', 1);
    const auto unit = [](const QString& table) { return table; };
    Random random(1); // a fixed seed, so that a finding replays
    for (int kind = 0; kind < NumberKinds::KindCount; ++kind)
        NumberKinds::generate(NumberKinds::Kind(kind), first, second, unit, random);
    for (const QString& box : {first, second}) {
        NumberKinds::spinUp(box);
        NumberKinds::spinDown(box);
    }
    return 0;
}
