#include "shared/widgets/ControlMakers.h"

#include "shared/widgets/ResultKeeping.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QStyledItemDelegate>

namespace {

struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(ControlMakers)
};

} // namespace

namespace {

// Gives every line of a results list the size of its largest line, measuring each line once,
// when the list is next laid out. With uniform item sizes the list then lays out a new line
// without measuring again all those it holds, yet no line is cut and the longest stays within
// reach of the scroll bar. Results lists only grow until they are cleared.
class ResultLineDelegate : public QStyledItemDelegate
{
public:
    explicit ResultLineDelegate(QListWidget* list) : QStyledItemDelegate(list)
    {
        connect(
            list->model(), &QAbstractItemModel::rowsInserted, this,
            [this](const QModelIndex&, int first) { m_unmeasured = qMin(m_unmeasured, first); });
        connect(list->model(), &QAbstractItemModel::modelReset, this, [this] {
            m_largest = {};
            m_unmeasured = 0;
        });
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        const QAbstractItemModel* model = index.model();
        for (; model && m_unmeasured < model->rowCount(); ++m_unmeasured) {
            m_largest = m_largest.expandedTo(
                QStyledItemDelegate::sizeHint(option, model->index(m_unmeasured, 0)));
        }
        return m_largest;
    }

private:
    mutable QSize m_largest;
    mutable int m_unmeasured = 0; // the first line not measured yet
};

} // namespace

QPushButton* ControlMakers::button(const QString& name, const QString& caption,
                                   const QString& toolTip, QWidget* parent)
{
    auto* made = named(new QPushButton(caption, parent), name);
    made->setToolTip(toolTip);
    made->setAutoDefault(false);
    return made;
}

QCheckBox* ControlMakers::checkBox(const QString& name, const QString& caption)
{
    return named(new QCheckBox(caption), name);
}

QListWidget* ControlMakers::resultsList()
{
    auto* list = named(new QListWidget, QStringLiteral("lstResults"));
    list->setAccessibleName(Texts::tr("Results"));
    enlargeFont(list, 4.0 / 3.0);
    list->setUniformItemSizes(true);
    list->setItemDelegate(new ResultLineDelegate(list));
    // Any line drawn may be kept in a record.
    ResultKeeping::attach(list);
    return list;
}

void ControlMakers::enlargeFont(QWidget* control, qreal factor)
{
    QFont font = control->font();
    if (font.pointSizeF() > 0)
        font.setPointSizeF(font.pointSizeF() * factor);
    else
        font.setPixelSize(qRound(font.pixelSize() * factor));
    control->setFont(font);
}

void ControlMakers::addResultLine(QListWidget* list, const QString& line)
{
    addResultLines(list, {line});
}

void ControlMakers::addResultLine(QListWidget* list, QListWidgetItem* line)
{
    list->addItem(line);
    list->setCurrentRow(list->count() - 1);
}

void ControlMakers::addResultLines(QListWidget* list, const QStringList& lines)
{
    list->addItems(lines);
    list->setCurrentRow(list->count() - 1);
}

QHBoxLayout* ControlMakers::buttonRow(const QList<QPushButton*>& buttons)
{
    auto* row = new QHBoxLayout;
    for (qsizetype i = 0; i + 1 < buttons.size(); ++i)
        row->addWidget(buttons.at(i));
    row->addStretch();
    if (!buttons.isEmpty())
        row->addWidget(buttons.last());
    return row;
}
