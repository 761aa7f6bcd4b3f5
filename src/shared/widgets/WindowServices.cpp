#include "shared/widgets/WindowServices.h"

#include "shared/desktop/Desktop.h"
#include "shared/widgets/ControlOrder.h"
#include "shared/widgets/FatalError.h"
#include "shared/widgets/RecordNavigator.h"
#include "shared/widgets/Settings.h"
#include "shared/widgets/ToolWindow.h"

#include <QTabWidget>
#include <QTimer>

void setDataControls(QWidget* window)
{
    // The navigators' models read the run's one database, so refreshing is all there is to do.
    for (auto* control : controlsWithPrefix<RecordNavigator>(window, QStringLiteral("dta"))) {
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

void setTimers(ToolWindow* window)
{
    for (QTimer* timer : window->timers())
        timer->setInterval(Settings::instance().timerInterval());
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
