#include "app/ToolCatalog.h"

#include "generators/frmNameGenerator.h"
#include "generators/frmNumberGenerator.h"
#include "generators/frmSentence.h"
#include "inspiration/BrainstormWindow.h"
#include "inspiration/CrystalBallWindow.h"
#include "inspiration/FreeAssociationWindow.h"
#include "inspiration/PsychoStimulatronWindow.h"
#include "inspiration/StoryWizardWindow.h"
#include "records/frmCharacter.h"
#include "records/frmPlot.h"
#include "records/frmScene.h"

#include <QHash>

namespace {

QHash<QString, ToolCatalog::Factory>& factories()
{
    // Each tool window adds its line here as it joins the program.
    static QHash<QString, ToolCatalog::Factory> table = {
        {QStringLiteral("frmSentence"), [] { return new frmSentence; }},
        {QStringLiteral("frmNameGenerator"), [] { return new frmNameGenerator; }},
        {QStringLiteral("frmNumberGenerator"), [] { return new frmNumberGenerator; }},
        {QStringLiteral("frmCharacter"), [] { return new frmCharacter; }},
        {QStringLiteral("frmPlot"), [] { return new frmPlot; }},
        {QStringLiteral("frmScene"), [] { return new frmScene; }},
        {QStringLiteral("frmBrainstorm"), [] { return new BrainstormWindow; }},
        {QStringLiteral("frmFreeAss"), [] { return new FreeAssociationWindow; }},
        {QStringLiteral("frmCrystalBall"), [] { return new CrystalBallWindow; }},
        {QStringLiteral("frmStoryWizard"), [] { return new StoryWizardWindow; }},
        {QStringLiteral("frmPsycho"), [] { return new PsychoStimulatronWindow; }},
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
