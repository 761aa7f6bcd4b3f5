#pragma once

#include <functional>

class QAbstractButton;
class QTimer;

// Tool-window timers and the program's messages. A tick would run in the middle of whatever
// handler is waiting for the user's answer, so while a message or question is open no tool
// window's timer fires. A tick that itself meets a message stops its timer and clears the
// window's timer box first: the message is shown once and the user decides what comes next.
// A held arrow repeats on a timer of its own; a step of it that meets a message lets the arrow
// go for the same reason (the message box takes the mouse's release, so it would never stop).
namespace TimerHold {

// Runs onTick at every tick of the timer. timerBox is the box that switches the timer, if any.
void connectTicks(QTimer* timer, QAbstractButton* timerBox, std::function<void()> onTick);

// Runs onStep at every click of the arrow, repeats of a held arrow included.
void connectSteps(QAbstractButton* arrow, std::function<void()> onStep);

// Every connected timer is held while one of these lives; each message is shown inside one.
class MessageScope
{
public:
    MessageScope();
    ~MessageScope();
    MessageScope(const MessageScope&) = delete;
    MessageScope& operator=(const MessageScope&) = delete;
};

} // namespace TimerHold
