#pragma once

#include "data/SettingsRow.h"

#include <QObject>

// The run's settings: read from the settings row at start-up, and written, into the row and here
// at once, by the customization window's Update. changed() says when a value really changed, so
// that whoever follows a setting (the main window's toolbar) does so without being reached into.
class Settings : public QObject
{
    Q_OBJECT

public:
    static Settings& instance();

    int timerInterval() const { return m_timerInterval; } // milliseconds
    QString personalReminder() const { return m_personalReminder; }
    bool toolBarShown() const { return m_toolBarShown; }
    // The number of the window opened at start-up; outside 0 to 10 none is.
    int startWindow() const { return m_startWindow; }
    // Tool windows stay side by side when one is activated (see SettingsRow).
    bool sideBySide() const { return m_sideBySide; }

    void setTimerInterval(int milliseconds);
    void setPersonalReminder(const QString& reminder);
    void setToolBarShown(bool shown);
    void setStartWindow(int number);
    // Takes every value of the row, with one changed() for them all.
    void setValues(const SettingsRow& row);

    // Reads the first settings row.
    bool load(StoreError* error);
    // Writes the row; the run takes its values only once they are stored.
    bool save(const SettingsRow& row, StoreError* error);

signals:
    void changed();

private:
    Settings();

    int m_timerInterval = 0;
    QString m_personalReminder;
    bool m_toolBarShown = false;
    int m_startWindow = 0;
    bool m_sideBySide = false;
};
