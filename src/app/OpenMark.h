#pragma once

#include <QString>

// A small file beside the database while a run has it open (".quillane97.mdb.open"). A start
// that finds one knows the last run ended without closing the database (killed, crashed, a power
// cut), so the file may be damaged where opening it does not look.
class OpenMark
{
public:
    explicit OpenMark(const QString& databasePath);

    bool isLeft() const;
    // Quietly does nothing where the folder cannot be written: no run saves there either.
    void set() const;
    void clear() const;

private:
    QString m_path;
};
