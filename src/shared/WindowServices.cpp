#include "shared/WindowServices.h"

#include "data/DataControl.h"
#include "shared/ControlOrder.h"
#include "shared/Desktop.h"
#include "shared/FatalError.h"
#include "shared/RunSettings.h"

#include <QTabWidget>
#include <QTimer>

void setDataControls(QWidget* window)
{
    for (DataControl* control : controlsWithPrefix<DataControl>(window, QStringLiteral("dta"))) {
        control->setDatabaseName(runSettings().databasePath);
        StoreError error;
        if (!control->refresh(&error)) {
            desktop().messageBox(QStringLiteral("An error occurred on control ") +
                                     control->objectName(),
                                 QStringLiteral("Quillane"), MessageIcon::None, MessageButtons::Ok);
            reportFatalError(error);
            return;
        }
    }
}

void setTimers(QWidget* window)
{
    for (QTimer* timer : controlsWithPrefix<QTimer>(window, QStringLiteral("tmr")))
        timer->setInterval(runSettings().timerInterval);
}

void showAndFocus(QWidget* control)
{
    // A tab page sits in the tab widget's own page stack, so its tab widget is two levels up.
    for (QWidget* page = control; page->parentWidget(); page = page->parentWidget()) {
        auto* tabs = page->parentWidget()->parentWidget();
        if (auto* tabWidget = qobject_cast<QTabWidget*>(tabs);
            tabWidget && tabWidget->indexOf(page) >= 0)
            tabWidget->setCurrentWidget(page);
    }
    control->setFocus();
}
