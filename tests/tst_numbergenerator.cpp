#include "generators/frmNumberGenerator.h"
#include "generators/NumberKinds.h"
#include "generators/SpinButton.h"
#include "shared/Clock.h"
#include "shared/Random.h"
#include "support/ScriptedDesktop.h"
#include "support/TestDatabase.h"

#include <QAccessible>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>
#include <QToolButton>

class TestNumberGenerator : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void eachKindWritesItsLabelsAndBounds_data();
    void eachKindWritesItsLabelsAndBounds();
    void dateHidesBoundsAndIgnoresThem();
    void valuesHaveTheirKindsForm_data();
    void valuesHaveTheirKindsForm();
    void diceRollsAreListedInOrder();
    void boundsWithoutValuesAreOutOfRange_data();
    void boundsWithoutValuesAreOutOfRange();
    void boxTextIsReadAndStepped_data();
    void boxTextIsReadAndStepped();
    void spinButtonsStepTheirBoxes();
    void timerFollowsClicksAndStopsWhenOutOfRange();
    void enterGeneratesAndListCopiesByteForByte();
    void tabOrderAndAccessibleNames();

private:
    // Option and check boxes are clicked on their indicator, at their left end.
    static void clickBox(QAbstractButton* box)
    {
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(box->height() / 2, box->height() / 2));
    }
    void choose(int kind) { clickBox(m_window->optNumberType.at(kind)); }
    void setBounds(const QString& first, const QString& second);
    void generate(int times = 1);
    QStringList results() const;

    std::unique_ptr<ScriptedDesktop> m_desktop;
    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<frmNumberGenerator> m_window;
};

void TestNumberGenerator::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    setFixedDateTime(QDateTime(QDate(2026, 12, 6), QTime(8, 5)));
}

void TestNumberGenerator::init()
{
    m_desktop = std::make_unique<ScriptedDesktop>();
    m_db = std::make_unique<TestDatabase>();
    QVERIFY2(m_db->isOpen(), qPrintable(m_db->error()));
    Random::instance().seed(97);
    m_window = std::make_unique<frmNumberGenerator>();
    m_window->load();
    m_window->show();
}

void TestNumberGenerator::cleanup()
{
    m_window.reset();
    QVERIFY(m_db->fatalErrors.isEmpty());
    m_db.reset();
    m_desktop.reset();
}

void TestNumberGenerator::setBounds(const QString& first, const QString& second)
{
    for (auto [box, text] :
         {std::pair{m_window->txtRange1, first}, {m_window->txtRange2, second}}) {
        box->clear();
        QTest::keyClicks(box, text);
    }
}

void TestNumberGenerator::generate(int times)
{
    for (int i = 0; i < times; ++i)
        QTest::mouseClick(m_window->cmdGenerate, Qt::LeftButton);
}

QStringList TestNumberGenerator::results() const
{
    QStringList lines;
    for (int row = 0; row < m_window->lstResults->count(); ++row)
        lines.append(m_window->lstResults->item(row)->text());
    return lines;
}

void TestNumberGenerator::eachKindWritesItsLabelsAndBounds_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QStringList>("shown"); // first label, second label, first box, second box
    QTest::newRow("Age") << 0 << QStringList{"Lower", "Upper", "18", "120"};
    QTest::newRow("Distance") << 2 << QStringList{"Lower", "Upper", "1", "1000"};
    QTest::newRow("Dice") << 3 << QStringList{"Dice Type", "# of Dice", "6", "2"};
    QTest::newRow("Percent") << 4 << QStringList{"Lower", "Upper", "1", "100"};
}

void TestNumberGenerator::eachKindWritesItsLabelsAndBounds()
{
    QFETCH(int, kind);
    QFETCH(QStringList, shown);
    choose(kind == 3 ? 0 : 3); // start elsewhere, with bounds the user changed
    setBounds("7", "9");
    choose(kind);
    QCOMPARE(m_window->numberType(), kind);
    QCOMPARE((QStringList{m_window->lblRange1->text(), m_window->lblRange2->text(),
                          m_window->txtRange1->text(), m_window->txtRange2->text()}),
             shown);
    QCOMPARE(m_window->spnRange1->upArrow()->accessibleName(), shown.at(0) + " up");
    QCOMPARE(m_window->spnRange2->downArrow()->accessibleName(), shown.at(1) + " down");
}

void TestNumberGenerator::dateHidesBoundsAndIgnoresThem()
{
    generate();
    setBounds("abc", "-5");
    choose(1);
    QCOMPARE(m_window->lblResult->text() + m_window->lblRange1->text(), QString());
    QVERIFY(m_window->txtRange1->isHidden() && !m_window->spnRange2->isEnabled());
    QCOMPARE(m_window->txtRange1->text(), QStringLiteral("abc"));

    generate(300);
    QVERIFY(m_desktop->messages.isEmpty());
    const QRegularExpression date("^([1-9]\\d?)/([1-9]\\d?)/([1-9]\\d?)$");
    QSet<int> days;
    for (const QString& line : results().mid(1)) {
        const auto match = date.match(line);
        QVERIFY2(match.hasMatch(), qPrintable(line));
        QVERIFY(match.captured(1).toInt() <= 12 && match.captured(2).toInt() <= 31);
        days.insert(match.captured(2).toInt());
    }
    QVERIFY(days.contains(1) && days.contains(31));

    // Every date exists in its year of the 1900s; February 29 comes only in leap years.
    QSet<QString> lastDays;
    for (int draw = 0; draw < 20000; ++draw) {
        const QStringList parts = NumberKinds::generate(NumberKinds::Date, {}, {}, {})->split('/');
        const QDate drawn(1900 + parts.at(2).toInt(), parts.at(0).toInt(), parts.at(1).toInt());
        QVERIFY2(drawn.isValid(), qPrintable(parts.join('/')));
        if (drawn.day() == drawn.daysInMonth())
            lastDays.insert(QStringLiteral("%1/%2").arg(drawn.month()).arg(drawn.day()));
    }
    QCOMPARE(lastDays.size(), 13); // the last day of every month, and both ends of February

    choose(0);
    QVERIFY(m_window->txtRange1->isEnabled() && m_window->spnRange2->isVisible());
}

void TestNumberGenerator::valuesHaveTheirKindsForm_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<QString>("form");
    QTest::addColumn<QStringList>("numbers"); // every value the bounds allow
    const QString age = "^(\\d+) (Days|Hours|Minutes|Months|Weeks|Years)$";
    QTest::newRow("age") << 0 << "30"
                         << "32" << age << QStringList{"30", "31", "32"};
    QTest::newRow("age below 1") << 0 << "-3"
                                 << "2" << age << QStringList{"1", "2"};
    QTest::newRow("fractions cut") << 0 << "1.9"
                                   << "2.5" << age << QStringList{"1", "2"};
    QTest::newRow("distance") << 2 << "999"
                              << "1000"
                              << "^(\\d+) (Feet|Inches|Kilometres|Metres|Miles|Yards)$"
                              << QStringList{"999", "1000"};
    QTest::newRow("percent") << 4 << "1"
                             << "3"
                             << "^(\\d+)%$" << QStringList{"1", "2", "3"};
    QTest::newRow("percent from 0") << 4 << "0"
                                    << "2"
                                    << "^(\\d+)%$" << QStringList{"1", "2"};
    QStringList whole;
    for (int i = 1; i <= 100; ++i)
        whole.append(QString::number(i));
    QTest::newRow("percent below 1") << 4 << "-5"
                                     << "0"
                                     << "^(\\d+)%$" << whole;
}

void TestNumberGenerator::valuesHaveTheirKindsForm()
{
    QFETCH(int, kind);
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(QString, form);
    QFETCH(QStringList, numbers);
    choose(kind);
    setBounds(first, second);
    generate(1000);
    QVERIFY(m_desktop->messages.isEmpty());
    QSet<QString> seen;
    for (const QString& line : results()) {
        const auto match = QRegularExpression(form).match(line);
        QVERIFY2(match.hasMatch() && numbers.contains(match.captured(1)), qPrintable(line));
        seen.insert(match.captured(1));
    }
    QCOMPARE(seen.size(), numbers.size());
    QCOMPARE(m_window->lblResult->text(), results().last());
    QCOMPARE(m_window->lstResults->currentRow(), 999);
}

void TestNumberGenerator::diceRollsAreListedInOrder()
{
    choose(3);
    generate();
    QVERIFY(QRegularExpression("^[1-6] [1-6] $").match(m_window->lblResult->text()).hasMatch());
    for (const auto& [faces, dice] : {std::pair{"1", "3"}, {"1", "0"}, {"4", "4"}}) {
        setBounds(faces, dice);
        generate();
    }
    QCOMPARE(results().mid(1, 2), (QStringList{"1 1 1 ", ""}));
    QCOMPARE(results().size(), 4); // equal dice bounds are never compared
    QVERIFY(m_desktop->messages.isEmpty());
}

void TestNumberGenerator::boundsWithoutValuesAreOutOfRange_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::newRow("equal ages") << 0 << "20"
                                << "20";
    QTest::newRow("equal distances") << 2 << "5"
                                     << "5";
    QTest::newRow("equal percents") << 4 << "50"
                                    << "50";
    QTest::newRow("reversed") << 0 << "120"
                              << "18";
    QTest::newRow("upper below 1") << 2 << "-10"
                                   << "0";
    QTest::newRow("no whole number") << 4 << "0.2"
                                     << "0.5";
    QTest::newRow("beyond a draw") << 0 << "1"
                                   << "99999999999";
    QTest::newRow("no faces") << 3 << "0"
                              << "2";
    QTest::newRow("faces not a number") << 3 << "d6"
                                        << "2";
    QTest::newRow("too many dice") << 3 << "6"
                                   << "1e9";
}

void TestNumberGenerator::boundsWithoutValuesAreOutOfRange()
{
    QFETCH(int, kind);
    QFETCH(QString, first);
    QFETCH(QString, second);
    choose(kind);
    setBounds(first, second);
    generate();
    QCOMPARE(m_desktop->messages.size(), 1);
    const ScriptedDesktop::Message& message = m_desktop->messages.first();
    QCOMPARE(message.text, QStringLiteral("The Number you have selected is out of range"));
    QCOMPARE(message.title, QStringLiteral("Out of Range"));
    QCOMPARE(message.icon, MessageIcon::None);
    QCOMPARE(message.buttons, MessageButtons::Ok);
    QCOMPARE(m_window->lstResults->count(), 0);
    QVERIFY(!m_desktop->busy);
}

void TestNumberGenerator::boxTextIsReadAndStepped_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("number"); // as a bound
    QTest::addColumn<QString>("up");
    QTest::addColumn<QString>("down");
    QTest::newRow("whole") << "18" << 18.0 << "19"
                           << "17";
    QTest::newRow("stops at 1") << "1" << 1.0 << "2"
                                << "1";
    QTest::newRow("below 1") << "-4" << -4.0 << "-3"
                             << "-4";
    QTest::newRow("fraction kept") << " 2.7" << 2.7 << "3.7"
                                   << "1.7";
    QTest::newRow("no upper limit") << "999999999999" << 999999999999.0 << "1000000000000"
                                    << "999999999998";
    QTest::newRow("point first") << "+.5" << 0.5 << "1.5"
                                 << "+.5";
    QTest::newRow("exponent") << "1e3" << 1000.0 << "1001"
                              << "999";
    QTest::newRow("not a number") << "abc" << 0.0 << "0"
                                  << "abc";
    QTest::newRow("two signs") << "--5" << 0.0 << "0"
                               << "--5";
    QTest::newRow("empty") << "" << 0.0 << "0"
                           << "";
    QTest::newRow("number then text") << "5 dice" << 5.0 << "0"
                                      << "0";
}

void TestNumberGenerator::boxTextIsReadAndStepped()
{
    QFETCH(QString, text);
    QFETCH(double, number);
    QFETCH(QString, up);
    QFETCH(QString, down);
    QCOMPARE(NumberKinds::leadingNumber(text), number);
    QCOMPARE(NumberKinds::spinUp(text), up);
    QCOMPARE(NumberKinds::spinDown(text), down);
}

void TestNumberGenerator::spinButtonsStepTheirBoxes()
{
    QTest::mouseClick(m_window->spnRange1->upArrow(), Qt::LeftButton);
    QTest::mouseClick(m_window->spnRange2->downArrow(), Qt::LeftButton);
    QCOMPARE(m_window->txtRange1->text(), QStringLiteral("19"));
    QCOMPARE(m_window->txtRange2->text(), QStringLiteral("119"));
    QTest::keyClick(m_window->spnRange2, Qt::Key_Up);
    QTest::keyClick(m_window->spnRange2, Qt::Key_Up);
    QTest::keyClick(m_window->spnRange1, Qt::Key_Down);
    QCOMPARE(m_window->txtRange1->text(), QStringLiteral("18"));
    QCOMPARE(m_window->txtRange2->text(), QStringLiteral("121"));
}

void TestNumberGenerator::timerFollowsClicksAndStopsWhenOutOfRange()
{
    QVERIFY(!m_window->tmrNumber->isActive());
    clickBox(m_window->chkTimer);
    QCOMPARE(m_window->tmrNumber->interval(), 1000);
    QTRY_COMPARE_WITH_TIMEOUT(m_window->lstResults->count(), 1, 1500);
    clickBox(m_window->chkTimer);
    QVERIFY(!m_window->tmrNumber->isActive());

    // A tick that can draw nothing says so once and stops the timer.
    clickBox(m_window->chkTimer);
    setBounds("20", "20");
    QTRY_COMPARE_WITH_TIMEOUT(m_desktop->messages.size(), 1, 1500);
    QVERIFY(!m_window->tmrNumber->isActive() && !m_window->chkTimer->isChecked());

    clickBox(m_window->chkTimer);
    QTest::mouseClick(m_window->cmdOK, Qt::LeftButton);
    QVERIFY(!m_window->isVisible() && !m_window->tmrNumber->isActive());
}

void TestNumberGenerator::enterGeneratesAndListCopiesByteForByte()
{
    QTest::mouseClick(m_window->cmdClip, Qt::LeftButton);
    QCOMPARE(m_desktop->lastMessage(), QStringLiteral("There are no items in this list."));

    choose(3);
    setBounds("1", "2");
    QTest::keyClick(m_window->txtRange2, Qt::Key_Return);
    QTest::keyClick(m_window->optNumberType.at(3), Qt::Key_Enter);
    QCOMPARE(results(), (QStringList{"1 1 ", "1 1 "}));

    QTest::mouseClick(m_window->cmdClip, Qt::LeftButton);
    QCOMPARE(m_desktop->clipboard, "\nQuillane -- Number Generator 12/6/26 8:05 AM\n" +
                                       QString(80, '-') + "\n1 1 \n1 1 \n");
    QTest::mouseClick(m_window->cmdClear, Qt::LeftButton);
    QCOMPARE(m_window->lstResults->count(), 0);
    QCOMPARE(m_desktop->messages.size(), 2); // clearing asks nothing
}

void TestNumberGenerator::tabOrderAndAccessibleNames()
{
    QStringList order;
    QWidget* widget = m_window->cmdGenerate;
    do {
        if (widget->focusPolicy() & Qt::TabFocus) {
            order.append(widget->objectName());
            QVERIFY2(
                !QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name).isEmpty(),
                qPrintable(widget->objectName()));
        }
        widget = widget->nextInFocusChain();
    } while (widget != m_window->cmdGenerate);
    QCOMPARE(order.join(' '), QStringLiteral("cmdGenerate cmdPrint cmdClip cmdClear cmdOK "
                                             "optNumberType_0 optNumberType_1 optNumberType_2 "
                                             "optNumberType_3 optNumberType_4 txtRange1 spnRange1 "
                                             "txtRange2 spnRange2 chkTimer lstResults"));
}

QTEST_MAIN(TestNumberGenerator)
#include "tst_numbergenerator.moc"
