#include "shared/RandomListValue.h"

#include "data/RandomRecord.h"
#include "shared/FatalError.h"
#include "shared/Random.h"

QString getRandomRecord(const QString& table)
{
    StoreError error;
    if (auto value = RandomRecord::draw(table, Random::instance().generator(), &error))
        return std::move(*value);
    reportFatalError(error);
    return {};
}
