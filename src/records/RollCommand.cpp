#include "records/RollCommand.h"

#include "records/BoundFieldDelegate.h"

#include <QWidget>

RollCommand::RollCommand(const QString& text, QList<Change> changes)
    : QUndoCommand(text), m_changes(std::move(changes))
{}

std::unique_ptr<RollCommand> RollCommand::record(const QString& text,
                                                 const QList<QWidget*>& controls,
                                                 const std::function<void()>& roll)
{
    QStringList before;
    for (const QWidget* control : controls)
        before << BoundFieldDelegate::shownText(control);
    roll();
    QList<Change> changes;
    for (qsizetype i = 0; i < controls.size(); ++i) {
        const QString after = BoundFieldDelegate::shownText(controls[i]);
        if (after != before[i])
            changes.append({controls[i], before[i], after});
    }
    if (changes.isEmpty())
        return {};
    return std::unique_ptr<RollCommand>(new RollCommand(text, std::move(changes)));
}

void RollCommand::undo()
{
    for (const Change& change : std::as_const(m_changes))
        if (change.control)
            BoundFieldDelegate::showValue(change.control, change.before);
}

void RollCommand::redo()
{
    for (const Change& change : std::as_const(m_changes))
        if (change.control)
            BoundFieldDelegate::showValue(change.control, change.after);
}
