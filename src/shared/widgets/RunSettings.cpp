#include "shared/widgets/RunSettings.h"

RunSettings& runSettings()
{
    static RunSettings settings;
    return settings;
}
