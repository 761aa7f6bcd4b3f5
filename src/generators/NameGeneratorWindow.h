#pragma once

#include "generators/NameChains.h"
#include "generators/PatternListWindow.h"

#include "engines/NamePattern.h"

class QComboBox;

// The name generator: invented names from consonant and vowel patterns, real first names and
// surnames drawn from the name lists, or names invented like those of the lists. A name is never
// one a character holds or the list shows already, while other names can be found.
class NameGeneratorWindow : public PatternListWindow
{
    Q_OBJECT

public:
    explicit NameGeneratorWindow(QWidget* parent = nullptr);

    void load() override;
    void activate() override;

protected:
    // Adds one name to the results; real names ignore the pattern but still need one chosen.
    std::optional<Rolled> expandPattern(SeededGeneration::Roll& roll) override;
    bool isTaken(const QString& line) const override;
    void showCodeKey() override;

private:
    // The culture chosen for real names and names like them; empty for "Any".
    QString culture() const;
    // Lists the cultures of the name lists after "Any", keeping the one chosen while it is listed.
    void listCultures();
    // The pattern's letters, and whether the pattern is sound (an unsound one is told).
    NamePattern::Expansion patternName(Random& roll) const;
    QString realName(SeededGeneration::Roll& roll) const;

    QCheckBox* m_realNames;
    QCheckBox* m_likeRealNames; // "Invented (like real names)"
    QComboBox* m_culture;       // "Culture", for real names and names like them
    NameChains m_chains;
};
