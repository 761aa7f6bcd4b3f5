#pragma once

#include "generators/PatternListWindow.h"

// The name generator: invented names from consonant and vowel patterns, or real first names
// and surnames drawn from the name lists.
class frmNameGenerator : public PatternListWindow
{
    Q_OBJECT

public:
    explicit frmNameGenerator(QWidget* parent = nullptr);

    QCheckBox* chkRealName;
    QString currentName;

    // Builds one name and adds it to the results list.
    void newName();
    void lstPatternType_Click();
    void chkRandom_Click();
    void chkRealName_Click();

protected:
    void expandPattern() override { newName(); }
    void showCodeKey() override;
};
