#include "shared/widgets/SpinButton.h"

#include "shared/desktop/TimerHold.h"

#include <QKeyEvent>
#include <QStyleOptionFocusRect>
#include <QStylePainter>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// Room left around the arrows for the focus frame.
constexpr int FocusMargin = 1;

QToolButton* makeArrow(Qt::ArrowType direction, const QString& name, QWidget* parent)
{
    auto* arrow = new QToolButton(parent);
    arrow->setObjectName(name);
    arrow->setArrowType(direction);
    arrow->setAutoRepeat(true);
    // The spin button takes the focus as a whole; its arrows are for the mouse.
    arrow->setFocusPolicy(Qt::NoFocus);
    arrow->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    arrow->setIconSize(QSize(7, 7));
    arrow->setMinimumSize(8, 8);
    return arrow;
}

} // namespace

SpinButton::SpinButton(const QString& name, QWidget* parent)
    : QWidget(parent), m_up(makeArrow(Qt::UpArrow, QStringLiteral("up"), this)),
      m_down(makeArrow(Qt::DownArrow, QStringLiteral("down"), this))
{
    setObjectName(name);
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(FocusMargin, FocusMargin, FocusMargin, FocusMargin);
    layout->setSpacing(0);
    layout->addWidget(m_up);
    layout->addWidget(m_down);
    TimerHold::connectSteps(m_up, [this] { emit spinUp(); });
    TimerHold::connectSteps(m_down, [this] { emit spinDown(); });
}

void SpinButton::setStepName(const QString& boxName)
{
    setAccessibleName(tr("%1 spin button").arg(boxName));
    m_up->setAccessibleName(tr("%1 up").arg(boxName));
    m_down->setAccessibleName(tr("%1 down").arg(boxName));
}

QSize SpinButton::sizeHint() const
{
    const int arrow = fontMetrics().height();
    return QSize(arrow + 2 * FocusMargin, arrow + 2 * FocusMargin);
}

QSize SpinButton::minimumSizeHint() const
{
    return QSize(8 + 2 * FocusMargin, 16 + 2 * FocusMargin);
}

void SpinButton::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Up:
        emit spinUp();
        break;
    case Qt::Key_Down:
        emit spinDown();
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

void SpinButton::paintEvent(QPaintEvent*)
{
    if (!hasFocus())
        return;
    QStylePainter painter(this);
    QStyleOptionFocusRect option;
    option.initFrom(this);
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, option);
}

void SpinButton::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    update();
}

void SpinButton::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    update();
}
