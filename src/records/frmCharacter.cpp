#include "records/frmCharacter.h"

#include "data/DataControl.h"
#include "data/DataGrid.h"
#include "shared/FatalError.h"
#include "data/ListRowsCombo.h"
#include "shared/RandomListValue.h"
#include "records/CharacterDraws.h"
#include "shared/BusyPointer.h"
#include "shared/ControlMakers.h"
#include "shared/ControlOrder.h"
#include "shared/OutputText.h"
#include "shared/TimerHold.h"
#include "shared/WindowServices.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <array>

namespace {

using CharacterDraws::Attribute;

enum Tab { Personal, Social, Interests, Psychology, TabCount };
const int MostRows = 7; // on the personal tab

const std::array<const char*, TabCount> TabCaptions = {"Personal", "Social", "Interests",
                                                       "Psychology"};

// One attribute's controls, named chk<key>, lbl<key> and txt<key> or cbo<key>: a text box, or a
// combo box that takes its drop-down from a list table through a hidden data control of its own.
struct AttributeControls
{
    Attribute attribute;
    Tab tab;
    int row;
    const char* key;
    const char* caption;
    const char* field;
    QCheckBox* frmCharacter::*check;
    QLineEdit* frmCharacter::*text;
    const char* tip;
    QComboBox* frmCharacter::*combo;
    DataControl* frmCharacter::*list;
    const char* listName;
    const char* listTable;
};

using W = frmCharacter;

// Text boxes are captioned and stored under their key.
constexpr AttributeControls textBox(Attribute attribute, Tab tab, int row, const char* key,
                                    QCheckBox* W::*check, QLineEdit* W::*text, const char* tip)
{
    return {attribute, tab, row,     key,     key,     key,    check,
            text,      tip, nullptr, nullptr, nullptr, nullptr};
}

constexpr AttributeControls comboBox(Attribute attribute, Tab tab, int row, const char* key,
                                     const char* caption, const char* field, QCheckBox* W::*check,
                                     QComboBox* W::*combo, DataControl* W::*list,
                                     const char* listName, const char* listTable)
{
    return {attribute, tab,     row,   key,  caption,  field,    check,
            nullptr,   nullptr, combo, list, listName, listTable};
}

// In control order within each tab, which with the tabs from psychology to personal is the order
// of the printed lines. The rows give the order on screen.
const AttributeControls Attributes[] = {
    comboBox(Attribute::Mental, Psychology, 0, "Mental", "Mental State", "Mental State",
             &W::chkMental, &W::cboMental, &W::dtaMentalState, "dtaMentalState", "mental"),
    comboBox(Attribute::Materialism, Psychology, 1, "Materialism", "Materialism", "Materialism",
             &W::chkMaterialism, &W::cboMaterialism, &W::dtaMaterialism, "dtaMaterialism",
             "materialism"),
    comboBox(Attribute::Morality, Psychology, 2, "Morality", "Morality", "Morality",
             &W::chkMorality, &W::cboMorality, &W::dtaMorality, "dtaMorality", "morality"),
    comboBox(Attribute::Motivation, Psychology, 3, "Motivation", "Motivation", "Motivation",
             &W::chkMotivation, &W::cboMotivation, &W::dtaMotivation, "dtaMotivation",
             "motivation"),
    comboBox(Attribute::Intellect, Psychology, 4, "Intellect", "Intellect", "Intellect",
             &W::chkIntellect, &W::cboIntellect, &W::dtaIntellect, "dtaIntellect", "intellect"),
    comboBox(Attribute::Thrift, Psychology, 5, "Thrift", "Thrift", "Thrift", &W::chkThrift,
             &W::cboThrift, &W::dtaThrift, "dtaThrift", "thrift"),
    comboBox(Attribute::Job, Interests, 0, "Job", "Job", "Occupation", &W::chkJob, &W::cboJob,
             &W::dtaJob, "dtaJob", "occupation"),
    comboBox(Attribute::Hobby, Interests, 1, "Hobby", "Hobby", "Hobby", &W::chkHobby, &W::cboHobby,
             &W::dtaHobby, "dtaHobby", "hobbies"),
    comboBox(Attribute::Interest, Interests, 2, "Interest", "Interest", "Interest", &W::chkInterest,
             &W::cboInterest, &W::dtaInterest, "dtaInterest", "interests"),
    comboBox(Attribute::Country, Social, 0, "Country", "Country", "Country", &W::chkCountry,
             &W::cboCountry, &W::dtaCountry, "dtaCountry", "country"),
    comboBox(Attribute::Language, Social, 1, "Language", "Language", "Language", &W::chkLanguage,
             &W::cboLanguage, &W::dtaLanguage, "dtaLanguage", "languages"),
    comboBox(Attribute::Family, Social, 2, "Family", "Family", "Family", &W::chkFamily,
             &W::cboFamily, &W::dtaFamily, "dtaFamily", "family"),
    comboBox(Attribute::Education, Social, 3, "Education", "Education", "Education",
             &W::chkEducation, &W::cboEducation, &W::dtaEducation, "dtaEducation", "education"),
    comboBox(Attribute::Religion, Social, 4, "Religion", "Religion", "Religion", &W::chkReligion,
             &W::cboReligion, &W::dtaReligion, "dtaReligion", "religion"),
    comboBox(Attribute::Wealth, Social, 5, "Wealth", "Wealth", "Wealth", &W::chkWealth,
             &W::cboWealth, &W::dtaWealth, "dtaWealth", "wealth"),
    comboBox(Attribute::Eyes, Personal, 3, "Eyes", "Eyes", "Eye", &W::chkEyes, &W::cboEyes,
             &W::dtaEyes, "dtaEyes", "eyes"),
    textBox(Attribute::Age, Personal, 6, "Age", &W::chkAge, &W::txtAge,
            "Enter this character's age in years"),
    textBox(Attribute::Weight, Personal, 5, "Weight", &W::chkWeight, &W::txtWeight,
            "Enter this character's weight in pounds"),
    textBox(Attribute::Height, Personal, 4, "Height", &W::chkHeight, &W::txtHeight,
            "Enter this character's height in inches"),
    textBox(Attribute::Name, Personal, 0, "Name", &W::chkName, &W::txtName,
            "Enter this character's name"),
    comboBox(Attribute::Gender, Personal, 1, "Gender", "Gender", "Gender", &W::chkGender,
             &W::cboGender, &W::dtaGender, "dtaGender", "gender"),
    comboBox(Attribute::Hair, Personal, 2, "Hair", "Hair", "Hair", &W::chkHair, &W::cboHair,
             &W::dtaHair, "dtaHair", "hair"),
};

const AttributeControls& controlsOf(Attribute attribute)
{
    return *std::find_if(std::begin(Attributes), std::end(Attributes),
                         [attribute](const auto& entry) { return entry.attribute == attribute; });
}

} // namespace

frmCharacter::frmCharacter(QWidget* parent)
    : RecordWindow(QStringLiteral("frmCharacter"), QStringLiteral("Character Generator"),
                   QStringLiteral("character"),
                   QStringLiteral("You must create your first character by selecting New.  This "
                                  "character will not be saved."),
                   QStringLiteral("Create a New Character."), parent)
{
    createTabs();
    createRecordControls();
    createAttributeControls();
    arrangeControls();
    connectControls();
    resize(sizeHint().expandedTo(QSize(760, 600)));
}

void frmCharacter::createTabs()
{
    SSTab1 = ControlMakers::named(new QTabWidget(this), QStringLiteral("SSTab1"));
    SSTab1->setAccessibleName(QStringLiteral("Attributes"));
    QGroupBox* frames[TabCount] = {};
    for (int tab = 0; tab < TabCount; ++tab) {
        const QString caption = QString::fromLatin1(TabCaptions[tab]);
        auto* page = new QWidget;
        page->setAccessibleName(caption);
        auto* frame =
            ControlMakers::named(new QGroupBox(caption, page), QStringLiteral("frame") + caption);
        auto* pageLayout = new QVBoxLayout(page);
        pageLayout->addWidget(frame);
        auto* rows = new QGridLayout(frame);
        rows->setColumnStretch(1, 1);
        rows->setRowStretch(MostRows, 1); // the rows stay together at the top
        SSTab1->addTab(page, caption);
        frames[tab] = frame;
    }
    framePersonal = frames[Personal];
    frameSocial = frames[Social];
    frameInterests = frames[Interests];
    framePsychology = frames[Psychology];
    keepPagesInControlOrder();
    connect(SSTab1, &QTabWidget::currentChanged, this, &frmCharacter::keepPagesInControlOrder);
}

void frmCharacter::keepPagesInControlOrder()
{
    // Showing a tab raises its page, which moves it among its siblings, and control order follows
    // the siblings. Raising the pages back in control order leaves the hidden ones hidden.
    for (int tab = TabCount - 1; tab >= 0; --tab)
        SSTab1->widget(tab)->raise();
}

void frmCharacter::createRecordControls()
{
    dtaCharacter = new DataControl(QStringLiteral("dtaCharacter"), this);
    dtaCharacter->setRecordSource(QStringLiteral("select * from character where visible <> -1"));
    dtaCharacter->setCaption(QStringLiteral("Character Navigate"));
    setRecordControl(dtaCharacter);

    dbgGridCharacter = new DataGrid(QStringLiteral("dbgGridCharacter"), this);
    dbgGridCharacter->setDataControl(
        dtaCharacter,
        {"Name",       "Gender",    "Hair",     "Eye",          "Height",      "Weight",
         "Age",        "Country",   "Language", "Family",       "Education",   "Wealth",
         "Occupation", "Hobby",     "Interest", "Mental State", "Materialism", "Morality",
         "Motivation", "Intellect", "Thrift",   "Religion"});
    dbgGridCharacter->setAccessibleName(QStringLiteral("Characters"));
    dbgGridCharacter->setWordWrap(false);

    cmdNew = ControlMakers::button(QStringLiteral("cmdNew"), QStringLiteral("New"),
                                   QStringLiteral("Generate a brand new character"), this);
    cmdGenerate =
        ControlMakers::button(QStringLiteral("cmdGenerate"), QStringLiteral("&Generate"),
                              QStringLiteral("Click this to generate a new character.  Be careful "
                                             "not erase attributes you like."),
                              this);
    cmdUpdate = ControlMakers::button(QStringLiteral("cmdUpdate"), QStringLiteral("Update"),
                                      QStringLiteral("Save this character's profile"), this);
    cmdDelete = ControlMakers::button(QStringLiteral("cmdDelete"), QStringLiteral("Delete"),
                                      QStringLiteral("Delete this character"), this);
    cmdPrint = ControlMakers::button(QStringLiteral("cmdPrint"), QStringLiteral("&Print"),
                                     QStringLiteral("Print this character"), this);
    cmdClip = ControlMakers::button(
        QStringLiteral("cmdClip"), QStringLiteral("&Clipboard"),
        QStringLiteral("Copy this character to the clipboard to be pasted into "
                       "another program"),
        this);
    cmdOnOff =
        ControlMakers::button(QStringLiteral("cmdOnOff"), QStringLiteral("Check On/Off"), {}, this);
    OK_BT = ControlMakers::button(QStringLiteral("OK_BT"), QStringLiteral("Close"),
                                  QStringLiteral("Close this form"), this);
    chkTimer = ControlMakers::named(new QCheckBox(QStringLiteral("Timer"), this),
                                    QStringLiteral("chkTimer"));
    chkTimer->setToolTip(QStringLiteral("Start the timer to generate a series of new characters"));

    tmrCharacter = ControlMakers::named(new QTimer(this), QStringLiteral("tmrCharacter"));
    tmrCharacter->setInterval(15000); // fixed: this window ignores the settings interval
}

void frmCharacter::createAttributeControls()
{
    QGroupBox* const frames[TabCount] = {framePersonal, frameSocial, frameInterests,
                                         framePsychology};
    int labelWidth = 0;
    for (const AttributeControls& entry : Attributes) {
        QGroupBox* frame = frames[entry.tab];
        const QString key = QString::fromLatin1(entry.key);
        const QString caption = QString::fromLatin1(entry.caption);
        const QString field = QString::fromLatin1(entry.field);
        auto* label = ControlMakers::named(new QLabel(caption, frame), QStringLiteral("lbl") + key);
        QWidget* edit = nullptr;
        if (entry.text) {
            auto* box = ControlMakers::named(new QLineEdit(frame), QStringLiteral("txt") + key);
            box->setToolTip(QString::fromLatin1(entry.tip));
            dtaCharacter->bind(box, field);
            this->*entry.text = box;
            edit = box;
        } else {
            const QString listTable = QString::fromLatin1(entry.listTable);
            auto* list = new DataControl(QString::fromLatin1(entry.listName), this);
            list->setRecordSource(listTable);
            list->setNavigatorVisible(false);
            this->*entry.list = list;
            auto* box = ControlMakers::named(new QComboBox(frame), QStringLiteral("cbo") + key);
            box->setEditable(true);
            box->setInsertPolicy(QComboBox::NoInsert);
            box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
            box->setMinimumContentsLength(12);
            ListRowsCombo::offerRows(box, list, listTable);
            dtaCharacter->bind(box, field);
            this->*entry.combo = box;
            edit = box;
        }
        edit->setAccessibleName(caption);
        label->setBuddy(edit);
        auto* check = ControlMakers::named(new QCheckBox(frame), QStringLiteral("chk") + key);
        check->setChecked(true);
        check->setToolTip(QStringLiteral("Check this box if you'd like this field generated."));
        check->setAccessibleName(QStringLiteral("Generate ") + caption);
        this->*entry.check = check;

        auto* rows = static_cast<QGridLayout*>(frame->layout());
        rows->addWidget(label, entry.row, 0);
        rows->addWidget(edit, entry.row, 1);
        rows->addWidget(check, entry.row, 2);
        labelWidth = std::max(labelWidth, label->sizeHint().width());
    }
    // One label width on every tab, so the boxes stay in place when the tab changes.
    for (QGroupBox* frame : frames)
        static_cast<QGridLayout*>(frame->layout())->setColumnMinimumWidth(0, labelWidth);
}

void frmCharacter::arrangeControls()
{
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(SSTab1);
    auto* buttons = new QHBoxLayout;
    for (QWidget* control : QList<QWidget*>{cmdNew, cmdGenerate, cmdUpdate, cmdDelete, cmdPrint,
                                            cmdClip, cmdOnOff, chkTimer})
        buttons->addWidget(control);
    buttons->addStretch();
    buttons->addWidget(OK_BT);
    layout->addLayout(buttons);
    layout->addWidget(dtaCharacter);
    layout->addWidget(dbgGridCharacter, 1);

    // The keyboard goes through the tabs in the order shown, row by row, then the buttons.
    QList<const AttributeControls*> onScreen;
    for (const AttributeControls& entry : Attributes)
        onScreen << &entry;
    std::sort(onScreen.begin(), onScreen.end(), [](const auto* a, const auto* b) {
        return std::pair(a->tab, a->row) < std::pair(b->tab, b->row);
    });
    QList<QWidget*> chain;
    for (const AttributeControls* entry : onScreen) {
        chain << (entry->text ? static_cast<QWidget*>(this->*entry->text)
                              : static_cast<QWidget*>(this->*entry->combo))
              << this->*entry->check;
    }
    chain << cmdNew << cmdGenerate << cmdUpdate << cmdDelete << cmdPrint << cmdClip << cmdOnOff
          << chkTimer << OK_BT << dbgGridCharacter;
    setTabOrderChain(chain);
}

void frmCharacter::connectControls()
{
    connect(cmdNew, &QPushButton::clicked, this, &frmCharacter::cmdNew_Click);
    connect(cmdGenerate, &QPushButton::clicked, this, &frmCharacter::cmdGenerate_Click);
    connect(cmdUpdate, &QPushButton::clicked, this, &frmCharacter::cmdUpdate_Click);
    connect(cmdDelete, &QPushButton::clicked, this, &frmCharacter::cmdDelete_Click);
    connect(cmdPrint, &QPushButton::clicked, this, &frmCharacter::cmdPrint_Click);
    connect(cmdClip, &QPushButton::clicked, this, &frmCharacter::cmdClip_Click);
    connect(cmdOnOff, &QPushButton::clicked, this, &frmCharacter::cmdOnOff_Click);
    connect(OK_BT, &QPushButton::clicked, this, &frmCharacter::OK_BT_Click);
    // Any change of the box, clicked or set by Check On/Off, starts or stops the timer.
    connect(chkTimer, &QCheckBox::stateChanged, this, &frmCharacter::chkTimer_Click);
    TimerHold::connectTicks(tmrCharacter, chkTimer, [this] { tmrCharacter_Timer(); });
}

void frmCharacter::getCharacter()
{
    setHourglass();
    const auto ticked = [this](Attribute attribute) {
        return (this->*controlsOf(attribute).check)->checkState() != Qt::Unchecked;
    };
    for (const auto& [attribute, value] :
         CharacterDraws::draw(ticked, cboGender->currentText(), getRandomRecord)) {
        const AttributeControls& entry = controlsOf(attribute);
        if (entry.text)
            (this->*entry.text)->setText(value);
        else
            ListRowsCombo::showText(this->*entry.combo, value);
    }
    resetPointer();
}

void frmCharacter::checkForFirst()
{
    const bool anyCharacter = dtaCharacter->recordset()->recordCount() > 0;
    for (QPushButton* button : {cmdUpdate, cmdGenerate, cmdClip, cmdDelete, cmdPrint})
        button->setEnabled(anyCharacter);
}

void frmCharacter::load()
{
    chkTimer_Click();
}

void frmCharacter::activate()
{
    setHourglass();
    // Coming back reads the characters again; an edit typed before leaving is kept first.
    dtaCharacter->mayLeaveRow();
    tileChildren();
    setDataControls(this);
    StoreError error;
    if (!dtaCharacter->refresh(&error)) {
        reportFatalError(error);
        return;
    }
    checkForFirst();
    showAlone();
    resetPointer();
}

void frmCharacter::cmdNew_Click()
{
    newRecord([this] { cmdGenerate_Click(); }, txtName);
}

void frmCharacter::cmdGenerate_Click()
{
    setHourglass();
    getCharacter();
    resetPointer();
}

void frmCharacter::cmdUpdate_Click()
{
    saveRecord();
}

void frmCharacter::cmdDelete_Click()
{
    deleteRecord();
}

void frmCharacter::cmdPrint_Click()
{
    printForm(this);
}

void frmCharacter::cmdClip_Click()
{
    copyForm(this);
}

void frmCharacter::cmdOnOff_Click()
{
    for (QCheckBox* box : controlsWithPrefix<QCheckBox>(this, QStringLiteral("chk")))
        box->setCheckState(box->checkState() == Qt::Unchecked ? Qt::Checked : Qt::Unchecked);
}

void frmCharacter::chkTimer_Click()
{
    const bool running = chkTimer->checkState() != Qt::Unchecked;
    if (running && !tmrCharacter->isActive())
        tmrCharacter->start();
    else if (!running)
        tmrCharacter->stop();
}

void frmCharacter::tmrCharacter_Timer()
{
    setHourglass();
    cmdNew_Click();
    resetPointer();
}

void frmCharacter::OK_BT_Click()
{
    unload();
}
