#pragma once

#include "shared/widgets/FreshRolls.h"
#include "shared/widgets/SeededGeneration.h"
#include "shared/widgets/ToolWindow.h"

#include <optional>
#include <QSet>

class QCheckBox;
class QGridLayout;
class QListWidget;
class QPushButton;
class QTimer;

// A generator window that expands patterns from a list: the results list on the left, the
// pattern list and the option boxes on the right, the command buttons below. Generate takes the
// selected pattern, or a random one, and expands it; the timer generates once a second. Each
// Generate rolls from a seed of its own, kept with its line, and can be rolled again from it.
// A line already taken (in the list, or as the window says) is rolled again from a fresh seed,
// until rolling again seems to give nothing new.
class PatternListWindow : public ToolWindow
{
    Q_OBJECT

public:
    void load() override;

protected:
    // patternTable names the table whose rows are the patterns (its value field has its name).
    PatternListWindow(const QString& windowName, const QString& caption,
                      const QString& patternTable, const QString& timerName,
                      QWidget* parent = nullptr);

    // What one roll gave: the line to add, and whether it came from a sound pattern (a line
    // standing for a fault is never rolled again).
    struct Rolled
    {
        QString line;
        bool sound = true;
    };
    // Expands currentPattern(), which is not empty, every draw from roll; nothing when there is
    // no line to add.
    virtual std::optional<Rolled> expandPattern(SeededGeneration::Roll& roll) = 0;
    // Whether a line is taken already: by default, when the results list holds it.
    virtual bool isTaken(const QString& line) const;
    // How many fresh rolls a Generate tries before it gives a taken line after all (20 unless
    // set), and what it then says once until Clear List (nothing unless set).
    void avoidRepeats(int tries, const QString& notice);
    virtual void showCodeKey() = 0;

    // The pattern the last Generate took.
    const QString& currentPattern() const { return m_currentPattern; }
    // Places an extra option in the right column, below the other options.
    void addOption(QWidget* option);
    QCheckBox* randomPatternBox() const { return m_randomPattern; }
    // Tab goes through the command buttons but Close, the pattern list and the Random and Timer
    // boxes, then through the controls given.
    void setTabOrderEndingWith(const QList<QWidget*>& rest);
    // For the tab order of the windows built on this one.
    QWidget* resultsList() const;
    QWidget* closeButton() const;

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void loadPatterns();
    void generate();
    // Takes the pattern and expands it, every draw from the roll; nothing when no pattern is
    // chosen (told) or the expansion gives no line.
    std::optional<Rolled> rollLine(SeededGeneration::Roll& roll);
    // Rolls the line of the seed and adds it, taken or not.
    void generateFromSeed(quint32 seed);
    // Adds a line at the end of the results list and selects it, so it scrolls into view; the
    // line keeps the roll that made it.
    void addResult(const QString& line, const SeededGeneration::Roll& roll);
    void toggleTimer();

    QString m_patternTable;
    QString m_currentPattern;
    QSet<QString> m_listed; // the lines of the results list, case-folded
    FreshRolls m_freshRolls{20, {}};
    QListWidget* m_results;
    QListWidget* m_patterns;
    QCheckBox* m_randomPattern;
    QCheckBox* m_timerBox; // "Timer"
    QPushButton* m_generate;
    QPushButton* m_print;
    QPushButton* m_copy;
    QPushButton* m_clear;
    QPushButton* m_close;
    QTimer* m_timer;
    QGridLayout* m_options;
};
