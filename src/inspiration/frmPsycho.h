#pragma once

#include "shared/ToolWindow.h"

class QPushButton;
class QTimer;
class ShowerSurface;

// The PsychoStimulatron: a random word on a large button that jumps about the window over
// showers of coloured circles, five times a second. The word changes every six seconds and at
// every resize; clicking it offers the word to think about. Nothing is kept.
class frmPsycho : public ToolWindow
{
    Q_OBJECT

public:
    explicit frmPsycho(QWidget* parent = nullptr);

    ShowerSurface* shower;
    QPushButton* cmdPsycho;
    QTimer* tmrMoveButton;
    QTimer* tmrPsycho1;

    void load() override;
    void activate() override;
    void Form_Resize();
    void Form_QueryUnload();
    // Replaces the shower of circles on view.
    void setCircle();
    void tmrMoveButton_Timer();
    void tmrPsycho1_Timer();
    void cmdPsycho_Click();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // The window as the frame sees it: its child window in the frame, or itself when alone.
    QWidget* outerWindow();
};
