#include "shared/BusyPointer.h"

#include "shared/Desktop.h"

void setHourglass()
{
    desktop().setBusyPointer(true);
}

void resetPointer()
{
    desktop().setBusyPointer(false);
}
