#include "generators/VowelSound.h"

#include <QStringView>

namespace {

// Beginnings whose sound goes against their first letter. The longest one that fits decides,
// so "unin" (uninvited) overrules "uni" (unicorn).
struct Beginning
{
    const char16_t* letters;
    bool vowelSound;
};

constexpr Beginning Exceptions[] = {
    // Silent h.
    {u"heir", true},
    {u"honest", true},
    {u"honor", true},
    {u"honour", true},
    {u"hour", true},
    // A "you" sound.
    {u"eu", false},
    {u"ewe", false},
    {u"ubiq", false},
    {u"uku", false},
    {u"unanim", false},
    {u"uni", false},
    {u"unid", true},
    {u"unim", true},
    {u"unin", true},
    {u"unio", false},
    {u"ura", false},
    {u"ure", false},
    {u"uri", false},
    {u"uro", false},
    {u"usa", false},
    {u"use", false},
    {u"usu", false},
    {u"ute", false},
    {u"uti", false},
    {u"uto", false},
    {u"uvu", false},
    // A "w" sound.
    {u"once", false},
    {u"one", false},
    {u"onerous", true},
};

bool startsWithVowelLetter(QChar letter)
{
    return QStringView(u"aeiou").contains(letter);
}

} // namespace

bool VowelSound::startsWithVowelSound(const QString& word)
{
    const QString lower = word.toLower();
    if (lower.isEmpty())
        return false;
    const Beginning* best = nullptr;
    for (const Beginning& exception : Exceptions) {
        const QStringView letters(exception.letters);
        if (lower.startsWith(letters) &&
            (!best || letters.size() > QStringView(best->letters).size()))
            best = &exception;
    }
    return best ? best->vowelSound : startsWithVowelLetter(lower.front());
}
