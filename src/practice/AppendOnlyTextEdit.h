#pragma once

#include <QPlainTextEdit>

// A plain-text box that can be set to take additions only: while it is, no key, edit command,
// paste, drop or undo removes or replaces anything already written, and any removal that gets
// through another way (a drag moved out of the box) is put back at once.
class AppendOnlyTextEdit : public QPlainTextEdit
{
    Q_OBJECT

public:
    explicit AppendOnlyTextEdit(QWidget* parent = nullptr);

    void setAppendOnly(bool appendOnly);
    bool isAppendOnly() const { return m_appendOnly; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;

private:
    // Whether the key would remove or replace written text.
    bool removes(QKeyEvent* event) const;
    void keepOrRestore();

    bool m_appendOnly = false;
    QString m_kept; // the text as it stood after the last change allowed
    bool m_restorePending = false;
};
