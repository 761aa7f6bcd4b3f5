#include "app/MenuLayout.h"

const QList<MenuDefinition>& mainMenus()
{
    static const QList<MenuDefinition> menus = {
        {"Create_Main",
         "C&reative",
         {"Create_Brainstorm", "Create_Free", "Create_Psycho", "", "Create_Sentence",
          "Create_Number", "", "mnuCustomizaton", "", "MNU_Exit", "", "mnuWritingSprint",
          "mnuPracticeLog"}},
        {"Char_Main", "&Character", {"Char_Gen", "Char_Name"}},
        {"Story_Main",
         "&Story",
         {"Story_Wizard", "Story_Ball", "mnuStoryStage", "", "Story_Plot", "mnu_scene", "",
          "mnuCastMap"}},
        {"Window_Main", "&Window", {"Window_Cascade", "Window_Tile", "Window_Arrange"}},
        {"Help_Main",
         "&Help",
         {"Help_How_To", "Help_CBT", "mnuCorvaneWeb", "", "Help_About", "",
          "mnu_personal_message"}},
    };
    return menus;
}

const QList<ToolbarButton>& toolbarButtons()
{
    static const QList<ToolbarButton> buttons = {
        {"cmdBrainStorm", "Brainstorm", "Create_Brainstorm"},
        {"cmdFreeAss", "Free Association", "Create_Free"},
        {"cmdPsycho", "PsychoStimulatron", "Create_Psycho", true},
        {"cmdSentence", "Sentence Generator", "Create_Sentence"},
        {"cmdCharGen", "Character Generator", "Char_Gen"},
        {"cmdNumber", "Number Generator", "Create_Number", true},
        {"cmdStoryWizard", "Story Wizard", "Story_Wizard"},
        {"cmdCrystal", "Crystal Ball", "Story_Ball"},
        {"cmdPlot", "Plot Assistant", "Story_Plot"},
        {"cmdScene", "Scene Generator", "mnu_scene", true},
        {"cmdHelp", "Program Help", "Help_How_To"},
        {"cmdCBT", "Writer's Reference", "Help_CBT", true},
        {"cmdExit", "Exit Application", "MNU_Exit"},
    };
    return buttons;
}
