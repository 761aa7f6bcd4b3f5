#pragma once

#include <QList>
#include <QObject>
#include <QString>

#include <functional>

class QAction;
class QEvent;
class QUndoStack;
class QWidget;

// The rolls made on the record a window shows, for Undo and Redo. Both sit in the window's
// context menu and answer their keys (Ctrl+Z; Ctrl+Shift+Z and Ctrl+Y) wherever the focus is in
// the window. A text box keeps the keys while it has typing of its own to undo or redo; then
// they go on to the rolls.
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

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QUndoStack* m_stack;
    QAction* m_undo;
    QAction* m_redo;
    qint64 m_key = -1;
};
