#pragma once

#include "generators/PatternListWindow.h"

// The sentence generator: sentences of random words built from part-of-speech patterns.
class frmSentence : public PatternListWindow
{
    Q_OBJECT

public:
    explicit frmSentence(QWidget* parent = nullptr);

    // Expands currentPattern into one new line of the results list.
    void newSentence();

protected:
    void expandPattern() override { newSentence(); }
    void showCodeKey() override;
};
