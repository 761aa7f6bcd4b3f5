#pragma once

#include "data/StoreError.h"

#include <QString>
#include <QStringList>

#include <optional>

// The read-only catalogue of plot types, table plots. The plot window lists the plots in table
// order and finds a listed plot by its number, so the numbers must run 1, 2, 3 ... without gaps;
// every use checks that first, since the table may have been edited since the list was read.
namespace PlotCatalogue {

enum class State { Sound, Empty, Damaged };

struct Check
{
    State state = State::Empty;
    int count = 0;
};

struct Plot
{
    QString name;
    QString description;
};

// The plot names in table order.
bool names(QStringList* names, StoreError* error);
bool check(Check* result, StoreError* error);
// The plot numbered id; none when no plot has that number.
bool plotNumbered(int id, std::optional<Plot>* plot, StoreError* error);

// What to tell the user about a catalogue that cannot be used.
QString problemText(State state);
QString problemTitle();

} // namespace PlotCatalogue
