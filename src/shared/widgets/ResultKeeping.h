#pragma once

#include "data/KeptLines.h"

#include <QDate>
#include <QObject>
#include <QString>

#include <functional>
#include <utility>

class QAbstractScrollArea;
class QAction;
class QListWidget;
class QListWidgetItem;
class QMenu;
class QPlainTextEdit;
class QPoint;
class ToolWindow;

// Keeps the current line of a results list or of a text box in a record, from its context menu
// or from Ctrl+K, which opens the same menu at the line: in a new character, or in a character,
// a scene or a story chosen by name. A name becomes a character's name and an age its age;
// anything else, and anything kept in a scene or a story, becomes a line of the record's notes
// followed by the window it came from and the date.
class ResultKeeping : public QObject
{
    Q_OBJECT

public:
    enum class LineKind { Text, Name, Age };

    static ResultKeeping* attach(QListWidget* list);
    static ResultKeeping* attach(QPlainTextEdit* box);
    // The keeping attached to the control, or null.
    static ResultKeeping* of(const QWidget* control);

    // What the lines of the control are unless a line says otherwise.
    void setLineKind(LineKind kind) { m_lineKind = kind; }
    // Marks one line of a list as of another kind than the others (an age among numbers).
    static void markLine(QListWidgetItem* line, LineKind kind);

    // A box that holds one whole piece of writing keeps it all when nothing is selected, and
    // keeps its line breaks, instead of the line at the cursor.
    void setKeepsWholeTextWithoutSelection(bool whole) { m_keepsWholeText = whole; }
    // Where a kept line says it came from, and when; by default the window's caption and today.
    using Source = std::function<std::pair<QString, QDate>()>;
    void setSource(Source source) { m_source = std::move(source); }

    // The line the commands keep: the list's current line, or the box's selection or the line
    // at its cursor (or its whole text, when it keeps that); empty when there is none.
    QString currentLine() const;
    LineKind currentLineKind() const;

    // Opens the menu of the keeping commands, and of those a window added, at the current line.
    void showMenuAtLine();
    // Adds a window's own command to the menu, after the keeping ones; it is offered with or
    // without a current line.
    void addCommand(QAction* action);

private:
    ResultKeeping(QAbstractScrollArea* control, QListWidget* list, QPlainTextEdit* box);

    void showMenu(QMenu* menu, const QPoint& globalPosition);
    void keepInNewCharacter();
    void keepInChosen(KeptLines::Kind kind);
    // Keeps the line in the record; false when nothing was kept and the choice may be tried again.
    bool keepIn(KeptLines::Kind kind, qint64 key, const QString& name, const QString& line,
                LineKind lineKind);
    // Tells why a keeping failed.
    void tellFailure(const StoreError& error, const QString& line, const QString& title);
    // The window the control is in, whose caption names where a kept line came from.
    QWidget* ownerWindow() const;
    void tellStatus(const QString& text);
    // The line as a record's notes keep it, followed by where it came from.
    QString withSource(const QString& line) const;

    QAbstractScrollArea* m_control;
    QListWidget* m_list = nullptr;
    QPlainTextEdit* m_box = nullptr;
    LineKind m_lineKind = LineKind::Text;
    bool m_keepsWholeText = false;
    Source m_source;
    QList<QAction*> m_actions;
    QList<QAction*> m_commands; // the window's own, after a separator
    QMenu* m_menu;
};
