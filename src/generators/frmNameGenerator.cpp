#include "generators/frmNameGenerator.h"

#include "shared/RandomListValue.h"
#include "generators/NamePattern.h"
#include "shared/CodeKeys.h"
#include "shared/Desktop.h"
#include "shared/Random.h"

#include <QCheckBox>
#include <QListWidget>
#include <QPushButton>

frmNameGenerator::frmNameGenerator(QWidget* parent)
    : PatternListWindow(QStringLiteral("frmNameGenerator"), QStringLiteral("Name Generator"),
                        QStringLiteral("namePattern"), QStringLiteral("tmrName"), parent)
{
    chkRealName = new QCheckBox(QStringLiteral("Use real names"), this);
    chkRealName->setObjectName(QStringLiteral("chkRealName"));
    addOptionBox(chkRealName);
    setTabOrderChain({cmdGenerate, cmdPrint, cmdClip, cmdClear, lstPatternType, chkRandom,
                      chkSentence, OK_BT, lstResults, chkRealName});
    connect(lstPatternType, &QListWidget::itemClicked, this,
            &frmNameGenerator::lstPatternType_Click);
    connect(chkRandom, &QCheckBox::clicked, this, &frmNameGenerator::chkRandom_Click);
    connect(chkRealName, &QCheckBox::clicked, this, &frmNameGenerator::chkRealName_Click);
}

void frmNameGenerator::lstPatternType_Click()
{
    if (const QListWidgetItem* item = lstPatternType->currentItem())
        currentPattern = item->text();
}

// The two ways of choosing are never on together: the box just checked wins.
void frmNameGenerator::chkRandom_Click()
{
    if (chkRandom->isChecked() && chkRealName->isChecked())
        chkRealName->setChecked(false);
}

void frmNameGenerator::chkRealName_Click()
{
    if (chkRandom->isChecked() && chkRealName->isChecked())
        chkRandom->setChecked(false);
}

void frmNameGenerator::newName()
{
    currentName.clear();
    if (!chkRealName->isChecked()) {
        const NamePattern::Expansion expansion = NamePattern::expand(currentPattern);
        currentName = expansion.letters;
        if (!expansion.valid) {
            desktop().messageBox(currentPattern +
                                     QStringLiteral(": is not valid.  Please use customization "
                                                    "to delete this pattern: ") +
                                     currentName,
                                 QStringLiteral("Invalid Name Pattern"), MessageIcon::Information,
                                 MessageButtons::Ok);
        }
    } else {
        const QString firstNames =
            randomInRange(1, 100) > 50 ? QStringLiteral("maleName") : QStringLiteral("femaleName");
        const QString firstName = getRandomRecord(firstNames);
        currentName = firstName + u' ' + getRandomRecord(QStringLiteral("surnames"));
    }
    if (currentName.isEmpty())
        return;
    currentName[0] = currentName.at(0).toUpper();
    addResult(currentName);
}

void frmNameGenerator::showCodeKey()
{
    showNameKey();
}
