#pragma once

#include "shared/widgets/SeededGeneration.h"
#include "shared/widgets/ToolWindow.h"

class QCheckBox;
class QGridLayout;
class QListWidget;
class QPushButton;
class QTimer;

// A generator window that expands patterns from a list: the results list on the left, the
// pattern list and the option boxes on the right, the command buttons below. Generate takes the
// selected pattern, or a random one, and expands it; the timer generates once a second. Each
// Generate rolls from a seed of its own, kept with its line, and can be rolled again from it.
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

    // Expands currentPattern(), which is not empty, into the results list, every draw from roll.
    virtual void expandPattern(SeededGeneration::Roll& roll) = 0;
    virtual void showCodeKey() = 0;

    // The pattern the last Generate took.
    const QString& currentPattern() const { return m_currentPattern; }
    // Adds a line at the end of the results list and selects it, so it scrolls into view; the
    // line keeps the roll of the Generate that made it.
    void addResult(const QString& line, const SeededGeneration::Roll& roll);
    // Places an extra option box in the right column, below the other boxes.
    void addOptionBox(QCheckBox* box);
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
    // Takes the pattern and expands it, every draw from a generator seeded with seed.
    void generateFromSeed(quint32 seed);
    void toggleTimer();

    QString m_patternTable;
    QString m_currentPattern;
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
