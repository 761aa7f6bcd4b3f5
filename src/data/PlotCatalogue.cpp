#include "data/PlotCatalogue.h"

#include "data/Database.h"

#include <QCoreApplication>
#include <QSqlError>
#include <QSqlQuery>

namespace {

struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(PlotCatalogue)
};

} // namespace

namespace PlotCatalogue {

namespace {

bool failed(const QSqlQuery& query, const char* routine, StoreError* error)
{
    if (error)
        *error = StoreError::fromSql(query.lastError(), QString::fromLatin1(routine));
    return false;
}

} // namespace

bool names(QStringList* names, StoreError* error)
{
    QSqlQuery query(Database::connection());
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("SELECT plot_name FROM plots ORDER BY id")))
        return failed(query, "getPlots", error);
    names->clear();
    while (query.next())
        names->append(query.value(0).toString());
    return true;
}

bool check(Check* result, StoreError* error)
{
    QSqlQuery query(Database::connection());
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("SELECT count(*), min(id), max(id) FROM plots")) ||
        !query.next())
        return failed(query, "setRandomPlot", error);
    result->count = query.value(0).toInt();
    // The numbers are distinct whole numbers (the key), so 1 to count means no gap.
    if (result->count == 0)
        result->state = State::Empty;
    else if (query.value(1).toInt() == 1 && query.value(2).toInt() == result->count)
        result->state = State::Sound;
    else
        result->state = State::Damaged;
    return true;
}

bool plotNumbered(int id, std::optional<Plot>* plot, StoreError* error)
{
    QSqlQuery query(Database::connection());
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT plot_name, plot_description FROM plots WHERE id = ?"));
    query.addBindValue(id);
    if (!query.exec())
        return failed(query, "lstPlot_Click", error);
    if (query.next())
        *plot = Plot{query.value(0).toString(), query.value(1).toString()};
    else
        plot->reset();
    return true;
}

QString problemText(State state)
{
    switch (state) {
    case State::Empty:
        return Texts::tr("The plot catalogue is empty.");
    case State::Damaged:
        return Texts::tr("The plot catalogue is damaged: its plots must be numbered 1, 2, 3 "
                         "and so on without gaps.");
    case State::Sound:
        break;
    }
    return {};
}

QString problemTitle()
{
    return Texts::tr("Plot Reference");
}

} // namespace PlotCatalogue
