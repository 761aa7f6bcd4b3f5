#include "engines/Random.h"

#include <QString>

qint64 Random::below(qint64 n)
{
    Q_ASSERT(n >= 1);
    return static_cast<qint64>(m_generator.bounded(static_cast<quint64>(n)));
}

int Random::inRange(int low, int high)
{
    Q_ASSERT(low <= high);
    const qint64 span = qint64(high) - low + 1;
    return static_cast<int>(low + below(span));
}

QChar Random::consonant()
{
    static const QString consonants = QStringLiteral("bcdfghjklmnpqrstvwxyz");
    return consonants.at(number(consonants.size()) - 1);
}

QChar Random::vowel()
{
    static const QString vowels = QStringLiteral("aeiou");
    return vowels.at(number(vowels.size()) - 1);
}
