#pragma once

#include <functional>
#include <optional>
#include <Qt>
#include <QtGlobal>

class QListWidget;
class QListWidgetItem;
class QString;

// Each Generate of a generator window rolls every draw from a seed of its own, drawn from the
// run's generator, and the line it adds keeps that seed: the same seed on the same lists and
// settings gives the same line again, through "Generate from Seed…" in the results list's menu.
namespace SeededGeneration {

// Where a result line keeps its seed.
inline constexpr int SeedRole = Qt::UserRole + 8;

// A fresh seed for one generation, as random as the run's generator.
quint32 drawSeed();
// Marks a result line with the seed it was rolled from, in its data and its tooltip.
void markLine(QListWidgetItem* line, quint32 seed);
// A seed as typed: a whole number from 0 to 4294967295, blanks around it allowed.
std::optional<quint32> readSeed(const QString& text);
// Adds "Generate from Seed…" to the results list's menu: it asks for a seed, offering the current
// line's, and hands a valid one to generate; a bad one is told and nothing is generated.
void addGenerateFromSeed(QListWidget* results, std::function<void(quint32)> generate);

} // namespace SeededGeneration
