#pragma once

#include "data/StoreError.h"

#include <QDate>
#include <QList>
#include <QString>

// Lines kept from the generators in the records they are meant for: a character's name or age,
// or a line of a character's, a scene's or a story's notes. Each write is one transaction and
// announces itself to the open record windows.
namespace KeptLines {

enum class Kind { Character, Scene, Story };

// Where the records of a kind are stored.
struct Place
{
    QString table;
    QString nameField;
    QString notesField;
};
const Place& place(Kind kind);

struct Record
{
    qint64 key = -1;
    QString name; // empty for a record without one
};

// The shown records of the kind, by name without regard to case, then by key.
bool records(Kind kind, QList<Record>* found, StoreError* error);
// The text of a field of the record; empty for a Null.
bool fieldText(Kind kind, qint64 key, const QString& field, QString* text, StoreError* error);

// Adds a character whose one field holds the value, the others empty, and gives its key, or -1
// with the error set.
qint64 newCharacter(const QString& field, const QString& value, StoreError* error);
// Sets a field of the record.
bool setField(Kind kind, qint64 key, const QString& field, const QString& value, StoreError* error);
// Adds the line to the record's notes as a line of its own.
bool appendToNotes(Kind kind, qint64 key, const QString& line, StoreError* error);

// The line as the notes keep it: followed by where it came from and when, "6 Dec 2026" in
// English whatever the user's language.
QString withSource(const QString& line, const QString& source, const QDate& date);

} // namespace KeptLines
