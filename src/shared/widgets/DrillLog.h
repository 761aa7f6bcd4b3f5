#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <optional>

class QListWidget;

// One drill of a tool window, gathered as it runs and kept in the practice log when it ends
// (the window closes, its list is cleared, its timer is switched off): the prompts the window
// gave, what the writer wrote in answer, and the lines the window showed. A drill that produced
// nothing is not kept.
class DrillLog
{
public:
    // What a drill must hold to be kept: a response of the writer's, or, in a window the writer
    // only asks for prompts in, a prompt.
    enum class Work { Responses, Prompts };

    DrillLog(QString kind, Work work = Work::Responses);

    // A prompt the window gave; the first prompt's seed is the drill's.
    void notePrompt(const QString& prompt, std::optional<quint32> seed = std::nullopt);
    // What the writer wrote in answer to the prompt on view.
    void noteResponse(const QString& response);
    bool hasWork() const;

    // Keeps the drill, when it produced anything, with the lines the window showed of it: those
    // its results list gained since the drill began, or none. Then a new drill begins. A failure
    // to store it is told as the program's fatal errors are.
    void keep(const QListWidget* results = nullptr);
    // The results list was emptied: the next drill's lines start at its top.
    void resultsCleared() { m_firstLine = 0; }

private:
    void noteTime(bool work);

    QString m_kind;
    Work m_work;
    QDateTime m_started; // at the first prompt or response
    QDateTime m_last;    // at the latest of the work that keeps the drill
    int m_firstLine = 0; // of the drill in the results list
    QStringList m_prompts;
    QStringList m_responses;
    std::optional<quint32> m_seed;
};
