#include "app/MainWindow.h"
#include "shared/QtDesktop.h"

#include <QApplication>
#include <QIcon>
#include <QTimer>

#include <cstdlib>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quillane"));
    QApplication::setApplicationDisplayName(QStringLiteral("Quillane 98"));
    QGuiApplication::setDesktopFileName(QStringLiteral(QUILLANE_APP_ID));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/" QUILLANE_APP_ID ".svg")));

    QtDesktop desktop;
    setDesktop(&desktop);

    MainWindow mainWindow;
    if (!mainWindow.initializeEnvironment())
        return EXIT_FAILURE;
    // The start-up benchmark measures the time until the main window is on screen.
    if (qEnvironmentVariableIsSet("QUILLANE_QUIT_WHEN_SHOWN"))
        QTimer::singleShot(0, &app, [] { std::_Exit(EXIT_SUCCESS); });
    return app.exec();
}
