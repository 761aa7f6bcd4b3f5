#include "inspiration/frmPsycho.h"

#include "shared/RandomListValue.h"
#include "inspiration/CircleShower.h"
#include "inspiration/PsychoJump.h"
#include "inspiration/ShowerSurface.h"
#include "shared/BusyPointer.h"
#include "shared/Desktop.h"
#include "shared/Random.h"
#include "shared/TimerHold.h"
#include "shared/WindowServices.h"

#include <QMdiSubWindow>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {

// The word tables in the order of the draw: 1 noun, 2 verb, 3 adjective, 4 and 5 names.
const QStringList WordTables = {QStringLiteral("noun"), QStringLiteral("verb"),
                                QStringLiteral("adjective"), QStringLiteral("femaleName"),
                                QStringLiteral("maleName")};

QTimer* makeTimer(const QString& name, int interval, QObject* parent)
{
    auto* timer = new QTimer(parent);
    timer->setObjectName(name);
    timer->setInterval(interval);
    return timer;
}

} // namespace

frmPsycho::frmPsycho(QWidget* parent)
    : ToolWindow(QStringLiteral("frmPsycho"), QStringLiteral("PyschoStimulatron"), parent)
{
    shower = new ShowerSurface(this);
    shower->setObjectName(QStringLiteral("shower"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(shower);

    // The button floats over the circles wherever its jumps take it, so no layout places it.
    cmdPsycho = new QPushButton(QString(20, u'x'), shower);
    cmdPsycho->setObjectName(QStringLiteral("cmdPsycho"));
    cmdPsycho->setAccessibleDescription(QStringLiteral("Click to think about this word"));
    cmdPsycho->setAutoDefault(false);
    QFont font = cmdPsycho->font();
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(14.25);
    font.setBold(true);
    cmdPsycho->setFont(font);
    // Sized once for twenty letters, so every word fits without the button changing size.
    cmdPsycho->resize(cmdPsycho->sizeHint());
    resize(640, 400);
    cmdPsycho->move((width() - cmdPsycho->width()) / 2, (height() - cmdPsycho->height()) / 2);
    setDefaultButton(cmdPsycho);

    // Both intervals are the window's own; the settings interval does not apply here.
    tmrMoveButton = makeTimer(QStringLiteral("tmrMoveButton"), 200, this);
    tmrPsycho1 = makeTimer(QStringLiteral("tmrPsycho1"), 6000, this);
    tmrMoveButton->start();
    tmrPsycho1->start();

    connect(cmdPsycho, &QPushButton::clicked, this, &frmPsycho::cmdPsycho_Click);
    TimerHold::connectTicks(tmrMoveButton, nullptr, [this] { tmrMoveButton_Timer(); });
    TimerHold::connectTicks(tmrPsycho1, nullptr, [this] { tmrPsycho1_Timer(); });
}

void frmPsycho::load()
{
    tmrPsycho1_Timer();
}

void frmPsycho::activate()
{
    setHourglass();
    tileChildren();
    showAlone();
    outerWindow()->showMaximized();
    resetPointer();
}

void frmPsycho::Form_Resize()
{
    // The six-second period runs on untouched.
    tmrPsycho1_Timer();
}

void frmPsycho::Form_QueryUnload()
{
    // A maximised child would leave the frame's next active child maximised too.
    QWidget* outer = outerWindow();
    outer->setWindowState(outer->windowState() & ~(Qt::WindowMaximized | Qt::WindowMinimized));
    tmrMoveButton->stop();
    tmrPsycho1->stop();
}

void frmPsycho::setCircle()
{
    shower->setShower(CircleShower::draw(shower->size()));
}

void frmPsycho::tmrMoveButton_Timer()
{
    const PsychoJump::Bounds bounds = PsychoJump::boundsOf(outerWindow()->frameGeometry());
    setCircle();
    const auto direction = PsychoJump::Direction(randomNumber(4));
    cmdPsycho->move(PsychoJump::jump(cmdPsycho->geometry(), bounds, direction));
}

void frmPsycho::tmrPsycho1_Timer()
{
    const int kind = randomNumber(int(WordTables.size()));
    cmdPsycho->setText(getRandomRecord(WordTables.at(kind - 1)));
}

void frmPsycho::cmdPsycho_Click()
{
    desktop().messageBox(cmdPsycho->text(), QStringLiteral("Think about this word."),
                         MessageIcon::Information, MessageButtons::Ok);
}

void frmPsycho::resizeEvent(QResizeEvent* event)
{
    ToolWindow::resizeEvent(event);
    Form_Resize();
}

void frmPsycho::closeEvent(QCloseEvent* event)
{
    Form_QueryUnload();
    ToolWindow::closeEvent(event);
}

QWidget* frmPsycho::outerWindow()
{
    if (auto* child = qobject_cast<QMdiSubWindow*>(parentWidget()))
        return child;
    return this;
}
