#include "engines/Random.h"

#include <QString>

Random& Random::instance()
{
    static Random random;
    return random;
}

Random::Random() : m_generator(QRandomGenerator::securelySeeded()) {}

qint64 Random::below(qint64 n)
{
    Q_ASSERT(n >= 1);
    return static_cast<qint64>(m_generator.bounded(static_cast<quint64>(n)));
}

int randomNumber(int n)
{
    return static_cast<int>(Random::instance().below(n)) + 1;
}

int randomInRange(int low, int high)
{
    Q_ASSERT(low <= high);
    const qint64 span = qint64(high) - low + 1;
    return static_cast<int>(low + Random::instance().below(span));
}

QChar randomConsonant()
{
    static const QString consonants = QStringLiteral("bcdfghjklmnpqrstvwxyz");
    return consonants.at(randomNumber(consonants.size()) - 1);
}

QChar randomVowel()
{
    static const QString vowels = QStringLiteral("aeiou");
    return vowels.at(randomNumber(vowels.size()) - 1);
}
