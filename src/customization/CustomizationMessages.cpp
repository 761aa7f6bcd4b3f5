#include "customization/CustomizationMessages.h"

#include "shared/desktop/BusyPointer.h"
#include "shared/desktop/Desktop.h"
#include "shared/widgets/FatalError.h"

#include <QCoreApplication>

namespace CustomizationMessages {

void tell(const QString& text, const QString& title)
{
    desktop().messageBox(text, title, MessageIcon::Information, MessageButtons::Ok);
}

bool tellRecoverable(const StoreError& error)
{
    const BusyPointer::Pause forMessage;
    if (!error.isRecoverable()) {
        reportFatalError(error);
        return false;
    }
    tell(QCoreApplication::translate(
             "CustomizationMessages",
             "The change could not be saved: %1.  Please correct it or try again.")
             .arg(error.description));
    return true;
}

} // namespace CustomizationMessages
