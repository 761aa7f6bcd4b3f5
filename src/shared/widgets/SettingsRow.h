#pragma once

#include "data/SettingsRow.h"

// Reads the first settings row into the run settings.
bool loadSettings(StoreError* error);
