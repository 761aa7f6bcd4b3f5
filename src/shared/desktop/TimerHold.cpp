#include "shared/desktop/TimerHold.h"

#include <QAbstractButton>
#include <QList>
#include <QPointer>
#include <QTimer>

namespace {

struct Tick
{
    QPointer<QTimer> timer;
    QPointer<QAbstractButton> timerBox;
};

QList<QPointer<QTimer>>& connectedTimers()
{
    static QList<QPointer<QTimer>> timers;
    return timers;
}

Tick currentTick;                       // the tick being handled, if any
QPointer<QAbstractButton> currentArrow; // the arrow whose step is being handled, if any
int openMessages = 0;                   // messages open inside one another
QList<QPointer<QTimer>> held;           // the timers the outermost message stopped

} // namespace

void TimerHold::connectTicks(QTimer* timer, QAbstractButton* timerBox, std::function<void()> onTick)
{
    QList<QPointer<QTimer>>& timers = connectedTimers();
    timers.removeAll(nullptr);
    timers.append(timer);
    QObject::connect(timer, &QTimer::timeout, timer,
                     [timer, box = QPointer(timerBox), onTick = std::move(onTick)] {
                         const Tick outer = std::exchange(currentTick, Tick{timer, box});
                         onTick();
                         currentTick = outer;
                     });
}

void TimerHold::connectSteps(QAbstractButton* arrow, std::function<void()> onStep)
{
    QObject::connect(arrow, &QAbstractButton::clicked, arrow, [arrow, onStep = std::move(onStep)] {
        const QPointer outer = std::exchange(currentArrow, arrow);
        onStep();
        currentArrow = outer;
    });
}

TimerHold::MessageScope::MessageScope()
{
    if (openMessages++ > 0)
        return;
    // Letting the arrow go stops its repeats; its release then clicks it no more.
    if (QAbstractButton* arrow = currentArrow)
        arrow->setDown(false);
    if (QTimer* ticking = currentTick.timer) {
        // Unticking the box runs the window's own "timer off"; the stop makes sure of it.
        if (QAbstractButton* box = currentTick.timerBox; box && box->isChecked()) {
            box->click();
            box->setChecked(false);
        }
        ticking->stop();
    }
    for (const QPointer<QTimer>& timer : std::as_const(connectedTimers())) {
        if (timer && timer->isActive()) {
            timer->stop();
            held.append(timer);
        }
    }
}

TimerHold::MessageScope::~MessageScope()
{
    if (--openMessages > 0)
        return;
    for (const QPointer<QTimer>& timer : std::exchange(held, {})) {
        if (timer && !timer->isActive())
            timer->start();
    }
}
