#pragma once

#include "records/RecordWindow.h"

class DataControl;
class DataGrid;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QTimer;

// The character generator: stored characters with 22 attributes on four tabs, stepped through,
// edited by hand, and filled at random wherever a generate box is ticked.
class frmCharacter : public RecordWindow
{
    Q_OBJECT

public:
    explicit frmCharacter(QWidget* parent = nullptr);

    // Fills every attribute whose generate box is not unchecked; saving is Update's.
    void getCharacter();
    // Enables the buttons that need a character only while there is one.
    void checkForFirst();

    void load() override;
    void activate() override;

    void cmdNew_Click();
    void cmdGenerate_Click();
    void cmdUpdate_Click();
    void cmdDelete_Click();
    void cmdPrint_Click();
    void cmdClip_Click();
    // Inverts every check box of the window, the timer's too.
    void cmdOnOff_Click();
    void chkTimer_Click();
    void tmrCharacter_Timer();
    void OK_BT_Click();

    QTabWidget* SSTab1 = nullptr;
    QGroupBox* framePersonal = nullptr;
    QGroupBox* frameSocial = nullptr;
    QGroupBox* frameInterests = nullptr;
    QGroupBox* framePsychology = nullptr;

    QLineEdit* txtName = nullptr;
    QLineEdit* txtHeight = nullptr;
    QLineEdit* txtWeight = nullptr;
    QLineEdit* txtAge = nullptr;
    QComboBox* cboGender = nullptr;
    QComboBox* cboHair = nullptr;
    QComboBox* cboEyes = nullptr;
    QComboBox* cboCountry = nullptr;
    QComboBox* cboLanguage = nullptr;
    QComboBox* cboFamily = nullptr;
    QComboBox* cboEducation = nullptr;
    QComboBox* cboReligion = nullptr;
    QComboBox* cboWealth = nullptr;
    QComboBox* cboJob = nullptr;
    QComboBox* cboHobby = nullptr;
    QComboBox* cboInterest = nullptr;
    QComboBox* cboMental = nullptr;
    QComboBox* cboMaterialism = nullptr;
    QComboBox* cboMorality = nullptr;
    QComboBox* cboMotivation = nullptr;
    QComboBox* cboIntellect = nullptr;
    QComboBox* cboThrift = nullptr;

    QCheckBox* chkName = nullptr;
    QCheckBox* chkGender = nullptr;
    QCheckBox* chkHair = nullptr;
    QCheckBox* chkEyes = nullptr;
    QCheckBox* chkHeight = nullptr;
    QCheckBox* chkWeight = nullptr;
    QCheckBox* chkAge = nullptr;
    QCheckBox* chkCountry = nullptr;
    QCheckBox* chkLanguage = nullptr;
    QCheckBox* chkFamily = nullptr;
    QCheckBox* chkEducation = nullptr;
    QCheckBox* chkReligion = nullptr;
    QCheckBox* chkWealth = nullptr;
    QCheckBox* chkJob = nullptr;
    QCheckBox* chkHobby = nullptr;
    QCheckBox* chkInterest = nullptr;
    QCheckBox* chkMental = nullptr;
    QCheckBox* chkMaterialism = nullptr;
    QCheckBox* chkMorality = nullptr;
    QCheckBox* chkMotivation = nullptr;
    QCheckBox* chkIntellect = nullptr;
    QCheckBox* chkThrift = nullptr;

    // Hidden: each feeds one combo box its drop-down list.
    DataControl* dtaGender = nullptr;
    DataControl* dtaHair = nullptr;
    DataControl* dtaEyes = nullptr;
    DataControl* dtaCountry = nullptr;
    DataControl* dtaLanguage = nullptr;
    DataControl* dtaFamily = nullptr;
    DataControl* dtaEducation = nullptr;
    DataControl* dtaReligion = nullptr;
    DataControl* dtaWealth = nullptr;
    DataControl* dtaJob = nullptr;
    DataControl* dtaHobby = nullptr;
    DataControl* dtaInterest = nullptr;
    DataControl* dtaMentalState = nullptr;
    DataControl* dtaMaterialism = nullptr;
    DataControl* dtaMorality = nullptr;
    DataControl* dtaMotivation = nullptr;
    DataControl* dtaIntellect = nullptr;
    DataControl* dtaThrift = nullptr;

    DataControl* dtaCharacter = nullptr;
    DataGrid* dbgGridCharacter = nullptr;

    QPushButton* cmdNew = nullptr;
    QPushButton* cmdGenerate = nullptr;
    QPushButton* cmdUpdate = nullptr;
    QPushButton* cmdDelete = nullptr;
    QPushButton* cmdPrint = nullptr;
    QPushButton* cmdClip = nullptr;
    QPushButton* cmdOnOff = nullptr;
    QPushButton* OK_BT = nullptr;
    QCheckBox* chkTimer = nullptr;
    QTimer* tmrCharacter = nullptr;

protected:
    void rowsChanged() override { checkForFirst(); }

private:
    void createTabs();
    // The psychology tab's controls come first in control order, the personal tab's last.
    void keepPagesInControlOrder();
    void createAttributeControls();
    void createRecordControls();
    void arrangeControls();
    void connectControls();
};
