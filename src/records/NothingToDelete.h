#pragma once

#include "shared/desktop/Desktop.h"

#include <QCoreApplication>

// Tells that Delete found no line chosen in a list of links, as every such list does.
inline void tellNothingToDelete()
{
    desktop().messageBox(QCoreApplication::translate("NothingToDelete", "No item to delete."),
                         QCoreApplication::translate("NothingToDelete", "No record to delete."),
                         MessageIcon::Information, MessageButtons::Ok);
}
