#include "shared/widgets/RecordNavigator.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>

RecordNavigator::RecordNavigator(const QString& objectName, const QString& caption, QWidget* parent)
    : QWidget(parent)
{
    setObjectName(objectName);
    setAccessibleName(caption);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_first = addButton(QStringLiteral("|<"), tr("First record"));
    m_previous = addButton(QStringLiteral("<"), tr("Previous record"));
    m_caption = new QLabel(caption, this);
    m_caption->setAlignment(Qt::AlignCenter);
    m_caption->setFrameShape(QFrame::Panel);
    m_caption->setFrameShadow(QFrame::Sunken);
    layout->addWidget(m_caption, 1);
    m_next = addButton(QStringLiteral(">"), tr("Next record"));
    m_last = addButton(QStringLiteral(">|"), tr("Last record"));
    connect(m_first, &QToolButton::clicked, this, [this] { emit moveRequested(0); });
    connect(m_previous, &QToolButton::clicked, this, [this] { emit moveRequested(m_row - 1); });
    connect(m_next, &QToolButton::clicked, this, [this] { emit moveRequested(m_row + 1); });
    connect(m_last, &QToolButton::clicked, this, [this] { emit moveRequested(m_count - 1); });
    showPosition(-1, 0);
}

QToolButton* RecordNavigator::addButton(const QString& text, const QString& name)
{
    auto* button = new QToolButton(this);
    button->setText(text);
    button->setAccessibleName(name);
    button->setToolTip(name);
    layout()->addWidget(button);
    return button;
}

bool RecordNavigator::refresh(StoreError* error)
{
    return !m_refresh || m_refresh(error);
}

void RecordNavigator::showPosition(int row, int count)
{
    m_row = row;
    m_count = count;
    m_first->setEnabled(row > 0);
    m_previous->setEnabled(row > 0);
    m_next->setEnabled(row >= 0 && row < count - 1);
    m_last->setEnabled(row >= 0 && row < count - 1);
}
