#pragma once

#include "data/StoreError.h"

#include <QVariant>

#include <functional>

// The row New (or Add) has just made, until it is saved. When a unique index refuses that row's
// own save as a duplicate, the row goes again rather than stay behind half made; a row stored
// before keeps its saved values, and the last row of a table always stays.
class NewRowMark
{
public:
    void mark(const QVariant& key) { m_key = key; }
    void clear() { m_key.clear(); }
    const QVariant& key() const { return m_key; }
    bool isMarked() const { return m_key.isValid(); }

    // After a duplicate refused the save of the row of refusedKey (null when no single row):
    // removes the marked row with remove when it is that row and rowCount() (asked only then)
    // is above one, and forgets it. True when the row went; false with the error set when
    // removing it failed, false alone when it stays.
    bool removeAfterDuplicate(const QVariant& refusedKey, const std::function<qint64()>& rowCount,
                              const std::function<bool(const QVariant&, StoreError*)>& remove,
                              StoreError* error);

private:
    QVariant m_key;
};
