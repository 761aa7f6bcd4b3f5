#include "shared/widgets/FreshRolls.h"

#include "shared/desktop/BusyPointer.h"
#include "shared/desktop/Desktop.h"

#include <utility>

std::unique_ptr<SeededGeneration::Roll> FreshRolls::roll(const Try& takenBy, const QString& title)
{
    for (int tries = 1;; ++tries) {
        auto roll = std::make_unique<SeededGeneration::Roll>(SeededGeneration::drawSeed());
        const std::optional<bool> taken = takenBy(*roll);
        if (!taken)
            return nullptr;
        if (!*taken)
            return roll;
        if (tries == m_tries) {
            if (!m_notice.isEmpty() && !std::exchange(m_told, true)) {
                const BusyPointer::Pause forMessage;
                desktop().messageBox(m_notice, title, MessageIcon::Information, MessageButtons::Ok);
            }
            return roll;
        }
    }
}
