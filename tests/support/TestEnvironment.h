#pragma once

#include "support/ScriptedDesktop.h"
#include "support/TestDatabase.h"

#include <QTest>

#include <memory>
#include <optional>

class QAbstractItemModel;
class QCheckBox;
class QTableView;

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

    // Pages launched and help files shown, then every message as "title (icon): text", one a
    // line; the database's folder is written "<folder>", the user's data folder "<data>" and a
    // carriage return "<CR>".
    QString told() const;

    ScriptedDesktop desktop;
    TestDatabase db;
};

// Clicks a check box on its box: a click far right of a short caption misses it.
void tick(QCheckBox* box);

// What a control shows: the text of a box, a list's current text, a button's or a label's caption.
QString shownText(const QWidget* control);
// The display texts of one column of a model, top to bottom.
QStringList columnTexts(const QAbstractItemModel* model, int column = 0);
// Types into a grid's cell as a user does, and leaves the cell.
void editCell(QTableView* grid, int row, int column, const QString& text);
// A fingerprint of a file's bytes, or an empty one when it cannot be read.
QByteArray checksum(const QString& path);
// Overwrites a file (made if missing) with bytes no program reads as its own.
bool writeGarbage(const QString& path);
// Writes a file whole, making its folder first when missing.
bool writeFile(const QString& path, const QByteArray& contents);
