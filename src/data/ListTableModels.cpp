#include "data/ListTableModels.h"

#include "data/Database.h"

#include <QCoreApplication>
#include <QHash>
#include <QPointer>
#include <QSqlDriver>
#include <QSqlQueryModel>

namespace {

struct ListModel
{
    QPointer<QSqlQueryModel> model;
    QPointer<QSqlDriver> driver; // the connection the rows were read from
};

QHash<QString, ListModel>& models()
{
    static QHash<QString, ListModel> byTable;
    return byTable;
}

void read(const QString& table, ListModel& list)
{
    const QString name = Database::quoteIdentifier(table);
    list.model->setQuery(QStringLiteral("SELECT %1 FROM %1").arg(name), Database::connection());
    list.driver = Database::connection().driver();
}

} // namespace

QSqlQueryModel* ListTableModels::model(const QString& table)
{
    ListModel& list = models()[table.toLower()];
    if (!list.model)
        list.model = new QSqlQueryModel(QCoreApplication::instance());
    if (list.driver != Database::connection().driver())
        read(table, list);
    return list.model;
}

void ListTableModels::refreshAll()
{
    for (auto it = models().begin(); it != models().end(); ++it) {
        if (it->model)
            read(it.key(), *it);
    }
}
