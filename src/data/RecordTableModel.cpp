#include "data/RecordTableModel.h"

RecordTableModel::RecordTableModel(QObject* parent, const QSqlDatabase& db)
    : QSqlTableModel(parent, db)
{
    setEditStrategy(OnManualSubmit);
}

QString RecordTableModel::orderByClause() const
{
    if (m_orderBy.isEmpty())
        return QSqlTableModel::orderByClause();
    return QStringLiteral("ORDER BY ") + m_orderBy;
}
