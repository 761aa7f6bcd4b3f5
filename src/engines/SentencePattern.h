#pragma once

#include <functional>
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

// Expands a pattern, drawing each word with drawWord(table). Every word is lower-cased and
// followed by one space; the first word starts with a capital. Then "a" and "an" agree with the
// word after them and the pronoun "I" keeps its capital. A character that is no code throws the
// whole sentence away, though the words before it have been drawn.
Expansion expand(const QString& pattern, const std::function<QString(const QString&)>& drawWord);

inline const QString InvalidLine = QStringLiteral("Not a valid custom sentence pattern.");

} // namespace SentencePattern
