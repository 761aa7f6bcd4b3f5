#pragma once

#include "data/RecordTable.h"
#include "data/StoreError.h"

#include <QList>
#include <QString>

// The relationships between characters. Each is stored once, from one character to the other
// with its kind ("mentor of"), and read from both sides: seen from the other character it is
// the kind's mirror in the relationship list ("student of"), or the kind itself where the list
// has no mirror for it. Every write is one transaction, announced as the links of
// character_relationship.
namespace Relationships {

QString table();

struct Relationship
{
    qint64 key = -1;
    qint64 fromKey = -1;
    qint64 toKey = -1;
    QString toName; // the other character's name
    QString kind;   // as read from the first character
    QString mirror; // as read from the other
    QString note;
};

struct Character
{
    qint64 key = -1;
    QString name;
};

// Every character one may be related to, hidden ones too, by name, then by key.
bool characters(QList<Character>* characters, StoreError* error);
// The relationships of the character as seen from it, by the other's name, then by kind.
bool of(qint64 characterKey, QList<Relationship>* relationships, StoreError* error);
// Every relationship between two of the characters, once each, as stored.
bool among(const QList<qint64>& characterKeys, QList<Relationship>* relationships,
           StoreError* error);

// Relates the first character to the other; the key becomes the new relationship's. A character
// related to itself is refused (EngineError::RuleViolated), as is a duplicate: the same two
// characters and kind, read from either side (EngineError::DuplicateValue).
bool add(qint64 fromKey, qint64 toKey, const QString& kind, const QString& note, qint64* key,
         StoreError* error);
// Makes the relationship of the key read so from the first character, refused as add() is.
bool update(qint64 key, qint64 fromKey, qint64 toKey, const QString& kind, const QString& note,
            StoreError* error);
bool remove(qint64 key, StoreError* error);

// The references by which a character's relationships go when it is deleted.
QList<RecordTable::Link> characterLinks();

} // namespace Relationships
