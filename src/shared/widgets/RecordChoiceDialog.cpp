#include "shared/widgets/RecordChoiceDialog.h"

#include "shared/desktop/Desktop.h"
#include "shared/widgets/ControlMakers.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>

namespace {
const int KeyRole = Qt::UserRole + 1;
}

RecordChoiceDialog::RecordChoiceDialog(const QList<Choice>& choices, const Setup& setup, Step step,
                                       QWidget* parent)
    : QDialog(parent), m_step(std::move(step)), m_chooseFirst(setup.chooseFirst),
      m_choices(new QStandardItemModel(this)), m_shown(new QSortFilterProxyModel(this)),
      m_filter(ControlMakers::named(new QLineEdit(this), setup.filterName)),
      m_list(ControlMakers::named(new QListView(this), setup.listName)),
      m_buttons(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this))
{
    setObjectName(setup.objectName);
    setWindowTitle(setup.title);
    int preselectedRow = 0;
    for (const Choice& choice : choices) {
        if (choice.key == setup.preselected)
            preselectedRow = m_choices->rowCount();
        auto* item = new QStandardItem(choice.name.isEmpty() ? setup.untitled : choice.name);
        item->setData(choice.key, KeyRole);
        item->setEditable(false);
        m_choices->appendRow(item);
    }
    m_shown->setSourceModel(m_choices);
    m_shown->setFilterCaseSensitivity(Qt::CaseInsensitive);

    m_filter->setPlaceholderText(tr("Type to filter"));
    m_filter->setAccessibleName(tr("Filter"));
    m_filter->setClearButtonEnabled(true);
    m_list->setModel(m_shown);
    m_list->setAccessibleName(setup.listAccessibleName);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);

    auto* form = new QFormLayout(this);
    if (!setup.prompt.isEmpty()) {
        auto* prompt = new QLabel(setup.prompt, this);
        prompt->setWordWrap(true);
        prompt->setTextFormat(Qt::PlainText);
        form->addRow(prompt);
    }
    form->addRow(tr("&Filter:"), m_filter);
    form->addRow(setup.listCaption, m_list);
    if (!setup.noteCaption.isEmpty()) {
        m_note = ControlMakers::named(new QLineEdit(this), QStringLiteral("txtNote"));
        m_note->setAccessibleName(setup.noteCaption);
        form->addRow(u'&' + setup.noteCaption + u':', m_note);
    }
    form->addRow(m_buttons);

    connect(m_filter, &QLineEdit::textChanged, this, [this](const QString& text) {
        m_shown->setFilterFixedString(text);
        selectFirstShown();
    });
    connect(m_list, &QListView::activated, this, &RecordChoiceDialog::accept);
    connect(m_buttons, &QDialogButtonBox::accepted, this, &RecordChoiceDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &RecordChoiceDialog::reject);
    if (m_shown->rowCount() > 0) {
        m_list->setCurrentIndex(m_shown->index(preselectedRow, 0));
        m_list->scrollTo(m_list->currentIndex());
    }
    m_filter->setFocus();
}

void RecordChoiceDialog::selectFirstShown()
{
    // Typing narrows the list to the record meant, which OK then takes without a click.
    if (m_shown->rowCount() > 0)
        m_list->setCurrentIndex(m_shown->index(0, 0));
    else
        m_list->clearSelection();
}

qint64 RecordChoiceDialog::chosenKey() const
{
    const QModelIndex current = m_list->currentIndex();
    if (!current.isValid() || !m_list->selectionModel()->isSelected(current))
        return -1;
    return current.data(KeyRole).toLongLong();
}

void RecordChoiceDialog::accept()
{
    const qint64 key = chosenKey();
    if (key < 0) {
        desktop().messageBox(m_chooseFirst, windowTitle(), MessageIcon::Information,
                             MessageButtons::Ok);
        return;
    }
    if (m_step(key, m_note ? m_note->text() : QString()))
        QDialog::accept();
}
