#pragma once

#include <QObject>
#include <QPointer>

class QMdiArea;
class QWidget;

// The frame the tool windows live in, as the windows arrange themselves in it: the main window
// hands it to each tool window it opens. A window opened on its own (as in tests) has none.
class ChildFrame : public QObject
{
    Q_OBJECT

public:
    explicit ChildFrame(QMdiArea* area);

    // Tiles the restored children: bands one above the other (Horizontal) or columns side by
    // side (Vertical). Minimized children stay icons, and the icon row stays free.
    void tile(Qt::Orientation bands);
    // Minimized children lined up along the bottom of the frame.
    void arrangeIcons();
    // Minimizes every other child and restores the window's own at the top left, keeping its
    // size, and brings the keyboard focus into it.
    void showAlone(QWidget* window);

    // Asks the main window to open the tool window of that name on the record of the key; a
    // window never opens another itself.
    void requestWindow(const QString& windowName, qint64 key)
    {
        emit windowRequested(windowName, key);
    }

signals:
    void windowRequested(const QString& windowName, qint64 key);

private:
    QPointer<QMdiArea> m_area;
};
