#pragma once

#include <QString>

// A random value of the list table, first letter upper-cased, drawn with the run's generator. A
// failure is fatal: it is reported through reportFatalError and the empty text is returned.
QString getRandomRecord(const QString& table);
