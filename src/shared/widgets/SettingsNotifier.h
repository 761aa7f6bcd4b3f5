#pragma once

#include <QObject>

// Says when the run's settings were changed in memory, so that the windows showing them (the
// main window's toolbar) follow at once without anyone reaching into them.
class SettingsNotifier : public QObject
{
    Q_OBJECT

public:
    static SettingsNotifier& instance();

    void announceChange() { emit changed(); }

signals:
    void changed();
};
