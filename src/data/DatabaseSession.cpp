#include "data/DatabaseSession.h"

#include "data/Database.h"
#include "data/FatalError.h"
#include "shared/BusyPointer.h"
#include "shared/Desktop.h"
#include "shared/RunSettings.h"

bool openDatabase()
{
    setHourglass();
    for (;;) {
        StoreError error;
        if (Database::open(runSettings().databasePath, &error)) {
            resetPointer();
            return true;
        }
        resetPointer();
        if (error.number == EngineError::FileNotFound) {
            desktop().messageBox(QStringLiteral("Quillane cannot find the magical database."),
                                 QStringLiteral("The Magic Stopped."), MessageIcon::Information,
                                 MessageButtons::Ok);
            return false;
        }
        const MessageAnswer retry = desktop().messageBox(
            QStringLiteral("An unknown error has occurred.  Would you like to try again?"),
            QStringLiteral("Retry"), MessageIcon::None, MessageButtons::YesNo);
        if (retry != MessageAnswer::Yes) {
            reportFatalError(error);
            return false;
        }
        setHourglass();
    }
}

void closeDatabase()
{
    Database::close();
}
