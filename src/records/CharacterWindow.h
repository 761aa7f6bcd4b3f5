#pragma once

#include "engines/CharacterDraws.h"
#include "records/RecordWindow.h"
#include "shared/widgets/FreshRolls.h"

#include <array>
#include <optional>
#include <QSet>

class QAction;
class QCheckBox;
class QGroupBox;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class QTimer;
class RelationshipList;
class Report;
class RollHistory;
class RollSeedFields;

// The character generator: stored characters with 22 attributes on four tabs, the writer's
// notes on a fifth and the character's relationships on a sixth, stepped through, edited by
// hand, and filled at random wherever a generate box is ticked.
class CharacterWindow : public RecordWindow
{
    Q_OBJECT

public:
    explicit CharacterWindow(QWidget* parent = nullptr);

    void activate() override;

protected:
    void rowsChanged() override { enableRecordButtons(); }
    void recordShown(qint64 key) override;
    void showWrittenElsewhere(const std::function<void()>& show) override;

private:
    static const int AttributeCount = 22;

    void createTabs();
    void createButtons();
    void createAttributeControls();
    void createNotesTab();
    void createRelationshipsTab();
    void arrangeControls();
    void connectControls();

    // Fills every attribute whose generate box is not unchecked, all from the seed, and keeps
    // the seed with the boxes left alone; saving is Update's.
    // Draws the ticked attributes from the seed, or, with none, from fresh seeds until the name
    // drawn is neither held by a character nor given here before (while such names are found).
    void drawCharacter(std::optional<quint32> seed);
    // Whether a drawn name may not be given: held by a character, or given here before.
    bool isNameTaken(const QString& name) const;
    // Generate: draws as one step that Undo takes back.
    void rollCharacter(std::optional<quint32> seed);
    // Ticks the generate boxes as they were for a roll that left the locked ones alone; gives
    // back what puts them as they are now.
    std::function<void()> restoreLocks(const QStringList& locked);
    void addCharacter();
    // Enables the buttons that need a character only while there is one.
    void enableRecordButtons();
    // Inverts every check box of the window, the timer's too.
    void invertCheckBoxes();
    // Every attribute as "Key: text", from the psychology tab to the personal tab.
    Report report() const;

    QWidget* editor(CharacterDraws::Attribute attribute) const
    {
        return m_editors[size_t(attribute)];
    }

    QTabWidget* m_tabs = nullptr;
    std::array<QGroupBox*, 4> m_frames = {};
    // By attribute: the text box or combo box, and its generate box.
    std::array<QWidget*, AttributeCount> m_editors = {};
    std::array<QCheckBox*, AttributeCount> m_generateBoxes = {};
    QPlainTextEdit* m_notes = nullptr;
    RelationshipList* m_relationships = nullptr;

    QPushButton* m_newButton = nullptr;
    QPushButton* m_generateButton = nullptr;
    QPushButton* m_updateButton = nullptr;
    QPushButton* m_deleteButton = nullptr;
    QPushButton* m_printButton = nullptr;
    QPushButton* m_clipboardButton = nullptr;
    QPushButton* m_checkOnOffButton = nullptr;
    QPushButton* m_closeButton = nullptr;
    QCheckBox* m_timerBox = nullptr;
    QTimer* m_timer = nullptr;
    RollHistory* m_rolls = nullptr;
    RollSeedFields* m_rollSeed = nullptr;
    QAction* m_generateFromSeed = nullptr;
    QSet<QString> m_givenNames; // case-folded
    FreshRolls m_freshRolls{200, tr("Every name the lists give is held by a character "
                                    "or given here already, so names may repeat from "
                                    "now on.")};
};
