#include "inspiration/PsychoJump.h"
#include "inspiration/PsychoStimulatronWindow.h"
#include "inspiration/ShowerSurface.h"
#include "shared/ChildFrame.h"
#include "support/TestEnvironment.h"

#include <QImage>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <memory>

using Landings = QSet<std::pair<int, int>>;

// One word in each table the words are drawn from, as drawn.
const QStringList Words = {"Owl", "Sang", "Silver", "Ada", "Bo"};

// The PsychoStimulatron inside a frame of its own.
class TestPsycho : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestEnvironment> m_env;
    std::unique_ptr<QMdiArea> m_frame;
    PsychoStimulatronWindow* m_window = nullptr;
    QMdiSubWindow* m_child = nullptr;
    QPushButton* m_button = nullptr;
    QTimer* m_moveTimer = nullptr;

    // Opens the window in the frame as a normal child with the given outer geometry.
    void open(const QRect& outer = QRect(0, 0, 600, 400))
    {
        m_window = new PsychoStimulatronWindow;
        m_window->setChildFrame(new ChildFrame(m_frame.get()));
        m_window->load();
        m_child = m_frame->addSubWindow(m_window);
        m_child->show();
        m_child->setGeometry(outer);
        m_button = m_window->findChild<QPushButton*>("cmdPsycho");
        m_moveTimer = m_window->findChild<QTimer*>("tmrMoveButton");
        m_moveTimer->stop(); // the tests tick by hand
    }
    void tickMove() { QMetaObject::invokeMethod(m_moveTimer, "timeout"); }
    const QList<CircleShower::Circle>& shower() const
    {
        return m_window->findChild<ShowerSurface*>()->shower();
    }
    QImage picture() const { return m_window->findChild<ShowerSurface*>()->grab().toImage(); }
    // Every place the button lands when it jumps, many times over, from one start.
    Landings landings(const QPoint& start)
    {
        Landings landed;
        for (int tick = 0; tick < 60; ++tick) {
            m_button->move(start);
            tickMove();
            landed.insert({m_button->x(), m_button->y()});
        }
        return landed;
    }

private slots:
    void init()
    {
        m_env = std::make_unique<TestEnvironment>();
        const QStringList tables = {"noun", "verb", "adjective", "femaleName", "maleName"};
        for (int i = 0; i < tables.size(); ++i) {
            QVERIFY(m_env->db.execute("DELETE FROM " + tables.at(i)));
            QVERIFY(m_env->db.execute("INSERT INTO " + tables.at(i) + " VALUES (1, '" +
                                      Words.at(i).toLower() + "')"));
        }
        m_frame = std::make_unique<QMdiArea>();
        m_frame->resize(900, 650);
        m_frame->show();
    }
    void cleanup()
    {
        m_frame.reset();
        m_env.reset();
    }

    void jumpStepsOrComesBack()
    {
        // Outer window at (50, 60), 600 by 400: top 60, bottom 460, left 0, right 650.
        const PsychoJump::Bounds bounds = PsychoJump::boundsOf(QRect(50, 60, 600, 400));
        const struct
        {
            QRect button;
            PsychoJump::Direction direction;
            QPoint landing;
        } jumps[] = {
            {{100, 60, 200, 40}, PsychoJump::Direction::Up, {100, 20}},
            {{100, 59, 200, 40}, PsychoJump::Direction::Up, {100, 193}},
            {{100, 420, 200, 40}, PsychoJump::Direction::Down, {100, 460}},
            {{100, 421, 200, 40}, PsychoJump::Direction::Down, {100, 327}},
            {{450, 100, 200, 40}, PsychoJump::Direction::Right, {490, 100}},
            {{451, 100, 200, 40}, PsychoJump::Direction::Right, {517, 100}},
            {{0, 100, 200, 40}, PsychoJump::Direction::Left, {-40, 100}},
            {{-1, 100, 200, 40}, PsychoJump::Direction::Left, {133, 100}},
        };
        for (const auto& jump : jumps)
            QCOMPARE(PsychoJump::jump(jump.button, bounds, jump.direction), jump.landing);
    }

    void leftBoundIsZeroTopBoundIsTheWindowsTop()
    {
        open(QRect(50, 60, 600, 400));
        // Above the window's top of 60 but right of 0: an upward jump comes back to 60 + 133, a
        // leftward one steps on past the window's own left edge.
        QCOMPARE(landings(QPoint(20, 30)), Landings({{20, 193}, {20, 70}, {60, 30}, {-20, 30}}));
        // Past the right bound of 650: thrown back to 650 - 133, never moved further.
        const int x = 650 - m_button->width() + 20;
        QCOMPARE(landings(QPoint(x, 100)),
                 Landings({{650 - 133, 100}, {x - 40, 100}, {x, 60}, {x, 140}}));
    }

    void wordsChangeOnLoadEverySixSecondsAndOnResize()
    {
        open();
        auto* period = m_window->findChild<QTimer*>("tmrPsycho1");
        QVERIFY(Words.contains(m_button->text()));
        QVERIFY(period->isActive() && period->interval() == 6000);
        QCOMPARE(m_moveTimer->interval(), 200);
        // A precise timer tells its remaining time to the millisecond; a restart would set it
        // back to six seconds.
        period->setTimerType(Qt::PreciseTimer);
        period->start();
        QTRY_VERIFY(period->remainingTime() < 5980);
        const int remaining = period->remainingTime();
        m_button->setText("-");
        m_child->resize(500, 350);
        QVERIFY(Words.contains(m_button->text()));
        QVERIFY(period->isActive() && period->remainingTime() <= remaining);
        QSet<QString> seen;
        for (int tick = 0; tick < 60; ++tick) {
            QMetaObject::invokeMethod(period, "timeout");
            seen.insert(m_button->text());
        }
        QCOMPARE(seen, QSet<QString>(Words.cbegin(), Words.cend()));
    }

    void eachTickBringsANewShower()
    {
        open(QRect(0, 0, 800, 600));
        const QSize area = m_window->findChild<ShowerSurface*>()->size();
        QVERIFY(shower().isEmpty());
        QPoint previousFirst;
        int smallest = 1000, largest = 0, rightmost = 0, lowest = 0;
        for (int tick = 0; tick < 10; ++tick) {
            tickMove();
            QCOMPARE(shower().size(), 100);
            QVERIFY(shower().first().centre != previousFirst);
            previousFirst = shower().first().centre;
            for (const CircleShower::Circle& circle : shower()) {
                QVERIFY(circle.centre.x() >= 1 && circle.centre.y() >= 1);
                smallest = std::min(smallest, circle.radius);
                largest = std::max(largest, circle.radius);
                rightmost = std::max(rightmost, circle.centre.x());
                lowest = std::max(lowest, circle.centre.y());
            }
        }
        // Radii in pixels from 1 to 300, centres over the whole surface.
        QVERIFY(smallest >= 1 && smallest <= 5 && largest >= 295 && largest <= 300);
        QVERIFY(rightmost > area.width() * 9 / 10 && rightmost <= area.width());
        QVERIFY(lowest > area.height() * 9 / 10 && lowest <= area.height());
    }

    void showerStaysInViewUntilTheNext()
    {
        open();
        const QImage blank = picture();
        tickMove();
        const QImage first = picture();
        // Painting again, as after being covered and uncovered, shows the same shower.
        QVERIFY(first != blank && picture() == first);
        bool found = false;
        for (int y = 0; y < first.height() && !found; ++y) {
            for (int x = 0; x < first.width() && !found; ++x)
                found = first.pixelColor(x, y) == shower().last().colour;
        }
        QVERIFY(found);
        tickMove();
        QVERIFY(picture() != first);
    }

    void clickOffersTheWord()
    {
        open();
        QTest::mouseClick(m_button, Qt::LeftButton);
        QVERIFY(m_env->expectMessage(m_button->text(), "Think about this word.",
                                     MessageIcon::Information));
        QCOMPARE(m_env->desktop.messages.last().buttons, MessageButtons::Ok);
    }

    void activationFillsTheFrameAndClosingRestores()
    {
        auto* other = new QWidget;
        other->setObjectName("frmSentence");
        QMdiSubWindow* otherChild = m_frame->addSubWindow(other);
        otherChild->show();
        open(QRect(40, 30, 400, 300));
        m_button->setText("-");
        m_window->activate();
        QVERIFY(m_child->isMaximized() && otherChild->isMinimized() && !m_env->desktop.busy);
        QCOMPARE(m_child->geometry(), m_frame->viewport()->rect());
        QVERIFY(Words.contains(m_button->text())); // maximising is a resize

        m_moveTimer->start();
        m_window->unload();
        QVERIFY(!m_child->isVisible() && m_child->windowState() == Qt::WindowNoState);
        QVERIFY(!m_moveTimer->isActive() &&
                !m_window->findChild<QTimer*>("tmrPsycho1")->isActive());
    }
};

QTEST_MAIN(TestPsycho)
#include "tst_psycho.moc"
