#pragma once

#include "shared/ToolWindow.h"

#include <QList>

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QTimer;
class SpinButton;

// The number generator: ages, dates, distances, dice rolls and percentages drawn between two
// bounds, one per Generate or one a second on the timer, collected in a printable list.
class frmNumberGenerator : public ToolWindow
{
    Q_OBJECT

public:
    explicit frmNumberGenerator(QWidget* parent = nullptr);

    QGroupBox* frmNumberTypes;
    QList<QRadioButton*> optNumberType; // Age, Date, Distance, Dice, Percent
    QListWidget* lstResults;
    QGroupBox* frmControl;
    QLabel* lblResult;
    QLabel* lblRange1;
    QLineEdit* txtRange1;
    SpinButton* spnRange1;
    QLabel* lblRange2;
    QLineEdit* txtRange2;
    SpinButton* spnRange2;
    QCheckBox* chkTimer;
    QPushButton* cmdGenerate;
    QPushButton* cmdPrint;
    QPushButton* cmdClip;
    QPushButton* cmdClear;
    QPushButton* cmdOK;
    QTimer* tmrNumber;

    // The chosen kind, a NumberKinds::Kind.
    qint16 numberType() const { return m_numberType; }

    void load() override;
    void optNumberType_Click(int index);
    void disableLabel();
    void enableLabel();
    void spnRange1_SpinUp();
    void spnRange1_SpinDown();
    void spnRange2_SpinUp();
    void spnRange2_SpinDown();
    void cmdGenerate_Click();
    void generateNumber();
    void chkTimer_Click();
    void tmrNumber_Timer();
    void cmdClear_Click();
    void cmdPrint_Click();
    void cmdClip_Click();
    void cmdOK_Click();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void createControls();
    void arrangeControls();
    void connectControls();
    void showOutOfRange();
    // The two boxes and their spin buttons, which Date hides.
    QList<QWidget*> rangeInputs() const;

    QButtonGroup* m_numberTypes;
    qint16 m_numberType = 0;
};
