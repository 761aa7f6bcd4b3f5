#include "generators/NameChains.h"

#include "data/NameCultures.h"
#include "data/RandomRecord.h"
#include "shared/widgets/FatalError.h"
#include "shared/widgets/SeededGeneration.h"

QString NameChains::inventName(SeededGeneration::Roll& roll, const QString& culture)
{
    const QString firstNames = roll.firstNameList();
    const QString surnames = QStringLiteral("surnames");
    const NameChain* first = chainOf(firstNames, culture);
    const NameChain* last = first ? chainOf(surnames, culture) : nullptr;
    if (!last)
        return {};
    roll.noteList(firstNames);
    roll.noteList(surnames);
    const QString firstName = first->invent(roll.random());
    const QString surname = last->invent(roll.random());
    if (firstName.isEmpty() || surname.isEmpty())
        return {};
    return firstName + u' ' + surname;
}

const NameChain* NameChains::chainOf(const QString& table, const QString& culture)
{
    StoreError error;
    const std::optional<quint32> fingerprint = RandomRecord::fingerprint(table, &error);
    const QString key = table + u'\n' + culture;
    Learnt& learnt = m_learnt[key];
    if (fingerprint && learnt.chain && learnt.fingerprint == *fingerprint)
        return learnt.chain.get();
    QStringList names;
    if (!fingerprint || !NameCultures::names(table, culture, &names, &error) ||
        (names.isEmpty() && !NameCultures::names(table, {}, &names, &error))) {
        reportFatalError(error);
        m_learnt.erase(key);
        return nullptr;
    }
    learnt.fingerprint = *fingerprint;
    learnt.chain = std::make_unique<NameChain>(names);
    return learnt.chain.get();
}
