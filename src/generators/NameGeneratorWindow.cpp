#include "generators/NameGeneratorWindow.h"

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
                                       QStringLiteral("chkRealName")))
{
    addOptionBox(m_realNames);
    ResultKeeping::of(resultsList())->setLineKind(ResultKeeping::LineKind::Name);
    setTabOrderEndingWith({closeButton(), resultsList(), m_realNames});
    // The two ways of choosing are never on together: the box just checked wins.
    for (auto [clicked, other] :
         {std::pair{randomPatternBox(), m_realNames}, std::pair{m_realNames, randomPatternBox()}}) {
        connect(clicked, &QCheckBox::clicked, other, [clicked = clicked, other = other] {
            if (clicked->isChecked())
                other->setChecked(false);
        });
    }
}

QString NameGeneratorWindow::inventedName(Random& roll) const
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
    return expansion.letters;
}

QString NameGeneratorWindow::realName(SeededGeneration::Roll& roll)
{
    const QString firstNames = roll.random().inRange(1, 100) > 50 ? QStringLiteral("maleName")
                                                                  : QStringLiteral("femaleName");
    const QString firstName = roll.word(firstNames);
    return firstName + u' ' + roll.word(QStringLiteral("surnames"));
}

void NameGeneratorWindow::expandPattern(SeededGeneration::Roll& roll)
{
    QString name = m_realNames->isChecked() ? realName(roll) : inventedName(roll.random());
    if (name.isEmpty())
        return;
    name[0] = name.at(0).toUpper();
    addResult(name, roll);
}

void NameGeneratorWindow::showCodeKey()
{
    showNameKey();
}
