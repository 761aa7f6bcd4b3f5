#pragma once

class QTextStream;

// Prints the time from starting the program to its main window on screen and the program's peak
// memory, each beside a bare Qt window's started in turn with it: over the shipped database, a
// copy with a long noun list and a copy with many characters.
void benchStartUp(QTextStream& out);
