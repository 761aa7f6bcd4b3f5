#pragma once

#include <QStringView>

// Whether an English word begins with a vowel sound, which decides between "a" and "an". The
// first letter decides, except for the usual words whose spelling misleads: a silent h ("an
// hour", "an honest"), a u or eu said "you" ("a unicorn", "a European"), a one said "won"
// ("a one-off").
namespace VowelSound {

bool startsWithVowelSound(QStringView word);

} // namespace VowelSound
