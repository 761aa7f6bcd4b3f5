#include "generators/SentencePattern.h"

#include "generators/VowelSound.h"

#include <QStringList>

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

// "A" or "an" as the next word sounds, and the pronoun "I" ("I'm", "I'd") upper-case.
void agreeArticles(QStringList& words)
{
    for (qsizetype i = 0; i < words.size(); ++i) {
        QString& word = words[i];
        const bool article = word == u"a" || word == u"an";
        if (article && i + 1 < words.size())
            word = VowelSound::startsWithVowelSound(words.at(i + 1)) ? QStringLiteral("an")
                                                                     : QStringLiteral("a");
        if (word == u"i" || word.startsWith(u"i'") || word.startsWith(u"i\u2019"))
            word[0] = u'I';
    }
}

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
    QStringList words;
    for (const QChar code : pattern) {
        const QString table = tableOf(code);
        if (table.isEmpty())
            return {InvalidLine, false};
        words << drawWord(table).toLower();
    }
    agreeArticles(words);
    QString sentence;
    for (const QString& word : std::as_const(words))
        sentence += word + u' ';
    if (!sentence.isEmpty())
        sentence[0] = sentence.at(0).toUpper();
    return {sentence, true};
}
