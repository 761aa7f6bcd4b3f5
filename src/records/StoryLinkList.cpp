#include "records/StoryLinkList.h"

#include "data/TableNotices.h"
#include "records/NothingToDelete.h"
#include "records/ProfileForm.h"
#include "records/RecordWindow.h"
#include "shared/desktop/BusyPointer.h"
#include "shared/desktop/Desktop.h"
#include "shared/widgets/ControlMakers.h"
#include "shared/widgets/FatalError.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QSqlQueryModel>
#include <QSqlRecord>
#include <QTableView>
#include <QVBoxLayout>

StoryLinkList::StoryLinkList(const Setup& setup, QWidget* parent)
    : QWidget(parent), m_placeholder(setup.placeholder), m_prompt(setup.prompt),
      m_promptTitle(setup.promptTitle), m_links(new LinkListModel(setup.link, this)),
      m_items(new QSqlQueryModel(this))
{
    m_links->setObjectName(setup.modelName);
    requery(-1); // the columns, with no rows until a story is shown
    createControls(setup);
    arrangeControls(setup);
    connect(&TableNotices::instance(), &TableNotices::linksChanged, this,
            &StoryLinkList::followLinksWritten);
}

void StoryLinkList::followLinksWritten(const QString& linkTable, const QObject* origin)
{
    // Changes not saved yet stay as they are; Update or Refresh List reads the rest.
    if (origin == m_links || m_links->storyKey() < 0 || m_links->isDirty() ||
        linkTable.compare(m_links->setup().linkTable, Qt::CaseInsensitive) != 0)
        return;
    requery(m_links->key(currentRow()));
}

void StoryLinkList::createControls(const Setup& setup)
{
    m_storyBox = ProfileForm::makeTextBox(setup.storyBoxName, tr("Story ID"), this);
    m_storyBox->setReadOnly(true);

    m_combo = ControlMakers::named(new QComboBox(this), setup.comboName);
    m_combo->setAccessibleName(setup.itemName);
    m_combo->setModel(m_items);
    m_combo->setModelColumn(1);
    connect(m_combo, &QComboBox::activated, this, [this](int index) {
        if (currentRow() >= 0)
            m_links->setItem(currentRow(), m_items->record(index).value(0).toLongLong());
    });

    m_grid = ControlMakers::named(new QTableView(this), setup.gridName);
    m_grid->setModel(m_links);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                            QAbstractItemView::AnyKeyPressed);
    ProfileForm::setRoomyScrollArea(m_grid, 40, 8);
    m_grid->setColumnHidden(0, true);
    m_grid->setColumnHidden(m_links->storyColumn(), true);
    m_grid->setColumnHidden(m_links->itemColumn(), true);
    connect(m_grid->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current, const QModelIndex& previous) {
                if (m_requerying)
                    return;
                // Another link becomes current: what was changed in the links is saved first.
                if (m_links->isDirty()) {
                    const qint64 chosen = m_links->key(current.row());
                    if (save(m_links->key(previous.row())))
                        requery(chosen);
                }
                showItemOfCurrentLink();
            });

    const QList<void (StoryLinkList::*)()> actions = {
        &StoryLinkList::addLink, &StoryLinkList::updateLinks, &StoryLinkList::refresh,
        &StoryLinkList::deleteLinks};
    const QStringList captions = {tr("Add"), tr("Update"), tr("Refresh List"), tr("Delete")};
    for (int i = 0; i < actions.size(); ++i) {
        m_buttons << ControlMakers::button(setup.buttonNames.at(i), captions.at(i),
                                           setup.buttonTips.value(i), this);
        connect(m_buttons.last(), &QPushButton::clicked, this, actions.at(i));
    }
}

void StoryLinkList::arrangeControls(const Setup& setup)
{
    auto* layout = new QVBoxLayout(this);
    auto* choice = new QGridLayout;
    ProfileForm::addLabelled(choice, 0, 0, setup.itemCaption, m_combo);
    ProfileForm::addLabelled(choice, 0, 2, tr("Story ID:"), m_storyBox);
    choice->setColumnStretch(1, 1);
    layout->addLayout(choice);
    layout->addWidget(
        setup.listCaptioned ? ProfileForm::captionedGrid(m_grid, setup.listName) : m_grid, 1);
    if (!setup.listCaptioned) {
        m_grid->setAccessibleName(setup.listName);
        m_grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    }
    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : std::as_const(m_buttons))
        buttons->addWidget(button);
    buttons->addStretch();
    layout->addLayout(buttons);
}

void StoryLinkList::showStory(qint64 storyKey)
{
    saveEdits();
    m_storyBox->setText(storyKey >= 0 ? QString::number(storyKey) : QString());
    m_newLink.clear();
    StoreError error;
    if (!m_links->select(storyKey, &error))
        return reportFatalError(error);
    requery(-1);
}

bool StoryLinkList::saveEdits()
{
    if (m_links->isDirty())
        updateLinks();
    return !m_links->isDirty();
}

void StoryLinkList::requery(qint64 key)
{
    const QScopedValueRollback requerying(m_requerying, true);
    StoreError error;
    if (!m_links->select(m_links->storyKey(), &error))
        return reportFatalError(error);
    m_links->listItems(m_items);
    if (!m_grid)
        return;
    const int row = std::max(m_links->rowOf(key), 0);
    if (row < m_links->rowCount())
        m_grid->selectRow(row);
    else
        m_grid->clearSelection();
    showItemOfCurrentLink();
}

int StoryLinkList::currentRow() const
{
    const QModelIndex current = m_grid->selectionModel()->currentIndex();
    return current.isValid() && m_grid->selectionModel()->isRowSelected(current.row())
               ? current.row()
               : -1;
}

void StoryLinkList::showItemOfCurrentLink()
{
    const QVariant item = m_links->itemKey(currentRow());
    int index = -1;
    for (int row = 0; !item.isNull() && row < m_items->rowCount() && index < 0; ++row) {
        if (m_items->record(row).value(0) == item)
            index = row;
    }
    m_combo->setPlaceholderText(currentRow() >= 0 && item.isNull() ? m_placeholder : QString());
    m_combo->setCurrentIndex(index);
}

bool StoryLinkList::save(qint64 currentKey)
{
    StoreError error;
    // Once saved with its item, the link Add made is a stored link like any other.
    const bool assignsNewLink =
        m_newLink.isMarked() &&
        !m_links->itemKey(m_links->rowOf(m_newLink.key().toLongLong())).isNull();
    if (m_links->saveChanges(&error)) {
        if (assignsNewLink)
            m_newLink.clear();
        return true;
    }
    switch (error.number) {
    case EngineError::DuplicateValue: {
        RecordWindow::tellDuplicate(m_combo);
        m_links->revertChanges();
        error = {};
        m_newLink.removeAfterDuplicate(
            currentKey, [this] { return m_links->rowCount(); },
            [this](const QVariant& key, StoreError* failure) {
                return m_links->removeLink(key.toLongLong(), failure);
            },
            &error);
        if (error.isSet()) {
            reportFatalError(error);
            return false;
        }
        return true;
    }
    case EngineError::NoCurrentRecord:
    case EngineError::ActionCancelled:
        return true;
    default:
        reportFailedWrite(
            error,
            //: What the refused change was about, as in "Quillane could not save/add/delete …"
            RefusedWrite::saving(tr("these links"), tr("Your choices are still here")));
        return false;
    }
}

void StoryLinkList::addLink()
{
    if (m_links->storyKey() < 0 || !saveEdits())
        return;
    const BusyPointer busy;
    StoreError error;
    const qint64 key = m_links->addLink(&error);
    if (key < 0) {
        //: What the refused change was about, as in "Quillane could not save/add/delete …"
        reportFailedWrite(error, RefusedWrite::adding(tr("a link")));
        return;
    }
    m_newLink.mark(key);
    requery(key);
    desktop().messageBox(m_prompt, m_promptTitle, MessageIcon::Information, MessageButtons::Ok);
}

void StoryLinkList::updateLinks()
{
    const BusyPointer busy;
    const qint64 current = m_links->key(currentRow());
    if (save(current))
        requery(current);
}

void StoryLinkList::refresh()
{
    if (saveEdits())
        requery(m_links->key(currentRow()));
}

void StoryLinkList::deleteLinks()
{
    const qint64 key = m_links->key(currentRow());
    if (!saveEdits())
        return;
    const int row = m_links->rowOf(key);
    if (key < 0 || row < 0) {
        tellNothingToDelete();
        return;
    }
    const BusyPointer busy;
    StoreError error;
    if (!m_links->removeItemLinks(row, &error)) {
        //: What the refused change was about, as in "Quillane could not save/add/delete …"
        reportFailedWrite(error,
                          RefusedWrite::deleting(tr("these links"), tr("They are still there")));
        return;
    }
    if (key == m_newLink.key())
        m_newLink.clear();
    requery(-1);
}
