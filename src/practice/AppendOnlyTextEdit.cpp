#include "practice/AppendOnlyTextEdit.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>

#include <algorithm>
#include <iterator>

namespace {

// The keys bound to removing text besides Backspace and Delete, whatever their modifiers.
constexpr QKeySequence::StandardKey RemovingKeys[] = {
    QKeySequence::Cut,
    QKeySequence::DeleteEndOfLine,
    QKeySequence::DeleteCompleteLine,
};

// The context menu's commands that remove text, by the names Qt gives them.
const QStringList RemovingCommands = {QStringLiteral("edit-cut"), QStringLiteral("edit-delete")};

// Whether the later text only adds to the earlier: the earlier one's start and end are kept
// around whatever was put between them.
bool onlyAdds(const QString& earlier, const QString& later)
{
    if (later.size() < earlier.size())
        return false;
    const qsizetype prefix = std::distance(
        earlier.cbegin(), std::mismatch(earlier.cbegin(), earlier.cend(), later.cbegin()).first);
    return later.endsWith(QStringView(earlier).mid(prefix));
}

} // namespace

AppendOnlyTextEdit::AppendOnlyTextEdit(QWidget* parent) : QPlainTextEdit(parent)
{
    connect(document(), &QTextDocument::contentsChanged, this, &AppendOnlyTextEdit::keepOrRestore);
}

void AppendOnlyTextEdit::setAppendOnly(bool appendOnly)
{
    m_appendOnly = appendOnly;
    m_kept = toPlainText();
    // An undo could take back what was typed; the history goes while additions only are taken.
    setUndoRedoEnabled(!appendOnly);
}

bool AppendOnlyTextEdit::removes(QKeyEvent* event) const
{
    if (event->key() == Qt::Key_Backspace || event->key() == Qt::Key_Delete)
        return true;
    if (std::any_of(std::cbegin(RemovingKeys), std::cend(RemovingKeys),
                    [event](QKeySequence::StandardKey key) { return event->matches(key); }))
        return true;
    // Typing (a new line included) over a selection would replace it; Ctrl+C and the like type
    // nothing.
    const QString typed = event->text();
    return textCursor().hasSelection() && !typed.isEmpty() &&
           (typed.at(0).isPrint() || typed.at(0).isSpace());
}

void AppendOnlyTextEdit::keyPressEvent(QKeyEvent* event)
{
    if (m_appendOnly && removes(event)) {
        event->accept();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void AppendOnlyTextEdit::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu* menu = createStandardContextMenu(event->pos());
    menu->setAttribute(Qt::WA_DeleteOnClose);
    if (m_appendOnly) {
        const QList<QAction*> commands = menu->actions();
        for (QAction* command : commands) {
            if (RemovingCommands.contains(command->objectName()))
                command->setEnabled(false);
        }
    }
    menu->popup(event->globalPos());
}

void AppendOnlyTextEdit::inputMethodEvent(QInputMethodEvent* event)
{
    // An input method may replace the text before the cursor or the selection as it commits.
    if (m_appendOnly && (event->replacementLength() > 0 || textCursor().hasSelection())) {
        event->accept();
        return;
    }
    QPlainTextEdit::inputMethodEvent(event);
}

void AppendOnlyTextEdit::insertFromMimeData(const QMimeData* source)
{
    // A paste over a selection would replace it.
    if (m_appendOnly && textCursor().hasSelection())
        return;
    QPlainTextEdit::insertFromMimeData(source);
}

void AppendOnlyTextEdit::keepOrRestore()
{
    if (!m_appendOnly || m_restorePending || onlyAdds(m_kept, toPlainText())) {
        if (!m_restorePending)
            m_kept = toPlainText();
        return;
    }
    // The document is still in the middle of the change that removed text: it is put back once
    // that change is over.
    m_restorePending = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_restorePending = false;
            setPlainText(m_kept);
            moveCursor(QTextCursor::End);
        },
        Qt::QueuedConnection);
}
