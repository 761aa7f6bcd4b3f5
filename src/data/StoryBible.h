#pragma once

#include "data/StoreError.h"

#include <QString>

// A story written out whole, as one self-contained web page or as Markdown: its name,
// description and notes, then every linked character with all its attributes, its notes when it
// has any, its note in the story and its relationships, every linked plot with its profile, the
// catalogue's description of the plot and its comment, and every linked scene with its full
// profile. Hidden items are included; links to items that no longer exist are not.
namespace StoryBible {

enum class Format { Html, Markdown };

// The format a file name asks for: Markdown for ".md", a web page otherwise.
Format formatOf(const QString& fileName);
// A web page shows the cast map, an SVG element given by the caller, after the characters.
bool write(qint64 storyKey, Format format, QString* text, StoreError* error,
           const QString& castMapSvg = {});

} // namespace StoryBible
