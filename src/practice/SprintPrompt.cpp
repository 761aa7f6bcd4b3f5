#include "practice/SprintPrompt.h"

#include "data/UserTables.h"
#include "engines/SentencePattern.h"
#include "shared/widgets/FatalError.h"
#include "shared/widgets/SeededGeneration.h"

namespace {

const QString PatternTable = QStringLiteral("sentencePattern");

// A sentence of one of the patterns listed, as the sentence generator makes it.
QString randomSentence(SeededGeneration::Roll& roll)
{
    QStringList patterns;
    StoreError error;
    // The pattern table keeps its patterns in a field of its own name.
    if (!UserTables::fieldValues(PatternTable, PatternTable, &patterns, &error)) {
        reportFatalError(error);
        return {};
    }
    roll.noteList(PatternTable);
    if (patterns.isEmpty())
        return {};
    const QString& pattern = patterns.at(roll.random().below(patterns.size()));
    return SentencePattern::expand(pattern, roll.sentenceWords()).sentence;
}

} // namespace

QStringList SprintPrompt::captions()
{
    return {QStringLiteral("No prompt"), QStringLiteral("Random sentence"),
            QStringLiteral("Crystal Ball advice"), QStringLiteral("Story Wizard question")};
}

QString SprintPrompt::draw(Kind kind, SeededGeneration::Roll& roll)
{
    switch (kind) {
    case Kind::None:
        return {};
    case Kind::RandomSentence:
        return randomSentence(roll);
    case Kind::Advice:
        return roll.word(QStringLiteral("advice"));
    case Kind::Question:
        return roll.word(QStringLiteral("questions"));
    }
    return {};
}
