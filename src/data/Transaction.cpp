#include "data/Transaction.h"

#include "data/Database.h"

#include <QSqlError>
#include <QSqlQuery>

#include <utility>

Transaction::Transaction(QString source) : m_source(std::move(source)) {}

Transaction::~Transaction()
{
    rollback();
}

bool Transaction::begin(StoreError* error)
{
    QSqlQuery begin(Database::connection());
    if (!begin.exec(QStringLiteral("BEGIN"))) {
        *error = StoreError::fromSql(begin.lastError(), m_source);
        return false;
    }
    m_open = true;
    return true;
}

bool Transaction::commit(StoreError* error)
{
    QSqlQuery commit(Database::connection());
    if (commit.exec(QStringLiteral("COMMIT"))) {
        m_open = false;
        return true;
    }
    *error = StoreError::fromSql(commit.lastError(), m_source);
    rollback();
    return false;
}

void Transaction::rollback()
{
    if (m_open)
        Database::connection().rollback();
    m_open = false;
}
