#include "shared/widgets/WindowServices.h"

#include "shared/desktop/Desktop.h"
#include "shared/widgets/ControlOrder.h"
#include "shared/widgets/FatalError.h"
#include "shared/widgets/RecordNavigator.h"
#include "shared/widgets/Settings.h"
#include "shared/widgets/ToolWindow.h"

#include <QCoreApplication>
#include <QTabWidget>
#include <QTimer>

namespace {

struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(WindowServices)
};

} // namespace

void setDataControls(QWidget* window)
{
    // The navigators' models read the run's one database, so refreshing is all there is to do.
    for (auto* control : controlsWithPrefix<RecordNavigator>(window, QStringLiteral("dta"))) {
        StoreError error;
        if (!control->refresh(&error)) {
            desktop().messageBox(
                Texts::tr("An error occurred on control %1").arg(control->objectName()),
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
