#include "data/DataControl.h"

#include "data/BoundControlDelegate.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDataWidgetMapper>
#include <QDebug>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QSignalBlocker>
#include <QSqlQueryModel>
#include <QToolButton>

namespace {

struct Binding
{
    QPointer<QWidget> control;
    QString field;
};

} // namespace

class DataControl::Private
{
public:
    RecordSet* records = nullptr;
    QDataWidgetMapper* mapper = nullptr;
    BoundControlDelegate* delegate = nullptr;
    QLabel* caption = nullptr;
    QString databaseName;
    QString recordSource;
    std::function<bool()> moveCheck;
    QList<Binding> bindings;

    // Maps every bound control to its field of the current model; run whenever the rows are read
    // again, since the model or its fields may have changed.
    void mapControls()
    {
        QAbstractItemModel* model = records->model();
        if (mapper->model() != model)
            mapper->setModel(model);
        mapper->clearMapping();
        if (!model)
            return;
        for (const Binding& binding : std::as_const(bindings)) {
            if (!binding.control)
                continue;
            const int section = records->fieldIndex(binding.field);
            if (section < 0) {
                qWarning() << "No field" << binding.field << "in" << records->source();
                continue;
            }
            mapper->addMapping(binding.control, section);
            // Bound controls keep their own keys: the mapper's editor shortcuts (Escape reverts,
            // Tab commits) belong to item views, not to forms.
            binding.control->removeEventFilter(delegate);
        }
    }

    void showRow(int row)
    {
        if (row >= 0 && records->model()) {
            mapper->setCurrentIndex(row);
            return;
        }
        for (const Binding& binding : std::as_const(bindings)) {
            if (binding.control)
                delegate->showValue(binding.control, {});
        }
    }

    void showField(QWidget* control, const QString& field)
    {
        const int column = records->fieldIndex(field);
        const bool shown = records->hasCurrentRow() && column >= 0;
        delegate->showValue(control, shown ? records->field(column) : QVariant());
    }

    static void fillList(QComboBox* combo, RecordSet* list, const QString& listField,
                         const QString& boundListField)
    {
        const QSignalBlocker blocker(combo);
        combo->clear();
        const int textColumn = list->fieldIndex(listField);
        const int keyColumn = list->fieldIndex(boundListField);
        if (!list->model() || textColumn < 0 || keyColumn < 0)
            return;
        const int rows = list->recordCount();
        for (int row = 0; row < rows; ++row) {
            combo->addItem(list->model()->index(row, textColumn).data().toString(),
                           list->model()->index(row, keyColumn).data(Qt::EditRole));
        }
    }
};

DataControl::DataControl(const QString& objectName, QWidget* parent)
    : QWidget(parent), d(new Private)
{
    setObjectName(objectName);
    d->records = new RecordSet(this);
    d->mapper = new QDataWidgetMapper(this);
    d->mapper->setSubmitPolicy(QDataWidgetMapper::ManualSubmit);
    d->delegate = new BoundControlDelegate(d->records, this);
    d->mapper->setItemDelegate(d->delegate);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    const auto addButton = [this, layout](const QString& text, const QString& name,
                                          void (RecordSet::*move)()) {
        auto* button = new QToolButton(this);
        button->setText(text);
        button->setAccessibleName(name);
        button->setToolTip(name);
        connect(button, &QToolButton::clicked, this, [this, move] {
            if (!mayLeaveRow())
                return;
            RecordSet* records = d->records;
            // The navigator stays on the first or last row rather than leaving the set.
            const int last = records->recordCount() - 1;
            if ((move == &RecordSet::movePrevious && records->absolutePosition() == 0) ||
                (move == &RecordSet::moveNext && records->absolutePosition() == last))
                return;
            (records->*move)();
            if (records->isBof())
                records->moveFirst();
            else if (records->isEof())
                records->moveLast();
        });
        layout->addWidget(button);
    };
    addButton(QStringLiteral("|<"), tr("First record"), &RecordSet::moveFirst);
    addButton(QStringLiteral("<"), tr("Previous record"), &RecordSet::movePrevious);
    d->caption = new QLabel(this);
    d->caption->setAlignment(Qt::AlignCenter);
    d->caption->setFrameShape(QFrame::Panel);
    d->caption->setFrameShadow(QFrame::Sunken);
    layout->addWidget(d->caption, 1);
    addButton(QStringLiteral(">"), tr("Next record"), &RecordSet::moveNext);
    addButton(QStringLiteral(">|"), tr("Last record"), &RecordSet::moveLast);

    connect(d->records, &RecordSet::rowsReloaded, this, [this] { d->mapControls(); });
    connect(d->records, &RecordSet::currentRowChanged, this, [this](int row) {
        d->showRow(row);
        emit currentRowChanged(row);
    });
    connect(d->records, &RecordSet::aboutToWrite, this, &DataControl::writeBoundControls);
}

DataControl::~DataControl()
{
    delete d;
}

void DataControl::setDatabaseName(const QString& path)
{
    d->databaseName = path;
}

QString DataControl::databaseName() const
{
    return d->databaseName;
}

void DataControl::setRecordSource(const QString& source)
{
    d->recordSource = source;
}

QString DataControl::recordSource() const
{
    return d->recordSource;
}

bool DataControl::refresh(StoreError* error)
{
    return d->records->open(d->recordSource, error);
}

RecordSet* DataControl::recordset() const
{
    return d->records;
}

void DataControl::setCaption(const QString& caption)
{
    d->caption->setText(caption);
    setAccessibleName(caption);
}

QString DataControl::caption() const
{
    return d->caption->text();
}

void DataControl::setNavigatorVisible(bool visible)
{
    setVisible(visible);
}

bool DataControl::mayLeaveRow()
{
    return !d->moveCheck || d->moveCheck();
}

void DataControl::setMoveCheck(std::function<bool()> check)
{
    d->moveCheck = std::move(check);
}

void DataControl::bind(QLineEdit* control, const QString& field)
{
    d->bindings.append({control, field});
    d->mapControls();
    d->showField(control, field);
}

void DataControl::bind(QPlainTextEdit* control, const QString& field)
{
    d->bindings.append({control, field});
    d->mapControls();
    d->showField(control, field);
}

void DataControl::bind(QCheckBox* control, const QString& field)
{
    d->bindings.append({control, field});
    d->mapControls();
    d->showField(control, field);
}

void DataControl::bind(QComboBox* control, const QString& field)
{
    d->bindings.append({control, field});
    d->mapControls();
    d->showField(control, field);
}

void DataControl::bind(QComboBox* control, const QString& field, DataControl* list,
                       const QString& listField, const QString& boundListField)
{
    BoundControlDelegate::markKeyCombo(control);
    d->bindings.append({control, field});
    d->mapControls();
    const QPointer<QComboBox> combo = control;
    const auto refill = [this, combo, list, listField, boundListField, field] {
        if (!combo)
            return;
        Private::fillList(combo, list->recordset(), listField, boundListField);
        d->showField(combo, field);
    };
    connect(list->recordset(), &RecordSet::rowsReloaded, this, refill);
    refill();
}

void DataControl::writeBoundControls()
{
    if (d->records->editMode() == RecordSet::EditMode::None || !d->records->hasCurrentRow())
        return;
    d->mapper->submit();
}

void DataControl::showCurrentRow()
{
    d->showRow(d->records->currentModelRow());
}

bool DataControl::hasUnsavedEdits() const
{
    if (!d->records->hasCurrentRow())
        return false;
    for (const Binding& binding : std::as_const(d->bindings)) {
        const int column = d->records->fieldIndex(binding.field);
        if (binding.control && column >= 0 &&
            !d->delegate->shows(binding.control, d->records->field(column)))
            return true;
    }
    return false;
}
