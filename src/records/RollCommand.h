#pragma once

#include <QList>
#include <QPointer>
#include <QString>
#include <QUndoCommand>

#include <functional>
#include <memory>

class QWidget;

// One roll of the dice in a record window, undoable: the bound controls it changed, each with
// the text it replaced and the text it drew. Applying goes through the controls themselves, so
// the window's mapper sees an edit and saves it as it saves typing.
class RollCommand : public QUndoCommand
{
public:
    // Runs the roll and keeps what it changed among the controls (nothing for a roll that
    // drew the texts already shown, or touched none of them).
    static std::unique_ptr<RollCommand> record(const QString& text, const QList<QWidget*>& controls,
                                               const std::function<void()>& roll);

    void undo() override;
    void redo() override;

private:
    struct Change
    {
        QPointer<QWidget> control;
        QString before;
        QString after;
    };

    RollCommand(const QString& text, QList<Change> changes);

    QList<Change> m_changes;
};
