#include "customization/SettingsPage.h"

#include "customization/CustomizationMessages.h"
#include "data/SettingsRow.h"
#include "shared/desktop/BusyPointer.h"
#include "shared/widgets/ControlMakers.h"
#include "shared/widgets/FatalError.h"
#include "shared/widgets/Settings.h"
#include "shared/widgets/SpinButton.h"
#include "shared/widgets/ToolWindowCatalog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

using namespace ControlMakers;
using namespace CustomizationMessages;

SettingsPage::SettingsPage(QWidget* parent) : QWidget(parent)
{
    auto* environment = named(new QGroupBox(tr("Environment"), this), QStringLiteral("Frame1"));
    m_toolBar = checkBox(QStringLiteral("chkToolBar"), tr("Display Toolbar"));
    m_timerInterval = named(new QLineEdit(environment), QStringLiteral("txtTimerInterval"));
    m_timerInterval->setAccessibleName(tr("Timer Interval"));
    m_timerInterval->setEnabled(false); // only the spin button changes it
    m_timerInterval->setMaximumWidth(60);
    auto* intervalLabel = named(new QLabel(tr("Timer Interval: (seconds)"), environment),
                                QStringLiteral("lblTimerInterval"));
    m_spin = new SpinButton(QStringLiteral("spnRange1"), environment);
    m_spin->setStepName(tr("Timer Interval"));
    intervalLabel->setBuddy(m_spin);
    auto* environmentLayout = new QGridLayout(environment);
    environmentLayout->addWidget(m_toolBar, 0, 0, 1, 4);
    environmentLayout->addWidget(intervalLabel, 1, 0);
    environmentLayout->addWidget(m_timerInterval, 1, 1);
    environmentLayout->addWidget(m_spin, 1, 2);
    environmentLayout->setColumnStretch(3, 1);

    auto* message =
        named(new QGroupBox(tr("Personal Message"), this), QStringLiteral("frmPersonalMessage"));
    m_reminder = named(new QLineEdit(tr("Never run with scissors."), message),
                       QStringLiteral("txtCustomReminder"));
    m_reminder->setAccessibleName(tr("Personal Message"));
    (new QVBoxLayout(message))->addWidget(m_reminder);

    auto* startup = named(new QGroupBox(tr("Initial Form"), this), QStringLiteral("frmStartup"));
    m_startOptions = new QButtonGroup(this);
    auto* options = new QGridLayout(startup);
    const QStringList captions = ToolWindowCatalog::startCaptions();
    for (int number = 0; number < captions.size(); ++number) {
        auto* option = named(new QRadioButton(captions.at(number), startup),
                             QStringLiteral("optFormStart_%1").arg(number));
        m_startOptions->addButton(option, number);
        options->addWidget(option, number % 6, number / 6);
    }
    auto* windows =
        named(new QGroupBox(tr("Tool Windows"), this), QStringLiteral("frmToolWindows"));
    m_sideBySide = checkBox(QStringLiteral("chkSideBySide"), tr("Keep tool windows side by side"));
    m_sideBySide->setToolTip(
        tr("On: activating a tool window leaves the others as they are, and Tile and "
           "Cascade arrange all open windows. Off: the active window is shown alone."));
    (new QVBoxLayout(windows))->addWidget(m_sideBySide);
    m_updateButton = button(QStringLiteral("cmdUpdateApplication"), tr("&Update"), {}, this);

    auto* layout = new QGridLayout(this);
    layout->addWidget(environment, 0, 0);
    layout->addWidget(message, 1, 0);
    layout->addWidget(startup, 0, 1, 2, 1);
    layout->addWidget(windows, 2, 0, 1, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_updateButton);
    layout->addLayout(buttons, 3, 0, 1, 2);
    layout->setRowStretch(4, 1);

    connect(m_spin, &SpinButton::spinUp, this, &SettingsPage::spinUp);
    connect(m_spin, &SpinButton::spinDown, this, &SettingsPage::spinDown);
    connect(m_startOptions, &QButtonGroup::idClicked, this, &SettingsPage::chooseStartWindow);
    connect(m_updateButton, &QPushButton::clicked, this, &SettingsPage::save);
}

void SettingsPage::load()
{
    const BusyPointer busy;
    SettingsRow row;
    StoreError error;
    if (!readSettingsRow(&row, &error)) {
        reportFatalError(error);
        return;
    }
    showInterval(row.intervalSeconds);
    m_reminder->setText(row.personalReminder);
    m_toolBar->setChecked(row.toolBarShown);
    m_sideBySide->setChecked(row.sideBySide);
    // A stored number no option stands for shows as the nearest option, but Update leaves it
    // stored as it is until the user picks an option.
    chooseStartWindow(row.startWindow);
    m_startOptions->button(row.startOption)->setChecked(true);
}

void SettingsPage::showInterval(int seconds)
{
    m_timerInterval->setText(QStringLiteral(" %1").arg(seconds));
}

void SettingsPage::chooseStartWindow(int number)
{
    m_startWindow = number;
}

void SettingsPage::spinUp()
{
    const int seconds = m_timerInterval->text().trimmed().toInt() + 1;
    if (seconds > SettingsRow::MaximumIntervalSeconds) {
        tell(tr("Interval greater then twenty not accepted."));
        return;
    }
    showInterval(seconds);
}

void SettingsPage::spinDown()
{
    const int seconds = m_timerInterval->text().trimmed().toInt() - 1;
    if (seconds < SettingsRow::MinimumIntervalSeconds) {
        tell(tr("Interval less then one not accepted."));
        return;
    }
    showInterval(seconds);
}

void SettingsPage::save()
{
    const BusyPointer busy;
    SettingsRow row;
    row.intervalSeconds = m_timerInterval->text().trimmed().toInt();
    row.personalReminder = m_reminder->text();
    row.toolBarShown = m_toolBar->isChecked();
    row.startWindow = m_startWindow;
    row.sideBySide = m_sideBySide->isChecked();
    StoreError error;
    if (!Settings::instance().save(row, &error))
        tellRecoverable(error);
}
