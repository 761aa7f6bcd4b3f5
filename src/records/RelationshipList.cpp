#include "records/RelationshipList.h"

#include "data/ListTableModels.h"
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
#include <QSignalBlocker>
#include <QSqlQueryModel>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

// The list's name, and the title of its messages.
QString title()
{
    return RelationshipList::tr("Relationships");
}

// A character without a name is still one to choose.
QString shownName(const QString& name)
{
    return name.isEmpty() ? RelationshipList::tr("(no name)") : name;
}

} // namespace

RelationshipList::RelationshipList(QWidget* parent) : QWidget(parent)
{
    createControls();
    arrangeControls();
    connect(&TableNotices::instance(), &TableNotices::linksChanged, this,
            [this](const QString& linkTable) {
                if (linkTable.compare(Relationships::table(), Qt::CaseInsensitive) == 0)
                    requery(currentKey());
            });
}

void RelationshipList::createControls()
{
    using ControlMakers::named;
    m_list = named(new QTreeWidget(this), QStringLiteral("lstRelationships"));
    m_list->setAccessibleName(title());
    m_list->setRootIsDecorated(false);
    m_list->setHeaderLabels({tr("Character"), tr("Relationship"), tr("Note")});
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    ProfileForm::setRoomyScrollArea(m_list, 40, 6);
    connect(m_list, &QTreeWidget::currentItemChanged, this, &RelationshipList::showCurrent);

    m_other = named(new QComboBox(this), QStringLiteral("cboRelatedCharacter"));
    m_other->setAccessibleName(tr("Related character"));
    m_other->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_other->setMinimumContentsLength(14);

    m_kind = named(new QComboBox(this), QStringLiteral("cboRelationshipKind"));
    m_kind->setAccessibleName(tr("Kind of relationship"));
    m_kind->setEditable(true); // a kind of the writer's own reads the same from both sides
    m_kind->setInsertPolicy(QComboBox::NoInsert);
    m_kind->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_kind->setMinimumContentsLength(14);
    m_kind->setModel(ListTableModels::model(QStringLiteral("relationship")));

    m_note = ProfileForm::makeTextBox(QStringLiteral("txtRelationshipNote"),
                                      tr("Relationship note"), this);

    m_addButton = ControlMakers::button(QStringLiteral("cmdAddRelationship"), tr("Add"),
                                        tr("Relate this character to the one chosen"), this);
    m_updateButton =
        ControlMakers::button(QStringLiteral("cmdUpdateRelationship"), tr("Update"),
                              tr("Save the choices into the relationship listed"), this);
    m_deleteButton = ControlMakers::button(QStringLiteral("cmdDeleteRelationship"), tr("Delete"),
                                           tr("Delete the relationship listed"), this);
    m_addButton->setAccessibleName(tr("Add relationship"));
    m_updateButton->setAccessibleName(tr("Update relationship"));
    m_deleteButton->setAccessibleName(tr("Delete relationship"));
    connect(m_addButton, &QPushButton::clicked, this, &RelationshipList::addRelationship);
    connect(m_updateButton, &QPushButton::clicked, this, &RelationshipList::updateRelationship);
    connect(m_deleteButton, &QPushButton::clicked, this, &RelationshipList::deleteRelationship);
}

void RelationshipList::arrangeControls()
{
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_list, 1);
    auto* choice = new QGridLayout;
    ProfileForm::addLabelled(choice, 0, 0, tr("Character:"), m_other);
    ProfileForm::addLabelled(choice, 0, 2, tr("Relationship:"), m_kind);
    ProfileForm::addLabelled(choice, 1, 0, tr("Note:"), m_note, 3);
    choice->setColumnStretch(1, 1);
    choice->setColumnStretch(3, 1);
    layout->addLayout(choice);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {m_addButton, m_updateButton, m_deleteButton})
        buttons->addWidget(button);
    buttons->addStretch();
    layout->addLayout(buttons);
}

QList<QWidget*> RelationshipList::focusChain() const
{
    return {m_list, m_other, m_kind, m_note, m_addButton, m_updateButton, m_deleteButton};
}

void RelationshipList::showCharacter(qint64 characterKey)
{
    m_character = characterKey;
    m_note->clear();
    requery(-1);
}

void RelationshipList::requery(qint64 key)
{
    StoreError error;
    QList<Relationships::Character> characters;
    if (!Relationships::characters(&characters, &error) ||
        !Relationships::of(m_character, &m_shown, &error))
        return reportFatalError(error);
    {
        const QSignalBlocker quiet(m_other);
        const QVariant chosen = m_other->currentData();
        m_other->clear();
        for (const Relationships::Character& character : std::as_const(characters)) {
            if (character.key != m_character)
                m_other->addItem(shownName(character.name), character.key);
        }
        m_other->setCurrentIndex(m_other->findData(chosen));
    }
    const QSignalBlocker quiet(m_list);
    m_list->clear();
    QTreeWidgetItem* current = nullptr;
    for (const Relationships::Relationship& relationship : std::as_const(m_shown)) {
        auto* item = new QTreeWidgetItem(
            m_list, {shownName(relationship.toName), relationship.kind, relationship.note});
        item->setData(0, Qt::UserRole, relationship.key);
        if (relationship.key == key)
            current = item;
    }
    for (int column = 0; column < 2; ++column) // the note takes the room left
        m_list->resizeColumnToContents(column);
    m_list->setCurrentItem(current);
    if (current)
        showCurrent();
    const bool any = m_character >= 0;
    for (QWidget* control : focusChain())
        control->setEnabled(any);
}

qint64 RelationshipList::currentKey() const
{
    const QTreeWidgetItem* item = m_list->currentItem();
    return item ? item->data(0, Qt::UserRole).toLongLong() : -1;
}

void RelationshipList::showCurrent()
{
    const qint64 key = currentKey();
    for (const Relationships::Relationship& relationship : std::as_const(m_shown)) {
        if (relationship.key != key)
            continue;
        m_other->setCurrentIndex(m_other->findData(relationship.toKey));
        m_kind->setCurrentText(relationship.kind);
        m_note->setText(relationship.note);
    }
}

bool RelationshipList::chosen(qint64* other, QString* kind) const
{
    *other = m_other->currentIndex() >= 0 ? m_other->currentData().toLongLong() : -1;
    *kind = m_kind->currentText().trimmed();
    if (*other >= 0 && !kind->isEmpty())
        return true;
    desktop().messageBox(tr("Choose a character and a kind of relationship."), title(),
                         MessageIcon::Information, MessageButtons::Ok,
                         *other < 0 ? static_cast<QWidget*>(m_other) : m_kind);
    return false;
}

void RelationshipList::tellRefused(const StoreError& error, const RefusedWrite& write)
{
    switch (error.number) {
    case EngineError::DuplicateValue:
        RecordWindow::tellDuplicate(m_other);
        return;
    case EngineError::RuleViolated:
        desktop().messageBox(error.description, title(), MessageIcon::Information,
                             MessageButtons::Ok);
        return;
    case EngineError::RecordDeleted: // deleted elsewhere since it was listed
        requery(-1);
        return;
    default:
        reportFailedWrite(error, write);
    }
}

void RelationshipList::addRelationship()
{
    qint64 other = -1;
    QString kind;
    if (m_character < 0 || !chosen(&other, &kind))
        return;
    const BusyPointer busy;
    StoreError error;
    qint64 key = -1;
    if (!Relationships::add(m_character, other, kind, m_note->text(), &key, &error))
        //: What the refused change was about, as in "Quillane could not save/add/delete …"
        return tellRefused(error, RefusedWrite::adding(tr("a relationship")));
    requery(key);
}

void RelationshipList::updateRelationship()
{
    const qint64 key = currentKey();
    qint64 other = -1;
    QString kind;
    if (key < 0 || !chosen(&other, &kind))
        return;
    const BusyPointer busy;
    StoreError error;
    if (!Relationships::update(key, m_character, other, kind, m_note->text(), &error))
        //: What the refused change was about, as in "Quillane could not save/add/delete …"
        return tellRefused(error, RefusedWrite::saving(tr("this relationship"),
                                                       tr("Your choices are still here")));
    requery(key);
}

void RelationshipList::deleteRelationship()
{
    const qint64 key = currentKey();
    if (key < 0) {
        tellNothingToDelete();
        return;
    }
    const BusyPointer busy;
    StoreError error;
    if (!Relationships::remove(key, &error))
        //: What the refused change was about, as in "Quillane could not save/add/delete …"
        return tellRefused(
            error, RefusedWrite::deleting(tr("this relationship"), tr("It is still there")));
    requery(-1);
}
