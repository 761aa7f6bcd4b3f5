#include "records/AppearsInBar.h"

#include "data/TableNotices.h"
#include "records/RecordWindow.h"
#include "shared/desktop/BusyPointer.h"
#include "shared/desktop/Desktop.h"
#include "shared/widgets/ControlMakers.h"
#include "shared/widgets/FatalError.h"
#include "shared/widgets/RecordChoiceDialog.h"

#include <QAction>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>

namespace {

const int StoryKeyRole = Qt::UserRole + 1;

// One line of story names that says, in a muted voice, when there is none.
class StoryLine : public QListWidget
{
public:
    explicit StoryLine(QWidget* parent) : QListWidget(parent)
    {
        setFlow(QListView::LeftToRight);
        setWrapping(false);
        setSpacing(4);
        setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        setFixedHeight(fontMetrics().height() * 2 + 2 * frameWidth());
    }

protected:
    void paintEvent(QPaintEvent* event) override
    {
        QListWidget::paintEvent(event);
        if (count() > 0)
            return;
        QPainter painter(viewport());
        painter.setPen(palette().color(QPalette::PlaceholderText));
        painter.drawText(viewport()->rect().adjusted(4, 0, -4, 0), Qt::AlignVCenter | Qt::AlignLeft,
                         AppearsInBar::tr("no story yet"));
    }
};

} // namespace

AppearsInBar::AppearsInBar(const StoryLinks::Kind& kind, QWidget* owner)
    : QWidget(owner), m_kind(kind), m_owner(owner),
      m_addToStory(new QAction(tr("Add to Story…"), owner)),
      m_addButton(ControlMakers::button(QStringLiteral("cmdAddToStory"), tr("Add to Story…"),
                                        tr("Link this record to a story"), this)),
      m_stories(ControlMakers::named(new StoryLine(this), QStringLiteral("lstAppearsIn")))
{
    m_addToStory->setObjectName(QStringLiteral("actAddToStory"));
    m_stories->setAccessibleName(tr("Appears in"));
    m_stories->setToolTip(tr("The stories this record is part of; double-click one "
                             "to open it in Story and Stage"));
    auto* caption = new QLabel(tr("Appears in:"), this);
    caption->setBuddy(m_stories);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_addButton);
    layout->addSpacing(8);
    layout->addWidget(caption);
    layout->addWidget(m_stories, 1);

    connect(m_addToStory, &QAction::triggered, this, &AppearsInBar::addToStory);
    connect(m_addButton, &QPushButton::clicked, this, &AppearsInBar::addToStory);
    connect(m_stories, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
        emit storyActivated(item->data(StoryKeyRole).toLongLong());
    });
    connect(&TableNotices::instance(), &TableNotices::linksChanged, this,
            [this](const QString& linkTable) {
                if (linkTable.compare(m_kind.linkTable, Qt::CaseInsensitive) == 0)
                    showItem(m_item);
            });
}

void AppearsInBar::showItem(qint64 key)
{
    m_item = key;
    m_stories->clear();
    if (key < 0)
        return;
    QList<StoryLinks::Story> stories;
    StoreError error;
    if (!StoryLinks::storiesOf(m_kind, key, &stories, &error))
        return reportFatalError(error);
    for (const StoryLinks::Story& story : std::as_const(stories)) {
        auto* item = new QListWidgetItem(story.name.isEmpty() ? tr("Untitled story") : story.name,
                                         m_stories);
        item->setData(StoryKeyRole, story.key);
        item->setToolTip(story.note);
    }
}

void AppearsInBar::tellPlainly(const QString& text)
{
    desktop().messageBox(text, tr("Add to Story"), MessageIcon::Information, MessageButtons::Ok);
}

void AppearsInBar::addToStory()
{
    if (m_item < 0)
        return tellPlainly(tr("There is nothing to add to a story yet.  Create a "
                              "record with New first."));
    QList<StoryLinks::Story> stories;
    StoreError error;
    if (!StoryLinks::allStories(&stories, &error))
        return reportFatalError(error);
    if (stories.isEmpty())
        return tellPlainly(tr("There is no story yet.  Create one in Story and Stage first."));
    // The record current now is the one linked, whatever the window shows when OK is pressed.
    const qint64 item = m_item;
    QList<RecordChoiceDialog::Choice> choices;
    for (const StoryLinks::Story& story : std::as_const(stories))
        choices.append({story.key, story.name});
    auto* dialog = new RecordChoiceDialog(
        choices,
        {.objectName = QStringLiteral("dlgAddToStory"),
         .title = tr("Add to Story"),
         .filterName = QStringLiteral("txtStoryFilter"),
         .listName = QStringLiteral("lstStories"),
         .listCaption = tr("&Story:"),
         .listAccessibleName = tr("Stories"),
         .chooseFirst = tr("Choose a story from the list first."),
         .untitled = tr("Untitled story"),
         .noteCaption = m_kind.noteField,
         .prompt = {}},
        [this, item](qint64 story, const QString& note) { return link(item, story, note); },
        m_owner);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowModality(Qt::WindowModal);
    dialog->show();
}

bool AppearsInBar::link(qint64 itemKey, qint64 storyKey, const QString& note)
{
    const BusyPointer busy;
    StoreError error;
    if (StoryLinks::link(m_kind, storyKey, itemKey, note, &error))
        return true;
    if (error.number == EngineError::DuplicateValue)
        RecordWindow::tellDuplicate();
    //: What the refused change was about, as in "Quillane could not save/add/delete …"
    else if (!tellRefusedWrite(error, RefusedWrite::adding(tr("a link"))))
        reportFatalError(error);
    return false;
}
