#include "shared/widgets/SeededGeneration.h"

#include "data/NameCultures.h"
#include "data/RandomRecord.h"
#include "shared/desktop/Desktop.h"
#include "shared/widgets/FatalError.h"
#include "shared/widgets/RandomListValue.h"
#include "shared/widgets/ResultKeeping.h"
#include "shared/widgets/RunRandom.h"
#include "shared/widgets/SentenceWords.h"

#include <QAction>
#include <QCoreApplication>
#include <QListWidget>

#include <algorithm>
#include <limits>

namespace {

struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(SeededGeneration)
};

QString title()
{
    return Texts::tr("Generate from Seed");
}

// A list's fingerprint as the lists() text writes it, or "-" when it cannot be read.
QString fingerprintText(const QString& table)
{
    const std::optional<quint32> print = RandomRecord::fingerprint(table, nullptr);
    return print ? QStringLiteral("%1").arg(*print, 8, 16, QChar(u'0')) : QStringLiteral("-");
}

QString seedTip(quint32 seed)
{
    return Texts::tr("Seed %1").arg(seed);
}

// Where a control marked by markShown keeps the seed and lists of the result it shows.
constexpr char ShownSeedProperty[] = "rolledSeed";
constexpr char ShownListsProperty[] = "rolledLists";

// What a replay starts from: the seed of the result on view, if any, and the lists it drew from.
struct Origin
{
    std::optional<quint32> seed;
    QString lists;
};

Origin originOf(const QVariant& seed, const QVariant& lists)
{
    if (!seed.isValid())
        return {};
    return {seed.value<quint32>(), lists.toString()};
}

// Asks for a seed, offering the origin's, and hands it to generate; rolling the origin's own seed
// again after its lists changed is asked first.
QAction* newGenerateFromSeed(QObject* parent, std::function<Origin()> origin,
                             std::function<void(quint32)> generate)
{
    QAction* action = SeededGeneration::generateFromSeedAction(parent);
    QObject::connect(action, &QAction::triggered, parent,
                     [origin = std::move(origin), generate = std::move(generate)] {
                         const Origin own = origin();
                         const std::optional<quint32> seed = SeededGeneration::askSeed(own.seed);
                         if (seed && (seed != own.seed || SeededGeneration::mayReplay(own.lists)))
                             generate(*seed);
                     });
    return action;
}

// The rows of a name list of the culture.
RandomRecord::Filter cultureFilter(const QString& culture)
{
    return {NameCultures::Field, {culture}};
}

} // namespace

QString SeededGeneration::Roll::word(const QString& table)
{
    noteList(table);
    return getRandomRecordFrom(table, m_random);
}

std::optional<QString> SeededGeneration::Roll::word(const QString& table,
                                                    const RandomRecord::Filter& filter)
{
    noteList(table);
    return getRandomRecordFrom(table, filter, m_random);
}

std::function<QString(const QString&)> SeededGeneration::Roll::words()
{
    return [this](const QString& table) { return word(table); };
}

SentencePattern::WordSource SeededGeneration::Roll::sentenceWords()
{
    return [this](const SentencePattern::WordRequest& request) {
        return word(request.table, SentenceWords::filterOf(request));
    };
}

CharacterDraws::Cultures SeededGeneration::Roll::nameCultures()
{
    return {[this](const QString& table, const QString& value) {
                QString culture;
                StoreError error;
                if (!NameCultures::cultureOf(table, value, &culture, &error))
                    reportFatalError(error);
                noteList(table);
                return culture;
            },
            [this](const QString& table, const QString& culture) {
                return word(table, cultureFilter(culture));
            }};
}

QString SeededGeneration::Roll::nameOf(const QString& table, const QString& culture)
{
    const std::optional<QString> name =
        culture.isEmpty() ? std::nullopt : word(table, cultureFilter(culture));
    return name ? *name : word(table);
}

QString SeededGeneration::Roll::firstNameList()
{
    // Male and female names equally often, as the name generator always drew them.
    return m_random.inRange(1, 100) > 50 ? QStringLiteral("maleName")
                                         : QStringLiteral("femaleName");
}

void SeededGeneration::Roll::noteList(const QString& table)
{
    if (!m_tables.contains(table, Qt::CaseInsensitive))
        m_tables << table;
}

QString SeededGeneration::Roll::lists() const
{
    // One list a line, its name then its fingerprint: a name may hold blanks but not a line break.
    QStringList sorted = m_tables;
    sorted.sort(Qt::CaseInsensitive);
    QStringList lines;
    for (const QString& table : std::as_const(sorted))
        lines << table + u' ' + fingerprintText(table);
    return lines.join(u'\n');
}

quint32 SeededGeneration::drawSeed()
{
    return runRandom().generator().generate();
}

void SeededGeneration::markLine(QListWidgetItem* line, const Roll& roll)
{
    line->setData(SeedRole, roll.seed());
    line->setData(ListsRole, roll.lists());
    line->setToolTip(seedTip(roll.seed()));
}

void SeededGeneration::markShown(QWidget* control, const Roll& roll)
{
    control->setProperty(ShownSeedProperty, roll.seed());
    control->setProperty(ShownListsProperty, roll.lists());
    control->setToolTip(seedTip(roll.seed()));
}

void SeededGeneration::clearShown(QWidget* control)
{
    control->setProperty(ShownSeedProperty, QVariant());
    control->setProperty(ShownListsProperty, QVariant());
    control->setToolTip(QString());
}

QAction* SeededGeneration::generateFromSeedOf(QWidget* control,
                                              std::function<void(quint32)> generate)
{
    return newGenerateFromSeed(
        control,
        [control] {
            return originOf(control->property(ShownSeedProperty),
                            control->property(ShownListsProperty));
        },
        std::move(generate));
}

std::optional<quint32> SeededGeneration::readSeed(const QString& text)
{
    const QString digits = text.trimmed();
    // Only plain digits: no sign, no other script's digits, nothing a conversion would forgive.
    const bool plain =
        !digits.isEmpty() && digits.size() <= 10 &&
        std::all_of(digits.cbegin(), digits.cend(), [](QChar c) { return c >= u'0' && c <= u'9'; });
    const qulonglong value = plain ? digits.toULongLong() : 0;
    if (!plain || value > std::numeric_limits<quint32>::max())
        return std::nullopt;
    return quint32(value);
}

QStringList SeededGeneration::changedLists(const QString& lists)
{
    QStringList changed;
    for (const QString& line : lists.split(u'\n', Qt::SkipEmptyParts)) {
        const qsizetype blank = line.lastIndexOf(u' ');
        const QString table = line.left(blank);
        if (blank <= 0 || fingerprintText(table) != line.mid(blank + 1))
            changed << table;
    }
    return changed;
}

bool SeededGeneration::mayReplay(const QString& lists)
{
    const QStringList changed = changedLists(lists);
    if (changed.isEmpty())
        return true;
    return desktop().messageBox(
               Texts::tr("The lists this seed drew from have changed since: %1.  The same "
                         "seed may give another result.  Generate anyway?")
                   .arg(changed.join(QStringLiteral(", "))),
               title(), MessageIcon::Exclamation, MessageButtons::YesNo) == MessageAnswer::Yes;
}

std::optional<quint32> SeededGeneration::askSeed(std::optional<quint32> offered)
{
    const QString typed =
        desktop().inputBox(Texts::tr("Generate once more from the seed:"), title(),
                           offered ? QString::number(*offered) : QString());
    if (typed.trimmed().isEmpty())
        return std::nullopt; // cancelled
    const std::optional<quint32> seed = readSeed(typed);
    if (!seed)
        desktop().messageBox(
            Texts::tr("%1 is not a seed.  A seed is a whole number from 0 to 4294967295.")
                .arg(typed.trimmed()),
            title(), MessageIcon::Information, MessageButtons::Ok);
    return seed;
}

QAction* SeededGeneration::generateFromSeedAction(QObject* parent)
{
    auto* action = new QAction(Texts::tr("&Generate from Seed…"), parent);
    action->setObjectName(QStringLiteral("actGenerateFromSeed"));
    return action;
}

void SeededGeneration::addGenerateFromSeed(QListWidget* results,
                                           std::function<void(quint32)> generate)
{
    QAction* action = newGenerateFromSeed(
        results,
        [results] {
            const QListWidgetItem* line = results->currentItem();
            return line ? originOf(line->data(SeedRole), line->data(ListsRole)) : Origin();
        },
        std::move(generate));
    ResultKeeping::of(results)->addCommand(action);
}
