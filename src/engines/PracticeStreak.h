#pragma once

#include <QDate>
#include <QList>

// How many days in a row the writer has practised.
namespace PracticeStreak {

// The consecutive days with practice that end today, or end yesterday while today has none yet
// (the day is not over); 0 when neither day has any. The days may come in any order and repeat.
int days(const QList<QDate>& practiceDays, const QDate& today);

// The first day of the week that holds the day, the week starting on firstDay.
QDate weekStart(const QDate& day, Qt::DayOfWeek firstDay);

} // namespace PracticeStreak
