#pragma once

#include "data/RandomRecord.h"

#include <optional>
#include <QString>

class Random;

// A random value of the list table, first letter upper-cased, drawn with the run's generator. A
// failure is fatal: it is reported through reportFatalError and the empty text is returned.
QString getRandomRecord(const QString& table);
// The same, drawn with the generator given.
QString getRandomRecordFrom(const QString& table, Random& random);
// The same among the rows that fit the filter; nothing when a filter lets no row through.
std::optional<QString> getRandomRecordFrom(const QString& table, const RandomRecord::Filter& filter,
                                           Random& random);
