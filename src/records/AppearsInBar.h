#pragma once

#include "data/StoryLinks.h"

#include <QWidget>

class QAction;
class QListWidget;
class QPushButton;

// Beside a record window's navigator: "Add to Story…", which links the current record to a
// story the user picks, and "Appears in:", the stories the current record is linked to, each
// with the link's note as its tooltip. The list follows every link written while it shows.
class AppearsInBar : public QWidget
{
    Q_OBJECT

public:
    AppearsInBar(const StoryLinks::Kind& kind, QWidget* owner);

    // Lists the stories of the record of the key (-1: none).
    void showItem(qint64 key);
    // The command that opens the dialog, for the window's own menu.
    QAction* addToStoryAction() const { return m_addToStory; }
    // Asks for a story and links the current record to it.
    void addToStory();

signals:
    // A story of the list was activated (double-click or Enter).
    void storyActivated(qint64 storyKey);

private:
    bool link(qint64 itemKey, qint64 storyKey, const QString& note);
    void tellPlainly(const QString& text);

    StoryLinks::Kind m_kind;
    QWidget* m_owner;
    qint64 m_item = -1;
    QAction* m_addToStory;
    QPushButton* m_addButton;
    QListWidget* m_stories;
};
