#pragma once

#include "shared/widgets/DrillLog.h"
#include "shared/widgets/ToolWindow.h"

class QCheckBox;
class QPlainTextEdit;
class QPushButton;
class QTimer;

// The crystal ball: one random piece of writing advice at a time, on request or at every tick
// of the timer. Each piece replaces the one before; the pieces looked at are kept in the
// practice log when the timer is switched off or the window closes.
class CrystalBallWindow : public ToolWindow
{
    Q_OBJECT

public:
    explicit CrystalBallWindow(QWidget* parent = nullptr);

    void activate() override;

protected:
    void keepWork() override;

private:
    void showAdvice();
    void showAdviceFromSeed(quint32 seed);
    void switchTimer();

    QPlainTextEdit* m_advice;
    QPushButton* m_adviceButton;
    QCheckBox* m_timerBox;
    QTimer* m_timer;
    // The advice the writer looked at.
    DrillLog m_drill{QStringLiteral("Crystal Ball"), DrillLog::Work::Prompts};
};
