#include "app/MenuLayout.h"

#include <QCoreApplication>

const QList<MenuDefinition>& mainMenus()
{
    static const QList<MenuDefinition> menus = {
        {"Create_Main",
         QT_TRANSLATE_NOOP("MenuLayout", "C&reative"),
         {"Create_Brainstorm", "Create_Free", "Create_Psycho", "", "Create_Sentence",
          "Create_Number", "", "mnuCustomizaton", "", "MNU_Exit", "", "mnuWritingSprint",
          "mnuPracticeLog"}},
        {"Char_Main", QT_TRANSLATE_NOOP("MenuLayout", "&Character"), {"Char_Gen", "Char_Name"}},
        {"Story_Main",
         QT_TRANSLATE_NOOP("MenuLayout", "&Story"),
         {"Story_Wizard", "Story_Ball", "mnuStoryStage", "", "Story_Plot", "mnu_scene", "",
          "mnuCastMap"}},
        {"Window_Main",
         QT_TRANSLATE_NOOP("MenuLayout", "&Window"),
         {"Window_Cascade", "Window_Tile", "Window_Arrange"}},
        {"Help_Main",
         QT_TRANSLATE_NOOP("MenuLayout", "&Help"),
         {"Help_How_To", "Help_CBT", "mnuCorvaneWeb", "", "Help_About", "",
          "mnu_personal_message"}},
    };
    return menus;
}

const QList<ToolbarButton>& toolbarButtons()
{
    static const QList<ToolbarButton> buttons = {
        {"cmdBrainStorm", QT_TRANSLATE_NOOP("MenuLayout", "Brainstorm"), "Create_Brainstorm"},
        {"cmdFreeAss", QT_TRANSLATE_NOOP("MenuLayout", "Free Association"), "Create_Free"},
        {"cmdPsycho", QT_TRANSLATE_NOOP("MenuLayout", "PsychoStimulatron"), "Create_Psycho", true},
        {"cmdSentence", QT_TRANSLATE_NOOP("MenuLayout", "Sentence Generator"), "Create_Sentence"},
        {"cmdCharGen", QT_TRANSLATE_NOOP("MenuLayout", "Character Generator"), "Char_Gen"},
        {"cmdNumber", QT_TRANSLATE_NOOP("MenuLayout", "Number Generator"), "Create_Number", true},
        {"cmdStoryWizard", QT_TRANSLATE_NOOP("MenuLayout", "Story Wizard"), "Story_Wizard"},
        {"cmdCrystal", QT_TRANSLATE_NOOP("MenuLayout", "Crystal Ball"), "Story_Ball"},
        {"cmdPlot", QT_TRANSLATE_NOOP("MenuLayout", "Plot Assistant"), "Story_Plot"},
        {"cmdScene", QT_TRANSLATE_NOOP("MenuLayout", "Scene Generator"), "mnu_scene", true},
        {"cmdHelp", QT_TRANSLATE_NOOP("MenuLayout", "Program Help"), "Help_How_To"},
        {"cmdCBT", QT_TRANSLATE_NOOP("MenuLayout", "Writer's Reference"), "Help_CBT", true},
        {"cmdExit", QT_TRANSLATE_NOOP("MenuLayout", "Exit Application"), "MNU_Exit"},
    };
    return buttons;
}

QString menuCaption(const QString& caption)
{
    return QCoreApplication::translate("MenuLayout", caption.toUtf8().constData());
}
