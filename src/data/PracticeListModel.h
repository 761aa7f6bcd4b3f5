#pragma once

#include "data/StoreError.h"

#include <QLocale>
#include <QSqlQueryModel>

// The practice log's records newest first, one a row: Date, Kind, Minutes, Words, WPM and the
// first line of the responses. The rows are read from the store as the view scrolls to them, so
// a long log opens as fast as a short one.
class PracticeListModel : public QSqlQueryModel
{
    Q_OBJECT

public:
    enum Column { Date, Kind, Minutes, Words, WordsPerMinute, FirstLine, ColumnCount };

    explicit PracticeListModel(QObject* parent = nullptr);

    // Reads the records again; the rows are new.
    bool select(StoreError* error);
    // The record's id on the row, or -1.
    qint64 key(int row) const;
    // The row of the record, reading on until it is found; -1 when it is not listed.
    int rowOf(qint64 key);

    // The length of a practice in minutes, to a tenth: a short drill still shows its length.
    static QString minutesText(int seconds, const QLocale& locale);

    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
};
