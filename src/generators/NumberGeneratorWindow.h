#pragma once

#include "engines/NumberKinds.h"
#include "shared/widgets/SeededGeneration.h"
#include "shared/widgets/ToolWindow.h"

#include <QList>

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QTimer;
class SpinButton;

// The number generator: ages, dates, distances, dice rolls and percentages drawn between two
// bounds, one per Generate or one a second on the timer, collected in a printable list. Each
// Generate rolls from a seed of its own, kept with its line, and can be rolled again from it.
class NumberGeneratorWindow : public ToolWindow
{
    Q_OBJECT

public:
    explicit NumberGeneratorWindow(QWidget* parent = nullptr);

    void load() override;

private:
    void createControls();
    void arrangeControls();
    void connectControls();
    // Checks the kind's option and shows its bound labels and boxes with its default bounds.
    void chooseKind(int kind);
    // Date draws without bounds: their labels empty and their boxes and spin buttons hidden.
    void hideBounds();
    void showBounds();
    void generate();
    // Draws one number of the kind, every draw from a generator seeded with seed.
    void generateFromSeed(quint32 seed);
    // The dice notation typed into a bound box of the Dice kind, if any, the first box first.
    QString diceNotation() const;
    // Throws the notation, or tells what is wrong with it.
    void throwNotation(const QString& notation, SeededGeneration::Roll& roll);
    // Shows a generated line as the last result and at the end of the list, with its roll.
    void showResult(const QString& line, const SeededGeneration::Roll& roll);
    void toggleTimer();
    // The two boxes and their spin buttons, which Date hides.
    QList<QWidget*> rangeInputs() const;

    NumberKinds::Kind m_kind = NumberKinds::Age;
    QGroupBox* m_kindsFrame;
    QButtonGroup* m_kinds;
    QList<QRadioButton*> m_kindOptions; // Age, Date, Distance, Dice, Percent
    QListWidget* m_results;
    QGroupBox* m_parametersFrame;
    QLabel* m_lastResult;
    QLabel* m_firstLabel;
    QLineEdit* m_firstBound;
    SpinButton* m_firstSpin;
    QLabel* m_secondLabel;
    QLineEdit* m_secondBound;
    SpinButton* m_secondSpin;
    QCheckBox* m_timerBox;
    QPushButton* m_generate;
    QPushButton* m_print;
    QPushButton* m_copy;
    QPushButton* m_clear;
    QPushButton* m_close;
    QTimer* m_timer;
};
