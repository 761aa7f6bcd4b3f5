#pragma once

#include <QWidget>

class QButtonGroup;
class QCheckBox;
class QLineEdit;
class QPushButton;
class SpinButton;

// The customization window's page for the settings row: toolbar, timer interval, personal
// message, start window and how tool windows share the frame, shown from the row and written
// back by Update.
class SettingsPage : public QWidget
{
    Q_OBJECT

public:
    explicit SettingsPage(QWidget* parent = nullptr);

    // Shows the stored settings.
    void load();

private:
    void save();
    void chooseStartWindow(int number);
    // The spin button changes the interval shown only; the run takes it at Update.
    void spinUp();
    void spinDown();
    void showInterval(int seconds);

    QCheckBox* m_toolBar = nullptr;
    QLineEdit* m_timerInterval = nullptr;
    SpinButton* m_spin = nullptr;
    QLineEdit* m_reminder = nullptr;
    QButtonGroup* m_startOptions = nullptr;
    // The start window chosen here; the run and the row take it at Update.
    int m_startWindow = -1;
    QCheckBox* m_sideBySide = nullptr;
    QPushButton* m_updateButton = nullptr;
};
