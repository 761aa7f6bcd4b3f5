#pragma once

#include "data/StoryLinks.h"

#include <QDialog>

#include <functional>

class QDialogButtonBox;
class QLineEdit;
class QListView;
class QSortFilterProxyModel;
class QStandardItemModel;

// Chooses a story to link a record to: the stories by name, narrowed by what is typed in the
// filter box, and the link's note where the links have one. OK hands the choice to the link
// step, and the dialog closes only when that step is done, so a refused link can be chosen
// again.
class AddToStoryDialog : public QDialog
{
    Q_OBJECT

public:
    // Links the story with the note; false keeps the dialog open.
    using LinkStep = std::function<bool(qint64 storyKey, const QString& note)>;

    // noteCaption is empty when the links have no note.
    AddToStoryDialog(const QList<StoryLinks::Story>& stories, const QString& noteCaption,
                     LinkStep link, QWidget* parent);

    // The story chosen, or -1.
    qint64 chosenStory() const;

    void accept() override;

private:
    void selectFirstShown();

    LinkStep m_link;
    QStandardItemModel* m_stories;
    QSortFilterProxyModel* m_shown;
    QLineEdit* m_filter;
    QListView* m_list;
    QLineEdit* m_note = nullptr;
    QDialogButtonBox* m_buttons;
};
