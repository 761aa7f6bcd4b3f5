#include "engines/NamePattern.h"

#include "engines/Random.h"

NamePattern::Expansion NamePattern::expand(const QString& pattern, Random& random)
{
    Expansion result;
    for (const QChar code : pattern) {
        if (code == u'c') {
            result.letters += random.consonant();
        } else if (code == u'v') {
            result.letters += random.vowel();
        } else {
            result.valid = false;
            break;
        }
    }
    return result;
}
