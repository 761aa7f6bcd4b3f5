#pragma once

#include "data/StoreError.h"

#include <QString>

// A transaction on the database's connection that is rolled back unless commit() ran, so that
// every early return on a failure leaves the stored data as it was. QSqlDatabase's own
// transaction() and commit() drop the engine's error code, which tells a busy or full database
// from a broken one; these keep it.
class Transaction
{
public:
    // The source names the routine in the errors given.
    explicit Transaction(QString source);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    // False with the database's error when it refuses to begin.
    bool begin(StoreError* error);
    // False with the database's error when it refuses to commit; the changes are then rolled back.
    bool commit(StoreError* error);

private:
    void rollback();

    QString m_source;
    bool m_open = false;
};
