#include "generators/SentencePattern.h"

namespace {

struct Code
{
    char16_t letter;
    const char* table;
};

// The codes in the order they are tested.
constexpr Code Codes[] = {
    {u'q', "possessivePronoun"},
    {u'y', "directObjectPronoun"},
    {u'x', "preposition"},
    {u'n', "noun"},
    {u'v', "verb"},
    {u'j', "adjective"},
    {u'p', "pronouns"},
    {u'r', "adverb"},
    {u't', "article"},
};

} // namespace

QString SentencePattern::tableOf(QChar code)
{
    for (const Code& candidate : Codes) {
        if (candidate.letter == code.unicode())
            return QString::fromLatin1(candidate.table);
    }
    return {};
}

SentencePattern::Expansion
SentencePattern::expand(const QString& pattern,
                        const std::function<QString(const QString&)>& drawWord)
{
    QString sentence;
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const QString table = tableOf(pattern.at(i));
        if (table.isEmpty())
            return {InvalidLine, false};
        QString word = (drawWord(table) + u' ').toLower();
        if (i == 0)
            word[0] = word.at(0).toUpper();
        sentence += word;
    }
    return {sentence, true};
}
