#pragma once

#include <QString>

class QSqlError;

// The error numbers the windows tell apart. They keep the numbering of the database engine the
// program's stored files were first made with, so messages and handlers stay the same.
namespace EngineError {
enum : int {
    NoCurrentRecord = 3021,
    DuplicateValue = 3022,
    FileNotFound = 3024,
    RecordDeleted = 3167,
    ActionCancelled = 3426,
    // A value a rule of the program refuses; the description tells the user why.
    RuleViolated = 3317,
    // SQLite's own codes for a file that is damaged or not a database at all.
    DamagedFile = 11,
    NotADatabase = 26,
};
}

// A failure of the record store: its number, the routine it came from and what went wrong.
struct StoreError
{
    // The number the messages show: one of EngineError's, or SQLite's code for its own failures.
    int number = 0;
    QString source;
    QString description;
    // SQLite's extended result code when SQLite reported the failure, else 0. Kept apart from
    // the number because the program's own numbers (3021, 3078...) would read as SQLite codes.
    int sqliteCode = 0;

    // Why a write failed, where the user can do something about it.
    enum class Cause {
        Other,        // the database is not usable as it is
        Duplicate,    // a unique index refused the value
        RefusedValue, // a column refused the value
        Busy,         // another connection writes for longer than a statement waits
        ReadOnly,     // the file or its folder cannot be written
        DiskFull,
        WriteFailed, // the disk refused the write
    };

    bool isSet() const { return number != 0; }
    Cause cause() const;
    // A failure the user can mend and try again: a duplicate, a value a column refuses, a
    // database another program holds locked, a read-only file or folder, or a full disk. Any other
    // failure leaves the database unusable.
    bool isRecoverable() const { return cause() != Cause::Other && cause() != Cause::WriteFailed; }
    bool isBusy() const { return cause() == Cause::Busy; }

    // Translates an SQL error; unique and primary-key violations become DuplicateValue.
    // Only errors made here know SQLite's code, and only they can be told apart by cause().
    static StoreError fromSql(const QSqlError& error, const QString& source);
    // A failure SQLite reported through its own interface, by its extended result code.
    static StoreError fromSqlite(int code, const QString& source, const QString& description)
    {
        return {code, source, description, code};
    }
};
