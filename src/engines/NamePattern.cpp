#include "engines/NamePattern.h"

#include "engines/Random.h"

NamePattern::Expansion NamePattern::expand(const QString& pattern)
{
    Expansion result;
    for (const QChar code : pattern) {
        if (code == u'c') {
            result.letters += randomConsonant();
        } else if (code == u'v') {
            result.letters += randomVowel();
        } else {
            result.valid = false;
            break;
        }
    }
    return result;
}
