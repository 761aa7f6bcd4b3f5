#include "app/ToolCatalog.h"

#include "customization/CustomizationWindow.h"
#include "generators/NameGeneratorWindow.h"
#include "generators/NumberGeneratorWindow.h"
#include "generators/SentenceWindow.h"
#include "inspiration/BrainstormWindow.h"
#include "inspiration/CrystalBallWindow.h"
#include "inspiration/FreeAssociationWindow.h"
#include "inspiration/PsychoStimulatronWindow.h"
#include "inspiration/StoryWizardWindow.h"
#include "practice/PracticeLogWindow.h"
#include "practice/SprintWindow.h"
#include "records/CastMapWindow.h"
#include "records/CharacterWindow.h"
#include "records/PlotWindow.h"
#include "records/SceneWindow.h"
#include "records/StoryAndStageWindow.h"

#include <QHash>

namespace {

QHash<QString, ToolCatalog::Factory>& factories()
{
    // Each tool window adds its line here as it joins the program.
    static QHash<QString, ToolCatalog::Factory> table = {
        {QStringLiteral("frmSentence"), [] { return new SentenceWindow; }},
        {QStringLiteral("frmNameGenerator"), [] { return new NameGeneratorWindow; }},
        {QStringLiteral("frmNumberGenerator"), [] { return new NumberGeneratorWindow; }},
        {QStringLiteral("frmCharacter"), [] { return new CharacterWindow; }},
        {QStringLiteral("frmPlot"), [] { return new PlotWindow; }},
        {QStringLiteral("frmScene"), [] { return new SceneWindow; }},
        {QStringLiteral("frmStoryandStage"), [] { return new StoryAndStageWindow; }},
        {QStringLiteral("frmBrainstorm"), [] { return new BrainstormWindow; }},
        {QStringLiteral("frmFreeAss"), [] { return new FreeAssociationWindow; }},
        {QStringLiteral("frmCrystalBall"), [] { return new CrystalBallWindow; }},
        {QStringLiteral("frmStoryWizard"), [] { return new StoryWizardWindow; }},
        {QStringLiteral("frmPsycho"), [] { return new PsychoStimulatronWindow; }},
        {QStringLiteral("frmCustom"), [] { return new CustomizationWindow; }},
        {QStringLiteral("frmSprint"), [] { return new SprintWindow; }},
        {QStringLiteral("frmPracticeLog"), [] { return new PracticeLogWindow; }},
        {QStringLiteral("frmCastMap"), [] { return new CastMapWindow; }},
    };
    return table;
}

} // namespace

ToolCatalog::Factory ToolCatalog::factory(const QString& windowName)
{
    return factories().value(windowName);
}

bool ToolCatalog::isAvailable(const QString& windowName)
{
    return bool(factory(windowName));
}

QStringList ToolCatalog::windowNames()
{
    QStringList names = factories().keys();
    names.sort();
    return names;
}

void ToolCatalog::setFactory(const QString& windowName, Factory factory)
{
    if (factory)
        factories().insert(windowName, std::move(factory));
    else
        factories().remove(windowName);
}
