#pragma once

#include "data/StoreError.h"

#include <QVariant>

// The settings row of the database as the run uses it. Values that are missing or out of range
// are replaced by the nearest usable ones, so a damaged row never keeps the program from
// starting.
struct SettingsRow
{
    static constexpr int DefaultIntervalSeconds = 5;
    static constexpr int MinimumIntervalSeconds = 1;
    static constexpr int MaximumIntervalSeconds = 20;
    static constexpr int DefaultStartForm = 4;

    int intervalSeconds = DefaultIntervalSeconds;
    QString personalReminder = QStringLiteral("Never run with scissors.");
    bool toolBarShown = true;
    // Outside 0 to 10: no start window; written, the stored number stays as it is.
    int startWindow = DefaultStartForm;
    int startOption = DefaultStartForm; // the stored number brought into 0 to 10, for showing
    // Activating a tool window leaves the others as they are, and Tile and Cascade arrange them
    // all; off, the activated window is shown alone.
    bool sideBySide = false;

    static SettingsRow fromValues(const QVariant& timerInterval, const QVariant& personalReminder,
                                  const QVariant& toolBar, const QVariant& startForm,
                                  const QVariant& sideBySide = {});
};

// Reads the first settings row; a missing row gives the defaults.
bool readSettingsRow(SettingsRow* row, StoreError* error);
// Writes the values into the first settings row, making the row when there is none. A start
// window outside 0 to 10 leaves the stored number as it is.
bool writeSettingsRow(const SettingsRow& row, StoreError* error);
