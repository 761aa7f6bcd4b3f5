#pragma once

#include "records/CharacterSketchBoxes.h"
#include "records/RecordWindow.h"

class QCheckBox;
class QGroupBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTimer;
class Report;
class RollHistory;
class RollSeedFields;

// Scene profiles, kept in "Scene Profile": a name and notes typed by the user, four setting
// elements and three characters drawn from the word tables. With the timer on, a new scene is
// added every 15 seconds.
class SceneWindow : public RecordWindow, private CharacterSketchBoxes
{
    Q_OBJECT

public:
    explicit SceneWindow(QWidget* parent = nullptr);

    void load() override;
    // Also offers the names of the characters saved since in the character boxes.
    void activate() override;

protected:
    void recordShown(qint64 key) override;
    void showWrittenElsewhere(const std::function<void()>& show) override;

private:
    void createControls();
    void arrangeControls();
    void connectControls();

    // Draws the weather, the conflict, the location and the time of day, in this order.
    void drawSetting(SeededGeneration::Roll& roll);
    // Draws the characters and the setting from the seed, and keeps the seed; the name and the
    // notes stay.
    void generate(quint32 seed);
    // Generate: draws as one step that Undo takes back.
    void rollScene(quint32 seed);
    void addScene();
    // The name, the notes, the setting as weather, location, conflict and time, then the three
    // motivations before the three occupations.
    Report report() const;

    QGroupBox* m_notesFrame = nullptr;
    QLineEdit* m_sceneName = nullptr;
    QPlainTextEdit* m_notes = nullptr;
    QGroupBox* m_settingFrame = nullptr;
    QLineEdit* m_weather = nullptr;
    QLineEdit* m_location = nullptr;
    QLineEdit* m_conflict = nullptr;
    QLineEdit* m_timeOfDay = nullptr;
    QGroupBox* m_charactersFrame = nullptr;

    QPushButton* m_newButton = nullptr;
    QPushButton* m_generateButton = nullptr;
    QPushButton* m_updateButton = nullptr;
    QPushButton* m_deleteButton = nullptr;
    QPushButton* m_printButton = nullptr;
    QPushButton* m_clipboardButton = nullptr;
    QPushButton* m_closeButton = nullptr;
    QCheckBox* m_timerBox = nullptr;
    QTimer* m_timer = nullptr;
    RollHistory* m_rolls = nullptr;
    RollSeedFields* m_rollSeed = nullptr;
};
