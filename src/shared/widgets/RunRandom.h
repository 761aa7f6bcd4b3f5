#pragma once

#include "engines/Random.h"

// The run's random generator, seeded once from the system's entropy (or by a test) and never
// from the clock. Windows hand it to the engines they draw with; the engines never reach for it.
Random& runRandom();
