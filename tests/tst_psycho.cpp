#include "data/Database.h"
#include "inspiration/frmPsycho.h"
#include "inspiration/PsychoJump.h"
#include "inspiration/ShowerSurface.h"
#include "shared/ChildFrame.h"
#include "shared/Random.h"
#include "support/TestEnvironment.h"

#include <QImage>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QTest>
#include <QTimer>

#include <memory>

using Landings = QSet<std::pair<int, int>>;

// The PsychoStimulatron inside a frame of its own, on the fixture words.
class TestPsycho : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void jumpStepsOrComesBack_data();
    void jumpStepsOrComesBack();
    void strayButtonComesBackFromTheRight();
    void leftBoundIsZeroTopBoundIsTheWindowsTop();
    void opensWithAWordAndItsTimersRunning();
    void wordKindsFollowTheDraw();
    void newWordEverySixSecondsAndOnEveryResize();
    void showerIsReplacedEachTick();
    void showerStaysInViewUntilTheNext();
    void clickOffersTheWord();
    void activationFillsTheFrame();
    void closingRestoresTheNormalState();

private:
    // Opens the window in the frame as a normal child with the given outer geometry.
    frmPsycho* open(const QRect& outer = QRect(0, 0, 600, 400));
    static QMdiSubWindow* child(frmPsycho* window)
    {
        return qobject_cast<QMdiSubWindow*>(window->parentWidget());
    }
    // Every place the button lands when it jumps, many times over, from one start.
    static Landings landings(frmPsycho* window, const QPoint& start);
    static void verifyFixtureWord(const QString& text);

    std::unique_ptr<TestEnvironment> m_env;
    std::unique_ptr<QMdiArea> m_frame;
};

void TestPsycho::init()
{
    m_env = std::make_unique<TestEnvironment>();
    QVERIFY(m_env->db.isOpen());
    m_frame = std::make_unique<QMdiArea>();
    m_frame->resize(900, 650);
    m_frame->show();
}

void TestPsycho::cleanup()
{
    m_frame.reset();
    m_env.reset();
}

frmPsycho* TestPsycho::open(const QRect& outer)
{
    auto* window = new frmPsycho;
    window->setChildFrame(new ChildFrame(m_frame.get()));
    window->load();
    QMdiSubWindow* subWindow = m_frame->addSubWindow(window);
    subWindow->show();
    subWindow->setGeometry(outer);
    // The tests tick by hand.
    window->tmrMoveButton->stop();
    return window;
}

Landings TestPsycho::landings(frmPsycho* window, const QPoint& start)
{
    Landings landed;
    for (int tick = 0; tick < 60; ++tick) {
        window->cmdPsycho->move(start);
        window->tmrMoveButton_Timer();
        landed.insert({window->cmdPsycho->x(), window->cmdPsycho->y()});
    }
    return landed;
}

void TestPsycho::verifyFixtureWord(const QString& text)
{
    QStringList words;
    for (const QString table : {"noun", "verb", "adjective", "femaleName", "maleName"}) {
        QSqlQuery query(Database::connection());
        QVERIFY(query.exec(QStringLiteral("SELECT * FROM \"%1\"").arg(table)));
        while (query.next())
            words << query.value(1).toString();
    }
    QVERIFY(words.size() > 100);
    QVERIFY2(words.contains(text, Qt::CaseInsensitive) && text.at(0).isUpper(), qPrintable(text));
}

void TestPsycho::jumpStepsOrComesBack_data()
{
    QTest::addColumn<QRect>("button");
    QTest::addColumn<int>("direction");
    QTest::addColumn<QPoint>("landing");

    // Outer window at (50, 60), 600 by 400: top 60, bottom 460, left 0, right 650.
    QTest::newRow("up inside") << QRect(100, 60, 200, 40) << 1 << QPoint(100, 20);
    QTest::newRow("up past the top") << QRect(100, 59, 200, 40) << 1 << QPoint(100, 193);
    QTest::newRow("down inside") << QRect(100, 420, 200, 40) << 2 << QPoint(100, 460);
    QTest::newRow("down past the bottom") << QRect(100, 421, 200, 40) << 2 << QPoint(100, 327);
    QTest::newRow("right inside") << QRect(450, 100, 200, 40) << 3 << QPoint(490, 100);
    QTest::newRow("right past the right") << QRect(451, 100, 200, 40) << 3 << QPoint(517, 100);
    QTest::newRow("left inside") << QRect(0, 100, 200, 40) << 4 << QPoint(-40, 100);
    QTest::newRow("left past zero") << QRect(-1, 100, 200, 40) << 4 << QPoint(133, 100);
}

void TestPsycho::jumpStepsOrComesBack()
{
    QFETCH(QRect, button);
    QFETCH(int, direction);
    QFETCH(QPoint, landing);
    const PsychoJump::Bounds bounds = PsychoJump::boundsOf(QRect(50, 60, 600, 400));
    QCOMPARE(PsychoJump::jump(button, bounds, PsychoJump::Direction(direction)), landing);
}

void TestPsycho::strayButtonComesBackFromTheRight()
{
    frmPsycho* window = open(QRect(0, 0, 600, 400));
    // The button's right edge starts 20 past the right bound of 600.
    const int x = 600 - window->cmdPsycho->width() + 20;
    QCOMPARE(landings(window, QPoint(x, 100)),
             Landings({{600 - 133, 100}, {x - 40, 100}, {x, 60}, {x, 140}}));
}

void TestPsycho::leftBoundIsZeroTopBoundIsTheWindowsTop()
{
    frmPsycho* window = open(QRect(50, 60, 600, 400));
    // Above the window's top of 60 but right of 0: an upward jump comes back to 60 + 133, a
    // leftward one steps on past the window's own left edge.
    QCOMPARE(landings(window, QPoint(20, 30)),
             Landings({{20, 193}, {20, 70}, {60, 30}, {-20, 30}}));
}

void TestPsycho::opensWithAWordAndItsTimersRunning()
{
    frmPsycho window;
    QCOMPARE(window.objectName(), QStringLiteral("frmPsycho"));
    QCOMPARE(window.windowTitle(), QStringLiteral("PyschoStimulatron"));
    QCOMPARE(window.cmdPsycho->text(), QString(20, u'x'));
    QVERIFY(window.cmdPsycho->font().bold());
    QCOMPARE(window.cmdPsycho->font().pointSizeF(), 14.25);
    // Twenty letters fit on the button, so every word does.
    QVERIFY(window.cmdPsycho->width() >=
            window.cmdPsycho->fontMetrics().horizontalAdvance(window.cmdPsycho->text()));
    QCOMPARE(window.tmrMoveButton->interval(), 200);
    QCOMPARE(window.tmrPsycho1->interval(), 6000);
    QVERIFY(window.tmrMoveButton->isActive() && window.tmrPsycho1->isActive());
    window.load();
    verifyFixtureWord(window.cmdPsycho->text());
}

void TestPsycho::wordKindsFollowTheDraw()
{
    for (const QString entry :
         {"noun:owl", "verb:sang", "adjective:silver", "femaleName:Ada", "maleName:Bo"}) {
        const QString table = entry.section(':', 0, 0);
        QVERIFY(m_env->db.execute(QStringLiteral("DELETE FROM \"%1\"").arg(table)));
        QVERIFY(m_env->db.execute(QStringLiteral("INSERT INTO \"%1\" VALUES (1, '%2')")
                                      .arg(table, entry.section(':', 1))));
    }
    frmPsycho window;
    const QStringList byKind = {"Owl", "Sang", "Silver", "Ada", "Bo"};
    QSet<QString> seen;
    for (quint32 seed = 1; seed <= 30; ++seed) {
        Random::instance().seed(seed);
        const int kind = randomNumber(5);
        Random::instance().seed(seed);
        window.tmrPsycho1_Timer();
        QCOMPARE(window.cmdPsycho->text(), byKind.at(kind - 1));
        seen << window.cmdPsycho->text();
    }
    QCOMPARE(seen.size(), 5);
}

void TestPsycho::newWordEverySixSecondsAndOnEveryResize()
{
    frmPsycho* window = open();
    QTimer* period = window->tmrPsycho1;
    // A precise timer tells its remaining time to the millisecond; a restart would set it back
    // to six seconds.
    period->setTimerType(Qt::PreciseTimer);
    period->start();
    QTest::qWait(50);
    const int remaining = period->remainingTime();
    for (const QSize size : {QSize(500, 350), QSize(700, 450)}) {
        window->cmdPsycho->setText(QStringLiteral("-"));
        child(window)->resize(size);
        verifyFixtureWord(window->cmdPsycho->text());
    }
    QVERIFY2(period->isActive() && period->remainingTime() <= remaining,
             qPrintable(QString::number(period->remainingTime())));
    window->cmdPsycho->setText(QStringLiteral("-"));
    QVERIFY(QMetaObject::invokeMethod(period, "timeout", Qt::DirectConnection));
    verifyFixtureWord(window->cmdPsycho->text());
}

void TestPsycho::showerIsReplacedEachTick()
{
    frmPsycho* window = open(QRect(0, 0, 800, 600));
    const QSize area = window->shower->size();
    QVERIFY(window->shower->shower().isEmpty());
    QPoint previousFirst;
    int smallest = 1000, largest = 0, rightmost = 0, lowest = 0;
    for (int tick = 0; tick < 10; ++tick) {
        window->tmrMoveButton_Timer();
        const QList<CircleShower::Circle>& shower = window->shower->shower();
        QCOMPARE(shower.size(), 100);
        QVERIFY(shower.first().centre != previousFirst);
        previousFirst = shower.first().centre;
        for (const CircleShower::Circle& circle : shower) {
            QVERIFY(circle.radius >= 1 && circle.radius <= 300);
            QVERIFY(circle.centre.x() >= 1 && circle.centre.x() <= area.width());
            QVERIFY(circle.centre.y() >= 1 && circle.centre.y() <= area.height());
            smallest = std::min(smallest, circle.radius);
            largest = std::max(largest, circle.radius);
            rightmost = std::max(rightmost, circle.centre.x());
            lowest = std::max(lowest, circle.centre.y());
        }
    }
    // Radii in pixels from 1 to 300, centres over the whole surface.
    QVERIFY(smallest <= 5 && largest >= 295);
    QVERIFY(rightmost > area.width() * 9 / 10 && lowest > area.height() * 9 / 10);

    // The running timer does the same, and moves the button one step from the middle.
    window->cmdPsycho->move(300, 250);
    QTimer* timer = window->tmrMoveButton;
    QSignalSpy ticks(timer, &QTimer::timeout);
    connect(timer, &QTimer::timeout, timer, &QTimer::stop); // runs after the window's handler
    timer->start();
    QTRY_COMPARE(ticks.size(), 1);
    QVERIFY(window->shower->shower().first().centre != previousFirst);
    QCOMPARE((window->cmdPsycho->pos() - QPoint(300, 250)).manhattanLength(), 40);
}

void TestPsycho::showerStaysInViewUntilTheNext()
{
    frmPsycho* window = open(QRect(0, 0, 600, 400));
    const QImage blank = window->shower->grab().toImage();
    window->tmrMoveButton_Timer();
    const QImage first = window->shower->grab().toImage();
    QVERIFY(first != blank);
    // Painting again, as after being covered and uncovered, shows the same shower.
    QCOMPARE(window->shower->grab().toImage(), first);
    const QColor lastColour = window->shower->shower().last().colour;
    bool found = false;
    for (int y = 0; y < first.height() && !found; ++y) {
        for (int x = 0; x < first.width() && !found; ++x)
            found = first.pixelColor(x, y) == lastColour;
    }
    QVERIFY(found);
    window->tmrMoveButton_Timer();
    QVERIFY(window->shower->grab().toImage() != first);
}

void TestPsycho::clickOffersTheWord()
{
    frmPsycho* window = open();
    const QString word = window->cmdPsycho->text();
    QTest::mouseClick(window->cmdPsycho, Qt::LeftButton);
    QCOMPARE(m_env->desktop.messages.size(), 1);
    QCOMPARE(m_env->desktop.lastMessage(), word);
    QCOMPARE(m_env->desktop.messages.last().title, QStringLiteral("Think about this word."));
    QCOMPARE(m_env->desktop.messages.last().icon, MessageIcon::Information);
    QCOMPARE(m_env->desktop.messages.last().buttons, MessageButtons::Ok);
    QVERIFY(window->tmrPsycho1->isActive());
}

void TestPsycho::activationFillsTheFrame()
{
    auto* other = new QWidget;
    other->setObjectName(QStringLiteral("frmSentence"));
    QMdiSubWindow* otherChild = m_frame->addSubWindow(other);
    otherChild->show();
    frmPsycho* window = open(QRect(40, 30, 400, 300));
    window->cmdPsycho->setText(QStringLiteral("-"));
    window->activate();
    QVERIFY(child(window)->isMaximized());
    QCOMPARE(child(window)->geometry(), m_frame->viewport()->rect());
    QVERIFY(otherChild->isMinimized());
    QVERIFY(!m_env->desktop.busy);
    verifyFixtureWord(window->cmdPsycho->text()); // maximising is a resize
}

void TestPsycho::closingRestoresTheNormalState()
{
    frmPsycho* window = open();
    QPointer<QMdiSubWindow> subWindow = child(window);
    window->tmrMoveButton->start();
    window->activate();
    QVERIFY(subWindow->isMaximized());
    window->unload();
    QVERIFY(subWindow && !subWindow->isVisible());
    QCOMPARE(subWindow->windowState(), Qt::WindowNoState);
    QVERIFY(!window->tmrMoveButton->isActive() && !window->tmrPsycho1->isActive());
}

QTEST_MAIN(TestPsycho)
#include "tst_psycho.moc"
