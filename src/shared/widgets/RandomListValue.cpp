#include "shared/widgets/RandomListValue.h"

#include "data/RandomRecord.h"
#include "shared/widgets/FatalError.h"
#include "shared/widgets/RunRandom.h"

QString getRandomRecord(const QString& table)
{
    return getRandomRecordFrom(table, runRandom());
}

QString getRandomRecordFrom(const QString& table, Random& random)
{
    StoreError error;
    if (auto value = RandomRecord::draw(table, random.generator(), &error))
        return std::move(*value);
    reportFatalError(error);
    return {};
}

std::optional<QString> getRandomRecordFrom(const QString& table, const RandomRecord::Filter& filter,
                                           Random& random)
{
    StoreError error;
    if (auto value = RandomRecord::draw(table, filter, random.generator(), &error))
        return value;
    if (error.number == EngineError::NoCurrentRecord && !filter.field.isEmpty())
        return std::nullopt;
    reportFatalError(error);
    return QString();
}
