#include "app/ApplicationIdentity.h"

#include <QApplication>
#include <QIcon>

void setApplicationIdentity()
{
    QApplication::setApplicationName(ProgramName);
    QApplication::setApplicationVersion(QStringLiteral(QUILLANE_VERSION));
    QApplication::setApplicationDisplayName(QStringLiteral("Quillane 98"));
    QGuiApplication::setDesktopFileName(QStringLiteral(QUILLANE_APP_ID));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/" QUILLANE_APP_ID ".svg")));
}
