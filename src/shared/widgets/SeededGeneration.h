#pragma once

#include "data/RandomRecord.h"
#include "engines/CharacterDraws.h"
#include "engines/Random.h"
#include "engines/SentencePattern.h"

#include <functional>
#include <optional>
#include <QMap>
#include <QString>
#include <Qt>
#include <QtGlobal>

class QAction;
class QListWidget;
class QListWidgetItem;
class QObject;
class QWidget;

// Each Generate rolls every draw from a seed of its own, drawn from the run's generator, and the
// result keeps that seed with a fingerprint of each list the roll drew from: the same seed on the
// same lists and settings gives the same result again, through "Generate from Seed…", and a
// replay after a list has changed says so first.
namespace SeededGeneration {

// Where a result line keeps its seed and the fingerprints of its lists.
inline constexpr int SeedRole = Qt::UserRole + 8;
inline constexpr int ListsRole = Qt::UserRole + 9;

// One roll: a generator seeded for one generation that notes the lists it draws from.
class Roll
{
public:
    explicit Roll(quint32 seed) : m_seed(seed), m_random(seed) {}
    Q_DISABLE_COPY_MOVE(Roll)

    quint32 seed() const { return m_seed; }
    Random& random() { return m_random; }
    // A random value of the list table, as getRandomRecordFrom gives it, noting the table.
    QString word(const QString& table);
    // The same among the rows that fit the filter; nothing when a filter lets no row through.
    std::optional<QString> word(const QString& table, const RandomRecord::Filter& filter);
    // The same as a word source for the engines (the roll must outlive it).
    std::function<QString(const QString&)> words();
    // The same as a word source for sentence patterns: a verb in the frame its place asks for.
    SentencePattern::WordSource sentenceWords();
    // Names of a culture for the character draws: a country's or language's culture as the
    // lists give it, and names of that culture drawn with this roll.
    CharacterDraws::Cultures nameCultures();
    // A name of the list of the culture, or, with no culture or none of it listed, of any.
    QString nameOf(const QString& table, const QString& culture);
    // The list a first name of either sex comes from: "maleName" or "femaleName".
    QString firstNameList();
    // Notes a list the roll chose from otherwise (a window's list of patterns, say).
    void noteList(const QString& table);
    // The fingerprints of the lists drawn from, as they are now, written as lists() text.
    QString lists() const;

private:
    quint32 m_seed;
    Random m_random;
    QStringList m_tables;
};

// A fresh seed for one generation, as random as the run's generator.
quint32 drawSeed();
// Marks a result line with the roll it came from, in its data and its tooltip.
void markLine(QListWidgetItem* line, const Roll& roll);
// A seed as typed: a whole number from 0 to 4294967295, blanks around it allowed.
std::optional<quint32> readSeed(const QString& text);
// The lists of a lists() text whose fingerprint differs now, by name; a list gone counts.
QStringList changedLists(const QString& lists);
// Before a replay from a seed whose lists are known: when any has changed, tells which and asks
// whether to roll anyway. True to go on.
bool mayReplay(const QString& lists);
// Asks for a seed, offering the given one, and tells a bad one; nothing when cancelled or bad.
std::optional<quint32> askSeed(std::optional<quint32> offered);
// Marks a control that shows one rolled result at a time (a prompt word, a piece of advice) with
// the roll of the result it shows: its tooltip, and the seed and lists it keeps for a replay.
void markShown(QWidget* control, const Roll& roll);
// The control shows no rolled result any more.
void clearShown(QWidget* control);
// "Generate from Seed…" for a control marked by markShown, as the results list's command does
// for its current line; the caller puts it in a menu.
QAction* generateFromSeedOf(QWidget* control, std::function<void(quint32)> generate);
// The "Generate from Seed…" command, for a menu; its triggering is the caller's.
QAction* generateFromSeedAction(QObject* parent);
// Adds "Generate from Seed…" to the results list's menu: it asks for a seed, offering the current
// line's, and hands a valid one to generate; a bad one is told and nothing is generated. Rolling
// the current line's own seed again after its lists changed is asked first.
void addGenerateFromSeed(QListWidget* results, std::function<void(quint32)> generate);

} // namespace SeededGeneration
