#pragma once

#include <QString>

class QPrinter;

// Lays a block of plain text out on pages with the printer's default font and margins.
bool printPlainText(QPrinter* printer, const QString& text);
// Writes a block of plain text into a PDF file.
bool saveTextAsPdf(const QString& text, const QString& fileName, QString* error);
