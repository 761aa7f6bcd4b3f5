#include "shared/widgets/RunRandom.h"

Random& runRandom()
{
    static Random random;
    return random;
}
