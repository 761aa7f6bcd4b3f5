#pragma once

#include <QString>

#include <functional>

// Where this run finds its read-only files (help documents, the template database) and which
// database it opens. A program whose folder holds its files and can be written to (a build
// folder, a portable copy) keeps the database beside itself. An installed program, or a program
// in a folder it cannot write to, keeps the database in the user's data folder, copied there on
// the first start and never overwritten afterwards. A program whose database was copied out of
// its folder goes on with the copy, also once the folder can be written to again.
class DataLocations
{
public:
    static inline const QString DatabaseName = QStringLiteral("quillane97.mdb");
    // In the user's data folder: the program folder whose database was copied there.
    static inline const QString CopiedFromName = QStringLiteral("copied-from.txt");

    DataLocations(const QString& programFolder, const QString& userFolder);

    // The folder of the help documents, their pictures and the template database.
    QString dataFolder() const { return m_dataFolder; }
    // The fresh database a new book starts from. An installed program's is in its data folder;
    // a build or portable folder keeps its own in template/, as its database beside the program
    // holds the user's work.
    QString templatePath() const;
    // The database this run opens; made ready by prepareDatabase().
    QString databasePath() const { return m_databasePath; }
    // The database beside the program, when it was copied to the user's data folder just now;
    // empty otherwise (also when the template of an installed program was copied).
    QString copiedFromProgramFolder() const { return m_copiedFromProgramFolder; }

    // Copies the database to the user's data folder when that is where it belongs and there is
    // none yet. A database lost from there after its first start (its backups folder is there)
    // is not replaced, so the user may put a backup back instead.
    void prepareDatabase();

    // Saving needs the file or folder writable; the owner's permission bits count too, since an
    // administrator would be let through regardless.
    static bool isWritable(const QString& path);
    // The same file or folder whichever path (a link, "..") leads to it; a path to nothing yet is
    // cleaned up only.
    static QString identityOf(const QString& path);
    // Copies the file whole under a name of its own and renames it into place without replacing
    // anything: false when it could not, also when a file came to be there meanwhile. What must
    // be done before the copy is in place runs once it is whole; its false leaves no copy.
    static bool copyNew(const QString& source, const QString& target,
                        const std::function<bool()>& beforePlacing = {});

private:
    bool keepsCopy() const;
    bool copyToUserFolder(const QString& source);

    QString m_programFolder;
    QString m_userFolder;
    QString m_dataFolder;
    QString m_databasePath;
    QString m_copiedFromProgramFolder;
    bool m_installed = false;
};
