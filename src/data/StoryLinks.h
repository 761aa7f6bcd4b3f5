#pragma once

#include "data/StoreError.h"

#include <QList>
#include <QString>

#include <optional>

// The stories an item (a character, a plot or a scene) is linked to, seen from the item, and
// linking it to one more.
namespace StoryLinks {

// How the items of one table are linked to stories.
struct Kind
{
    QString linkTable;
    QString itemField; // the link's reference to the item's ID
    QString noteField; // the link's own text; empty when it has none
};

// The links of the items of a table ("character", "Plot Profile", "Scene Profile"), or none.
std::optional<Kind> forItemTable(const QString& table);

struct Story
{
    qint64 key = -1;
    QString name; // empty for a story without one
    QString note; // the link's own text, where there is a link
};

// Every story, by name without regard to case, then by key.
bool allStories(QList<Story>* stories, StoreError* error);
// The stories the item is linked to, by name, each with the link's note.
bool storiesOf(const Kind& kind, qint64 itemKey, QList<Story>* stories, StoreError* error);
// Links the item to the story with the note, in one transaction; a link already there fails
// as a duplicate and changes nothing.
bool link(const Kind& kind, qint64 storyKey, qint64 itemKey, const QString& note,
          StoreError* error);

} // namespace StoryLinks
