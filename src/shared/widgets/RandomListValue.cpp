#include "shared/widgets/RandomListValue.h"

#include "data/RandomRecord.h"
#include "engines/Random.h"
#include "shared/widgets/FatalError.h"

QString getRandomRecord(const QString& table)
{
    StoreError error;
    if (auto value = RandomRecord::draw(table, Random::instance().generator(), &error))
        return std::move(*value);
    reportFatalError(error);
    return {};
}
