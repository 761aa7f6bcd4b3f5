#pragma once

// Prints the cost of one Generate in each window with a results list, by the number of lines
// the list already holds.
void benchResultLists();
