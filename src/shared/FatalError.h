#pragma once

#include "data/StoreError.h"

#include <functional>

// Reports an unexpected failure in one message and ends the program. The ending is a
// replaceable step so that tests can watch the report without losing their own process; a
// caller therefore returns straight after calling reportFatalError.
void reportFatalError(const StoreError& error);

// Asks whether to try a failed step again, under the given title. Yes gives true (with the busy
// pointer back on); No reports the error as fatal and gives false.
bool offerRetry(const StoreError& error, const QString& title);

// What to tell the user when a save failed because the database could not be written at that
// moment (a full disk, a read-only file or folder, another program writing), the edits being
// kept for a later save; empty for any other failure.
QString unsavedChangesText(const StoreError& error);

// The text of the report, built from the error and the database path.
QString fatalErrorText(const StoreError& error);

// Replaces the step that ends the program; an empty function restores the default (close the
// database and leave with a failure status).
void setFatalErrorExit(std::function<void(const StoreError&)> exit);
