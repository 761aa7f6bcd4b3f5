#pragma once

#include <cstddef>
#include <cstdint>
#include <QString>

// What the fuzz targets share: Qt's application object, a database to draw words from and the
// input read as text.
namespace FuzzSupport {

// Starts Qt's core application, which the SQL driver plugin needs.
void startApplication(int* argc, char*** argv);
// Builds a database from data/ into a temporary folder and opens it as the run's database:
// the shipped tables, or empty tables when withRows is false. Ends the run when that fails.
void openDatabase(bool withRows);
// A value drawn from a list table of the open database; ends the run when the draw fails.
QString drawWord(const QString& table);
// The input as the program reads a text file: UTF-8, bad bytes turned into replacement marks.
QString text(const uint8_t* data, size_t size);
// Ends the run with a message, which libFuzzer records as a finding with its input.
[[noreturn]] void fail(const QString& what);

} // namespace FuzzSupport
