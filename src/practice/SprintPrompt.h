#pragma once

#include <QString>
#include <QStringList>

namespace SeededGeneration {
class Roll;
}

// The prompts a writing sprint can start from: a random sentence, a piece of Crystal Ball advice
// or a Story Wizard question, each drawn from a roll so that its seed gives it again.
namespace SprintPrompt {

// In the order the window offers them.
enum class Kind { None, RandomSentence, Advice, Question };

QStringList captions();
// The prompt of the kind drawn with the roll; empty for none. A failure to read the lists is
// fatal, as for every draw.
QString draw(Kind kind, SeededGeneration::Roll& roll);

} // namespace SprintPrompt
