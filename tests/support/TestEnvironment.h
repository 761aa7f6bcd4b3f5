#pragma once

#include "support/ScriptedDesktop.h"
#include "support/TestDatabase.h"

#include <QTest>

#include <memory>
#include <optional>

class QCheckBox;

// What a window test starts from: a scripted desktop, a fresh fixture database, the US English
// locale, the clock fixed at 6 December 2026, 9:30, and a seeded random generator.
struct TestEnvironment
{
    explicit TestEnvironment(quint32 seed = 1234,
                             const QString& tablesFolder = TestDatabase::fixtureTables());
    ~TestEnvironment();

    // Opens a tool window as the main window does: loaded, shown and activated.
    template <typename Window> static std::unique_ptr<Window> open()
    {
        auto window = std::make_unique<Window>();
        window->load();
        window->show();
        window->activate();
        if (!QTest::qWaitForWindowExposed(window.get()))
            qWarning("The window was not shown");
        return window;
    }

    // Compares the last message word for word, and its title and icon when given; use it as
    // QVERIFY(env.expectMessage(...)).
    bool expectMessage(const QString& text, const QString& title = {},
                       std::optional<MessageIcon> icon = std::nullopt) const;

    // The text of a file in the fixtures' expected/ folder, or an empty text when it is missing.
    // As a text file it ends with a line feed, which output written without one drops.
    static QString expectedOutput(const QString& name, bool dropFinalLineFeed = false);

    ScriptedDesktop desktop;
    TestDatabase db;
};

// Clicks a check box on its box: a click far right of a short caption misses it.
void tick(QCheckBox* box);
