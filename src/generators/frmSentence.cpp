#include "generators/frmSentence.h"

#include "shared/RandomListValue.h"
#include "generators/SentencePattern.h"
#include "shared/CodeKeys.h"
#include "shared/Desktop.h"

#include <QCheckBox>
#include <QListWidget>
#include <QPushButton>

frmSentence::frmSentence(QWidget* parent)
    : PatternListWindow(QStringLiteral("frmSentence"), QStringLiteral("Sentence Generator"),
                        QStringLiteral("sentencePattern"), QStringLiteral("tmrSentence"), parent)
{
    setTabOrderChain({cmdGenerate, cmdPrint, cmdClip, cmdClear, lstPatternType, chkRandom,
                      chkSentence, lstResults, OK_BT});
}

void frmSentence::newSentence()
{
    if (currentPattern.isEmpty())
        return;
    const SentencePattern::Expansion expansion =
        SentencePattern::expand(currentPattern, getRandomRecord);
    if (!expansion.valid) {
        desktop().messageBox(currentPattern +
                                 QStringLiteral(": is not valid.  Please use the customization "
                                                "feature to delete this."),
                             QStringLiteral("Invalid Sentence Pattern"), MessageIcon::Information,
                             MessageButtons::Ok);
    }
    addResult(expansion.sentence);
}

void frmSentence::showCodeKey()
{
    showSentenceKey();
}
