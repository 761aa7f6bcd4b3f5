#include "engines/SentencePattern.h"

#include "engines/VowelSound.h"

#include <algorithm>

namespace {

const SentenceCode* codeOf(QChar letter)
{
    for (const SentenceCode& code : SentenceCodes) {
        if (code.letter == letter.unicode())
            return &code;
    }
    return nullptr;
}

// Appends the word in lower case; plain ASCII, by far the most common, without a copy.
void appendLowerCase(QString& sentence, const QString& word)
{
    const bool ascii =
        std::all_of(word.cbegin(), word.cend(), [](QChar c) { return c.unicode() < 0x80; });
    if (!ascii) {
        sentence += word.toLower();
        return;
    }
    const qsizetype start = sentence.size();
    sentence.resize(start + word.size());
    std::transform(word.cbegin(), word.cend(), sentence.begin() + start, [](QChar c) {
        return c.unicode() >= u'A' && c.unicode() <= u'Z' ? QChar(c.unicode() | 0x20) : c;
    });
}

bool isPronounI(QStringView word)
{
    return word == u"i" || word.startsWith(u"i'") || word.startsWith(u"i\u2019");
}

} // namespace

QString SentencePattern::tableOf(QChar code)
{
    const SentenceCode* found = codeOf(code);
    return found ? found->table : QString();
}

VerbFrame SentencePattern::verbFrameAt(const QString& pattern, qsizetype position)
{
    if (position + 1 >= pattern.size())
        return VerbFrame::None;
    const SentenceCode* next = codeOf(pattern.at(position + 1));
    return next ? next->verbBefore : VerbFrame::Any;
}

SentencePattern::Expansion SentencePattern::expand(const QString& pattern,
                                                   const WordSource& drawWord)
{
    QString sentence;
    sentence.reserve(pattern.size() * 12);
    // An article waits for the next word, whose sound decides between "a" and "an".
    QStringView article;
    // Whether "a" or "an" stands before the noun to come, with only adjectives between.
    bool indefinite = false;
    for (qsizetype position = 0; position < pattern.size(); ++position) {
        const SentenceCode* code = codeOf(pattern.at(position));
        if (!code)
            return {
                QCoreApplication::translate("SentencePattern", InvalidLine.toUtf8().constData()),
                false};
        const WordRequest request{
            code->table, code->letter == VerbCode ? verbFrameAt(pattern, position) : VerbFrame::Any,
            indefinite && code->letter == NounCode};
        indefinite = indefinite && code->letter == AdjectiveCode;
        std::optional<QString> fitting = drawWord(request);
        if (!fitting && (request.frame != VerbFrame::Any || request.countable))
            fitting = drawWord({code->table});
        const QString drawn = fitting.value_or(QString());
        if (!article.isEmpty())
            sentence +=
                VowelSound::startsWithVowelSound(drawn) ? QStringView(u"an ") : QStringView(u"a ");
        article = {};
        const qsizetype start = sentence.size();
        appendLowerCase(sentence, drawn);
        const QStringView word = QStringView(sentence).sliced(start);
        if (word == u"a" || word == u"an") {
            article = word.size() == 1 ? QStringView(u"a ") : QStringView(u"an ");
            indefinite = true;
            sentence.truncate(start);
            continue;
        }
        if (isPronounI(word))
            sentence[start] = u'I';
        sentence += u' ';
    }
    sentence += article; // nothing follows: left as drawn
    if (!sentence.isEmpty())
        sentence[0] = sentence.at(0).toUpper();
    return {sentence, true};
}
