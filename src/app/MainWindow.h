#pragma once

#include "app/CommandLine.h"

#include <QHash>
#include <QMainWindow>
#include <QPointer>

#include <functional>

class ChildFrame;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QToolBar;
class SingleInstance;
class ToolWindow;

// The main window: a frame for the tool windows, with the toolbar and menus that open them.
// It starts the program and asks before the program ends.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    // Opens the database, reads the settings, shows the frame and opens the start window, with
    // what the command line asks. False when the program cannot go on and must end.
    bool initializeEnvironment(const StartOptions& options = {});
    // True when initializeEnvironment() ended because the program already runs for the database
    // and was brought to the front: nothing went wrong.
    bool handedOver() const { return m_handedOver; }
    // Asks whether to end the program, and ends it on Yes.
    void confirmExit();
    // Closes the tool windows and the database and gives up the claim on it, as the end of the
    // program does: the next start finds that this run ended cleanly.
    void endRun();

    // Opens a tool window, or brings the open one to the front.
    ToolWindow* openToolWindow(const QString& windowName);
    ToolWindow* findToolWindow(const QString& windowName) const;

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // Shows or hides the toolbar after the run's toolbar flag.
    void applyToolBarSetting();
    void followPalette();
    void createCommands();
    QAction* addCommand(const QString& name, const QString& caption, const QString& shortcut,
                        const std::function<void()>& run);
    void createMenus();
    void createToolBar();
    void openStartWindow();
    void fillWindowMenu();
    void activateToolWindow(QMdiSubWindow* child);
    void showAbout();
    void showPersonalMessage();
    void closeToolWindows();
    void nameBookInTitle(const QString& fileName);
    void comeToFront(const QString& windowName);
    void openAvailable(const QString& windowName);

    QMdiArea* m_frame = nullptr;
    ChildFrame* m_childFrame = nullptr;
    QToolBar* m_toolBar = nullptr;
    QMenu* m_windowMenu = nullptr;
    QHash<QString, QAction*> m_commands; // by object name
    SingleInstance* m_instance = nullptr;
    QList<QAction*> m_windowListActions;
    QPointer<QMdiSubWindow> m_activatedChild; // cleared when the child goes
    bool m_activating = false;
    bool m_exitConfirmed = false;
    bool m_handedOver = false;
    // The reminder the run started with: one saved meanwhile is shown from the next start.
    QString m_personalReminder;
};
