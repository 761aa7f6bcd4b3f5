#pragma once

#include "data/StoreError.h"

#include <QStringList>

// The names of the characters shown in the character window, offered wherever a character is
// named by hand.
namespace CastNames {

// Each name once, sorted without regard to case; empty names left out.
bool read(QStringList* names, StoreError* error);

} // namespace CastNames
