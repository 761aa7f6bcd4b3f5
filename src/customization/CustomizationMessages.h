#pragma once

#include "data/StoreError.h"

#include <QString>

// The messages both pages of the customization window give.
namespace CustomizationMessages {

// An information message with an OK button.
void tell(const QString& text, const QString& title = QStringLiteral("Quillane"));
// Tells a failure the user can mend and gives true; any other ends the program.
bool tellRecoverable(const StoreError& error);

} // namespace CustomizationMessages
