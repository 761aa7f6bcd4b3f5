#include "app/DatabaseSession.h"

#include "data/Database.h"
#include "shared/BusyPointer.h"
#include "shared/Desktop.h"
#include "shared/FatalError.h"
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
        if (!offerRetry(error, QStringLiteral("Retry")))
            return false;
    }
}

void closeDatabase()
{
    Database::close();
}
