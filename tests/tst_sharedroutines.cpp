#include "shared/BusyPointer.h"
#include "shared/CodeKeys.h"
#include "shared/ControlOrder.h"
#include "shared/Random.h"
#include "shared/RecordNavigator.h"
#include "shared/RunSettings.h"
#include "shared/WindowServices.h"
#include "support/ScriptedDesktop.h"
#include "support/TestDatabase.h"

#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>

class TestSharedRoutines : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_desktop = std::make_unique<ScriptedDesktop>(); }
    void cleanup() { m_desktop.reset(); }

    void randomValuesStayInRange();
    void randomInRangeIsUniform();
    void seededGeneratorRepeatsItself();
    void prefixWalkFollowsControlOrder();
    void timersTakeTheSettingsInterval();
    void dataControlsAreOpenedInControlOrder();
    void pointerCallsDoNotNest();
    void codeKeys();

private:
    std::unique_ptr<ScriptedDesktop> m_desktop;
};

void TestSharedRoutines::randomValuesStayInRange()
{
    Random::instance().seed(7);
    for (int i = 0; i < 200; ++i) {
        QCOMPARE(randomNumber(1), 1);
        QCOMPARE(randomInRange(5, 5), 5);
        const int roll = randomNumber(6);
        QVERIFY(roll >= 1 && roll <= 6);
        QVERIFY(QStringLiteral("bcdfghjklmnpqrstvwxyz").contains(randomConsonant()));
        QVERIFY(QStringLiteral("aeiou").contains(randomVowel()));
    }
    // Wide bounds are drawn in one step, not by trying values until one fits.
    const int wide = randomInRange(2000000000, 2147483647);
    QVERIFY(wide >= 2000000000);
}

void TestSharedRoutines::randomInRangeIsUniform()
{
    Random::instance().seed(11);
    QHash<int, int> counts;
    const int draws = 50000;
    for (int i = 0; i < draws; ++i)
        ++counts[randomInRange(18, 22)];
    QCOMPARE(counts.keys().size(), 5);
    double chiSquare = 0;
    for (int value = 18; value <= 22; ++value) {
        const double expected = draws / 5.0;
        chiSquare += (counts[value] - expected) * (counts[value] - expected) / expected;
    }
    QVERIFY2(chiSquare < 18.5, qPrintable(QString::number(chiSquare))); // 4 df, 0.1%
}

void TestSharedRoutines::seededGeneratorRepeatsItself()
{
    QList<int> first, second;
    Random::instance().seed(99);
    for (int i = 0; i < 20; ++i)
        first << randomNumber(1000);
    Random::instance().seed(99);
    for (int i = 0; i < 20; ++i)
        second << randomNumber(1000);
    QCOMPARE(first, second);
    QVERIFY(QSet<int>(first.begin(), first.end()).size() > 15);
}

void TestSharedRoutines::prefixWalkFollowsControlOrder()
{
    QWidget window;
    auto* outer = new QVBoxLayout(&window);
    auto* panel = new QWidget;
    auto* inner = new QVBoxLayout(panel);
    auto make = [](const QString& name) {
        auto* edit = new QLineEdit;
        edit->setObjectName(name);
        return edit;
    };
    outer->addWidget(make("txtFirst"));
    inner->addWidget(make("txtInPanel"));
    inner->addWidget(make("lblIgnored"));
    outer->addWidget(panel);
    outer->addWidget(make("txtLast"));
    QStringList names;
    for (QObject* control : controlsWithPrefix(&window, "txt"))
        names << control->objectName();
    QCOMPARE(names, (QStringList{"txtFirst", "txtInPanel", "txtLast"}));
}

void TestSharedRoutines::timersTakeTheSettingsInterval()
{
    QWidget window;
    auto* running = new QTimer(&window);
    running->setObjectName("tmrRunning");
    running->setInterval(1000);
    running->start();
    auto* stopped = new QTimer(&window);
    stopped->setObjectName("tmrStopped");
    auto* other = new QTimer(&window);
    other->setObjectName("TmrWrongCase");
    other->setInterval(1000);
    runSettings().timerInterval = 7000;
    setTimers(&window);
    QCOMPARE(running->interval(), 7000);
    QVERIFY(running->isActive());
    QCOMPARE(stopped->interval(), 7000);
    QVERIFY(!stopped->isActive());
    QCOMPARE(other->interval(), 1000);
}

void TestSharedRoutines::dataControlsAreOpenedInControlOrder()
{
    TestDatabase db;
    QVERIFY(db.isOpen());
    QWidget window;
    QStringList refreshed;
    const auto navigator = [&](const QString& name, bool works) {
        auto* control = new RecordNavigator(name, name, &window);
        control->setRefresh([&refreshed, name, works](StoreError* error) {
            refreshed << name;
            if (!works)
                *error = {3078, name, "There is no such table."};
            return works;
        });
    };
    navigator("dtaNoun", true);
    navigator("dtaBroken", false);
    navigator("dtaLater", true);
    setDataControls(&window);
    QCOMPARE(refreshed, (QStringList{"dtaNoun", "dtaBroken"})); // the program ended before the last
    QCOMPARE(m_desktop->messages.first().text,
             QStringLiteral("An error occurred on control dtaBroken"));
    QCOMPARE(m_desktop->messages.first().title, QStringLiteral("Quillane"));
    QCOMPARE(m_desktop->messages.first().icon, MessageIcon::None);
    QCOMPARE(db.fatalErrors, QList<int>{3078});
}

void TestSharedRoutines::pointerCallsDoNotNest()
{
    setHourglass();
    setHourglass();
    QVERIFY(m_desktop->busy);
    resetPointer();
    QVERIFY(!m_desktop->busy);
}

void TestSharedRoutines::codeKeys()
{
    showSentenceKey();
    showNameKey();
    QCOMPARE(m_desktop->messages.size(), 2);
    QCOMPARE(m_desktop->messages.at(0).text,
             QStringLiteral("n=noun, v=verb, t=article, p=pronoun, x=preposition\nr=adverb, "
                            "y=direct object pronoun, q=possessive pronoun, j=adjective"));
    QCOMPARE(m_desktop->messages.at(0).title, QStringLiteral("Key to Sentence Codes"));
    QCOMPARE(m_desktop->messages.at(1).text, QStringLiteral("c = consonant, v= vowel"));
    QCOMPARE(m_desktop->messages.at(1).title, QStringLiteral("Key to Name Codes"));
    QCOMPARE(m_desktop->messages.at(1).icon, MessageIcon::Information);
}

QTEST_MAIN(TestSharedRoutines)
#include "tst_sharedroutines.moc"
