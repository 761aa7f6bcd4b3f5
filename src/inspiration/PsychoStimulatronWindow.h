#pragma once

#include "shared/widgets/DrillLog.h"
#include "shared/widgets/ToolWindow.h"

class QPushButton;
class QTimer;
class ShowerSurface;

// The PsychoStimulatron: a random word on a large button that jumps about the window over
// showers of coloured circles, five times a second. The word changes every six seconds and at
// every resize; clicking it offers the word to think about. The words clicked are kept in the
// practice log when the window closes.
class PsychoStimulatronWindow : public ToolWindow
{
    Q_OBJECT

public:
    explicit PsychoStimulatronWindow(QWidget* parent = nullptr);

    void load() override;
    void activate() override;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keepWork() override;

private:
    void showNewWord();
    void showWordFromSeed(quint32 seed);
    // A new shower of circles, then one jump of the word button.
    void jumpButton();
    void offerWord();
    // The window as the frame sees it: its child window in the frame, or itself when alone.
    QWidget* outerWindow();

    ShowerSurface* m_shower;
    QPushButton* m_wordButton;
    QTimer* m_moveTimer;
    QTimer* m_wordTimer;
    quint32 m_wordSeed = 0; // of the word on the button
    // The words the writer clicked to think about.
    DrillLog m_drill{QStringLiteral("PsychoStimulatron"), DrillLog::Work::Prompts};
};
