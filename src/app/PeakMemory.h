#pragma once

#include <QByteArray>
#include <QFile>

// The peak resident memory of this process so far, in KiB, or 0 where the system does not say:
// what the start-up benchmark compares between the program and a bare Qt window.
inline long peakMemoryKib()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return 0;
}
