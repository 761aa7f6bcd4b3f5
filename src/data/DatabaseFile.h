#pragma once

#include <QString>

// What a file named as the database is, told from its header and its list of tables alone. The
// file is read as it lies: nothing opens it for writing, takes a lock on it or leaves a journal
// beside it, so a file that is not the program's keeps every byte.
namespace DatabaseFile {

enum class Kind {
    Missing, // nothing at the path
    Folder,
    Foreign, // not an SQLite file (an empty one too), or one without the program's tables
    Ours,    // an SQLite file that holds the program's tables, of whichever version
    Unknown, // its tables cannot be read (cut short, damaged, unreadable): opening tells why
};

Kind inspect(const QString& path);

} // namespace DatabaseFile
