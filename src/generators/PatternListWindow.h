#pragma once

#include "shared/ToolWindow.h"

class QCheckBox;
class QGridLayout;
class QListWidget;
class QPushButton;
class QTimer;

// A generator window that expands patterns from a list: the results list on the left, the
// pattern list and the option boxes on the right, the command buttons below. Generate takes the
// selected pattern, or a random one, and expands it; the timer generates once a second.
class PatternListWindow : public ToolWindow
{
    Q_OBJECT

public:
    QListWidget* lstResults;
    QListWidget* lstPatternType;
    QCheckBox* chkRandom;
    QCheckBox* chkSentence; // "Timer"
    QPushButton* cmdGenerate;
    QPushButton* cmdPrint;
    QPushButton* cmdClip;
    QPushButton* cmdClear;
    QPushButton* OK_BT;
    QTimer* timer;

    QString currentPattern;

    void load() override;
    void loadListBox();
    void cmdGenerate_Click();
    void chkSentence_Click();
    void cmdClear_Click();
    void cmdPrint_Click();
    void cmdClip_Click();
    void OK_BT_Click();

protected:
    // patternTable names the table whose rows are the patterns (its value field has its name).
    PatternListWindow(const QString& windowName, const QString& caption,
                      const QString& patternTable, const QString& timerName,
                      QWidget* parent = nullptr);

    // Expands currentPattern, which is not empty, into the results list.
    virtual void expandPattern() = 0;
    virtual void showCodeKey() = 0;

    // Adds a line at the end of the results list and selects it, so it scrolls into view.
    void addResult(const QString& line);
    // Places an extra option box in the right column, below the other boxes.
    void addOptionBox(QCheckBox* box);

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QString m_patternTable;
    QGridLayout* m_options;
};
