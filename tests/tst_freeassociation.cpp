#include "inspiration/frmFreeAss.h"
#include "shared/RunSettings.h"
#include "support/TestEnvironment.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

class TestFreeAssociation : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void startAndStopFollowTheCaption();
    void enterRecordsEvenAnEmptyResponse();
    void everyEnterRestartsThePeriod();
    void unansweredNounIsReplacedWithoutRecording();
    void periodIgnoresTheTimerSetting();

private:
    void respond(const QString& response);

    std::unique_ptr<TestEnvironment> m_env;
    std::unique_ptr<frmFreeAss> m_window;
};

void TestFreeAssociation::init()
{
    m_env = std::make_unique<TestEnvironment>();
    // One noun, so every stimulus is known.
    QVERIFY(m_env->db.execute("DELETE FROM noun"));
    QVERIFY(m_env->db.execute("INSERT INTO noun VALUES (1, 'owl')"));
    m_window = std::make_unique<frmFreeAss>();
    m_window->show();
}

void TestFreeAssociation::cleanup()
{
    m_window.reset();
    m_env.reset();
}

void TestFreeAssociation::respond(const QString& response)
{
    QTest::keyClicks(m_window->txtResponse, response);
    QTest::keyClick(m_window->txtResponse, Qt::Key_Return);
}

void TestFreeAssociation::startAndStopFollowTheCaption()
{
    frmFreeAss& w = *m_window;
    QCOMPARE(w.cmdGenerate->text(), QStringLiteral("&Start"));
    QVERIFY(!w.txtResponse->isEnabled());
    QVERIFY(!w.txtStimulus->isEnabled());
    QVERIFY(!w.tmrFreeAss->isActive());

    QTest::mouseClick(w.cmdGenerate, Qt::LeftButton);
    QCOMPARE(w.cmdGenerate->text(), QStringLiteral("&Stop"));
    QVERIFY(w.txtResponse->isEnabled());
    QCOMPARE(w.txtStimulus->text(), QStringLiteral("Owl"));
    QVERIFY(w.tmrFreeAss->isActive());
    respond("bird");
    QTest::keyClicks(w.txtResponse, "half typed");

    QTest::mouseClick(w.cmdGenerate, Qt::LeftButton);
    QCOMPARE(w.cmdGenerate->text(), QStringLiteral("&Start"));
    QCOMPARE(w.txtStimulus->text(), QString());
    QCOMPARE(w.txtResponse->text(), QString());
    QVERIFY(!w.txtResponse->isEnabled());
    QVERIFY(!w.tmrFreeAss->isActive());
    QCOMPARE(w.lstResults->count(), 1); // the record outlives the drill

    QTest::mouseClick(w.cmdGenerate, Qt::LeftButton);
    QCOMPARE(w.txtStimulus->text(), QStringLiteral("Owl"));
}

void TestFreeAssociation::enterRecordsEvenAnEmptyResponse()
{
    QTest::mouseClick(m_window->cmdGenerate, Qt::LeftButton);
    respond("bird");
    respond("");
    QCOMPARE(m_window->lstResults->count(), 2);
    QCOMPARE(m_window->lstResults->currentRow(), 1);
    QCOMPARE(m_window->txtResponse->text(), QString());

    QTest::mouseClick(m_window->cmdClip, Qt::LeftButton);
    QCOMPARE(m_env->desktop.clipboard,
             "\n" + TestEnvironment::headerLine("Free Association") + "\n" + QString(80, '-') +
                 "\nStimulus: Owl      Response: bird\nStimulus: Owl      Response: \n");

    // The pair is the stimulus shown at Enter, not the one drawn after it.
    QTest::mouseClick(m_window->cmdClear, Qt::LeftButton);
    respond("nothing");
    QCOMPARE(m_window->lstResults->item(0)->text(),
             QStringLiteral("Stimulus:       Response: nothing"));
    QTest::mouseClick(m_window->cmdClear, Qt::LeftButton);
    QTest::mouseClick(m_window->cmdPrint, Qt::LeftButton);
    QCOMPARE(m_env->desktop.lastMessage(), QStringLiteral("There are no items in this list."));
    QVERIFY(m_env->desktop.printed.isEmpty());
}

void TestFreeAssociation::everyEnterRestartsThePeriod()
{
    QTest::mouseClick(m_window->cmdGenerate, Qt::LeftButton);
    QCOMPARE(m_window->tmrFreeAss->interval(), 8000);
    for (int i = 0; i < 3; ++i) {
        QTest::qWait(250);
        QVERIFY(m_window->tmrFreeAss->remainingTime() < 7800);
        respond("quick");
        QVERIFY(m_window->tmrFreeAss->remainingTime() > 7900);
    }
}

void TestFreeAssociation::unansweredNounIsReplacedWithoutRecording()
{
    m_window->setAnswerPeriodForTests(30);
    QSignalSpy ticks(m_window->tmrFreeAss, &QTimer::timeout);
    QTest::mouseClick(m_window->cmdGenerate, Qt::LeftButton);
    respond("bird");
    // Clearing leaves the drill running; the next tick brings a new noun.
    QTest::mouseClick(m_window->cmdClear, Qt::LeftButton);
    QCOMPARE(m_window->txtStimulus->text(), QString());
    QTRY_COMPARE(m_window->txtStimulus->text(), QStringLiteral("Owl"));
    QTRY_VERIFY(ticks.count() >= 3);
    QCOMPARE(m_window->lstResults->count(), 0);
    QCOMPARE(m_window->cmdGenerate->text(), QStringLiteral("&Stop"));
}

void TestFreeAssociation::periodIgnoresTheTimerSetting()
{
    const qint16 setting = runSettings().timerInterval;
    runSettings().timerInterval = 1000;
    m_window->activate();
    QTest::mouseClick(m_window->cmdGenerate, Qt::LeftButton);
    runSettings().timerInterval = setting;
    QCOMPARE(m_window->tmrFreeAss->interval(), 8000);
    QVERIFY(!m_env->desktop.busy);
}

QTEST_MAIN(TestFreeAssociation)
#include "tst_freeassociation.moc"
