#include "shared/widgets/ToolWindowCatalog.h"

#include <algorithm>
#include <iterator>

const QList<ToolWindowEntry>& ToolWindowCatalog::entries()
{
    static const QList<ToolWindowEntry> windows = {
        {"frmBrainstorm", "Create_Brainstorm", "&Brainstorm", "Ctrl+F1", 4, "Brainstorm"},
        {"frmFreeAss", "Create_Free", "&Free Association", "Ctrl+F2", 5, "Free Association"},
        {"frmPsycho", "Create_Psycho", "&PsychoStimulatron", "Ctrl+F3", 9, "Psychostimulatron"},
        {"frmSentence", "Create_Sentence", "&Sentence Generator", "Ctrl+F4", 3,
         "Sentence Generator"},
        {"frmNumberGenerator", "Create_Number", "&Number Generator", "Ctrl+F5", 2,
         "Number Generator"},
        {"frmCustom", "mnuCustomizaton", "&Customization", "Ctrl+F6", -1, {}},
        {"frmCharacter", "Char_Gen", "Character &Generator", "Ctrl+F7", 0, "Character Generator"},
        {"frmNameGenerator", "Char_Name", "&Name Generator", "Ctrl+F8", 1, "Name Generator"},
        {"frmStoryWizard", "Story_Wizard", "Story &Wizard", "Ctrl+Shift+W", 7, "Story Wizard"},
        {"frmCrystalBall", "Story_Ball", "&Crystal Ball", "Ctrl+Shift+B", 6, "Crystal Ball"},
        {"frmStoryandStage", "mnuStoryStage", "Story &and Stage", "Ctrl+Shift+T", 10,
         "Story and Stage"},
        {"frmPlot", "Story_Plot", "&Plot", "Ctrl+Shift+P", 8, "Plot Wizard"},
        {"frmScene", "mnu_scene", "&Scene Generator", "Ctrl+Shift+E", -1, {}},
        {"frmSprint", "mnuWritingSprint", "W&riting Sprint", "", -1, {}},
        {"frmPracticeLog", "mnuPracticeLog", "Practice &Log", "", -1, {}},
        {"frmCastMap", "mnuCastMap", "Cast &Map", "", -1, {}},
    };
    return windows;
}

QStringList ToolWindowCatalog::startCaptions()
{
    QList<ToolWindowEntry> choices;
    std::copy_if(entries().cbegin(), entries().cend(), std::back_inserter(choices),
                 [](const auto& entry) { return entry.startNumber >= 0; });
    std::sort(choices.begin(), choices.end(),
              [](const auto& a, const auto& b) { return a.startNumber < b.startNumber; });
    QStringList captions;
    for (const ToolWindowEntry& entry : std::as_const(choices))
        captions << entry.startCaption;
    return captions;
}

QString ToolWindowCatalog::startWindow(int number)
{
    const QList<ToolWindowEntry>& windows = entries();
    const auto found = std::find_if(windows.cbegin(), windows.cend(), [number](const auto& entry) {
        return number >= 0 && entry.startNumber == number;
    });
    return found != windows.cend() ? found->window : QString();
}
