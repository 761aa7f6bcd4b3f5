#include "engines/CharacterDraws.h"

#include "engines/BodyMeasures.h"
#include "engines/Random.h"

#include <utility>

namespace CharacterDraws {

namespace {

// Out of 100 characters, this many come from abroad and this many have a condition.
const int ForeignPercent = 12;
const int ConditionPercent = 10;

const QString Domestic = QStringLiteral("United States");
const QString DomesticLanguage = QStringLiteral("English");
const QString NoCondition = QStringLiteral("Normal");

// A shown number the draws can fit around: a whole number, blanks around it allowed.
std::optional<int> shownNumber(const QString& text)
{
    bool whole = false;
    const int value = text.trimmed().toInt(&whole);
    return whole && value > 0 ? std::optional(value) : std::nullopt;
}

} // namespace

QList<Drawn> draw(const IsTicked& ticked, const Shown& shown, const WordSource& word,
                  Random& random, const Cultures& cultures)
{
    QList<Drawn> drawn;
    const auto fromTable = [&](Attribute attribute, const QString& table) {
        if (ticked(attribute))
            drawn.append({attribute, word(table)});
    };
    const auto fromTables = [&](std::initializer_list<std::pair<Attribute, QString>> tables) {
        for (const auto& [attribute, table] : tables)
            fromTable(attribute, table);
    };

    QString gender = shown(Attribute::Gender);
    if (ticked(Attribute::Gender)) {
        gender = word(QStringLiteral("gender"));
        drawn.append({Attribute::Gender, gender});
    }
    fromTables(
        {{Attribute::Hair, QStringLiteral("hair")}, {Attribute::Eyes, QStringLiteral("eyes")}});
    // The country and language before the name, which suits them; listed in their own place.
    QList<Drawn> origin;
    if (ticked(Attribute::Country)) {
        if (random.number(100) <= ForeignPercent) {
            origin.append({Attribute::Country, word(QStringLiteral("country"))});
            if (ticked(Attribute::Language))
                origin.append({Attribute::Language, word(QStringLiteral("languages"))});
        } else {
            origin.append({Attribute::Country, Domestic});
            origin.append({Attribute::Language, DomesticLanguage});
        }
    }
    if (ticked(Attribute::Name)) {
        const auto originOf = [&](Attribute attribute) {
            for (const Drawn& value : std::as_const(origin))
                if (value.attribute == attribute)
                    return value.value;
            return shown(attribute);
        };
        QString culture;
        if (cultures.cultureOf) {
            culture = cultures.cultureOf(QStringLiteral("country"), originOf(Attribute::Country));
            if (culture.isEmpty())
                culture =
                    cultures.cultureOf(QStringLiteral("languages"), originOf(Attribute::Language));
        }
        const auto name = [&](const QString& table) {
            std::optional<QString> suited;
            if (!culture.isEmpty() && cultures.wordOf)
                suited = cultures.wordOf(table, culture);
            return suited ? *suited : word(table);
        };
        // Only the exact text "Male" picks a male name; anything else, even "male", does not.
        const QString first = name(gender == QLatin1String("Male") ? QStringLiteral("maleName")
                                                                   : QStringLiteral("femaleName"));
        drawn.append({Attribute::Name, first + u' ' + name(QStringLiteral("surnames"))});
    }
    // The age first: the height and weight fit it.
    const std::optional<int> age = ticked(Attribute::Age) ? std::optional(random.inRange(15, 120))
                                                          : shownNumber(shown(Attribute::Age));
    if (ticked(Attribute::Height) || ticked(Attribute::Weight)) {
        const auto kept = [&](Attribute attribute) {
            return ticked(attribute) ? std::nullopt : shownNumber(shown(attribute));
        };
        const BodyMeasures::Body body = BodyMeasures::draw(gender, age, kept(Attribute::Height),
                                                           kept(Attribute::Weight), random);
        if (ticked(Attribute::Height))
            drawn.append({Attribute::Height, QString::number(body.height)});
        if (ticked(Attribute::Weight))
            drawn.append({Attribute::Weight, QString::number(body.weight)});
    }
    if (ticked(Attribute::Age))
        drawn.append({Attribute::Age, QString::number(*age)});
    drawn.append(origin);
    fromTables({{Attribute::Family, QStringLiteral("family")},
                {Attribute::Education, QStringLiteral("education")},
                {Attribute::Religion, QStringLiteral("Religion")},
                {Attribute::Wealth, QStringLiteral("wealth")},
                {Attribute::Job, QStringLiteral("occupation")},
                {Attribute::Hobby, QStringLiteral("hobbies")},
                {Attribute::Interest, QStringLiteral("interests")}});
    if (ticked(Attribute::Mental)) {
        const bool condition = random.number(100) <= ConditionPercent;
        drawn.append({Attribute::Mental, condition ? word(QStringLiteral("mental")) : NoCondition});
    }
    fromTables({{Attribute::Materialism, QStringLiteral("materialism")},
                {Attribute::Morality, QStringLiteral("morality")},
                {Attribute::Motivation, QStringLiteral("motivation")},
                {Attribute::Intellect, QStringLiteral("intellect")},
                {Attribute::Thrift, QStringLiteral("thrift")}});
    return drawn;
}

} // namespace CharacterDraws
