#pragma once

#include "generators/PatternListWindow.h"

// The sentence generator: sentences of random words built from part-of-speech patterns.
class SentenceWindow : public PatternListWindow
{
    Q_OBJECT

public:
    explicit SentenceWindow(QWidget* parent = nullptr);

protected:
    // Adds one sentence, or the line that stands for an invalid pattern, to the results.
    std::optional<Rolled> expandPattern(SeededGeneration::Roll& roll) override;
    void showCodeKey() override;
};
