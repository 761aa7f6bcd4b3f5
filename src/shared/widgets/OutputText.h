#pragma once

#include <QString>

class QWidget;

// The one output text of the program, shared by every window: print and clipboard commands
// build it line by line and hand it on. Each line is stored after a line feed, so the text
// begins with one and its lines are separated by single line feeds.

void appendOutput(const QString& line);
void clearOutput();
const QString& outputText();

// Prints the output text after asking whether the printer is ready. Where no printer exists the
// user may save the text as a PDF file instead; a failure is told, never fatal.
void printOutput();
// Puts the output text on the clipboard and says so (or says that it failed).
void copyOutput();

// "Quillane -- <caption> <date and time>" and a rule of 80 "-".
QString resultsHeaderLine(const QString& caption);
QString resultsRule();

// Appends the header and one "Name: text" line per text box ("txt...") and combo box ("cbo...")
// of the window, in control order. The output text is not cleared first.
void captureFormText(QWidget* window);
// Replaces the output text by the header and every line of the window's results list, followed
// by one empty line.
void captureListText(QWidget* window);

void printForm(QWidget* window);
void copyForm(QWidget* window);
// A results list ("lstResults") to the printer or the clipboard; an empty one is refused with a
// message.
void printList(QWidget* window);
void copyList(QWidget* window);
