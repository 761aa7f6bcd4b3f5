#include "shared/widgets/DrillLog.h"

#include "data/PracticeLog.h"
#include "engines/WordCount.h"
#include "shared/desktop/Clock.h"
#include "shared/widgets/FatalError.h"

#include <QListWidget>

DrillLog::DrillLog(QString kind, Work work) : m_kind(std::move(kind)), m_work(work) {}

void DrillLog::noteTime(bool work)
{
    const QDateTime now = currentDateTime();
    if (!m_started.isValid())
        m_started = m_last = now;
    // A prompt the writer leaves unanswered does not lengthen the drill.
    if (work)
        m_last = now;
}

void DrillLog::notePrompt(const QString& prompt, std::optional<quint32> seed)
{
    if (prompt.isEmpty())
        return;
    noteTime(m_work == Work::Prompts);
    if (m_prompts.isEmpty())
        m_seed = seed;
    m_prompts << prompt;
}

void DrillLog::noteResponse(const QString& response)
{
    if (response.trimmed().isEmpty())
        return;
    noteTime(m_work == Work::Responses);
    m_responses << response;
}

bool DrillLog::hasWork() const
{
    return !(m_work == Work::Responses ? m_responses : m_prompts).isEmpty();
}

void DrillLog::keep(const QListWidget* results)
{
    QStringList shownLines;
    for (int line = m_firstLine; results && line < results->count(); ++line)
        shownLines << results->item(line)->text();
    if (hasWork()) {
        const WordCount::Count count = WordCount::of(m_responses.join(u'\n'));
        PracticeLog::Record record;
        record.kind = m_kind;
        record.started = m_started;
        record.seconds = int(m_started.secsTo(m_last));
        record.prompts = m_prompts.join(u'\n');
        record.responses = shownLines.join(u'\n');
        record.words = count.words;
        record.characters = count.characters;
        if (m_seed)
            record.seed = *m_seed;
        StoreError error;
        if (!PracticeLog::add(&record, &error))
            reportFatalError(error);
    }
    // The lines of a drill not kept stay with the next one.
    const int nextLine = results && hasWork() ? results->count() : m_firstLine;
    *this = DrillLog(m_kind, m_work);
    m_firstLine = nextLine;
}
