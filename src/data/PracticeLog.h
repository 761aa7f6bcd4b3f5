#pragma once

#include "data/StoreError.h"

#include <QCoreApplication>
#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>

#include <optional>

// The practice log: one record for each writing sprint or drill that produced something, kept in
// the practice table. Each write is one transaction and announces itself, so that an open log
// shows it at once.
namespace PracticeLog {

inline const QString Table = QStringLiteral("practice");

// The kinds the windows keep, in English in the file; shownKind() gives them in the interface's
// language.
inline const char* const Kinds[] = {
    QT_TRANSLATE_NOOP("PracticeLog", "Writing Sprint"),
    QT_TRANSLATE_NOOP("PracticeLog", "Brainstorm"),
    QT_TRANSLATE_NOOP("PracticeLog", "Free Association"),
    QT_TRANSLATE_NOOP("PracticeLog", "Crystal Ball"),
    QT_TRANSLATE_NOOP("PracticeLog", "Story Wizard"),
    QT_TRANSLATE_NOOP("PracticeLog", "PsychoStimulatron"),
};
QString shownKind(const QString& kind);

struct Record
{
    qint64 id = -1;
    QString kind;               // the window's caption in English: "Writing Sprint", ...
    QDateTime started;          // local time, to the second
    int seconds = 0;            // how long it ran
    QString prompts;            // as the window showed them, one a line
    QString responses;          // as the window showed them
    int words = 0;              // as a word processor counts them
    int characters = 0;         // other than spaces
    std::optional<qint64> seed; // of the roll that drew the prompts, when it is kept

    // Words per minute over the whole time; 0 for a drill shorter than a second.
    double wordsPerMinute() const;
};

// Saves the record and gives it its id.
bool add(Record* record, StoreError* error);
bool remove(qint64 id, StoreError* error);
// Replaces the responses of the record (a text edited after its sprint ended); its figures stay
// those of the sprint. A record deleted meanwhile is not written again.
bool setResponses(qint64 id, const QString& responses, StoreError* error);
// The record of the id; nothing, with EngineError::RecordDeleted, when there is none.
std::optional<Record> record(qint64 id, StoreError* error);

// Every record, newest first: by start, then the one saved last.
bool allRecords(QList<Record>* records, StoreError* error);

// The words written on each day of [first, last] that has a record, by the day it started.
bool wordsPerDay(const QDate& first, const QDate& last, QList<QPair<QDate, int>>* words,
                 StoreError* error);
// Every day with a record, newest first.
bool practiceDays(QList<QDate>* days, StoreError* error);

struct Totals
{
    int records = 0;
    qint64 seconds = 0;
    qint64 words = 0;
};
// The totals of the records started on or after the day; of all records for an invalid day.
bool totals(const QDate& since, Totals* totals, StoreError* error);

} // namespace PracticeLog
