#include "shared/widgets/ToolWindowCatalog.h"

#include <QCoreApplication>

#include <algorithm>
#include <iterator>

const QList<ToolWindowEntry>& ToolWindowCatalog::entries()
{
    static const QList<ToolWindowEntry> windows = {
        {"frmBrainstorm", "Create_Brainstorm",
         QT_TRANSLATE_NOOP("ToolWindowCatalog", "&Brainstorm"), "Ctrl+F1", 4,
         QT_TRANSLATE_NOOP("ToolWindowCatalog", "Brainstorm")},
        {"frmFreeAss", "Create_Free", QT_TRANSLATE_NOOP("ToolWindowCatalog", "&Free Association"),
         "Ctrl+F2", 5, QT_TRANSLATE_NOOP("ToolWindowCatalog", "Free Association")},
        {"frmPsycho", "Create_Psycho", QT_TRANSLATE_NOOP("ToolWindowCatalog", "&PsychoStimulatron"),
         "Ctrl+F3", 9, QT_TRANSLATE_NOOP("ToolWindowCatalog", "Psychostimulatron")},
        {"frmSentence", "Create_Sentence",
         QT_TRANSLATE_NOOP("ToolWindowCatalog", "&Sentence Generator"), "Ctrl+F4", 3,
         QT_TRANSLATE_NOOP("ToolWindowCatalog", "Sentence Generator")},
        {"frmNumberGenerator", "Create_Number",
         QT_TRANSLATE_NOOP("ToolWindowCatalog", "&Number Generator"), "Ctrl+F5", 2,
         QT_TRANSLATE_NOOP("ToolWindowCatalog", "Number Generator")},
        {"frmCustom",
         "mnuCustomizaton",
         QT_TRANSLATE_NOOP("ToolWindowCatalog", "&Customization"),
         "Ctrl+F6",
         -1,
         {}},
        {"frmCharacter", "Char_Gen", QT_TRANSLATE_NOOP("ToolWindowCatalog", "Character &Generator"),
         "Ctrl+F7", 0, QT_TRANSLATE_NOOP("ToolWindowCatalog", "Character Generator")},
        {"frmNameGenerator", "Char_Name", QT_TRANSLATE_NOOP("ToolWindowCatalog", "&Name Generator"),
         "Ctrl+F8", 1, QT_TRANSLATE_NOOP("ToolWindowCatalog", "Name Generator")},
        {"frmStoryWizard", "Story_Wizard", QT_TRANSLATE_NOOP("ToolWindowCatalog", "Story &Wizard"),
         "Ctrl+Shift+W", 7, QT_TRANSLATE_NOOP("ToolWindowCatalog", "Story Wizard")},
        {"frmCrystalBall", "Story_Ball", QT_TRANSLATE_NOOP("ToolWindowCatalog", "&Crystal Ball"),
         "Ctrl+Shift+B", 6, QT_TRANSLATE_NOOP("ToolWindowCatalog", "Crystal Ball")},
        {"frmStoryandStage", "mnuStoryStage",
         QT_TRANSLATE_NOOP("ToolWindowCatalog", "Story &and Stage"), "Ctrl+Shift+T", 10,
         QT_TRANSLATE_NOOP("ToolWindowCatalog", "Story and Stage")},
        {"frmPlot", "Story_Plot", QT_TRANSLATE_NOOP("ToolWindowCatalog", "&Plot"), "Ctrl+Shift+P",
         8, QT_TRANSLATE_NOOP("ToolWindowCatalog", "Plot Wizard")},
        {"frmScene",
         "mnu_scene",
         QT_TRANSLATE_NOOP("ToolWindowCatalog", "&Scene Generator"),
         "Ctrl+Shift+E",
         -1,
         {}},
        {"frmSprint",
         "mnuWritingSprint",
         QT_TRANSLATE_NOOP("ToolWindowCatalog", "W&riting Sprint"),
         "",
         -1,
         {}},
        {"frmPracticeLog",
         "mnuPracticeLog",
         QT_TRANSLATE_NOOP("ToolWindowCatalog", "Practice &Log"),
         "",
         -1,
         {}},
        {"frmCastMap",
         "mnuCastMap",
         QT_TRANSLATE_NOOP("ToolWindowCatalog", "Cast &Map"),
         "",
         -1,
         {}},
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
        captions << shown(entry.startCaption);
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

QString ToolWindowCatalog::shown(const QString& caption)
{
    return QCoreApplication::translate("ToolWindowCatalog", caption.toUtf8().constData());
}
