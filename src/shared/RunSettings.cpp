#include "shared/RunSettings.h"

RunSettings& runSettings()
{
    static RunSettings settings;
    return settings;
}
