#include "shared/Desktop.h"

#include <QtGlobal>

namespace {
Desktop* currentDesktop = nullptr;
}

Desktop& desktop()
{
    Q_ASSERT_X(currentDesktop, "desktop()", "no desktop installed");
    return *currentDesktop;
}

void setDesktop(Desktop* desktop)
{
    currentDesktop = desktop;
}

Desktop* installedDesktop()
{
    return currentDesktop;
}
