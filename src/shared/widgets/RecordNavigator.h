#pragma once

#include "data/StoreError.h"

#include <QWidget>

#include <functional>

class QLabel;
class QToolButton;

// A window's record navigator ("dta..."): first, previous, next and last buttons around a
// caption. It moves nothing itself: it asks for a row, and shows where the current row is.
// setDataControls refreshes every navigator of a window.
class RecordNavigator : public QWidget
{
    Q_OBJECT

public:
    RecordNavigator(const QString& objectName, const QString& caption, QWidget* parent = nullptr);

    // What refreshing runs: the rows are read again and the first becomes current.
    void setRefresh(std::function<bool(StoreError*)> refresh) { m_refresh = std::move(refresh); }
    bool refresh(StoreError* error);

    // Shows the current row (-1 when there is none) of count rows.
    void showPosition(int row, int count);

signals:
    void moveRequested(int row);

private:
    QToolButton* addButton(const QString& text, const QString& name);

    QLabel* m_caption;
    QToolButton* m_first;
    QToolButton* m_previous;
    QToolButton* m_next;
    QToolButton* m_last;
    int m_row = -1;
    int m_count = 0;
    std::function<bool(StoreError*)> m_refresh;
};
