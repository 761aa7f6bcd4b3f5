#include "app/ApplicationIdentity.h"
#include "app/HelpCommands.h"
#include "app/MainWindow.h"
#include "shared/desktop/QtDesktop.h"

#include <QApplication>
#include <QFile>
#include <QTimer>

#include <cstdio>
#include <cstdlib>

namespace {

// The start-up benchmark's measure of memory: the peak resident size of the run so far.
void printPeakMemory()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            std::printf("%s\n", line.constData());
    }
    std::fflush(stdout);
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    setApplicationIdentity();

    QtDesktop desktop(showInHelpViewer);
    setDesktop(&desktop);

    MainWindow mainWindow;
    if (!mainWindow.initializeEnvironment())
        return mainWindow.handedOver() ? EXIT_SUCCESS : EXIT_FAILURE;
    // The start-up benchmark measures the time until the main window is on screen. The run ends
    // as an exit does, so that the next start finds it ended cleanly.
    if (qEnvironmentVariableIsSet("QUILLANE_QUIT_WHEN_SHOWN"))
        QTimer::singleShot(0, &app, [&mainWindow] {
            mainWindow.endRun();
            printPeakMemory();
            std::_Exit(EXIT_SUCCESS);
        });
    return app.exec();
}
