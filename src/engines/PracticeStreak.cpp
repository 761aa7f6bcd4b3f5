#include "engines/PracticeStreak.h"

#include <QSet>

namespace PracticeStreak {

int days(const QList<QDate>& practiceDays, const QDate& today)
{
    const QSet<QDate> practised(practiceDays.cbegin(), practiceDays.cend());
    QDate day = practised.contains(today) ? today : today.addDays(-1);
    int streak = 0;
    while (practised.contains(day)) {
        ++streak;
        day = day.addDays(-1);
    }
    return streak;
}

QDate weekStart(const QDate& day, Qt::DayOfWeek firstDay)
{
    return day.addDays(-((day.dayOfWeek() - int(firstDay) + 7) % 7));
}

} // namespace PracticeStreak
