#include "records/RollHistory.h"

#include "records/RollCommand.h"

#include <QAction>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextDocument>
#include <QUndoStack>
#include <QWidget>

namespace {
// Whether the text box has typing of its own to undo (or redo); false for any other control.
bool hasOwnTyping(QObject* control, bool redo)
{
    if (auto* combo = qobject_cast<QComboBox*>(control))
        control = combo->lineEdit();
    if (auto* line = qobject_cast<QLineEdit*>(control))
        return redo ? line->isRedoAvailable() : line->isUndoAvailable();
    if (auto* text = qobject_cast<QPlainTextEdit*>(control))
        return redo ? text->document()->isRedoAvailable() : text->document()->isUndoAvailable();
    return false;
}

bool isShortcutOf(const QAction* action, const QKeyEvent* key)
{
    return action->shortcuts().contains(QKeySequence(key->keyCombination()));
}
} // namespace

RollHistory::RollHistory(QWidget* window)
    : QObject(window), m_stack(new QUndoStack(this)), m_undo(m_stack->createUndoAction(window)),
      m_redo(m_stack->createRedoAction(window))
{
    m_undo->setObjectName(QStringLiteral("actUndoRoll"));
    m_undo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    m_redo->setObjectName(QStringLiteral("actRedoRoll"));
    m_redo->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    auto* separator = new QAction(window);
    separator->setSeparator(true);
    for (QAction* action : {separator, m_undo, m_redo}) {
        // Several windows are open at once: each takes only the keys pressed inside it.
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        window->addAction(action);
    }
    window->setContextMenuPolicy(Qt::ActionsContextMenu);
    for (QWidget* box : window->findChildren<QWidget*>()) {
        if (qobject_cast<QLineEdit*>(box) || qobject_cast<QPlainTextEdit*>(box) ||
            qobject_cast<QComboBox*>(box))
            box->installEventFilter(this);
    }
}

bool RollHistory::eventFilter(QObject* watched, QEvent* event)
{
    // A text box claims Ctrl+Z and the like whether or not it has anything to undo; left
    // unclaimed, the key reaches the window's action.
    if (event->type() == QEvent::ShortcutOverride) {
        const auto* key = static_cast<QKeyEvent*>(event);
        for (const bool redo : {false, true}) {
            if (isShortcutOf(redo ? m_redo : m_undo, key) && !hasOwnTyping(watched, redo))
                return true;
        }
    }
    return QObject::eventFilter(watched, event);
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
        m_stack->clear();
    m_key = key;
}
