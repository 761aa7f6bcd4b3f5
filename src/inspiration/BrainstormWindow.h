#pragma once

#include "shared/widgets/DrillLog.h"
#include "shared/widgets/ToolWindow.h"

#include <QMetaObject>

#include <optional>

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTimer;

// The brainstorm drill: the writer names a topic, then answers one random prompt word after
// another (a question word, noun, verb, adjective or adverb) with ideas. A new word comes after
// each idea, or at every tick of the timer. The topic and the ideas collect in a printable list.
class BrainstormWindow : public ToolWindow
{
    Q_OBJECT

public:
    explicit BrainstormWindow(QWidget* parent = nullptr);
    ~BrainstormWindow() override;

    void activate() override;

protected:
    void keepWork() override;

private:
    void createControls();
    void arrangeControls();
    void connectControls();

    // Empties the idea box and puts the writer in it.
    void startIdea();
    // Shows a random word of the prompt kind (0 to 4, as the option buttons), or of a kind drawn
    // at random.
    void showPromptWord(std::optional<int> kind);
    // The same, rolled from the seed.
    void drawPromptWord(quint32 seed, std::optional<int> kind);
    // Generate from Seed: the same, drawn the way the word on view was.
    void replayPromptWord(quint32 seed);
    // The focus has left the topic box for another control of this window.
    void leaveTopic(QWidget* newFocus);
    void askForTopic();
    void recordIdea();
    void switchTimer();
    void showTimedWord();
    void clearResults();
    bool holdsFocus() const;

    QLineEdit* m_topic;
    QLineEdit* m_promptWord;
    QLineEdit* m_idea;
    QGroupBox* m_promptFrame;
    QButtonGroup* m_promptKinds;
    QCheckBox* m_randomKind;
    QCheckBox* m_timerBox;
    QListWidget* m_results;
    QPushButton* m_closeButton;
    QList<QPushButton*> m_buttons;
    QTimer* m_timer;
    QMetaObject::Connection m_focusWatch;
    // Set while activation moves the focus about: those moves are not the writer's.
    bool m_activating = false;
    // How the word on view was drawn: its kind, or none for a kind drawn at random.
    std::optional<int> m_promptKind;
    DrillLog m_drill{QStringLiteral("Brainstorm")};
};
