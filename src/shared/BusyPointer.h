#pragma once

// The application's busy pointer, shown while work that may take time runs.
void setHourglass();
// Ends any number of setHourglass calls at once: the calls do not nest.
void resetPointer();
