#include "shared/widgets/SettingsRow.h"

#include "shared/desktop/BusyPointer.h"
#include "shared/widgets/RunSettings.h"

bool loadSettings(StoreError* error)
{
    const BusyPointer busy;
    SettingsRow row;
    if (!readSettingsRow(&row, error))
        return false;
    RunSettings& settings = runSettings();
    settings.timerInterval = row.intervalSeconds * 1000;
    settings.personalReminder = row.personalReminder;
    settings.toolBarShown = row.toolBarShown;
    settings.startWindow = row.startWindow;
    return true;
}
