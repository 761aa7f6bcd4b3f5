#include "practice/SprintPrompt.h"

#include "data/UserTables.h"
#include "engines/SentencePattern.h"
#include "shared/widgets/FatalError.h"
#include "shared/widgets/SeededGeneration.h"

#include <QCoreApplication>

namespace {

struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(SprintPrompt)
};

} // namespace

namespace {

// One of the values of a field of the table, in the table's order, chosen with the roll;
// empty when the table has none.
QString chosenValue(const QString& table, const QString& field, SeededGeneration::Roll& roll)
{
    QStringList values;
    StoreError error;
    if (!UserTables::fieldValues(table, field, &values, &error)) {
        reportFatalError(error);
        return {};
    }
    roll.noteList(table);
    return values.isEmpty() ? QString() : values.at(roll.random().below(values.size()));
}

// A sentence of one of the patterns listed, as the sentence generator makes it.
QString randomSentence(SeededGeneration::Roll& roll)
{
    // The pattern table keeps its patterns in a field of its own name.
    const QString table = QStringLiteral("sentencePattern");
    const QString pattern = chosenValue(table, table, roll);
    return pattern.isEmpty() ? QString()
                             : SentencePattern::expand(pattern, roll.sentenceWords()).sentence;
}

} // namespace

QStringList SprintPrompt::captions()
{
    return {Texts::tr("No prompt"), Texts::tr("Random sentence"), Texts::tr("Crystal Ball advice"),
            Texts::tr("Story Wizard question")};
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
        return chosenValue(QStringLiteral("questions"), QStringLiteral("question"), roll);
    }
    return {};
}
