#include "generators/NameGeneratorWindow.h"

#include "data/CastNames.h"
#include "engines/NamePattern.h"
#include "engines/Random.h"
#include "shared/desktop/Desktop.h"
#include "shared/widgets/CodeKeyMessages.h"
#include "shared/widgets/ControlMakers.h"
#include "shared/widgets/ResultKeeping.h"

#include <QCheckBox>

NameGeneratorWindow::NameGeneratorWindow(QWidget* parent)
    : PatternListWindow(QStringLiteral("frmNameGenerator"), QStringLiteral("Name Generator"),
                        QStringLiteral("namePattern"), QStringLiteral("tmrName"), parent),
      m_realNames(ControlMakers::named(new QCheckBox(QStringLiteral("Use real names"), this),
                                       QStringLiteral("chkRealName"))),
      m_likeRealNames(
          ControlMakers::named(new QCheckBox(QStringLiteral("Invented (like real names)"), this),
                               QStringLiteral("chkLikeRealNames")))
{
    addOptionBox(m_realNames);
    addOptionBox(m_likeRealNames);
    m_likeRealNames->setToolTip(
        QStringLiteral("Invent names that sound like the real ones but are none of them"));
    ResultKeeping::of(resultsList())->setLineKind(ResultKeeping::LineKind::Name);
    setTabOrderEndingWith({closeButton(), resultsList(), m_realNames, m_likeRealNames});
    // The ways of choosing are never on together: the box just checked wins.
    const QList<QCheckBox*> ways = {randomPatternBox(), m_realNames, m_likeRealNames};
    for (QCheckBox* clicked : ways) {
        connect(clicked, &QCheckBox::clicked, this, [clicked, ways] {
            for (QCheckBox* other : ways) {
                if (clicked->isChecked() && other != clicked)
                    other->setChecked(false);
            }
        });
    }
}

NamePattern::Expansion NameGeneratorWindow::patternName(Random& roll) const
{
    const NamePattern::Expansion expansion = NamePattern::expand(currentPattern(), roll);
    if (!expansion.valid) {
        desktop().messageBox(currentPattern() +
                                 QStringLiteral(": is not valid.  Please use customization to "
                                                "delete this pattern: ") +
                                 expansion.letters,
                             QStringLiteral("Invalid Name Pattern"), MessageIcon::Information,
                             MessageButtons::Ok);
    }
    return expansion;
}

QString NameGeneratorWindow::realName(SeededGeneration::Roll& roll)
{
    const QString firstNames = roll.random().inRange(1, 100) > 50 ? QStringLiteral("maleName")
                                                                  : QStringLiteral("femaleName");
    const QString firstName = roll.word(firstNames);
    return firstName + u' ' + roll.word(QStringLiteral("surnames"));
}

std::optional<PatternListWindow::Rolled>
NameGeneratorWindow::expandPattern(SeededGeneration::Roll& roll)
{
    Rolled rolled;
    if (m_realNames->isChecked()) {
        rolled.line = realName(roll);
    } else if (m_likeRealNames->isChecked()) {
        rolled.line = m_chains.inventName(roll);
    } else {
        const NamePattern::Expansion expansion = patternName(roll.random());
        rolled = {expansion.letters, expansion.valid};
    }
    if (rolled.line.isEmpty())
        return std::nullopt;
    rolled.line[0] = rolled.line.at(0).toUpper();
    return rolled;
}

bool NameGeneratorWindow::isTaken(const QString& line) const
{
    if (PatternListWindow::isTaken(line))
        return true;
    bool held = false;
    StoreError error;
    return CastNames::isHeld(line, &held, &error) && held; // a failed read refuses nothing
}

QString NameGeneratorWindow::repeatingNotice() const
{
    return QStringLiteral("Every name these choices give is held by a character or listed "
                          "already, so names may repeat from now on.");
}

void NameGeneratorWindow::showCodeKey()
{
    showNameKey();
}
