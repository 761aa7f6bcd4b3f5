#pragma once

#include "support/ScriptedDesktop.h"
#include "support/TestDatabase.h"

class QCheckBox;

// What a window test starts from: a scripted desktop, a fresh fixture database, the US English
// locale, the clock fixed at 6 December 2026, 9:30, and a seeded random generator.
struct TestEnvironment
{
    explicit TestEnvironment(quint32 seed = 1234,
                             const QString& tablesFolder = TestDatabase::fixtureTables());
    ~TestEnvironment();

    // The first line of printed and copied results, as the fixed clock writes it.
    static QString headerLine(const QString& caption);

    ScriptedDesktop desktop;
    TestDatabase db;
};

// Clicks a check box on its box: a click far right of a short caption misses it.
void tick(QCheckBox* box);
