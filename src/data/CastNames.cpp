#include "data/CastNames.h"

#include "data/Database.h"

#include <QCoreApplication>
#include <QSqlError>
#include <QSqlQuery>

#include <algorithm>
#include <sqlite3.h>

namespace {

struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(CastNames)
};

} // namespace

bool CastNames::read(QStringList* names, StoreError* error)
{
    QSqlQuery query(Database::connection());
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("SELECT DISTINCT Name FROM character WHERE visible <> -1 AND "
                                   "trim(Name) <> ''"))) {
        *error = StoreError::fromSql(query.lastError(), QStringLiteral("CastNames.read"));
        return false;
    }
    names->clear();
    while (query.next())
        names->append(query.value(0).toString());
    std::sort(names->begin(), names->end(), [](const QString& a, const QString& b) {
        return a.compare(b, Qt::CaseInsensitive) < 0;
    });
    return true;
}

namespace {

// The question isHeld asks, prepared once for the open database: a Generate asks it once or
// more, and preparing it each time would cost more than the answer.
struct HeldQuestion
{
    sqlite3* db = nullptr;
    sqlite3_stmt* statement = nullptr;

    void forget()
    {
        sqlite3_finalize(statement);
        statement = nullptr;
        db = nullptr;
    }
};

HeldQuestion& heldQuestion()
{
    static HeldQuestion question;
    return question;
}

bool heldFailure(sqlite3* db, StoreError* error)
{
    *error =
        StoreError::fromSqlite(sqlite3_extended_errcode(db), QStringLiteral("CastNames.isHeld"),
                               QString::fromUtf8(sqlite3_errmsg(db)));
    return false;
}

} // namespace

bool CastNames::isHeld(const QString& name, bool* held, StoreError* error)
{
    sqlite3* db = Database::handle();
    if (!db) {
        *error = {3000, QStringLiteral("CastNames.isHeld"), Texts::tr("The database is not open")};
        return false;
    }
    HeldQuestion& question = heldQuestion();
    if (question.db != db || !question.statement) {
        question.forget();
        if (sqlite3_prepare_v3(
                db, "SELECT 1 FROM \"character\" WHERE Name = ?1 COLLATE NOCASE LIMIT 1", -1,
                SQLITE_PREPARE_PERSISTENT, &question.statement, nullptr) != SQLITE_OK)
            return heldFailure(db, error);
        question.db = db;
    }
    const QByteArray text = name.toUtf8();
    sqlite3_bind_text(question.statement, 1, text.constData(), int(text.size()), SQLITE_STATIC);
    const int step = sqlite3_step(question.statement);
    sqlite3_reset(question.statement);
    sqlite3_clear_bindings(question.statement);
    if (step != SQLITE_ROW && step != SQLITE_DONE)
        return heldFailure(db, error);
    *held = step == SQLITE_ROW;
    return true;
}

void CastNames::forget()
{
    heldQuestion().forget();
}
