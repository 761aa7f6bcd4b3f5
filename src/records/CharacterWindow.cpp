#include "records/CharacterWindow.h"

#include "data/CastMap.h"
#include "data/CastNames.h"
#include "data/ListTableModels.h"
#include "data/Relationships.h"
#include "records/BoundFieldDelegate.h"
#include "records/RelationshipList.h"
#include "records/RollHistory.h"
#include "records/RollSeedFields.h"
#include "shared/desktop/BusyPointer.h"
#include "shared/widgets/ControlMakers.h"
#include "shared/widgets/ControlOrder.h"
#include "shared/widgets/OutputText.h"
#include "shared/widgets/RecordNavigator.h"
#include "shared/widgets/Report.h"
#include "shared/widgets/SeededGeneration.h"
#include "shared/widgets/WindowServices.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSqlQueryModel>
#include <QTableView>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <memory>

namespace {

using CharacterDraws::Attribute;

enum Tab { Personal, Social, Interests, Psychology, TabCount };
const int MostRows = 7; // on the personal tab

// Each also names its frame, frame<caption>.
const std::array<const char*, TabCount> TabCaptions = {
    QT_TRANSLATE_NOOP("CharacterWindow", "Personal"),
    QT_TRANSLATE_NOOP("CharacterWindow", "Social"),
    QT_TRANSLATE_NOOP("CharacterWindow", "Interests"),
    QT_TRANSLATE_NOOP("CharacterWindow", "Psychology")};

// One attribute's controls, named chk<key>, lbl<key> and txt<key> or cbo<key>: a text box, or a
// combo box that offers the words of a list table. The key, translated, also labels the printed
// line; the caption and the tip are shown translated, the field and the list table never.
struct AttributeControls
{
    Attribute attribute;
    Tab tab;
    int row;
    const char* key;
    const char* caption;
    const char* field;
    const char* listTable; // none for a text box
    const char* tip;
};

constexpr AttributeControls textBox(Attribute attribute, Tab tab, int row, const char* key,
                                    const char* tip)
{
    return {attribute, tab, row, key, key, key, nullptr, tip};
}

constexpr AttributeControls comboBox(Attribute attribute, Tab tab, int row, const char* key,
                                     const char* listTable, const char* field = nullptr,
                                     const char* caption = nullptr)
{
    return {attribute,           tab,       row,    key, caption ? caption : key,
            field ? field : key, listTable, nullptr};
}

// In the order of the printed lines, labelled by their keys. The rows give the order on screen.
const AttributeControls Attributes[] = {
    comboBox(Attribute::Mental, Psychology, 0, QT_TRANSLATE_NOOP("CharacterWindow", "Mental"),
             "mental", "Mental State", QT_TRANSLATE_NOOP("CharacterWindow", "Mental State")),
    comboBox(Attribute::Materialism, Psychology, 1,
             QT_TRANSLATE_NOOP("CharacterWindow", "Materialism"), "materialism"),
    comboBox(Attribute::Morality, Psychology, 2, QT_TRANSLATE_NOOP("CharacterWindow", "Morality"),
             "morality"),
    comboBox(Attribute::Motivation, Psychology, 3,
             QT_TRANSLATE_NOOP("CharacterWindow", "Motivation"), "motivation"),
    comboBox(Attribute::Intellect, Psychology, 4, QT_TRANSLATE_NOOP("CharacterWindow", "Intellect"),
             "intellect"),
    comboBox(Attribute::Thrift, Psychology, 5, QT_TRANSLATE_NOOP("CharacterWindow", "Thrift"),
             "thrift"),
    comboBox(Attribute::Job, Interests, 0, QT_TRANSLATE_NOOP("CharacterWindow", "Job"),
             "occupation", "Occupation"),
    comboBox(Attribute::Hobby, Interests, 1, QT_TRANSLATE_NOOP("CharacterWindow", "Hobby"),
             "hobbies"),
    comboBox(Attribute::Interest, Interests, 2, QT_TRANSLATE_NOOP("CharacterWindow", "Interest"),
             "interests"),
    comboBox(Attribute::Country, Social, 0, QT_TRANSLATE_NOOP("CharacterWindow", "Country"),
             "country"),
    comboBox(Attribute::Language, Social, 1, QT_TRANSLATE_NOOP("CharacterWindow", "Language"),
             "languages"),
    comboBox(Attribute::Family, Social, 2, QT_TRANSLATE_NOOP("CharacterWindow", "Family"),
             "family"),
    comboBox(Attribute::Education, Social, 3, QT_TRANSLATE_NOOP("CharacterWindow", "Education"),
             "education"),
    comboBox(Attribute::Religion, Social, 4, QT_TRANSLATE_NOOP("CharacterWindow", "Religion"),
             "religion"),
    comboBox(Attribute::Wealth, Social, 5, QT_TRANSLATE_NOOP("CharacterWindow", "Wealth"),
             "wealth"),
    comboBox(Attribute::Eyes, Personal, 3, QT_TRANSLATE_NOOP("CharacterWindow", "Eyes"), "eyes",
             "Eye"),
    textBox(Attribute::Age, Personal, 6, QT_TRANSLATE_NOOP("CharacterWindow", "Age"),
            QT_TRANSLATE_NOOP("CharacterWindow", "Enter this character's age in years")),
    textBox(Attribute::Weight, Personal, 5, QT_TRANSLATE_NOOP("CharacterWindow", "Weight"),
            QT_TRANSLATE_NOOP("CharacterWindow", "Enter this character's weight in pounds")),
    textBox(Attribute::Height, Personal, 4, QT_TRANSLATE_NOOP("CharacterWindow", "Height"),
            QT_TRANSLATE_NOOP("CharacterWindow", "Enter this character's height in inches")),
    textBox(Attribute::Name, Personal, 0, QT_TRANSLATE_NOOP("CharacterWindow", "Name"),
            QT_TRANSLATE_NOOP("CharacterWindow", "Enter this character's name")),
    comboBox(Attribute::Gender, Personal, 1, QT_TRANSLATE_NOOP("CharacterWindow", "Gender"),
             "gender"),
    comboBox(Attribute::Hair, Personal, 2, QT_TRANSLATE_NOOP("CharacterWindow", "Hair"), "hair"),
};

RecordWindow::Setup characterSetup()
{
    RecordWindow::Setup setup{
        QStringLiteral("character"),
        {"Name",       "Gender",    "Hair",     "Eye",          "Height",      "Weight",
         "Age",        "Country",   "Language", "Family",       "Education",   "Wealth",
         "Occupation", "Hobby",     "Interest", "Mental State", "Materialism", "Morality",
         "Motivation", "Intellect", "Thrift",   "Religion"},
        QStringLiteral("dtaCharacter"),
        QCoreApplication::translate("CharacterWindow", "Character Navigate"),
        QStringLiteral("dbgGridCharacter"),
        QCoreApplication::translate("CharacterWindow",
                                    "You must create your first character by selecting New.  This "
                                    "character will not be saved."),
        QCoreApplication::translate("CharacterWindow", "Create a New Character.")};
    // A character's relationships and places on the cast maps go with it.
    setup.otherLinks = Relationships::characterLinks() + CastMap::characterLinks();
    return setup;
}

} // namespace

CharacterWindow::CharacterWindow(QWidget* parent)
    : RecordWindow(QStringLiteral("frmCharacter"), tr("Character Generator"), characterSetup(),
                   parent)
{
    createTabs();
    createButtons();
    createAttributeControls();
    createNotesTab();
    createRelationshipsTab();
    m_rollSeed = new RollSeedFields(this);
    m_rollSeed->bind([this](QWidget* box, const QString& field) { bindField(box, field); });
    arrangeControls();
    connectControls();
    m_rolls = new RollHistory(this);
    m_generateFromSeed = m_rollSeed->addGenerateFromSeed(
        [this](quint32 seed) { rollCharacter(seed); },
        [this](const QStringList& locked) { return restoreLocks(locked); });
    resize(sizeHint().expandedTo(QSize(760, 600)));
}

void CharacterWindow::createTabs()
{
    m_tabs = ControlMakers::named(new QTabWidget(this), QStringLiteral("SSTab1"));
    m_tabs->setAccessibleName(tr("Attributes"));
    for (int tab = 0; tab < TabCount; ++tab) {
        const QString caption = tr(TabCaptions[tab]);
        auto* page = new QWidget;
        page->setAccessibleName(caption);
        auto* frame =
            ControlMakers::named(new QGroupBox(caption, page),
                                 QStringLiteral("frame") + QString::fromLatin1(TabCaptions[tab]));
        auto* pageLayout = new QVBoxLayout(page);
        pageLayout->addWidget(frame);
        auto* rows = new QGridLayout(frame);
        rows->setColumnStretch(1, 1);
        rows->setRowStretch(MostRows, 1); // the rows stay together at the top
        m_tabs->addTab(page, caption);
        m_frames[tab] = frame;
    }
}

void CharacterWindow::createButtons()
{
    grid()->setAccessibleName(tr("Characters"));
    grid()->setWordWrap(false);

    m_newButton = ControlMakers::button(QStringLiteral("cmdNew"), tr("New"),
                                        tr("Generate a brand new character"), this);
    m_generateButton =
        ControlMakers::button(QStringLiteral("cmdGenerate"), tr("&Generate"),
                              tr("Click this to generate a new character.  Be careful "
                                 "not erase attributes you like."),
                              this);
    m_updateButton = ControlMakers::button(QStringLiteral("cmdUpdate"), tr("Update"),
                                           tr("Save this character's profile"), this);
    m_deleteButton = ControlMakers::button(QStringLiteral("cmdDelete"), tr("Delete"),
                                           tr("Delete this character"), this);
    m_printButton = ControlMakers::button(QStringLiteral("cmdPrint"), tr("&Print"),
                                          tr("Print this character"), this);
    m_clipboardButton = ControlMakers::button(
        QStringLiteral("cmdClip"), tr("&Clipboard"),
        tr("Copy this character to the clipboard to be pasted into another program"), this);
    m_checkOnOffButton =
        ControlMakers::button(QStringLiteral("cmdOnOff"), tr("Check On/Off"), {}, this);
    m_closeButton =
        ControlMakers::button(QStringLiteral("OK_BT"), tr("Close"), tr("Close this form"), this);
    m_timerBox = ControlMakers::named(new QCheckBox(tr("Timer"), this), QStringLiteral("chkTimer"));
    m_timerBox->setToolTip(tr("Start the timer to generate a series of new characters"));

    m_timer = addTimer(QStringLiteral("tmrCharacter"));
    m_timer->setInterval(15000); // fixed: this window ignores the settings interval
}

void CharacterWindow::createAttributeControls()
{
    int labelWidth = 0;
    for (const AttributeControls& entry : Attributes) {
        QGroupBox* frame = m_frames[entry.tab];
        const QString key = QString::fromLatin1(entry.key);
        const QString caption = tr(entry.caption);
        auto* label = ControlMakers::named(new QLabel(caption, frame), QStringLiteral("lbl") + key);
        QWidget* edit = nullptr;
        if (!entry.listTable) {
            auto* box = ControlMakers::named(new QLineEdit(frame), QStringLiteral("txt") + key);
            box->setToolTip(tr(entry.tip));
            edit = box;
        } else {
            auto* box = ControlMakers::named(new QComboBox(frame), QStringLiteral("cbo") + key);
            box->setEditable(true);
            box->setInsertPolicy(QComboBox::NoInsert);
            box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
            box->setMinimumContentsLength(12);
            box->setModel(ListTableModels::model(QString::fromLatin1(entry.listTable)));
            edit = box;
        }
        bindField(edit, QString::fromLatin1(entry.field));
        edit->setAccessibleName(caption);
        label->setBuddy(edit);
        auto* check = ControlMakers::named(new QCheckBox(frame), QStringLiteral("chk") + key);
        check->setChecked(true);
        check->setToolTip(tr("Check this box if you'd like this field generated."));
        //: The box that says whether the attribute of the caption is drawn
        check->setAccessibleName(tr("Generate %1").arg(caption));
        m_editors[size_t(entry.attribute)] = edit;
        m_generateBoxes[size_t(entry.attribute)] = check;

        auto* rows = static_cast<QGridLayout*>(frame->layout());
        rows->addWidget(label, entry.row, 0);
        rows->addWidget(edit, entry.row, 1);
        rows->addWidget(check, entry.row, 2);
        labelWidth = std::max(labelWidth, label->sizeHint().width());
    }
    // One label width on every tab, so the boxes stay in place when the tab changes.
    for (QGroupBox* frame : m_frames)
        static_cast<QGridLayout*>(frame->layout())->setColumnMinimumWidth(0, labelWidth);
}

void CharacterWindow::createNotesTab()
{
    const QString caption = tr("Notes");
    auto* page = new QWidget;
    page->setAccessibleName(caption);
    m_notes = ControlMakers::named(new QPlainTextEdit(page), QStringLiteral("txtNotes"));
    m_notes->setAccessibleName(caption);
    m_notes->setTabChangesFocus(true);
    (new QVBoxLayout(page))->addWidget(m_notes);
    m_tabs->addTab(page, caption);
    bindField(m_notes, QStringLiteral("Notes"));
}

void CharacterWindow::createRelationshipsTab()
{
    const QString caption = tr("Relationships");
    m_relationships = new RelationshipList;
    m_relationships->setAccessibleName(caption);
    m_tabs->addTab(m_relationships, caption);
}

void CharacterWindow::arrangeControls()
{
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs);
    auto* buttons = new QHBoxLayout;
    for (QWidget* control :
         QList<QWidget*>{m_newButton, m_generateButton, m_updateButton, m_deleteButton,
                         m_printButton, m_clipboardButton, m_checkOnOffButton, m_timerBox})
        buttons->addWidget(control);
    buttons->addStretch();
    buttons->addWidget(m_closeButton);
    layout->addLayout(buttons);
    layout->addWidget(navigatorBar(m_rollSeed->label()));
    layout->addWidget(grid(), 1);

    // The keyboard goes through the tabs in the order shown, row by row, then the buttons.
    QList<const AttributeControls*> onScreen;
    for (const AttributeControls& entry : Attributes)
        onScreen << &entry;
    std::sort(onScreen.begin(), onScreen.end(), [](const auto* a, const auto* b) {
        return std::pair(a->tab, a->row) < std::pair(b->tab, b->row);
    });
    QList<QWidget*> chain;
    for (const AttributeControls* entry : onScreen)
        chain << editor(entry->attribute) << m_generateBoxes[size_t(entry->attribute)];
    chain << m_notes << m_relationships->focusChain() << m_newButton << m_generateButton
          << m_updateButton << m_deleteButton << m_printButton << m_clipboardButton
          << m_checkOnOffButton << m_timerBox << m_closeButton << grid();
    setTabOrderChain(chain);
}

void CharacterWindow::connectControls()
{
    connect(m_newButton, &QPushButton::clicked, this, &CharacterWindow::addCharacter);
    connect(m_generateButton, &QPushButton::clicked, this, [this] { rollCharacter(std::nullopt); });
    connectRecordButtons(m_updateButton, m_deleteButton, m_closeButton);
    connect(m_printButton, &QPushButton::clicked, this, [this] { printReport(report()); });
    connect(m_clipboardButton, &QPushButton::clicked, this, [this] { copyReport(report()); });
    connect(m_checkOnOffButton, &QPushButton::clicked, this, &CharacterWindow::invertCheckBoxes);
    connectNewRecordTimer(m_timer, m_timerBox, [this] { addCharacter(); });
}

void CharacterWindow::drawCharacter(std::optional<quint32> seed)
{
    const BusyPointer busy;
    const auto ticked = [this](Attribute attribute) {
        return m_generateBoxes[size_t(attribute)]->checkState() != Qt::Unchecked;
    };
    const auto shown = [this](Attribute attribute) {
        return BoundFieldDelegate::shownText(editor(attribute));
    };
    QList<CharacterDraws::Drawn> drawn;
    const auto draw = [&](SeededGeneration::Roll& roll) {
        drawn =
            CharacterDraws::draw(ticked, shown, roll.words(), roll.random(), roll.nameCultures());
        const auto name = std::find_if(drawn.cbegin(), drawn.cend(), [](const auto& value) {
            return value.attribute == Attribute::Name;
        });
        return name != drawn.cend() && isNameTaken(name->value);
    };
    // A seed given is rolled again as it is; otherwise fresh seeds until the name is free.
    std::unique_ptr<SeededGeneration::Roll> roll;
    if (seed) {
        roll = std::make_unique<SeededGeneration::Roll>(*seed);
        draw(*roll);
    } else {
        roll = m_freshRolls.roll(draw, windowTitle());
    }
    for (const auto& [attribute, value] : std::as_const(drawn)) {
        BoundFieldDelegate::showValue(editor(attribute), value);
        if (attribute == Attribute::Name)
            m_givenNames.insert(value.toCaseFolded());
    }
    QStringList locked;
    for (size_t i = 0; i < m_editors.size(); ++i) {
        if (!ticked(Attribute(i)))
            locked << m_editors[i]->objectName();
    }
    m_rollSeed->mark(*roll, locked);
}

bool CharacterWindow::isNameTaken(const QString& name) const
{
    if (m_givenNames.contains(name.toCaseFolded()))
        return true;
    bool held = false;
    StoreError error;
    return CastNames::isHeld(name, &held, &error) && held; // a failed read refuses nothing
}

void CharacterWindow::rollCharacter(std::optional<quint32> seed)
{
    m_rolls->roll(tr("Generate"),
                  QList<QWidget*>(m_editors.begin(), m_editors.end()) + m_rollSeed->boxes(),
                  [this, seed] { drawCharacter(seed); });
}

std::function<void()> CharacterWindow::restoreLocks(const QStringList& locked)
{
    QList<std::pair<QCheckBox*, Qt::CheckState>> before;
    for (size_t i = 0; i < m_editors.size(); ++i) {
        QCheckBox* box = m_generateBoxes[i];
        const bool tick = !locked.contains(m_editors[i]->objectName());
        if (tick != (box->checkState() != Qt::Unchecked)) {
            before.append({box, box->checkState()});
            box->setChecked(tick);
        }
    }
    return [before] {
        for (const auto& [box, state] : before)
            box->setCheckState(state);
    };
}

void CharacterWindow::recordShown(qint64 key)
{
    m_rolls->followRecord(key);
    m_relationships->showCharacter(key);
}

void CharacterWindow::showWrittenElsewhere(const std::function<void()>& show)
{
    m_rolls->roll(tr("Keep"), boundControls(), show);
}

void CharacterWindow::addCharacter()
{
    newRecord([this] { drawCharacter(std::nullopt); }, editor(Attribute::Name));
}

void CharacterWindow::enableRecordButtons()
{
    const bool anyCharacter = recordCount() > 0;
    // Like Generate, which it rolls as.
    if (m_generateFromSeed)
        m_generateFromSeed->setEnabled(anyCharacter);
    for (QPushButton* button :
         {m_updateButton, m_generateButton, m_clipboardButton, m_deleteButton, m_printButton})
        button->setEnabled(anyCharacter);
}

void CharacterWindow::activate()
{
    const BusyPointer busy;
    // Coming back reads the characters again; an edit typed before leaving is kept first, and
    // one the database refused stays on screen instead.
    const bool saved = saveEdits();
    tileChildren();
    if (saved) {
        // Words added to the lists since are offered; the rows shown next set the boxes' texts.
        ListTableModels::refreshAll();
        setDataControls(this);
    }
    enableRecordButtons();
    showAlone();
}

void CharacterWindow::invertCheckBoxes()
{
    for (QCheckBox* box : controlsWithPrefix<QCheckBox>(this, QStringLiteral("chk")))
        box->setCheckState(box->checkState() == Qt::Unchecked ? Qt::Checked : Qt::Unchecked);
}

Report CharacterWindow::report() const
{
    Report report(windowTitle());
    for (const AttributeControls& entry : Attributes)
        report.addLabelled(tr(entry.key), BoundFieldDelegate::shownText(editor(entry.attribute)));
    return report;
}
