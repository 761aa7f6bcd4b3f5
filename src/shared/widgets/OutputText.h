#pragma once

class QListWidget;
class QString;
class Report;

// Print and Clipboard, for every window: a report handed to the printer or the clipboard.

// Prints the report after asking whether the printer is ready. Where no printer exists the user
// may save it as a PDF file instead; a failure is told, never fatal.
void printReport(const Report& report);
// Puts the report on the clipboard and says so (or says that it failed).
void copyReport(const Report& report);

// A results list under the window's caption, one line an entry and an empty line after the last,
// to the printer or the clipboard. An empty list is refused with a message.
void printResults(const QString& caption, const QListWidget* list);
void copyResults(const QString& caption, const QListWidget* list);
