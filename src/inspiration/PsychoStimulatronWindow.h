#pragma once

#include "shared/widgets/ToolWindow.h"

class QPushButton;
class QTimer;
class ShowerSurface;

// The PsychoStimulatron: a random word on a large button that jumps about the window over
// showers of coloured circles, five times a second. The word changes every six seconds and at
// every resize; clicking it offers the word to think about. Nothing is kept.
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
};
