#include "records/CharacterSketchBoxes.h"

#include "data/DataControl.h"
#include "shared/RandomListValue.h"
#include "records/ProfileForm.h"

#include <QGridLayout>
#include <QLineEdit>

namespace {
const std::array<QString, 3> Ordinals = {QStringLiteral("One"), QStringLiteral("Two"),
                                         QStringLiteral("Three")};
}

void CharacterSketchBoxes::createCharacterBoxes(QWidget* parent, QGridLayout* grid, int firstRow,
                                                const std::array<QString, 3>& occupationCaptions,
                                                CreationOrder order)
{
    QLineEdit** jobs[] = {&txtJob1, &txtJob2, &txtJob3};
    QLineEdit** motivations[] = {&txtCharacter1, &txtCharacter2, &txtCharacter3};
    // The accessible names follow the fields, since the motivation labels all read alike.
    const auto createJob = [&](int n) {
        *jobs[n] = ProfileForm::makeTextBox(QStringLiteral("txtJob%1").arg(n + 1),
                                            QStringLiteral("Character ") + Ordinals[n], parent);
    };
    const auto createMotivation = [&](int n) {
        *motivations[n] =
            ProfileForm::makeTextBox(QStringLiteral("txtCharacter%1").arg(n + 1),
                                     QStringLiteral("Motivation ") + Ordinals[n], parent);
    };
    for (int n = 0; n < 3; ++n) {
        if (order == CreationOrder::PairByPair)
            createJob(n);
        createMotivation(n);
    }
    for (int n = 0; n < 3 && order == CreationOrder::MotivationsFirst; ++n)
        createJob(n);

    for (int n = 0; n < 3; ++n) {
        ProfileForm::addLabelled(grid, firstRow + n, 0, occupationCaptions[n], *jobs[n]);
        ProfileForm::addLabelled(grid, firstRow + n, 2, QStringLiteral("Motivation:"),
                                 *motivations[n]);
    }
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
}

void CharacterSketchBoxes::bindCharacterBoxes(DataControl* control)
{
    const std::array<QLineEdit*, 6> boxes = characterBoxes();
    for (int n = 0; n < 3; ++n) {
        control->bind(boxes[2 * n], QStringLiteral("Character ") + Ordinals[n]);
        control->bind(boxes[2 * n + 1], QStringLiteral("Motivation ") + Ordinals[n]);
    }
}

void CharacterSketchBoxes::drawCharacters()
{
    const std::array<QLineEdit*, 6> boxes = characterBoxes();
    for (int n = 0; n < 3; ++n) {
        ProfileForm::showText(boxes[2 * n], getRandomRecord(QStringLiteral("occupation")));
        ProfileForm::showText(boxes[2 * n + 1], getRandomRecord(QStringLiteral("motivation")));
    }
}

std::array<QLineEdit*, 6> CharacterSketchBoxes::characterBoxes() const
{
    return {txtJob1, txtCharacter1, txtJob2, txtCharacter2, txtJob3, txtCharacter3};
}
