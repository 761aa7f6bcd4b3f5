#pragma once

#include <QList>
#include <QString>

#include <functional>

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
// A random value of a list table, as getRandomRecord gives it.
using WordSource = std::function<QString(const QString& table)>;

// Draws every ticked attribute, in draw order, the numbers and chances with random. The first
// name follows the gender drawn just before it, or shownGender (what the window shows) when the
// gender is not drawn. The language is drawn only with the country; height, weight and age are
// whole numbers as text.
QList<Drawn> draw(const IsTicked& ticked, const QString& shownGender, const WordSource& word,
                  Random& random);

} // namespace CharacterDraws
