#include "records/CharacterSketchBoxes.h"

#include "data/CastNames.h"
#include "records/ProfileForm.h"
#include "shared/widgets/FatalError.h"
#include "shared/widgets/Report.h"
#include "shared/widgets/SeededGeneration.h"

#include <QCompleter>
#include <QGridLayout>
#include <QLineEdit>
#include <QStringListModel>

namespace {
// The stored fields of the boxes, row by row; in English, their accessible names read the same.
constexpr std::array<const char*, 3> OccupationFields = {
    QT_TRANSLATE_NOOP("CharacterSketchBoxes", "Character One"),
    QT_TRANSLATE_NOOP("CharacterSketchBoxes", "Character Two"),
    QT_TRANSLATE_NOOP("CharacterSketchBoxes", "Character Three")};
constexpr std::array<const char*, 3> MotivationFields = {
    QT_TRANSLATE_NOOP("CharacterSketchBoxes", "Motivation One"),
    QT_TRANSLATE_NOOP("CharacterSketchBoxes", "Motivation Two"),
    QT_TRANSLATE_NOOP("CharacterSketchBoxes", "Motivation Three")};
} // namespace

void CharacterSketchBoxes::createCharacterBoxes(QWidget* parent, QGridLayout* grid, int firstRow,
                                                const std::array<QString, 3>& occupationCaptions)
{
    // The accessible names follow the fields, since the motivation labels all read alike.
    for (int n = 0; n < 3; ++n) {
        m_occupations[n] = ProfileForm::makeTextBox(QStringLiteral("txtJob%1").arg(n + 1),
                                                    tr(OccupationFields[n]), parent);
        m_motivations[n] = ProfileForm::makeTextBox(QStringLiteral("txtCharacter%1").arg(n + 1),
                                                    tr(MotivationFields[n]), parent);
    }

    for (int n = 0; n < 3; ++n) {
        ProfileForm::addLabelled(grid, firstRow + n, 0, occupationCaptions[n], m_occupations[n]);
        ProfileForm::addLabelled(grid, firstRow + n, 2, tr("Motivation:"), m_motivations[n]);
    }
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);

    m_castNames = new QStringListModel(parent);
    for (QLineEdit* box : m_occupations) {
        auto* completer = new QCompleter(m_castNames, box);
        completer->setCaseSensitivity(Qt::CaseInsensitive);
        completer->setFilterMode(Qt::MatchContains);
        box->setCompleter(completer);
    }
}

void CharacterSketchBoxes::refreshCastNames()
{
    QStringList names;
    StoreError error;
    if (!CastNames::read(&names, &error))
        return reportFatalError(error);
    m_castNames->setStringList(names);
}

void CharacterSketchBoxes::bindCharacterBoxes(
    const std::function<void(QWidget*, const QString&)>& bind)
{
    for (int n = 0; n < 3; ++n) {
        bind(m_occupations[n], QLatin1String(OccupationFields[n]));
        bind(m_motivations[n], QLatin1String(MotivationFields[n]));
    }
}

void CharacterSketchBoxes::drawCharacters(SeededGeneration::Roll& roll)
{
    for (int n = 0; n < 3; ++n) {
        ProfileForm::showText(m_occupations[n], roll.word(QStringLiteral("occupation")));
        ProfileForm::showText(m_motivations[n], roll.word(QStringLiteral("motivation")));
    }
}

std::array<QLineEdit*, 6> CharacterSketchBoxes::characterBoxes() const
{
    return {m_occupations[0], m_motivations[0], m_occupations[1],
            m_motivations[1], m_occupations[2], m_motivations[2]};
}

void CharacterSketchBoxes::addCharacterLines(Report* report, ReportOrder order) const
{
    const auto addOccupation = [&](int n) {
        report->addLabelled(tr("Job%1").arg(n + 1), m_occupations[n]->text());
    };
    const auto addMotivation = [&](int n) {
        report->addLabelled(tr("Character%1").arg(n + 1), m_motivations[n]->text());
    };
    for (int n = 0; n < 3; ++n) {
        if (order == ReportOrder::PairByPair)
            addOccupation(n);
        addMotivation(n);
    }
    for (int n = 0; n < 3 && order == ReportOrder::MotivationsFirst; ++n)
        addOccupation(n);
}
