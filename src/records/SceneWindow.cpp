#include "records/SceneWindow.h"

#include "records/ProfileForm.h"
#include "records/RollHistory.h"
#include "records/RollSeedFields.h"
#include "shared/desktop/BusyPointer.h"
#include "shared/widgets/ControlMakers.h"
#include "shared/widgets/OutputText.h"
#include "shared/widgets/RecordNavigator.h"
#include "shared/widgets/Report.h"
#include "shared/widgets/SeededGeneration.h"
#include "shared/widgets/WindowServices.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

using namespace ProfileForm;

SceneWindow::SceneWindow(QWidget* parent)
    : RecordWindow(QStringLiteral("frmScene"), tr("Scene Generator"),
                   {QStringLiteral("Scene Profile"),
                    {"Weather", "Conflict", "Location", "Time of Day", "Character One",
                     "Character Two", "Character Three"},
                    QStringLiteral("dtaScene"),
                    tr("Scene Navigate"),
                    QStringLiteral("SSDBGrid1"),
                    tr("You must create your first scene by selecting New.  This will "
                       "not be saved."),
                    tr("Create New First")},
                   parent)
{
    createControls();
    arrangeControls();
    connectControls();
    m_rolls = new RollHistory(this);
    m_rollSeed->addGenerateFromSeed([this](quint32 seed) { rollScene(seed); });
    resize(sizeHint().expandedTo(QSize(800, 600)));
}

void SceneWindow::createControls()
{
    m_notesFrame = makeFrame(QStringLiteral("frmSceneNotes"), tr("Scene Notes"), this);
    m_sceneName = makeTextBox(QStringLiteral("txtSceneName"), tr("Scene Name"), m_notesFrame);
    m_notes = ControlMakers::named(new QPlainTextEdit(m_notesFrame), QStringLiteral("txtNotes"));
    m_notes->setAccessibleName(tr("Scene Notes"));
    m_notes->setTabChangesFocus(true);
    // The generated boxes beside it set the height; the notes take what is left.
    setRoomyScrollArea(m_notes, 24, 4);

    m_settingFrame = makeFrame(QStringLiteral("Frame1"), tr("Scene Description"), this);
    m_weather = makeTextBox(QStringLiteral("txtWeather"), tr("Weather"), m_settingFrame);
    m_location = makeTextBox(QStringLiteral("txtLocation"), tr("Location"), m_settingFrame);
    m_conflict = makeTextBox(QStringLiteral("txtConflict"), tr("Conflict"), m_settingFrame);
    m_timeOfDay = makeTextBox(QStringLiteral("txtTimeOfDay"), tr("Time of Day"), m_settingFrame);

    m_charactersFrame = makeFrame(QStringLiteral("frmPlotComponents"), tr("Characters"), this);
    auto* characterRows = new QGridLayout(m_charactersFrame);
    createCharacterBoxes(m_charactersFrame, characterRows, 0,
                         {tr("One:"), tr("Two:"), tr("Three:")});

    bindField(m_sceneName, QStringLiteral("Scene Name"));
    bindField(m_notes, QStringLiteral("Scene Notes"));
    bindField(m_weather, QStringLiteral("Weather"));
    bindField(m_location, QStringLiteral("Location"));
    bindField(m_conflict, QStringLiteral("Conflict"));
    bindField(m_timeOfDay, QStringLiteral("Time of Day"));
    bindCharacterBoxes([this](QWidget* box, const QString& field) { bindField(box, field); });
    m_rollSeed = new RollSeedFields(this);
    m_rollSeed->bind([this](QWidget* box, const QString& field) { bindField(box, field); });

    m_newButton = ControlMakers::button(QStringLiteral("cmdNew"), tr("New"),
                                        tr("Generate a new scene"), this);
    m_generateButton =
        ControlMakers::button(QStringLiteral("cmdGenerate"), tr("&Generate"), {}, this);
    m_updateButton = ControlMakers::button(QStringLiteral("cmdUpdate"), tr("Update"),
                                           tr("Save this scene"), this);
    m_deleteButton = ControlMakers::button(QStringLiteral("cmdDelete"), tr("Delete"), {}, this);
    m_printButton = ControlMakers::button(QStringLiteral("cmdPrint"), tr("Print"),
                                          tr("Print this scene"), this);
    m_clipboardButton = ControlMakers::button(
        QStringLiteral("cmdClip"), tr("Clipboard"),
        tr("Save this scene to the clipboard to paste into another program"), this);
    m_closeButton =
        ControlMakers::button(QStringLiteral("cmdOK"), tr("Close"), tr("Close this form"), this);
    m_timerBox = ControlMakers::named(new QCheckBox(tr("Timer"), this), QStringLiteral("chkTimer"));
    m_timer = addTimer(QStringLiteral("tmrScene"));
    m_timer->setInterval(15000); // fixed: this window ignores the settings interval
}

void SceneWindow::arrangeControls()
{
    auto* notes = new QGridLayout(m_notesFrame);
    addLabelled(notes, 0, 0, tr("Scene Name:"), m_sceneName);
    notes->addWidget(m_notes, 1, 0, 1, 2);
    notes->setRowStretch(1, 1);

    // The setting in two rows of two.
    auto* setting = new QGridLayout(m_settingFrame);
    addLabelled(setting, 0, 0, tr("Weather:"), m_weather);
    addLabelled(setting, 0, 2, tr("Location:"), m_location);
    addLabelled(setting, 1, 0, tr("Conflict:"), m_conflict);
    addLabelled(setting, 1, 2, tr("Time:"), m_timeOfDay);
    setting->setColumnStretch(1, 1);
    setting->setColumnStretch(3, 1);

    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    top->addWidget(m_notesFrame, 2);
    auto* generated = new QVBoxLayout;
    generated->addWidget(m_settingFrame);
    generated->addWidget(m_charactersFrame);
    top->addLayout(generated, 3);
    layout->addLayout(top);
    layout->addWidget(captionedGrid(grid(), tr("Scene Profiles")), 1);
    layout->addWidget(navigatorBar(m_rollSeed->label()));
    auto* buttons = new QHBoxLayout;
    for (QWidget* control :
         QList<QWidget*>{m_newButton, m_generateButton, m_updateButton, m_deleteButton,
                         m_printButton, m_clipboardButton, m_timerBox})
        buttons->addWidget(control);
    buttons->addStretch();
    buttons->addWidget(m_closeButton);
    layout->addLayout(buttons);

    // The keyboard follows the screen, row by row, not the order of creation.
    QList<QWidget*> chain = {m_sceneName, m_notes, m_weather, m_location, m_conflict, m_timeOfDay};
    for (QLineEdit* box : characterBoxes())
        chain << box;
    setTabOrderChain(chain << grid() << m_newButton << m_generateButton << m_updateButton
                           << m_deleteButton << m_printButton << m_clipboardButton << m_timerBox
                           << m_closeButton);
}

void SceneWindow::connectControls()
{
    connect(m_newButton, &QPushButton::clicked, this, &SceneWindow::addScene);
    connect(m_generateButton, &QPushButton::clicked, this,
            [this] { rollScene(SeededGeneration::drawSeed()); });
    connectRecordButtons(m_updateButton, m_deleteButton, m_closeButton);
    connect(m_printButton, &QPushButton::clicked, this, [this] { printReport(report()); });
    connect(m_clipboardButton, &QPushButton::clicked, this, [this] { copyReport(report()); });
    connectNewRecordTimer(m_timer, m_timerBox, [this] { addScene(); });
}

void SceneWindow::activate()
{
    refreshCastNames();
    RecordWindow::activate();
}

void SceneWindow::load()
{
    setDataControls(this);
}

void SceneWindow::drawSetting(SeededGeneration::Roll& roll)
{
    showText(m_weather, roll.word(QStringLiteral("weather")));
    showText(m_conflict, roll.word(QStringLiteral("conflict")));
    showText(m_location, roll.word(QStringLiteral("location")));
    showText(m_timeOfDay, roll.word(QStringLiteral("time_of_day")));
}

void SceneWindow::generate(quint32 seed)
{
    const BusyPointer busy;
    SeededGeneration::Roll roll(seed);
    drawCharacters(roll);
    drawSetting(roll);
    m_rollSeed->mark(roll);
}

void SceneWindow::rollScene(quint32 seed)
{
    QList<QWidget*> drawn = {m_weather, m_conflict, m_location, m_timeOfDay};
    for (QLineEdit* box : characterBoxes())
        drawn << box;
    m_rolls->roll(tr("Generate"), drawn + m_rollSeed->boxes(), [this, seed] { generate(seed); });
}

void SceneWindow::recordShown(qint64 key)
{
    m_rolls->followRecord(key);
}

void SceneWindow::showWrittenElsewhere(const std::function<void()>& show)
{
    m_rolls->roll(tr("Keep"), boundControls(), show);
}

void SceneWindow::addScene()
{
    newRecord([this] { generate(SeededGeneration::drawSeed()); }, m_weather);
}

Report SceneWindow::report() const
{
    Report report(windowTitle());
    report.addLabelled(tr("SceneName"), m_sceneName->text());
    report.addLabelled(tr("Notes"), m_notes->toPlainText());
    report.addLabelled(tr("Weather"), m_weather->text());
    report.addLabelled(tr("Location"), m_location->text());
    report.addLabelled(tr("Conflict"), m_conflict->text());
    report.addLabelled(tr("TimeOfDay"), m_timeOfDay->text());
    addCharacterLines(&report, ReportOrder::MotivationsFirst);
    return report;
}
