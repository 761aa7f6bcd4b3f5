#include "shared/widgets/SentenceWords.h"

#include "shared/widgets/RandomListValue.h"

RandomRecord::Filter SentenceWords::filterOf(const SentencePattern::WordRequest& request)
{
    const auto fieldIs = [](const QString& field, const QString& value) {
        return RandomRecord::Filter{field, {value, QStringLiteral("both")}, true};
    };
    if (request.countable)
        return fieldIs(QStringLiteral("countability"), QStringLiteral("count"));
    switch (request.frame) {
    case VerbFrame::Object:
        return fieldIs(QStringLiteral("frame"), QStringLiteral("object"));
    case VerbFrame::None:
        return fieldIs(QStringLiteral("frame"), QStringLiteral("none"));
    case VerbFrame::Any:
        break;
    }
    return {};
}

SentencePattern::WordSource SentenceWords::from(Random& random)
{
    return [&random](const SentencePattern::WordRequest& request) {
        return getRandomRecordFrom(request.table, filterOf(request), random);
    };
}
