#pragma once

#include <QSqlTableModel>

// The model of an updatable record set: a table model that also keeps the source's own
// "order by" text, which QSqlTableModel::setSort (one column) cannot express.
class RecordTableModel : public QSqlTableModel
{
    Q_OBJECT

public:
    RecordTableModel(QObject* parent, const QSqlDatabase& db);

    void setOrderBy(const QString& fields) { m_orderBy = fields; }

protected:
    QString orderByClause() const override;

private:
    QString m_orderBy;
};
