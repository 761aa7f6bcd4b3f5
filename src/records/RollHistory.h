#pragma once

#include <QList>
#include <QObject>
#include <QString>

#include <functional>

class QAction;
class QUndoStack;
class QWidget;

// The rolls made on the record a window shows, for Undo and Redo. Both sit in the window's
// context menu and answer their keys (Ctrl+Z; Ctrl+Shift+Z and Ctrl+Y) wherever the focus is in
// the window, except in a text box, which keeps them for undoing its own typing.
class RollHistory : public QObject
{
    Q_OBJECT

public:
    explicit RollHistory(QWidget* window);

    // Runs the roll as one step that Undo takes back, in the controls it changed and no other.
    void roll(const QString& text, const QList<QWidget*>& controls,
              const std::function<void()>& draw);
    // A roll belongs to the record it was made on: showing another record forgets the rolls,
    // while showing the same one again (read anew) keeps them.
    void followRecord(qint64 key);
    void clear();

    QUndoStack* stack() const { return m_stack; }

private:
    QUndoStack* m_stack;
    qint64 m_key = -1;
};
