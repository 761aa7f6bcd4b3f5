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

    // Side by side, activating a window leaves the others as they are, and tiling and cascading
    // arrange every open window, restoring the minimized ones; otherwise a window is shown alone.
    void setSideBySide(bool sideBySide);
    bool sideBySide() const { return m_sideBySide; }

    // Tiles the restored children: bands one above the other (Horizontal) or columns side by
    // side (Vertical). Minimized children stay icons, and the icon row stays free.
    void tile(Qt::Orientation bands);
    // Cascades the restored children.
    void cascade();
    // Minimized children lined up along the bottom of the frame.
    void arrangeIcons();
    // Minimizes every other child and restores the window's own at the top left, keeping its
    // size, and brings the keyboard focus into it. Side by side, it only makes the window the
    // active one with the focus: one the user just minimized stays an icon.
    void showAlone(QWidget* window);

    // Asks the main window to open the tool window of that name on the record of the key; a
    // window never opens another itself.
    void requestWindow(const QString& windowName, qint64 key)
    {
        emit windowRequested(windowName, key);
    }

    // Asks the main window to show a short note of what was just done in its status bar.
    void showStatus(const QString& text) { emit statusShown(text); }

signals:
    void windowRequested(const QString& windowName, qint64 key);
    void statusShown(const QString& text);

private:
    void restoreMinimized();

    QPointer<QMdiArea> m_area;
    bool m_sideBySide = false;
};
