#pragma once

#include <QtGlobal>

// Shows the application's busy pointer while work that may take time runs: from the guard's
// start to its end. Guards nest, so the pointer goes back only when the last living one ends.
class BusyPointer
{
public:
    // Shows the pointer, again if a message took it down while an outer guard lived.
    BusyPointer();
    ~BusyPointer();

    // Ends this guard's hold before its scope does.
    void release();

    // Takes the pointer down for a message, whatever guards live: the pointer is never busy while
    // a message is open. When the last pause ends, the pointer shows again if a guard still lives.
    class Pause
    {
    public:
        Pause();
        ~Pause();

    private:
        Q_DISABLE_COPY_MOVE(Pause)
    };

private:
    Q_DISABLE_COPY_MOVE(BusyPointer)
    bool m_holding = true;
};
