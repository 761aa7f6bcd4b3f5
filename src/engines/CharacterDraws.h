#pragma once

#include <QList>
#include <QString>

#include <functional>
#include <optional>

class Random;

// The random part of a character, without any widget: which attributes are drawn, in which
// order, from which tables and with which weights. The window shows what comes back.
namespace CharacterDraws {

// The attributes, named like the controls that show them (txtName, cboGender, cboMental, ...).
enum class Attribute {
    Name,
    Gender,
    Hair,
    Eyes,
    Height,
    Weight,
    Age,
    Country,
    Language,
    Family,
    Education,
    Religion,
    Wealth,
    Job,
    Hobby,
    Interest,
    Mental,
    Materialism,
    Morality,
    Motivation,
    Intellect,
    Thrift,
};

struct Drawn
{
    Attribute attribute;
    QString value;
};

using IsTicked = std::function<bool(Attribute)>;
// What the window shows for an attribute, for those that are not drawn.
using Shown = std::function<QString(Attribute)>;
// A random value of a list table, as getRandomRecord gives it.
using WordSource = std::function<QString(const QString& table)>;

// Names that suit a character's country or language: the culture of a value of the country or
// languages list (empty when it has none), and a value of a list among those of a culture
// (nothing when the list has none). Without them, names come from the whole lists.
struct Cultures
{
    std::function<QString(const QString& table, const QString& value)> cultureOf;
    std::function<std::optional<QString>(const QString& table, const QString& culture)> wordOf;
};

// Draws every ticked attribute, in draw order, the numbers and chances with random. The first
// name follows the gender drawn just before it, or the one shown when the gender is not drawn.
// The language is drawn only with the country. Height, weight and age are whole numbers as
// text; the height and weight fit each other, the gender and the age (see BodyMeasures), and a
// shown height or weight that is not drawn is fitted around. The country and language are drawn
// before the name, whose first name and surname come from the culture of the country (drawn or
// shown), else of the language, where the lists have names of it.
QList<Drawn> draw(const IsTicked& ticked, const Shown& shown, const WordSource& word,
                  Random& random, const Cultures& cultures = {});

} // namespace CharacterDraws
