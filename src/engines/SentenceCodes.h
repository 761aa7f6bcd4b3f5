#pragma once

#include <QString>

// The code letters of sentence patterns: the word table each draws from and what it stands for,
// in the order the key to the codes lists them.
struct SentenceCode
{
    char16_t letter;
    QString table;
    QString meaning;
};

inline const SentenceCode SentenceCodes[] = {
    {u'n', QStringLiteral("noun"), QStringLiteral("noun")},
    {u'v', QStringLiteral("verb"), QStringLiteral("verb")},
    {u't', QStringLiteral("article"), QStringLiteral("article")},
    {u'p', QStringLiteral("pronouns"), QStringLiteral("pronoun")},
    {u'x', QStringLiteral("preposition"), QStringLiteral("preposition")},
    {u'r', QStringLiteral("adverb"), QStringLiteral("adverb")},
    {u'y', QStringLiteral("directObjectPronoun"), QStringLiteral("direct object pronoun")},
    {u'q', QStringLiteral("possessivePronoun"), QStringLiteral("possessive pronoun")},
    {u'j', QStringLiteral("adjective"), QStringLiteral("adjective")},
};
