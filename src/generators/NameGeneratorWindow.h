#pragma once

#include "generators/PatternListWindow.h"

// The name generator: invented names from consonant and vowel patterns, or real first names
// and surnames drawn from the name lists.
class NameGeneratorWindow : public PatternListWindow
{
    Q_OBJECT

public:
    explicit NameGeneratorWindow(QWidget* parent = nullptr);

protected:
    // Adds one name to the results; real names ignore the pattern but still need one chosen.
    void expandPattern(SeededGeneration::Roll& roll) override;
    void showCodeKey() override;

private:
    QString inventedName(Random& roll) const;
    static QString realName(SeededGeneration::Roll& roll);

    QCheckBox* m_realNames;
};
