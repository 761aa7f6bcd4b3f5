#pragma once

#include "data/StoreError.h"

#include <QStringList>

// The names of the characters shown in the character window, offered wherever a character is
// named by hand.
namespace CastNames {

// Each name once, sorted without regard to case; empty names left out.
bool read(QStringList* names, StoreError* error);
// Whether any character holds the name (without regard to case), hidden ones included: no two
// characters may hold the same name.
bool isHeld(const QString& name, bool* held, StoreError* error);
// Lets go of what isHeld keeps of the database; must run before the database closes.
void forget();

} // namespace CastNames
