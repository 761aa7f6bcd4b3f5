#include "shared/widgets/SentenceWords.h"

#include "shared/widgets/RandomListValue.h"

RandomRecord::Filter SentenceWords::verbsOf(VerbFrame frame)
{
    switch (frame) {
    case VerbFrame::Object:
        return {QStringLiteral("frame"), {QStringLiteral("object"), QStringLiteral("both")}, true};
    case VerbFrame::None:
        return {QStringLiteral("frame"), {QStringLiteral("none"), QStringLiteral("both")}, true};
    case VerbFrame::Any:
        break;
    }
    return {};
}

SentencePattern::WordSource SentenceWords::from(Random& random)
{
    return [&random](const SentencePattern::WordRequest& request) {
        return getRandomRecordFrom(request.table, verbsOf(request.frame), random);
    };
}
