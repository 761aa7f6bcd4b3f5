#include "shared/widgets/Settings.h"

#include "shared/desktop/BusyPointer.h"

namespace {

// Gives the value its new content; true when that changed it.
template <typename T> bool replace(T& value, const T& newValue)
{
    if (value == newValue)
        return false;
    value = newValue;
    return true;
}

} // namespace

Settings::Settings()
{
    setValues(SettingsRow());
}

Settings& Settings::instance()
{
    static Settings settings;
    return settings;
}

void Settings::setTimerInterval(int milliseconds)
{
    if (replace(m_timerInterval, milliseconds))
        emit changed();
}

void Settings::setPersonalReminder(const QString& reminder)
{
    if (replace(m_personalReminder, reminder))
        emit changed();
}

void Settings::setToolBarShown(bool shown)
{
    if (replace(m_toolBarShown, shown))
        emit changed();
}

void Settings::setStartWindow(int number)
{
    if (replace(m_startWindow, number))
        emit changed();
}

void Settings::setValues(const SettingsRow& row)
{
    bool differs = replace(m_timerInterval, row.intervalSeconds * 1000);
    differs |= replace(m_personalReminder, row.personalReminder);
    differs |= replace(m_toolBarShown, row.toolBarShown);
    differs |= replace(m_startWindow, row.startWindow);
    differs |= replace(m_sideBySide, row.sideBySide);
    if (differs)
        emit changed();
}

bool Settings::load(StoreError* error)
{
    const BusyPointer busy;
    SettingsRow row;
    if (!readSettingsRow(&row, error))
        return false;
    setValues(row);
    return true;
}

bool Settings::save(const SettingsRow& row, StoreError* error)
{
    if (!writeSettingsRow(row, error))
        return false;
    setValues(row);
    return true;
}
