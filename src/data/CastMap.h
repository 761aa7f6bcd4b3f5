#pragma once

#include "data/RecordTable.h"
#include "data/StoreError.h"

#include <QHash>
#include <QList>
#include <QPointF>
#include <QString>

// The cast maps: one a story, of the characters linked to it, and one of all characters shown,
// story key 0. The user's places for characters on a map are kept; a character or a story takes
// its places with it when it is deleted.
namespace CastMap {

inline constexpr qint64 AllCharacters = 0;

struct Character
{
    qint64 key = -1;
    QString name;
};

// The characters on the story's map, in the order they were linked; all characters but the
// hidden ones, by name, for AllCharacters.
bool characters(qint64 storyKey, QList<Character>* characters, StoreError* error);
// The places on the story's map, by character key.
bool positions(qint64 storyKey, QHash<qint64, QPointF>* positions, StoreError* error);
// Keeps the character's place on the story's map, in place of any it had.
bool keepPosition(qint64 storyKey, qint64 characterKey, const QPointF& centre, StoreError* error);

// The references by which a character's places go when it is deleted.
QList<RecordTable::Link> characterLinks();
// The references by which a story's places go when it is deleted.
QList<RecordTable::Link> storyLinks();

} // namespace CastMap
