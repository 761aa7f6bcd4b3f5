#pragma once

#include "data/StoreError.h"

#include <functional>

// Reports an unexpected failure in one message and ends the program. The ending is a
// replaceable step so that tests can watch the report without losing their own process; a
// caller therefore returns straight after calling reportFatalError.
void reportFatalError(const StoreError& error);

// Asks whether to try a failed step again, under the given title. Yes gives true (with the busy
// pointer back on while a guard lives); No reports the error as fatal and gives false.
bool offerRetry(const StoreError& error, const QString& title);

// A change the user asked for, as the message about its refusal names it.
struct RefusedWrite
{
    QString title;   // "Not Saved"
    QString attempt; // "save this record"
    QString outcome; // what is left as it was, its one place left ("%1") standing for the remedy

    // A save refused, what was kept ("What you typed is still here") waiting for another.
    static RefusedWrite saving(const QString& what, const QString& kept);
    static RefusedWrite adding(const QString& what);
    // A deletion refused, what stays ("It is still there") to be deleted again.
    static RefusedWrite deleting(const QString& what, const QString& stays);
};

// Tells the user why the database could not be written at that moment (a full disk, a read-only
// file or folder, another program writing) and gives true: the program goes on, the change can
// be tried again once that is mended. Any other failure is not told here and gives false.
bool tellRefusedWrite(const StoreError& error, const RefusedWrite& write);
// Tells a refused write as tellRefusedWrite does, and reports any other failure as fatal.
void reportFailedWrite(const StoreError& error, const RefusedWrite& write);

// The text of the report, built from the error and the database path.
QString fatalErrorText(const StoreError& error);

// Replaces the step that ends the program; an empty function restores the default (close the
// database and leave with a failure status).
void setFatalErrorExit(std::function<void(const StoreError&)> exit);
