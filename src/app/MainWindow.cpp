#include "app/MainWindow.h"

#include "app/ApplicationIdentity.h"
#include "app/DatabaseSession.h"
#include "app/HelpCommands.h"
#include "app/MenuLayout.h"
#include "app/SingleInstance.h"
#include "app/ToolCatalog.h"
#include "shared/desktop/BusyPointer.h"
#include "shared/desktop/Desktop.h"
#include "shared/widgets/AccessKeys.h"
#include "shared/widgets/ChildFrame.h"
#include "shared/widgets/FatalError.h"
#include "shared/widgets/RunPaths.h"
#include "shared/widgets/Settings.h"
#include "shared/widgets/ToolWindow.h"
#include "shared/widgets/ToolWindowCatalog.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QScopedValueRollback>
#include <QStatusBar>
#include <QToolBar>

namespace {

// A note of what was just done stays long enough to be read, then leaves the bar clear.
constexpr int StatusShownFor = 8000;

// A child's own window menu closes it on Ctrl+F4, the key of the Sentence Generator; the menu
// entry keeps the key.
void releaseMenuKeys(QMdiSubWindow* child)
{
    const QKeySequence taken(Qt::CTRL | Qt::Key_F4);
    for (QAction* action : child->systemMenu()->actions()) {
        QList<QKeySequence> keys = action->shortcuts();
        if (keys.removeAll(taken) > 0)
            action->setShortcuts(keys);
    }
}

} // namespace

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("frmMainMenu"));
    setWindowTitle(QStringLiteral("Quillane 98"));
    m_frame = new QMdiArea(this);
    m_frame->setObjectName(QStringLiteral("mdiFrame"));
    m_frame->setAccessibleName(tr("Tool windows"));
    m_frame->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_frame->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(m_frame);
    followPalette();
    m_childFrame = new ChildFrame(m_frame);
    connect(m_frame, &QMdiArea::subWindowActivated, this, &MainWindow::activateToolWindow);
    connect(m_childFrame, &ChildFrame::windowRequested, this,
            [this](const QString& windowName, qint64 key) {
                if (ToolWindow* window = openToolWindow(windowName))
                    window->showRecord(key);
            });
    // Made at once, so that the frame does not shrink when the first note comes.
    statusBar()->setObjectName(QStringLiteral("staMain"));
    connect(m_childFrame, &ChildFrame::statusShown, this,
            [this](const QString& text) { statusBar()->showMessage(text, StatusShownFor); });
    createCommands();
    createMenus();
    createToolBar();
    m_instance = new SingleInstance(this);
    connect(m_instance, &SingleInstance::activationRequested, this, &MainWindow::comeToFront);
    connect(&Settings::instance(), &Settings::changed, this, &MainWindow::applyToolBarSetting);
    connect(&Settings::instance(), &Settings::changed, m_childFrame,
            [this] { m_childFrame->setSideBySide(Settings::instance().sideBySide()); });
    resize(1000, 720);
}

MainWindow::~MainWindow()
{
    // The frame announces activations while its children go; this window is past handling them.
    disconnect(m_frame, nullptr, this, nullptr);
}

void MainWindow::createCommands()
{
    for (const ToolWindowEntry& tool : ToolWindowCatalog::entries()) {
        QAction* action =
            addCommand(tool.command, ToolWindowCatalog::shown(tool.caption), tool.shortcut,
                       [this, window = tool.window] { openToolWindow(window); });
        action->setEnabled(ToolCatalog::isAvailable(tool.window));
    }
    addCommand(QStringLiteral("MNU_Exit"), tr("E&xit"), {}, [this] { confirmExit(); });
    addCommand(QStringLiteral("Window_Cascade"), tr("&Cascade"), QStringLiteral("Shift+F4"),
               [this] { m_childFrame->cascade(); });
    addCommand(QStringLiteral("Window_Tile"), tr("&Tile"), QStringLiteral("Shift+F5"),
               [this] { m_childFrame->tile(Qt::Vertical); });
    addCommand(QStringLiteral("Window_Arrange"), tr("&Arrange Icons"), QStringLiteral("Shift+F6"),
               [this] { m_childFrame->arrangeIcons(); });
    addCommand(QStringLiteral("Help_How_To"), tr("&How to Use This Program"), {},
               [] { openWebPage(HelpDocuments::pathOf(HelpDocuments::OnlineHelp)); });
    addCommand(QStringLiteral("Help_CBT"), tr("&Writing Reference"), {},
               [] { showHelpFile(runPaths().helpFilePath); });
    addCommand(QStringLiteral("mnuCorvaneWeb"), tr("&Corvane on the Web"), {},
               [] { openWebPage(HelpDocuments::pathOf(HelpDocuments::Features)); });
    addCommand(QStringLiteral("Help_About"), tr("&About the Quillane"), {},
               [this] { showAbout(); });
    addCommand(QStringLiteral("mnu_personal_message"), tr("&Personal Message"),
               QStringLiteral("Ctrl+M"), [this] { showPersonalMessage(); });
}

QAction* MainWindow::addCommand(const QString& name, const QString& caption,
                                const QString& shortcut, const std::function<void()>& run)
{
    auto* action = new QAction(caption, this);
    action->setObjectName(name);
    if (!shortcut.isEmpty()) {
        action->setShortcut(QKeySequence(shortcut));
        action->setShortcutContext(Qt::ApplicationShortcut);
    }
    connect(action, &QAction::triggered, this, run);
    m_commands.insert(name, action);
    return action;
}

void MainWindow::createMenus()
{
    for (const MenuDefinition& definition : mainMenus()) {
        QMenu* menu = menuBar()->addMenu(menuCaption(definition.caption));
        menu->setObjectName(definition.name);
        for (const QString& command : definition.commands) {
            if (command.isEmpty())
                menu->addSeparator();
            else
                menu->addAction(m_commands.value(command));
        }
    }
    // The windows' captions keep clear of the menu titles' letters where they can.
    QString menuLetters;
    for (const QAction* title : menuBar()->actions())
        menuLetters += AccessKeys::letterOf(title->text());
    AccessKeys::setMenuLetters(menuLetters);
    m_windowMenu = menuBar()->findChild<QMenu*>(QStringLiteral("Window_Main"));
    connect(m_windowMenu, &QMenu::aboutToShow, this, &MainWindow::fillWindowMenu);
}

void MainWindow::createToolBar()
{
    m_toolBar = addToolBar(tr("Toolbar"));
    m_toolBar->setObjectName(QStringLiteral("pcbToolBar"));
    m_toolBar->setMovable(false);
    m_toolBar->setFloatable(false);
    m_toolBar->setIconSize(QSize(24, 24));
    m_toolBar->toggleViewAction()->setVisible(false);
    for (const ToolbarButton& definition : toolbarButtons()) {
        QAction* action = m_commands.value(definition.command);
        Q_ASSERT(action);
        action->setIcon(QIcon(QStringLiteral(":/toolbar/%1.svg").arg(definition.name)));
        action->setIconVisibleInMenu(false);
        // The button shows the action's icon text and tooltip, which the menu does not.
        const QString caption = menuCaption(definition.caption);
        action->setIconText(caption);
        action->setToolTip(caption);
        m_toolBar->addAction(action);
        QWidget* button = m_toolBar->widgetForAction(action);
        button->setObjectName(definition.name);
        button->setAccessibleName(caption);
        button->setFocusPolicy(Qt::TabFocus); // a toolbar's buttons take none of their own
        if (definition.endsGroup)
            m_toolBar->addSeparator();
    }
}

bool MainWindow::initializeEnvironment(const StartOptions& options)
{
    const BusyPointer busy;
    RunPaths& paths = runPaths();
    if (paths.programFolder.isEmpty())
        paths.programFolder = QCoreApplication::applicationDirPath();
    locateDatabase(options.databasePath);
    if (!options.databasePath.isEmpty())
        nameBookInTitle(QFileInfo(options.databasePath).fileName());
    // A second run for the database would hide the first run's unsaved work, or lose its own.
    if (const SingleInstance::Claim claim =
            m_instance->claim(paths.databasePath, options.windowName);
        claim != SingleInstance::Claim::First) {
        m_handedOver = claim == SingleInstance::Claim::HandedOver;
        if (!m_handedOver)
            tellDatabaseHeld();
        return false;
    }
    if (!openDatabase())
        return false;
    for (StoreError error; !Settings::instance().load(&error);) {
        const BusyPointer::Pause forMessages;
        if (explainMissingContents(error) || !offerRetry(error, tr("Pray for Absolution")))
            return false;
    }
    m_personalReminder = Settings::instance().personalReminder();
    show();
    openStartWindow();
    openAvailable(options.windowName);
    paths.helpFilePath = HelpDocuments::pathOf(HelpDocuments::WritingReference);
    return true;
}

void MainWindow::openStartWindow()
{
    openAvailable(ToolWindowCatalog::startWindow(Settings::instance().startWindow()));
    applyToolBarSetting();
}

void MainWindow::openAvailable(const QString& windowName)
{
    if (!windowName.isEmpty() && ToolCatalog::isAvailable(windowName))
        openToolWindow(windowName);
}

void MainWindow::applyToolBarSetting()
{
    const bool shown = Settings::instance().toolBarShown();
    m_toolBar->setVisible(shown);
    m_toolBar->setEnabled(shown);
}

ToolWindow* MainWindow::findToolWindow(const QString& windowName) const
{
    for (QMdiSubWindow* child : m_frame->subWindowList()) {
        if (child->widget() && child->widget()->objectName() == windowName)
            return qobject_cast<ToolWindow*>(child->widget());
    }
    return nullptr;
}

ToolWindow* MainWindow::openToolWindow(const QString& windowName)
{
    const BusyPointer busy;
    ToolWindow* window = findToolWindow(windowName);
    if (window) {
        auto* child = qobject_cast<QMdiSubWindow*>(window->parentWidget());
        {
            // Restoring announces the activation before the child is back at its old place,
            // which would undo the activation's arrangement; it runs once restoring is done.
            const QScopedValueRollback restoring(m_activating, true);
            if (child->isMinimized())
                child->showNormal();
            m_frame->setActiveSubWindow(child);
        }
        if (m_activatedChild != child)
            activateToolWindow(child);
    } else if (const ToolCatalog::Factory create = ToolCatalog::factory(windowName)) {
        window = create();
        window->setChildFrame(m_childFrame);
        window->load();
        QMdiSubWindow* child = m_frame->addSubWindow(window);
        child->setAttribute(Qt::WA_DeleteOnClose);
        releaseMenuKeys(child);
        child->show();
        // A window shown into an empty frame is not always announced as activated.
        if (m_activatedChild != child)
            activateToolWindow(child);
    }
    return window;
}

void MainWindow::activateToolWindow(QMdiSubWindow* child)
{
    // Activation minimizes and restores other children, which activates them in turn; only the
    // window the user chose runs its activation.
    if (m_activating || !child || child == m_activatedChild)
        return;
    auto* window = qobject_cast<ToolWindow*>(child->widget());
    if (!window)
        return;
    m_activating = true;
    m_activatedChild = child;
    window->activate();
    m_frame->setActiveSubWindow(child);
    m_activating = false;
}

void MainWindow::fillWindowMenu()
{
    qDeleteAll(m_windowListActions);
    m_windowListActions.clear();
    const QList<QMdiSubWindow*> children = m_frame->subWindowList(QMdiArea::CreationOrder);
    if (children.isEmpty())
        return;
    m_windowListActions.append(m_windowMenu->addSeparator());
    int number = 0;
    for (QMdiSubWindow* child : children) {
        ++number;
        const QString caption = child->windowTitle().replace(u'&', QStringLiteral("&&"));
        QAction* action = m_windowMenu->addAction(
            number < 10 ? QStringLiteral("&%1 %2").arg(number).arg(caption) : caption);
        action->setCheckable(true);
        action->setChecked(child == m_frame->activeSubWindow());
        connect(action, &QAction::triggered, this, [this, child] {
            if (child->isMinimized())
                child->showNormal();
            m_frame->setActiveSubWindow(child);
        });
        m_windowListActions.append(action);
    }
}

void MainWindow::showAbout()
{
    desktop().messageBox(
        tr("Quillane 98 is the property of the Quillane team.  All rights reserved.") +
            tr("\n\nYour work is saved in %1.")
                .arg(QDir::toNativeSeparators(runPaths().databasePath)) +
            tr("\n\nFree software under the GNU General Public License, version 3 "
               "or later."),
        tr("Quillane 98 (Windows 95, 98).  Technical support: support@quillane.example"),
        MessageIcon::Information, MessageButtons::Ok);
}

// A book's own database is named on the title bar, so that the runs on two books tell apart. The
// desktop appends the application's display name to a title that does not end with it, so the
// run's display name names the book too: its dialogs' titles then tell the book as well.
void MainWindow::nameBookInTitle(const QString& fileName)
{
    const QString title = QStringLiteral("Quillane 98 \u2014 %1").arg(fileName);
    QGuiApplication::setApplicationDisplayName(title);
    setWindowTitle(title);
}

void MainWindow::comeToFront(const QString& windowName)
{
    // Until the start-up is done, its own messages are in front.
    if (!isVisible())
        return;
    if (isMinimized())
        showNormal();
    raise();
    activateWindow();
    openAvailable(windowName);
}

void MainWindow::showPersonalMessage()
{
    desktop().messageBox(m_personalReminder, tr("Personal Message"), MessageIcon::Information,
                         MessageButtons::Ok);
}

void MainWindow::confirmExit()
{
    const MessageAnswer answer =
        desktop().messageBox(tr("Are you sure that you wish to exit?"), ProgramName,
                             MessageIcon::None, MessageButtons::YesNo);
    if (answer != MessageAnswer::Yes)
        return;
    m_exitConfirmed = true;
    close();
}

void MainWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::PaletteChange)
        followPalette();
    QMainWindow::changeEvent(event);
}

// The frame's own background is a fixed grey; behind the tool windows it follows the desktop's
// light or dark palette.
void MainWindow::followPalette()
{
    m_frame->setBackground(palette().dark());
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (!m_exitConfirmed) {
        const MessageAnswer answer =
            desktop().messageBox(tr("Are you sure that you wish to exit?"), ProgramName,
                                 MessageIcon::None, MessageButtons::YesNo);
        if (answer != MessageAnswer::Yes) {
            event->ignore();
            return;
        }
    }
    endRun();
    event->accept();
    QApplication::closeAllWindows();
}

void MainWindow::endRun()
{
    // The tool windows hold record sets on the database, so they go before it is released.
    closeToolWindows();
    closeDatabase();
    m_instance->release();
}

void MainWindow::closeToolWindows()
{
    const QList<QMdiSubWindow*> children = m_frame->subWindowList();
    for (QMdiSubWindow* child : children) {
        // Closing first lets a window save what the user typed.
        if (child->widget())
            child->widget()->close();
        m_frame->removeSubWindow(child);
        delete child;
    }
    m_activatedChild = nullptr;
}
