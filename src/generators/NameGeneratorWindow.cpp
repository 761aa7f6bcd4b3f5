#include "generators/NameGeneratorWindow.h"

#include "data/CastNames.h"
#include "data/NameCultures.h"
#include "engines/NamePattern.h"
#include "engines/Random.h"
#include "shared/desktop/Desktop.h"
#include "shared/widgets/CodeKeyMessages.h"
#include "shared/widgets/ControlMakers.h"
#include "shared/widgets/FatalError.h"
#include "shared/widgets/ResultKeeping.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>

#include <algorithm>

NameGeneratorWindow::NameGeneratorWindow(QWidget* parent)
    : PatternListWindow(QStringLiteral("frmNameGenerator"), tr("Name Generator"),
                        QStringLiteral("namePattern"), QStringLiteral("tmrName"), parent),
      m_realNames(ControlMakers::named(new QCheckBox(tr("Use real names"), this),
                                       QStringLiteral("chkRealName"))),
      m_likeRealNames(ControlMakers::named(new QCheckBox(tr("Invented (like real names)"), this),
                                           QStringLiteral("chkLikeRealNames"))),
      m_culture(ControlMakers::named(new QComboBox(this), QStringLiteral("cboCulture")))
{
    avoidRepeats(200, tr("Every name these choices give is held by a character or "
                         "listed already, so names may repeat from now on."));
    addOption(m_realNames);
    addOption(m_likeRealNames);
    auto* cultureRow = new QWidget(this);
    auto* cultureLayout = new QHBoxLayout(cultureRow);
    cultureLayout->setContentsMargins(0, 0, 0, 0);
    auto* cultureLabel = new QLabel(tr("C&ulture:"), cultureRow);
    cultureLabel->setBuddy(m_culture);
    cultureLayout->addWidget(cultureLabel);
    cultureLayout->addWidget(m_culture, 1);
    m_culture->setAccessibleName(tr("Culture"));
    m_culture->setToolTip(tr("The culture that real names, and names like them, come from"));
    m_culture->addItem(tr("Any"));
    m_culture->setEnabled(false);
    addOption(cultureRow);
    m_likeRealNames->setToolTip(
        tr("Invent names that sound like the real ones but are none of them"));
    ResultKeeping::of(resultsList())->setLineKind(ResultKeeping::LineKind::Name);
    setTabOrderEndingWith({closeButton(), resultsList(), m_realNames, m_likeRealNames, m_culture});
    // The ways of choosing are never on together: the box just checked wins.
    const QList<QCheckBox*> ways = {randomPatternBox(), m_realNames, m_likeRealNames};
    for (QCheckBox* clicked : ways) {
        connect(clicked, &QCheckBox::clicked, this, [this, clicked, ways] {
            for (QCheckBox* other : ways) {
                if (clicked->isChecked() && other != clicked)
                    other->setChecked(false);
            }
            m_culture->setEnabled(m_realNames->isChecked() || m_likeRealNames->isChecked());
        });
    }
}

void NameGeneratorWindow::load()
{
    PatternListWindow::load();
    listCultures();
}

void NameGeneratorWindow::activate()
{
    PatternListWindow::activate();
    listCultures(); // the lists may have been edited meanwhile
}

void NameGeneratorWindow::listCultures()
{
    QStringList cultures;
    StoreError error;
    if (!NameCultures::cultures(&cultures, &error))
        return reportFatalError(error);
    const QString chosen = culture();
    const QSignalBlocker quiet(m_culture);
    while (m_culture->count() > 1)
        m_culture->removeItem(1);
    m_culture->addItems(cultures);
    m_culture->setCurrentIndex(std::max(0, int(cultures.indexOf(chosen)) + 1));
}

QString NameGeneratorWindow::culture() const
{
    return m_culture->currentIndex() > 0 ? m_culture->currentText() : QString();
}

NamePattern::Expansion NameGeneratorWindow::patternName(Random& roll) const
{
    const NamePattern::Expansion expansion = NamePattern::expand(currentPattern(), roll);
    if (!expansion.valid) {
        desktop().messageBox(tr("%1: is not valid.  Please use customization to delete this "
                                "pattern: %2")
                                 .arg(currentPattern(), expansion.letters),
                             tr("Invalid Name Pattern"), MessageIcon::Information,
                             MessageButtons::Ok);
    }
    return expansion;
}

QString NameGeneratorWindow::realName(SeededGeneration::Roll& roll) const
{
    const QString firstName = roll.nameOf(roll.firstNameList(), culture());
    return firstName + u' ' + roll.nameOf(QStringLiteral("surnames"), culture());
}

std::optional<PatternListWindow::Rolled>
NameGeneratorWindow::expandPattern(SeededGeneration::Roll& roll)
{
    Rolled rolled;
    if (m_realNames->isChecked()) {
        rolled.line = realName(roll);
    } else if (m_likeRealNames->isChecked()) {
        rolled.line = m_chains.inventName(roll, culture());
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

void NameGeneratorWindow::showCodeKey()
{
    showNameKey();
}
