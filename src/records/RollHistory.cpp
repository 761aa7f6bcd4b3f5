#include "records/RollHistory.h"

#include "records/RollCommand.h"

#include <QAction>
#include <QUndoStack>
#include <QWidget>

RollHistory::RollHistory(QWidget* window) : QObject(window), m_stack(new QUndoStack(this))
{
    QAction* undo = m_stack->createUndoAction(window);
    undo->setObjectName(QStringLiteral("actUndoRoll"));
    undo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    QAction* redo = m_stack->createRedoAction(window);
    redo->setObjectName(QStringLiteral("actRedoRoll"));
    redo->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    auto* separator = new QAction(window);
    separator->setSeparator(true);
    for (QAction* action : {separator, undo, redo}) {
        // Several windows are open at once: each takes only the keys pressed inside it.
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        window->addAction(action);
    }
    window->setContextMenuPolicy(Qt::ActionsContextMenu);
}

void RollHistory::roll(const QString& text, const QList<QWidget*>& controls,
                       const std::function<void()>& draw)
{
    if (auto command = RollCommand::record(text, controls, draw))
        m_stack->push(command.release());
}

void RollHistory::followRecord(qint64 key)
{
    if (key != m_key)
        clear();
    m_key = key;
}

void RollHistory::clear()
{
    m_stack->clear();
}
