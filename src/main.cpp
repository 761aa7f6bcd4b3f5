#include "app/ApplicationIdentity.h"
#include "app/HelpCommands.h"
#include "app/MainWindow.h"
#include "app/PeakMemory.h"
#include "app/StartUp.h"
#include "shared/desktop/QtDesktop.h"

#include <QApplication>
#include <QTimer>

#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    setApplicationIdentity();

    QtDesktop desktop(showInHelpViewer);
    setDesktop(&desktop);

    StartOptions options;
    if (const std::optional<int> exitCode = startFromCommandLine(app.arguments(), &options))
        return *exitCode;
    MainWindow mainWindow;
    if (!mainWindow.initializeEnvironment(options))
        return mainWindow.handedOver() ? EXIT_SUCCESS : EXIT_FAILURE;
    // The start-up benchmark measures the time until the main window is on screen. The run ends
    // as an exit does, so that the next start finds it ended cleanly.
    if (qEnvironmentVariableIsSet("QUILLANE_QUIT_WHEN_SHOWN"))
        QTimer::singleShot(0, &app, [&mainWindow] {
            mainWindow.endRun();
            std::printf("VmHWM: %ld kB\n", peakMemoryKib());
            std::fflush(stdout);
            std::_Exit(EXIT_SUCCESS);
        });
    return app.exec();
}
