#include "app/MenuLayout.h"

const QList<MenuDefinition>& mainMenus()
{
    static const QList<MenuDefinition> menus = {
        {"Create_Main",
         "C&reative",
         {
             {"Create_Brainstorm", "&Brainstorm", "Ctrl+F1", "frmBrainstorm"},
             {"Create_Free", "&Free Association", "Ctrl+F2", "frmFreeAss"},
             {"Create_Psycho", "&PsychoStimulatron", "Ctrl+F3", "frmPsycho"},
             {},
             {"Create_Sentence", "&Sentence Generator", "Ctrl+F4", "frmSentence"},
             {"Create_Number", "&Number Generator", "Ctrl+F5", "frmNumberGenerator"},
             {},
             {"mnuCustomizaton", "&Customization", "Ctrl+F6", "frmCustom"},
             {},
             {"MNU_Exit", "E&xit", "", ""},
         }},
        {"Char_Main",
         "&Character",
         {
             {"Char_Gen", "Character &Generator", "Ctrl+F7", "frmCharacter"},
             {"Char_Name", "&Name Generator", "Ctrl+F8", "frmNameGenerator"},
         }},
        {"Story_Main",
         "&Story",
         {
             {"Story_Wizard", "Story &Wizard", "", "frmStoryWizard"},
             {"Story_Ball", "&Crystal Ball", "", "frmCrystalBall"},
             {"mnuStoryStage", "Story and Stage", "", "frmStoryandStage"},
             {},
             {"Story_Plot", "&Plot", "", "frmPlot"},
             {"mnu_scene", "&Scene Generator", "", "frmScene"},
         }},
        {"Window_Main",
         "&Window",
         {
             {"Window_Cascade", "&Cascade", "Shift+F4", ""},
             {"Window_Tile", "&Tile", "Shift+F5", ""},
             {"Window_Arrange", "&Arrange Icons", "Shift+F6", ""},
         }},
        {"Help_Main",
         "&Help",
         {
             {"Help_How_To", "How to Use This Program", "", ""},
             {"Help_CBT", "Writing Reference", "", ""},
             {"mnuCorvaneWeb", "Corvane on the Web", "", ""},
             {},
             {"Help_About", "About the Quillane", "", ""},
             {},
             {"mnu_personal_message", "Personal Message", "Ctrl+M", ""},
         }},
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

QString startWindowName(int startForm)
{
    // Numbered as the start-window choices of the customization window.
    static const QStringList windows = {
        "frmCharacter",  "frmNameGenerator", "frmNumberGenerator", "frmSentence",
        "frmBrainstorm", "frmFreeAss",       "frmCrystalBall",     "frmStoryWizard",
        "frmPlot",       "frmPsycho",        "frmStoryandStage",
    };
    return startForm >= 0 && startForm < windows.size() ? windows.at(startForm) : QString();
}
