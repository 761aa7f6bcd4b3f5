#pragma once

#include "records/CharacterSketchBoxes.h"
#include "records/RecordWindow.h"

class DataControl;
class DataGrid;
class QCheckBox;
class QGroupBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTimer;

// Scene profiles, kept in "Scene Profile": a name and notes typed by the user, four setting
// elements and three characters drawn from the word tables. With the timer on, a new scene is
// added every 15 seconds.
class frmScene : public RecordWindow, public CharacterSketchBoxes
{
    Q_OBJECT

public:
    explicit frmScene(QWidget* parent = nullptr);

    void load() override;
    void activate() override;

    // Draws the three characters.
    void setCharacters();
    // Draws the weather, the conflict, the location and the time of day, in this order.
    void setSceneElements();

    void cmdGenerate_Click();
    void cmdNew_Click();
    void cmdUpdate_Click();
    void cmdDelete_Click();
    void cmdPrint_Click();
    void cmdClip_Click();
    void cmdOK_Click();
    void chkTimer_Click();
    void tmrScene_Timer();

    QGroupBox* frmSceneNotes = nullptr;
    QLineEdit* txtSceneName = nullptr;
    QPlainTextEdit* txtNotes = nullptr;

    QGroupBox* Frame1 = nullptr;
    QLineEdit* txtWeather = nullptr;
    QLineEdit* txtLocation = nullptr;
    QLineEdit* txtConflict = nullptr;
    QLineEdit* txtTimeOfDay = nullptr;

    QGroupBox* frmPlotComponents = nullptr;
    // txtJob1..3 and txtCharacter1..3 come from CharacterSketchBoxes.

    DataControl* dtaScene = nullptr;
    DataGrid* SSDBGrid1 = nullptr;

    QPushButton* cmdNew = nullptr;
    QPushButton* cmdGenerate = nullptr;
    QPushButton* cmdUpdate = nullptr;
    QPushButton* cmdDelete = nullptr;
    QPushButton* cmdPrint = nullptr;
    QPushButton* cmdClip = nullptr;
    QPushButton* cmdOK = nullptr;
    QCheckBox* chkTimer = nullptr;
    QTimer* tmrScene = nullptr;

private:
    void createControls();
    void arrangeControls();
    void connectControls();
};
