#pragma once

#include "shared/ToolWindow.h"

class QCheckBox;
class QPlainTextEdit;
class QPushButton;
class QTimer;

// The crystal ball: one random piece of writing advice at a time, on request or at every tick
// of the timer. Each piece replaces the one before; nothing is kept.
class frmCrystalBall : public ToolWindow
{
    Q_OBJECT

public:
    explicit frmCrystalBall(QWidget* parent = nullptr);

    QPlainTextEdit* txtAdvice;
    QPushButton* cmdAdvice;
    QCheckBox* chkTimer;
    QPushButton* cmdClose;
    QTimer* tmrAdvice;

    void activate() override;
    void cmdAdvice_Click();
    void chkTimer_Click();
    void tmrAdvice_Timer();
    void cmdClose_Click();

protected:
    void closeEvent(QCloseEvent* event) override;
};
