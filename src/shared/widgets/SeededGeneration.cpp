#include "shared/widgets/SeededGeneration.h"

#include "data/RandomRecord.h"
#include "shared/desktop/Desktop.h"
#include "shared/widgets/RandomListValue.h"
#include "shared/widgets/ResultKeeping.h"
#include "shared/widgets/RunRandom.h"

#include <QAction>
#include <QListWidget>

#include <algorithm>
#include <limits>

namespace {

const QString& title()
{
    static const QString text = QStringLiteral("Generate from Seed");
    return text;
}

// A list's fingerprint as the lists() text writes it, or "-" when it cannot be read.
QString fingerprintText(const QString& table)
{
    const std::optional<quint32> print = RandomRecord::fingerprint(table, nullptr);
    return print ? QStringLiteral("%1").arg(*print, 8, 16, QChar(u'0')) : QStringLiteral("-");
}

} // namespace

QString SeededGeneration::Roll::word(const QString& table)
{
    noteList(table);
    return getRandomRecordFrom(table, m_random);
}

std::function<QString(const QString&)> SeededGeneration::Roll::words()
{
    return [this](const QString& table) { return word(table); };
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
    line->setToolTip(QStringLiteral("Seed %1").arg(roll.seed()));
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
               QStringLiteral("The lists this seed drew from have changed since: %1.  The same "
                              "seed may give another result.  Generate anyway?")
                   .arg(changed.join(QStringLiteral(", "))),
               title(), MessageIcon::Exclamation, MessageButtons::YesNo) == MessageAnswer::Yes;
}

std::optional<quint32> SeededGeneration::askSeed(std::optional<quint32> offered)
{
    const QString typed =
        desktop().inputBox(QStringLiteral("Generate once more from the seed:"), title(),
                           offered ? QString::number(*offered) : QString());
    if (typed.trimmed().isEmpty())
        return std::nullopt; // cancelled
    const std::optional<quint32> seed = readSeed(typed);
    if (!seed)
        desktop().messageBox(
            QStringLiteral("%1 is not a seed.  A seed is a whole number from 0 to 4294967295.")
                .arg(typed.trimmed()),
            title(), MessageIcon::Information, MessageButtons::Ok);
    return seed;
}

QAction* SeededGeneration::generateFromSeedAction(QObject* parent)
{
    auto* action = new QAction(QStringLiteral("&Generate from Seed…"), parent);
    action->setObjectName(QStringLiteral("actGenerateFromSeed"));
    return action;
}

void SeededGeneration::addGenerateFromSeed(QListWidget* results,
                                           std::function<void(quint32)> generate)
{
    QAction* action = generateFromSeedAction(results);
    QObject::connect(
        action, &QAction::triggered, results, [results, generate = std::move(generate)] {
            const QListWidgetItem* line = results->currentItem();
            const QVariant offered = line ? line->data(SeedRole) : QVariant();
            const std::optional<quint32> own =
                offered.isValid() ? std::optional(offered.value<quint32>()) : std::nullopt;
            const std::optional<quint32> seed = askSeed(own);
            if (seed && (seed != own || mayReplay(line->data(ListsRole).toString())))
                generate(*seed);
        });
    ResultKeeping::of(results)->addCommand(action);
}
