#include "generators/SentenceWindow.h"

#include "engines/SentencePattern.h"
#include "shared/desktop/Desktop.h"
#include "shared/widgets/CodeKeyMessages.h"
#include "shared/widgets/RandomListValue.h"

SentenceWindow::SentenceWindow(QWidget* parent)
    : PatternListWindow(QStringLiteral("frmSentence"), QStringLiteral("Sentence Generator"),
                        QStringLiteral("sentencePattern"), QStringLiteral("tmrSentence"), parent)
{
    setTabOrderEndingWith({resultsList(), closeButton()});
}

void SentenceWindow::expandPattern(Random& roll)
{
    const SentencePattern::Expansion expansion =
        SentencePattern::expand(currentPattern(), listValuesFrom(roll));
    if (!expansion.valid) {
        desktop().messageBox(currentPattern() +
                                 QStringLiteral(": is not valid.  Please use the customization "
                                                "feature to delete this."),
                             QStringLiteral("Invalid Sentence Pattern"), MessageIcon::Information,
                             MessageButtons::Ok);
    }
    addResult(expansion.sentence);
}

void SentenceWindow::showCodeKey()
{
    showSentenceKey();
}
