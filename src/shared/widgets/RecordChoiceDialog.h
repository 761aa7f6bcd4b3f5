#pragma once

#include <QDialog>
#include <QList>
#include <QString>

#include <functional>

class QDialogButtonBox;
class QLineEdit;
class QListView;
class QSortFilterProxyModel;
class QStandardItemModel;

// Chooses a record (a story to link to, a character to keep a line in...): the records by name,
// narrowed by what is typed in the filter box, and a note where the step takes one. OK hands the
// choice to the step, and the dialog closes only when that step is done, so a refused write can
// be chosen again.
class RecordChoiceDialog : public QDialog
{
    Q_OBJECT

public:
    struct Choice
    {
        qint64 key = -1;
        QString name; // empty for a record without one
    };

    // What the dialog is called and what it chooses.
    struct Setup
    {
        QString objectName;         // "dlgAddToStory"
        QString title;              // "Add to Story"
        QString filterName;         // "txtStoryFilter"
        QString listName;           // "lstStories"
        QString listCaption;        // "&Story:"
        QString listAccessibleName; // "Stories"
        QString chooseFirst;        // "Choose a story from the list first."
        QString untitled;           // how a record without a name is listed: "Untitled story"
        QString noteCaption;        // empty when the step takes no note
        QString prompt;          // a line above the filter saying what is chosen for; may be empty
        qint64 preselected = -1; // the record chosen at first when listed, else the first
    };

    // Runs the step on the record chosen with the note; false keeps the dialog open.
    using Step = std::function<bool(qint64 key, const QString& note)>;

    RecordChoiceDialog(const QList<Choice>& choices, const Setup& setup, Step step,
                       QWidget* parent);

    // The record chosen, or -1.
    qint64 chosenKey() const;

    void accept() override;

private:
    void selectFirstShown();
    // Told when OK is chosen with no record chosen.

    Step m_step;
    QString m_chooseFirst;
    QStandardItemModel* m_choices;
    QSortFilterProxyModel* m_shown;
    QLineEdit* m_filter;
    QListView* m_list;
    QLineEdit* m_note = nullptr;
    QDialogButtonBox* m_buttons;
};
