#pragma once

#include <QCoreApplication>
#include <QString>

// The frame a verb's place asks for: one that takes an object, one that takes none, or any.
enum class VerbFrame { Any, Object, None };

// The code letters of sentence patterns: the word table each draws from, what it stands for and
// the frame of a verb just before it (an object starts with an article, an adjective, a noun or
// a pronoun that can be an object; the pronouns of the "p" code are subjects), in the order the
// key to the codes lists them.
struct SentenceCode
{
    char16_t letter;
    QString table;
    QString meaning; // in English; CodeKeys shows it translated
    VerbFrame verbBefore;
};

inline const SentenceCode SentenceCodes[] = {
    {u'n', QStringLiteral("noun"), QStringLiteral(QT_TRANSLATE_NOOP("SentenceCodes", "noun")),
     VerbFrame::Object},
    {u'v', QStringLiteral("verb"), QStringLiteral(QT_TRANSLATE_NOOP("SentenceCodes", "verb")),
     VerbFrame::Any},
    {u't', QStringLiteral("article"), QStringLiteral(QT_TRANSLATE_NOOP("SentenceCodes", "article")),
     VerbFrame::Object},
    {u'p', QStringLiteral("pronouns"),
     QStringLiteral(QT_TRANSLATE_NOOP("SentenceCodes", "pronoun")), VerbFrame::Any},
    {u'x', QStringLiteral("preposition"),
     QStringLiteral(QT_TRANSLATE_NOOP("SentenceCodes", "preposition")), VerbFrame::None},
    {u'r', QStringLiteral("adverb"), QStringLiteral(QT_TRANSLATE_NOOP("SentenceCodes", "adverb")),
     VerbFrame::None},
    {u'y', QStringLiteral("directObjectPronoun"),
     QStringLiteral(QT_TRANSLATE_NOOP("SentenceCodes", "direct object pronoun")),
     VerbFrame::Object},
    {u'q', QStringLiteral("possessivePronoun"),
     QStringLiteral(QT_TRANSLATE_NOOP("SentenceCodes", "possessive pronoun")), VerbFrame::Object},
    {u'j', QStringLiteral("adjective"),
     QStringLiteral(QT_TRANSLATE_NOOP("SentenceCodes", "adjective")), VerbFrame::Object},
};

// The code of verbs, whose words are drawn in the frame their place asks for.
inline constexpr char16_t VerbCode = u'v';
// The code of nouns, which after "a" or "an" (and any adjectives) are drawn among those that can
// be counted.
inline constexpr char16_t NounCode = u'n';
// The code of adjectives, which stand between an article and its noun.
inline constexpr char16_t AdjectiveCode = u'j';
