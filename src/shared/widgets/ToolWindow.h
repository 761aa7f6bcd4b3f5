#pragma once

#include <QAbstractButton>
#include <QList>
#include <QPointer>
#include <QWidget>

class ChildFrame;
class QTimer;

// A tool window: a child of the main window's frame, opened at most once at a time. The frame
// runs load() once when the window is opened and activate() each time it becomes the active
// child.
class ToolWindow : public QWidget
{
    Q_OBJECT

public:
    ToolWindow(const QString& windowName, const QString& caption, QWidget* parent = nullptr);

    // Fills the window's lists; runs once per opening, before the window is shown.
    virtual void load() {}
    // Runs each time the window becomes the active child. By default the children are tiled
    // and this window is shown alone.
    virtual void activate();

    // Closes the window; what it held is gone.
    void unload();

    // Shows the record of the key as the current one, when the window keeps records; false when
    // it cannot.
    virtual bool showRecord(qint64 key)
    {
        Q_UNUSED(key)
        return false;
    }

    // Shows a short note of what the window just did in the main window's status bar; nothing
    // without a frame.
    void showStatus(const QString& text);

    // The frame the window is arranged in; the main window sets it when it opens the window.
    void setChildFrame(ChildFrame* frame);

    // The button that Enter presses unless the focus is on another push button; may be null.
    QAbstractButton* defaultButton() const { return m_defaultButton; }

    // The window's timers, made by addTimer.
    const QList<QTimer*>& timers() const { return m_timers; }

protected:
    // Makes a timer of the window, named for tests and readers; it stops when the window closes
    // and takes the settings interval from setTimers.
    QTimer* addTimer(const QString& name);
    // Tiles the frame's restored children as bands, one above the other, unless the frame keeps
    // its windows side by side.
    void tileChildren();
    // Minimizes the frame's other children and shows this one alone at the top left.
    void showAlone();
    // Has the frame open another tool window on the record of the key; nothing without a frame.
    void openWindowOn(const QString& windowName, qint64 key);
    void setDefaultButton(QAbstractButton* button) { m_defaultButton = button; }
    // Tab moves through the controls in the order given.
    static void setTabOrderChain(const QList<QWidget*>& chain);
    void keyPressEvent(QKeyEvent* event) override;
    // Runs as the window closes, before its timers stop: a drill window keeps the drill.
    virtual void keepWork() {}
    // Closing unloads the window: its work is kept and its timers stop, so no tick runs before
    // it is gone.
    void closeEvent(QCloseEvent* event) override;
    // Gives Alt letters to the captions that have none, once the window is filled.
    void showEvent(QShowEvent* event) override;

private:
    QPointer<QAbstractButton> m_defaultButton;
    QPointer<ChildFrame> m_childFrame;
    QList<QTimer*> m_timers; // children of the window, so they live as long as it does
};
