#pragma once

#include "app/PeakMemory.h"
#include "customization/CustomizationWindow.h"
#include "support/ScriptedDesktop.h"
#include "support/TestDatabase.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <utility>

class QTableView;

// What several of the bench's measures share.

// Adds a list table of the given number of rows ("word0", "word1"...) to the database.
void fillTable(TestDatabase& db, const QString& table, int rows);
// The customization window, shown over a database of its own with the given list tables
// ("word0", "word1"... each), and the desktop it tells.
class CustomizationOnLists
{
public:
    explicit CustomizationOnLists(const QList<std::pair<QString, int>>& tables);
    // Chooses the table in the window's table list, as the user does, and lets it show.
    void choose(const QString& table);
    QTableView* grid() const;

    ScriptedDesktop desktop;
    TestDatabase db;
    CustomizationWindow window;
};

// Runs this bench again with the arguments, runs times, each in a fresh process so that its peak
// memory is its own, and gives the words each run printed.
using ChildRuns = QList<QList<QByteArray>>;
ChildRuns runChildren(const QStringList& arguments, int runs);
// The median over the runs of the figure printed at the index, divided by the scale.
double medianFigure(const ChildRuns& runs, int index, double scale = 1);
// Lowers the peak resident memory to what is resident now, where the system allows it, so that
// the growth of a measure is not hidden by an earlier peak.
void resetPeakMemory();
