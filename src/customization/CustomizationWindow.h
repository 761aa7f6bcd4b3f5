#pragma once

#include "shared/widgets/ToolWindow.h"

class ListTablesPage;
class SettingsPage;

// The user's own lists and settings, a page each: any table of the database in an editable grid,
// and the settings row (toolbar, timer interval, personal message, start window).
class CustomizationWindow : public ToolWindow
{
    Q_OBJECT

public:
    explicit CustomizationWindow(QWidget* parent = nullptr);

    void load() override;
    void activate() override;

private:
    void closeEvent(QCloseEvent* event) override;

    ListTablesPage* m_listTables = nullptr;
    SettingsPage* m_settings = nullptr;
};
