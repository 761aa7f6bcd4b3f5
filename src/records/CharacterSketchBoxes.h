#pragma once

#include <QCoreApplication>
#include <QString>

#include <array>
#include <functional>

class QGridLayout;
class QLineEdit;
class QStringListModel;
class QWidget;
class Report;

namespace SeededGeneration {
class Roll;
}

// The three characters that plot and scene profiles sketch, each by an occupation and a
// motivation; the profile windows inherit the boxes. The occupation boxes txtJob1..3 hold the
// "Character One".."Three" fields, the motivation boxes txtCharacter1..3 "Motivation One"..
// "Three". The occupation boxes offer the names of the saved characters as the user types, and
// keep whatever is typed.
class CharacterSketchBoxes
{
    Q_DECLARE_TR_FUNCTIONS(CharacterSketchBoxes)

protected:
    // The order the boxes are printed in, each labelled "Job<n>" or "Character<n>".
    enum class ReportOrder {
        PairByPair,       // Job1, Character1, Job2, Character2, Job3, Character3
        MotivationsFirst, // Character1, Character2, Character3, Job1, Job2, Job3
    };

    // Creates the boxes in parent, one character per row of grid from firstRow on: the
    // occupation's label and box in columns 0 and 1, "Motivation:" and its box in 2 and 3.
    void createCharacterBoxes(QWidget* parent, QGridLayout* grid, int firstRow,
                              const std::array<QString, 3>& occupationCaptions);
    // Reads the names of the saved characters again for the occupation boxes to offer.
    void refreshCastNames();
    // Binds each box to its field through the window's bind.
    void bindCharacterBoxes(const std::function<void(QWidget*, const QString&)>& bind);
    // Draws occupation then motivation for the first character, then the second, then the
    // third: six independent draws, so a value may come up more than once.
    void drawCharacters(SeededGeneration::Roll& roll);
    // The boxes as they stand on screen, row by row: occupation, motivation, occupation ...
    std::array<QLineEdit*, 6> characterBoxes() const;
    // Adds a "label: text" line per box to the printout.
    void addCharacterLines(Report* report, ReportOrder order) const;

private:
    std::array<QLineEdit*, 3> m_occupations = {};
    std::array<QLineEdit*, 3> m_motivations = {};
    QStringListModel* m_castNames = nullptr;
};
