#include "shared/widgets/SeededGeneration.h"

#include "shared/desktop/Desktop.h"
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

} // namespace

quint32 SeededGeneration::drawSeed()
{
    return runRandom().generator().generate();
}

void SeededGeneration::markLine(QListWidgetItem* line, quint32 seed)
{
    line->setData(SeedRole, seed);
    line->setToolTip(QStringLiteral("Seed %1").arg(seed));
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

void SeededGeneration::addGenerateFromSeed(QListWidget* results,
                                           std::function<void(quint32)> generate)
{
    auto* action = new QAction(QStringLiteral("&Generate from Seed…"), results);
    action->setObjectName(QStringLiteral("actGenerateFromSeed"));
    QObject::connect(
        action, &QAction::triggered, results, [results, generate = std::move(generate)] {
            const QListWidgetItem* line = results->currentItem();
            const QVariant offered = line ? line->data(SeedRole) : QVariant();
            const QString typed =
                desktop().inputBox(QStringLiteral("Generate once more from the seed:"), title(),
                                   offered.isValid() ? offered.toString() : QString());
            if (typed.trimmed().isEmpty())
                return; // cancelled
            if (const std::optional<quint32> seed = readSeed(typed))
                return generate(*seed);
            desktop().messageBox(
                QStringLiteral("%1 is not a seed.  A seed is a whole number from 0 to 4294967295.")
                    .arg(typed.trimmed()),
                title(), MessageIcon::Information, MessageButtons::Ok);
        });
    ResultKeeping::of(results)->addCommand(action);
}
