#include "shared/widgets/SettingsNotifier.h"

SettingsNotifier& SettingsNotifier::instance()
{
    static SettingsNotifier notifier;
    return notifier;
}
