#include "inspiration/frmCrystalBall.h"
#include "shared/RunSettings.h"
#include "support/TestEnvironment.h"

#include <QCheckBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

class TestCrystalBall : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void opensEmptyAndManual();
    void eachPieceReplacesTheLast();
    void timerBringsAdviceAtTheSettingsInterval();
    void closeStopsTheTimer();

private:
    std::unique_ptr<frmCrystalBall> open();

    std::unique_ptr<TestEnvironment> m_env;
    // The fixture's advice, as drawn.
    const QStringList m_advice = {
        "Write the scene you are afraid to write.", "Read your dialogue aloud before you trust it.",
        "Give every character something to want, even if it is only a glass of water.",
        "Cut the first paragraph and see if the story starts sooner.",
        "Finish the draft before you polish a single line."};
};

void TestCrystalBall::init()
{
    m_env = std::make_unique<TestEnvironment>();
    QVERIFY(m_env->db.isOpen());
    runSettings().timerInterval = 50;
}

void TestCrystalBall::cleanup()
{
    m_env.reset();
    runSettings() = RunSettings();
}

std::unique_ptr<frmCrystalBall> TestCrystalBall::open()
{
    auto window = std::make_unique<frmCrystalBall>();
    window->show();
    window->activateWindow();
    window->activate();
    return window;
}

void TestCrystalBall::opensEmptyAndManual()
{
    auto window = open();
    window->activate(); // activation neither draws nor starts anything
    QVERIFY(window->txtAdvice->toPlainText().isEmpty());
    QVERIFY(!window->tmrAdvice->isActive());
    QVERIFY(!m_env->desktop.busy);
}

void TestCrystalBall::eachPieceReplacesTheLast()
{
    auto window = open();
    QSet<QString> seen;
    for (int i = 0; i < 20; ++i) {
        QTest::mouseClick(window->cmdAdvice, Qt::LeftButton);
        const QString shown = window->txtAdvice->toPlainText();
        QVERIFY2(m_advice.contains(shown), qPrintable(shown));
        seen.insert(shown);
    }
    QVERIFY(seen.size() > 2);
}

void TestCrystalBall::timerBringsAdviceAtTheSettingsInterval()
{
    auto window = open();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    QCOMPARE(window->tmrAdvice->interval(), 50);
    tick(window->chkTimer);
    QVERIFY(window->tmrAdvice->isActive());
    QVERIFY(window->cmdAdvice->hasFocus());
    QSignalSpy ticks(window->tmrAdvice, &QTimer::timeout);
    QTRY_VERIFY(ticks.count() >= 3);
    QVERIFY(m_advice.contains(window->txtAdvice->toPlainText()));

    // A new setting waits for the next activation, which keeps the timer running.
    runSettings().timerInterval = 70;
    QCOMPARE(window->tmrAdvice->interval(), 50);
    window->activate();
    QCOMPARE(window->tmrAdvice->interval(), 70);
    QVERIFY(window->tmrAdvice->isActive());

    tick(window->chkTimer);
    QVERIFY(!window->tmrAdvice->isActive());
    QVERIFY(m_advice.contains(window->txtAdvice->toPlainText())); // the last advice stays
}

void TestCrystalBall::closeStopsTheTimer()
{
    auto window = open();
    tick(window->chkTimer);
    QTest::mouseClick(window->cmdClose, Qt::LeftButton);
    QVERIFY(!window->isVisible());
    QVERIFY(!window->tmrAdvice->isActive());
}

QTEST_MAIN(TestCrystalBall)
#include "tst_crystalball.moc"
