#include "records/AddToStoryDialog.h"

#include "shared/desktop/Desktop.h"
#include "shared/widgets/ControlMakers.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QListView>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>

namespace {
const int KeyRole = Qt::UserRole + 1;
}

AddToStoryDialog::AddToStoryDialog(const QList<StoryLinks::Story>& stories,
                                   const QString& noteCaption, LinkStep link, QWidget* parent)
    : QDialog(parent), m_link(std::move(link)), m_stories(new QStandardItemModel(this)),
      m_shown(new QSortFilterProxyModel(this)),
      m_filter(ControlMakers::named(new QLineEdit(this), QStringLiteral("txtStoryFilter"))),
      m_list(ControlMakers::named(new QListView(this), QStringLiteral("lstStories"))),
      m_buttons(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this))
{
    setObjectName(QStringLiteral("dlgAddToStory"));
    setWindowTitle(QStringLiteral("Add to Story"));
    for (const StoryLinks::Story& story : stories) {
        auto* item =
            new QStandardItem(story.name.isEmpty() ? QStringLiteral("Untitled story") : story.name);
        item->setData(story.key, KeyRole);
        item->setEditable(false);
        m_stories->appendRow(item);
    }
    m_shown->setSourceModel(m_stories);
    m_shown->setFilterCaseSensitivity(Qt::CaseInsensitive);

    m_filter->setPlaceholderText(QStringLiteral("Type to filter"));
    m_filter->setAccessibleName(QStringLiteral("Filter"));
    m_filter->setClearButtonEnabled(true);
    m_list->setModel(m_shown);
    m_list->setAccessibleName(QStringLiteral("Stories"));
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);

    auto* form = new QFormLayout(this);
    form->addRow(QStringLiteral("&Filter:"), m_filter);
    form->addRow(QStringLiteral("&Story:"), m_list);
    if (!noteCaption.isEmpty()) {
        m_note = ControlMakers::named(new QLineEdit(this), QStringLiteral("txtNote"));
        m_note->setAccessibleName(noteCaption);
        form->addRow(u'&' + noteCaption + u':', m_note);
    }
    form->addRow(m_buttons);

    connect(m_filter, &QLineEdit::textChanged, this, [this](const QString& text) {
        m_shown->setFilterFixedString(text);
        selectFirstShown();
    });
    connect(m_list, &QListView::activated, this, &AddToStoryDialog::accept);
    connect(m_buttons, &QDialogButtonBox::accepted, this, &AddToStoryDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &AddToStoryDialog::reject);
    selectFirstShown();
    m_filter->setFocus();
}

void AddToStoryDialog::selectFirstShown()
{
    // Typing narrows the list to the story meant, which OK then takes without a click.
    if (m_shown->rowCount() > 0)
        m_list->setCurrentIndex(m_shown->index(0, 0));
    else
        m_list->clearSelection();
}

qint64 AddToStoryDialog::chosenStory() const
{
    const QModelIndex current = m_list->currentIndex();
    if (!current.isValid() || !m_list->selectionModel()->isSelected(current))
        return -1;
    return current.data(KeyRole).toLongLong();
}

void AddToStoryDialog::accept()
{
    const qint64 story = chosenStory();
    if (story < 0) {
        desktop().messageBox(QStringLiteral("Choose a story from the list first."), windowTitle(),
                             MessageIcon::Information, MessageButtons::Ok);
        return;
    }
    if (m_link(story, m_note ? m_note->text() : QString()))
        QDialog::accept();
}
