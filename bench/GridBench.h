#pragma once

// Ctrl+End in the customization grid over a list of a million rows, beside the same over a
// thousand: the time to reach the last row, the row reached and the growth of the peak memory.
// Each list is measured in a child process of this program, so that its peak memory is its own.
void benchGrid();

// In such a child (started with the arguments benchGrid gives) measures, prints and returns true.
bool runGridChild(int argc, char* argv[]);
