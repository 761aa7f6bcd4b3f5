#include "data/NewRowMark.h"

bool NewRowMark::removeAfterDuplicate(
    const QVariant& refusedKey, const std::function<qint64()>& rowCount,
    const std::function<bool(const QVariant&, StoreError*)>& remove, StoreError* error)
{
    if (!isMarked() || refusedKey != m_key || rowCount() <= 1 || !remove(m_key, error))
        return false;
    clear();
    return true;
}
