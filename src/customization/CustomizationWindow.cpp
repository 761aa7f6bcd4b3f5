#include "customization/CustomizationWindow.h"

#include "customization/ListTablesPage.h"
#include "customization/SettingsPage.h"
#include "data/Database.h"
#include "shared/desktop/BusyPointer.h"
#include "shared/widgets/ControlMakers.h"

#include <QCloseEvent>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

using namespace ControlMakers;

CustomizationWindow::CustomizationWindow(QWidget* parent)
    : ToolWindow(QStringLiteral("frmCustom"), tr("Customization"), parent)
{
    auto* tabs = named(new QTabWidget(this), QStringLiteral("tabCustom"));
    tabs->setAccessibleName(tr("Customization"));
    m_listTables = new ListTablesPage;
    tabs->addTab(m_listTables, tr("Database Customization"));
    m_settings = new SettingsPage;
    tabs->addTab(m_settings, tr("Application Customization"));
    auto* closeButton = button(QStringLiteral("cmdOK"), tr("Close"));

    auto* window = new QVBoxLayout(this);
    window->addWidget(tabs, 1);
    auto* closeRow = new QHBoxLayout;
    closeRow->addStretch();
    closeRow->addWidget(closeButton);
    window->addLayout(closeRow);
    resize(sizeHint().expandedTo(QSize(640, 520)));

    connect(closeButton, &QPushButton::clicked, this, &ToolWindow::unload);
}

void CustomizationWindow::load()
{
    const BusyPointer busy;
    tileChildren();
    m_settings->load();
    m_listTables->load();
}

void CustomizationWindow::activate()
{
    showAlone();
}

void CustomizationWindow::closeEvent(QCloseEvent* event)
{
    // Rows typed but not saved are saved now; when they cannot be, the window stays open. At
    // the end of the program the database has gone first, and nothing is asked.
    if (Database::isOpen()) {
        if (!m_listTables->savePendingEdits()) {
            event->ignore();
            return;
        }
    }
    ToolWindow::closeEvent(event);
}
