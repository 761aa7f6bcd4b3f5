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
    : RecordWindow(QStringLiteral("frmScene"), QStringLiteral("Scene Generator"),
                   {QStringLiteral("Scene Profile"),
                    {"Weather", "Conflict", "Location", "Time of Day", "Character One",
                     "Character Two", "Character Three"},
                    QStringLiteral("dtaScene"),
                    QStringLiteral("Scene Navigate"),
                    QStringLiteral("SSDBGrid1"),
                    QStringLiteral("You must create your first scene by selecting New.  This will "
                                   "not be saved."),
                    QStringLiteral("Create New First")},
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
    m_notesFrame = makeFrame(QStringLiteral("frmSceneNotes"), QStringLiteral("Scene Notes"), this);
    m_sceneName =
        makeTextBox(QStringLiteral("txtSceneName"), QStringLiteral("Scene Name"), m_notesFrame);
    m_notes = ControlMakers::named(new QPlainTextEdit(m_notesFrame), QStringLiteral("txtNotes"));
    m_notes->setAccessibleName(QStringLiteral("Scene Notes"));
    m_notes->setTabChangesFocus(true);
    // The generated boxes beside it set the height; the notes take what is left.
    setRoomyScrollArea(m_notes, 24, 4);

    m_settingFrame = makeFrame(QStringLiteral("Frame1"), QStringLiteral("Scene Description"), this);
    m_weather =
        makeTextBox(QStringLiteral("txtWeather"), QStringLiteral("Weather"), m_settingFrame);
    m_location =
        makeTextBox(QStringLiteral("txtLocation"), QStringLiteral("Location"), m_settingFrame);
    m_conflict =
        makeTextBox(QStringLiteral("txtConflict"), QStringLiteral("Conflict"), m_settingFrame);
    m_timeOfDay =
        makeTextBox(QStringLiteral("txtTimeOfDay"), QStringLiteral("Time of Day"), m_settingFrame);

    m_charactersFrame =
        makeFrame(QStringLiteral("frmPlotComponents"), QStringLiteral("Characters"), this);
    auto* characterRows = new QGridLayout(m_charactersFrame);
    createCharacterBoxes(
        m_charactersFrame, characterRows, 0,
        {QStringLiteral("One:"), QStringLiteral("Two:"), QStringLiteral("Three:")});

    bindField(m_sceneName, QStringLiteral("Scene Name"));
    bindField(m_notes, QStringLiteral("Scene Notes"));
    bindField(m_weather, QStringLiteral("Weather"));
    bindField(m_location, QStringLiteral("Location"));
    bindField(m_conflict, QStringLiteral("Conflict"));
    bindField(m_timeOfDay, QStringLiteral("Time of Day"));
    bindCharacterBoxes([this](QWidget* box, const QString& field) { bindField(box, field); });
    m_rollSeed = new RollSeedFields(this);
    m_rollSeed->bind([this](QWidget* box, const QString& field) { bindField(box, field); });

    m_newButton = ControlMakers::button(QStringLiteral("cmdNew"), QStringLiteral("New"),
                                        QStringLiteral("Generate a new scene"), this);
    m_generateButton =
        ControlMakers::button(QStringLiteral("cmdGenerate"), QStringLiteral("&Generate"), {}, this);
    m_updateButton = ControlMakers::button(QStringLiteral("cmdUpdate"), QStringLiteral("Update"),
                                           QStringLiteral("Save this scene"), this);
    m_deleteButton =
        ControlMakers::button(QStringLiteral("cmdDelete"), QStringLiteral("Delete"), {}, this);
    m_printButton = ControlMakers::button(QStringLiteral("cmdPrint"), QStringLiteral("Print"),
                                          QStringLiteral("Print this scene"), this);
    m_clipboardButton = ControlMakers::button(
        QStringLiteral("cmdClip"), QStringLiteral("Clipboard"),
        QStringLiteral("Save this scene to the clipboard to paste into another program"), this);
    m_closeButton = ControlMakers::button(QStringLiteral("cmdOK"), QStringLiteral("Close"),
                                          QStringLiteral("Close this form"), this);
    m_timerBox = ControlMakers::named(new QCheckBox(QStringLiteral("Timer"), this),
                                      QStringLiteral("chkTimer"));
    m_timer = addTimer(QStringLiteral("tmrScene"));
    m_timer->setInterval(15000); // fixed: this window ignores the settings interval
}

void SceneWindow::arrangeControls()
{
    auto* notes = new QGridLayout(m_notesFrame);
    addLabelled(notes, 0, 0, QStringLiteral("Scene Name:"), m_sceneName);
    notes->addWidget(m_notes, 1, 0, 1, 2);
    notes->setRowStretch(1, 1);

    // The setting in two rows of two.
    auto* setting = new QGridLayout(m_settingFrame);
    addLabelled(setting, 0, 0, QStringLiteral("Weather:"), m_weather);
    addLabelled(setting, 0, 2, QStringLiteral("Location:"), m_location);
    addLabelled(setting, 1, 0, QStringLiteral("Conflict:"), m_conflict);
    addLabelled(setting, 1, 2, QStringLiteral("Time:"), m_timeOfDay);
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
    layout->addWidget(captionedGrid(grid(), QStringLiteral("Scene Profiles")), 1);
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
    m_rolls->roll(QStringLiteral("Generate"), drawn + m_rollSeed->boxes(),
                  [this, seed] { generate(seed); });
}

void SceneWindow::recordShown(qint64 key)
{
    m_rolls->followRecord(key);
}

void SceneWindow::showWrittenElsewhere(const std::function<void()>& show)
{
    m_rolls->roll(QStringLiteral("Keep"), boundControls(), show);
}

void SceneWindow::addScene()
{
    newRecord([this] { generate(SeededGeneration::drawSeed()); }, m_weather);
}

Report SceneWindow::report() const
{
    Report report(windowTitle());
    report.addLabelled(QStringLiteral("SceneName"), m_sceneName->text());
    report.addLabelled(QStringLiteral("Notes"), m_notes->toPlainText());
    report.addLabelled(QStringLiteral("Weather"), m_weather->text());
    report.addLabelled(QStringLiteral("Location"), m_location->text());
    report.addLabelled(QStringLiteral("Conflict"), m_conflict->text());
    report.addLabelled(QStringLiteral("TimeOfDay"), m_timeOfDay->text());
    addCharacterLines(&report, ReportOrder::MotivationsFirst);
    return report;
}
