#include "shared/widgets/RandomListValue.h"

#include "data/RandomRecord.h"
#include "shared/widgets/FatalError.h"
#include "shared/widgets/RunRandom.h"

QString getRandomRecord(const QString& table)
{
    StoreError error;
    if (auto value = RandomRecord::draw(table, runRandom().generator(), &error))
        return std::move(*value);
    reportFatalError(error);
    return {};
}
