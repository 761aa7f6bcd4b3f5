#pragma once

#include "records/RecordWindow.h"

class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class Report;
class StoryLinkList;

// Stories, kept in "Story Profile": a name, a description and notes, and the characters, plots
// and scenes linked to each story, listed on their own tabs. A story is reported as plain text
// to the printer or the clipboard.
class StoryAndStageWindow : public RecordWindow
{
    Q_OBJECT

public:
    explicit StoryAndStageWindow(QWidget* parent = nullptr);

    void load() override;
    void activate() override;

private:
    void createControls();
    void arrangeControls();
    void connectControls();

    void newStory();
    // Deletes the story and its links, all or nothing.
    bool removeRecord(qint64 key, StoreError* error) override;
    // The tabs are usable exactly while a story exists.
    void checkForFirst();
    // The current story: its name and description, then its characters, plots and scenes and
    // its notes, each under a heading between rules.
    Report report() const;
    // Writes the whole story to a web page or a Markdown file the user picks.
    void exportStory();
    // Saves what was typed into the story and its link lists.
    bool saveEdits() override;

    void rowsChanged() override { checkForFirst(); }
    void recordShown(qint64 key) override;

    QLineEdit* m_storyName = nullptr;
    QLineEdit* m_storyId = nullptr;
    QTabWidget* m_tabs = nullptr;
    QPlainTextEdit* m_description = nullptr;
    QPlainTextEdit* m_notes = nullptr;
    StoryLinkList* m_plots = nullptr;
    StoryLinkList* m_characters = nullptr;
    StoryLinkList* m_scenes = nullptr;
    QPushButton* m_newButton = nullptr;
    QPushButton* m_updateButton = nullptr;
    QPushButton* m_deleteButton = nullptr;
    QPushButton* m_printButton = nullptr;
    QPushButton* m_clipboardButton = nullptr;
    QPushButton* m_exportButton = nullptr;
};
