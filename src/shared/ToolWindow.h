#pragma once

#include <QAbstractButton>
#include <QPointer>
#include <QWidget>

// A tool window: a child of the main window's frame, opened at most once at a time. The frame
// runs Form_Load once when the window is opened and Form_Activate each time it becomes the
// active child.
class ToolWindow : public QWidget
{
    Q_OBJECT

public:
    ToolWindow(const QString& windowName, const QString& caption, QWidget* parent = nullptr);

    // Fills the window's lists; runs once per opening, before the window is shown.
    virtual void Form_Load() {}
    // Runs each time the window becomes the active child. By default the children are tiled
    // and this window is shown alone.
    virtual void Form_Activate();

    // Closes the window; what it held is gone.
    void unload();

    // The button that Enter presses unless the focus is on another push button; may be null.
    QAbstractButton* defaultButton() const { return m_defaultButton; }

protected:
    void setDefaultButton(QAbstractButton* button) { m_defaultButton = button; }
    // Tab moves through the controls in the order given.
    static void setTabOrderChain(const QList<QWidget*>& chain);
    void keyPressEvent(QKeyEvent* event) override;

private:
    QPointer<QAbstractButton> m_defaultButton;
};
