#include "generators/SentenceWindow.h"

#include "engines/SentencePattern.h"
#include "shared/desktop/Desktop.h"
#include "shared/widgets/CodeKeyMessages.h"

SentenceWindow::SentenceWindow(QWidget* parent)
    : PatternListWindow(QStringLiteral("frmSentence"), tr("Sentence Generator"),
                        QStringLiteral("sentencePattern"), QStringLiteral("tmrSentence"), parent)
{
    setTabOrderEndingWith({resultsList(), closeButton()});
}

std::optional<PatternListWindow::Rolled> SentenceWindow::expandPattern(SeededGeneration::Roll& roll)
{
    const SentencePattern::Expansion expansion =
        SentencePattern::expand(currentPattern(), roll.sentenceWords());
    if (!expansion.valid) {
        desktop().messageBox(tr("%1: is not valid.  Please use the customization feature to "
                                "delete this.")
                                 .arg(currentPattern()),
                             tr("Invalid Sentence Pattern"), MessageIcon::Information,
                             MessageButtons::Ok);
    }
    return Rolled{expansion.sentence, expansion.valid};
}

void SentenceWindow::showCodeKey()
{
    showSentenceKey();
}
