#include "generators/SentencePattern.h"

QString SentencePattern::tableOf(QChar code)
{
    switch (code.unicode()) {
    case u'q':
        return QStringLiteral("possessivePronoun");
    case u'y':
        return QStringLiteral("directObjectPronoun");
    case u'x':
        return QStringLiteral("preposition");
    case u'n':
        return QStringLiteral("noun");
    case u'v':
        return QStringLiteral("verb");
    case u'j':
        return QStringLiteral("adjective");
    case u'p':
        return QStringLiteral("pronouns");
    case u'r':
        return QStringLiteral("adverb");
    case u't':
        return QStringLiteral("article");
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
