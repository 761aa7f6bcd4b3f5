#pragma once

#include <QHash>
#include <QMainWindow>
#include <QPointer>

class ChildFrame;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QToolBar;
class QToolButton;
class ToolWindow;

// The main window: a frame for the tool windows, with the toolbar and menus that open them.
// It starts the program (initializeEnvironment) and asks before the program ends.
class frmMainMenu : public QMainWindow
{
    Q_OBJECT

public:
    explicit frmMainMenu(QWidget* parent = nullptr);
    ~frmMainMenu() override;

    // Opens the database, reads the settings, shows the frame and opens the start window.
    // False when the program cannot go on and must end.
    bool initializeEnvironment();
    void openStartForm();
    // Shows or hides the toolbar after the run's toolbar flag.
    void setToolBar();
    // Asks whether to end the program, and ends it on Yes.
    void exitSystem();

    // Opens a tool window, or brings the open one to the front.
    ToolWindow* openToolWindow(const QString& windowName);
    ToolWindow* findToolWindow(const QString& windowName) const;

    QAction* menuEntry(const QString& name) const { return m_entries.value(name); }
    QToolButton* toolbarButton(const QString& name) const;
    QMenu* menu(const QString& name) const;
    QMdiArea* frame() const { return m_frame; }
    ChildFrame* childFrame() const { return m_childFrame; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void createMenus();
    void createToolBar();
    void runMenuEntry(const QString& name, const QString& window);
    void fillWindowMenu();
    void activateToolWindow(QMdiSubWindow* child);
    void showAbout();
    void showPersonalMessage();
    void closeToolWindows();

    QMdiArea* m_frame = nullptr;
    QToolBar* m_toolBar = nullptr;
    QHash<QString, QAction*> m_entries;
    QHash<QString, QMenu*> m_menus;
    QList<QAction*> m_windowListActions;
    ChildFrame* m_childFrame = nullptr;
    QPointer<QMdiSubWindow> m_activatedChild; // cleared when the child goes
    bool m_activating = false;
    bool m_exitConfirmed = false;
};
