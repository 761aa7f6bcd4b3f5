#pragma once

#include "engines/SentenceCodes.h"

#include <functional>
#include <optional>
#include <QCoreApplication>
#include <QString>

// Sentence patterns: each character of a pattern is one code letter standing for a part of
// speech, and expanding the pattern draws one word of that part of speech per code.
namespace SentencePattern {

// The word table a code letter draws from, or an empty text for a character that is no code.
// Codes are single lower-case letters, compared exactly.
QString tableOf(QChar code);

struct Expansion
{
    QString sentence; // the sentence, or the line that stands for an invalid pattern
    bool valid = true;
};

// What a word's place asks for: its table and, for a verb, its frame; for a noun after "a" or
// "an", one that can be counted ("a dog", never "a luggage").
struct WordRequest
{
    QString table;
    VerbFrame frame = VerbFrame::Any;
    bool countable = false;
};

// Draws a word of the request's table that fits it; nothing when no word of the table does.
using WordSource = std::function<std::optional<QString>(const WordRequest&)>;

// The frame of a verb at the position in the pattern: one that takes an object before a code
// that starts one, one that takes none at the end or before a preposition or an adverb, else any.
VerbFrame verbFrameAt(const QString& pattern, qsizetype position);

// Expands a pattern, drawing each word with drawWord; a verb in the frame its place asks for and
// a noun after "a" or "an" among those that can be counted, or when no word fits, any word. Every
// word is lower-cased and followed by one space; the first word starts with a capital. Then "a" and
// "an" agree with the word after them and the pronoun "I" keeps its capital. A character that is no
// code throws the whole sentence away, though the words before it have been drawn.
Expansion expand(const QString& pattern, const WordSource& drawWord);

// In English; the expansion gives it in the interface's language.
inline const QString InvalidLine =
    QStringLiteral(QT_TRANSLATE_NOOP("SentencePattern", "Not a valid custom sentence pattern."));

} // namespace SentencePattern
