#include "shared/desktop/BusyPointer.h"

#include "shared/desktop/Desktop.h"

namespace {
int livingGuards = 0;
int livingPauses = 0;
} // namespace

BusyPointer::BusyPointer()
{
    ++livingGuards;
    desktop().setBusyPointer(true);
}

BusyPointer::~BusyPointer()
{
    release();
}

void BusyPointer::release()
{
    if (!m_holding)
        return;
    m_holding = false;
    if (--livingGuards == 0)
        desktop().setBusyPointer(false);
}

BusyPointer::Pause::Pause()
{
    ++livingPauses;
    desktop().setBusyPointer(false);
}

BusyPointer::Pause::~Pause()
{
    if (--livingPauses == 0 && livingGuards > 0)
        desktop().setBusyPointer(true);
}
