#include "shared/widgets/RunPaths.h"

RunPaths& runPaths()
{
    static RunPaths paths;
    return paths;
}
