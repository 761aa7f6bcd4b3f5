#include "engines/VowelSound.h"

#include <algorithm>
#include <array>
#include <string>

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

// How many letters of a word are compared with the beginnings: enough for the longest.
constexpr size_t Compared = 8;
static_assert(std::all_of(std::begin(Exceptions), std::end(Exceptions), [](const Beginning& b) {
    return std::char_traits<char16_t>::length(b.letters) <= Compared;
}));

bool startsWithVowelLetter(QChar letter)
{
    return QStringView(u"aeiou").contains(letter);
}

} // namespace

bool VowelSound::startsWithVowelSound(QStringView word)
{
    if (word.isEmpty())
        return false;
    // Only the beginning decides, so only that much is lower-cased.
    std::array<char16_t, Compared> lower;
    const qsizetype size = std::min(word.size(), qsizetype(lower.size()));
    std::transform(word.begin(), word.begin() + size, lower.begin(),
                   [](QChar c) { return c.toLower().unicode(); });
    const QStringView beginning(lower.data(), size);
    const Beginning* best = nullptr;
    for (const Beginning& exception : Exceptions) {
        const QStringView letters(exception.letters);
        if (beginning.startsWith(letters) &&
            (!best || letters.size() > QStringView(best->letters).size()))
            best = &exception;
    }
    return best ? best->vowelSound : startsWithVowelLetter(beginning.front());
}
