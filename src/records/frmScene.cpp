#include "records/frmScene.h"

#include "data/DataControl.h"
#include "data/DataGrid.h"
#include "shared/RandomListValue.h"
#include "records/ProfileForm.h"
#include "shared/BusyPointer.h"
#include "shared/ControlMakers.h"
#include "shared/OutputText.h"
#include "shared/TimerHold.h"
#include "shared/WindowServices.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

using namespace ProfileForm;

namespace {
const QStringList GridColumns = {"Weather",       "Conflict",      "Location",       "Time of Day",
                                 "Character One", "Character Two", "Character Three"};
}

frmScene::frmScene(QWidget* parent)
    : RecordWindow(QStringLiteral("frmScene"), QStringLiteral("Scene Generator"),
                   QStringLiteral("Scene Profile"),
                   QStringLiteral("You must create your first scene by selecting New.  This will "
                                  "not be saved."),
                   QStringLiteral("Create New First"), parent)
{
    createControls();
    arrangeControls();
    connectControls();
    resize(sizeHint().expandedTo(QSize(800, 600)));
}

void frmScene::createControls()
{
    // Created in the order Print writes the fields in: name, notes, the setting as weather,
    // location, conflict and time, then the three motivations before the three occupations.
    frmSceneNotes = makeFrame(QStringLiteral("frmSceneNotes"), QStringLiteral("Scene Notes"), this);
    txtSceneName =
        makeTextBox(QStringLiteral("txtSceneName"), QStringLiteral("Scene Name"), frmSceneNotes);
    txtNotes = new QPlainTextEdit(frmSceneNotes);
    txtNotes->setObjectName(QStringLiteral("txtNotes"));
    txtNotes->setAccessibleName(QStringLiteral("Scene Notes"));
    txtNotes->setTabChangesFocus(true);
    // The generated boxes beside it set the height; the notes take what is left.
    setRoomyScrollArea(txtNotes, 24, 4);

    Frame1 = makeFrame(QStringLiteral("Frame1"), QStringLiteral("Scene Description"), this);
    txtWeather = makeTextBox(QStringLiteral("txtWeather"), QStringLiteral("Weather"), Frame1);
    txtLocation = makeTextBox(QStringLiteral("txtLocation"), QStringLiteral("Location"), Frame1);
    txtConflict = makeTextBox(QStringLiteral("txtConflict"), QStringLiteral("Conflict"), Frame1);
    txtTimeOfDay =
        makeTextBox(QStringLiteral("txtTimeOfDay"), QStringLiteral("Time of Day"), Frame1);

    frmPlotComponents =
        makeFrame(QStringLiteral("frmPlotComponents"), QStringLiteral("Characters"), this);
    auto* characterRows = new QGridLayout(frmPlotComponents);
    createCharacterBoxes(frmPlotComponents, characterRows, 0,
                         {QStringLiteral("One:"), QStringLiteral("Two:"), QStringLiteral("Three:")},
                         CreationOrder::MotivationsFirst);

    dtaScene = new DataControl(QStringLiteral("dtaScene"), this);
    dtaScene->setRecordSource(QStringLiteral("Select * from [scene profile] where visible <>-1"));
    dtaScene->setCaption(QStringLiteral("Scene Navigate"));
    dtaScene->bind(txtSceneName, QStringLiteral("Scene Name"));
    dtaScene->bind(txtNotes, QStringLiteral("Scene Notes"));
    dtaScene->bind(txtWeather, QStringLiteral("Weather"));
    dtaScene->bind(txtLocation, QStringLiteral("Location"));
    dtaScene->bind(txtConflict, QStringLiteral("Conflict"));
    dtaScene->bind(txtTimeOfDay, QStringLiteral("Time of Day"));
    bindCharacterBoxes(dtaScene);
    setRecordControl(dtaScene);
    SSDBGrid1 = new DataGrid(QStringLiteral("SSDBGrid1"), this);

    cmdNew = ControlMakers::button(QStringLiteral("cmdNew"), QStringLiteral("New"),
                                   QStringLiteral("Generate a new scene"), this);
    cmdGenerate =
        ControlMakers::button(QStringLiteral("cmdGenerate"), QStringLiteral("&Generate"), {}, this);
    cmdUpdate = ControlMakers::button(QStringLiteral("cmdUpdate"), QStringLiteral("Update"),
                                      QStringLiteral("Save this scene"), this);
    cmdDelete =
        ControlMakers::button(QStringLiteral("cmdDelete"), QStringLiteral("Delete"), {}, this);
    cmdPrint = ControlMakers::button(QStringLiteral("cmdPrint"), QStringLiteral("Print"),
                                     QStringLiteral("Print this scene"), this);
    cmdClip = ControlMakers::button(
        QStringLiteral("cmdClip"), QStringLiteral("Clipboard"),
        QStringLiteral("Save this scene to the clipboard to paste into another "
                       "program"),
        this);
    cmdOK = ControlMakers::button(QStringLiteral("cmdOK"), QStringLiteral("Close"),
                                  QStringLiteral("Close this form"), this);
    chkTimer = new QCheckBox(QStringLiteral("Timer"), this);
    chkTimer->setObjectName(QStringLiteral("chkTimer"));

    tmrScene = new QTimer(this);
    tmrScene->setObjectName(QStringLiteral("tmrScene"));
    tmrScene->setInterval(15000); // fixed: this window ignores the settings interval
}

void frmScene::arrangeControls()
{
    auto* notes = new QGridLayout(frmSceneNotes);
    addLabelled(notes, 0, 0, QStringLiteral("Scene Name:"), txtSceneName);
    notes->addWidget(txtNotes, 1, 0, 1, 2);
    notes->setRowStretch(1, 1);

    // The setting in two rows of two.
    auto* setting = new QGridLayout(Frame1);
    addLabelled(setting, 0, 0, QStringLiteral("Weather:"), txtWeather);
    addLabelled(setting, 0, 2, QStringLiteral("Location:"), txtLocation);
    addLabelled(setting, 1, 0, QStringLiteral("Conflict:"), txtConflict);
    addLabelled(setting, 1, 2, QStringLiteral("Time:"), txtTimeOfDay);
    setting->setColumnStretch(1, 1);
    setting->setColumnStretch(3, 1);

    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    top->addWidget(frmSceneNotes, 2);
    auto* generated = new QVBoxLayout;
    generated->addWidget(Frame1);
    generated->addWidget(frmPlotComponents);
    top->addLayout(generated, 3);
    layout->addLayout(top);
    layout->addWidget(
        captionedGrid(SSDBGrid1, QStringLiteral("Scene Profiles"), dtaScene, GridColumns), 1);
    layout->addWidget(dtaScene);
    auto* buttons = new QHBoxLayout;
    for (QWidget* control :
         QList<QWidget*>{cmdNew, cmdGenerate, cmdUpdate, cmdDelete, cmdPrint, cmdClip, chkTimer})
        buttons->addWidget(control);
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    layout->addLayout(buttons);

    // The keyboard follows the screen, row by row, not the order of creation.
    setTabOrderChain(
        {txtSceneName,  txtNotes,  txtWeather,    txtLocation, txtConflict,   txtTimeOfDay, txtJob1,
         txtCharacter1, txtJob2,   txtCharacter2, txtJob3,     txtCharacter3, SSDBGrid1,    cmdNew,
         cmdGenerate,   cmdUpdate, cmdDelete,     cmdPrint,    cmdClip,       chkTimer,     cmdOK});
}

void frmScene::connectControls()
{
    connect(cmdNew, &QPushButton::clicked, this, &frmScene::cmdNew_Click);
    connect(cmdGenerate, &QPushButton::clicked, this, &frmScene::cmdGenerate_Click);
    connect(cmdUpdate, &QPushButton::clicked, this, &frmScene::cmdUpdate_Click);
    connect(cmdDelete, &QPushButton::clicked, this, &frmScene::cmdDelete_Click);
    connect(cmdPrint, &QPushButton::clicked, this, &frmScene::cmdPrint_Click);
    connect(cmdClip, &QPushButton::clicked, this, &frmScene::cmdClip_Click);
    connect(cmdOK, &QPushButton::clicked, this, &frmScene::cmdOK_Click);
    // Any change of the box, clicked, typed or set, starts or stops the timer.
    connect(chkTimer, &QCheckBox::stateChanged, this, &frmScene::chkTimer_Click);
    TimerHold::connectTicks(tmrScene, chkTimer, [this] { tmrScene_Timer(); });
}

void frmScene::load()
{
    setDataControls(this);
}

void frmScene::activate()
{
    setHourglass();
    RecordWindow::activate();
    resetPointer();
}

void frmScene::setCharacters()
{
    drawCharacters();
}

void frmScene::setSceneElements()
{
    showText(txtWeather, getRandomRecord(QStringLiteral("weather")));
    showText(txtConflict, getRandomRecord(QStringLiteral("conflict")));
    showText(txtLocation, getRandomRecord(QStringLiteral("location")));
    showText(txtTimeOfDay, getRandomRecord(QStringLiteral("time_of_day")));
}

void frmScene::cmdGenerate_Click()
{
    setHourglass();
    setCharacters();
    setSceneElements();
    resetPointer();
}

void frmScene::cmdNew_Click()
{
    newRecord([this] { cmdGenerate_Click(); }, txtWeather);
}

void frmScene::cmdUpdate_Click()
{
    saveRecord();
}

void frmScene::cmdDelete_Click()
{
    deleteRecord();
}

void frmScene::cmdPrint_Click()
{
    printForm(this);
}

void frmScene::cmdClip_Click()
{
    copyForm(this);
}

void frmScene::cmdOK_Click()
{
    unload();
}

void frmScene::chkTimer_Click()
{
    if (chkTimer->checkState() == Qt::Unchecked)
        tmrScene->stop();
    else if (!tmrScene->isActive())
        tmrScene->start();
}

void frmScene::tmrScene_Timer()
{
    setHourglass();
    cmdNew_Click();
    resetPointer();
}
