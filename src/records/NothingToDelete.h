#pragma once

#include "shared/desktop/Desktop.h"

// Tells that Delete found no line chosen in a list of links, as every such list does.
inline void tellNothingToDelete()
{
    desktop().messageBox(QStringLiteral("No item to delete."),
                         QStringLiteral("No record to delete."), MessageIcon::Information,
                         MessageButtons::Ok);
}
