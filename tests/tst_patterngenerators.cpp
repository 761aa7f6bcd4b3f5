#include "generators/NameGeneratorWindow.h"
#include "generators/NumberGeneratorWindow.h"
#include "generators/NumberKinds.h"
#include "generators/SentencePattern.h"
#include "generators/SentenceWindow.h"
#include "generators/SpinButton.h"
#include "support/TestEnvironment.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QTimer>
#include <QToolButton>

// The sentence, name and number generators: their rules, and what their windows show and hand
// on to the printer and the clipboard.
class TestPatternGenerators : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestEnvironment> m_env;
    std::unique_ptr<ToolWindow> m_window;

    void open(const QString& window)
    {
        if (window == "sentence")
            m_window = TestEnvironment::open<SentenceWindow>();
        else if (window == "name")
            m_window = TestEnvironment::open<NameGeneratorWindow>();
        else
            m_window = TestEnvironment::open<NumberGeneratorWindow>();
    }
    template <typename Control = QWidget> Control* control(const QString& name) const
    {
        auto* found = m_window->findChild<Control*>(name);
        if (!found)
            qFatal("No control %s", qPrintable(name));
        return found;
    }
    void click(const QString& name, int times = 1) const
    {
        for (int i = 0; i < times; ++i)
            QTest::mouseClick(control(name), Qt::LeftButton, {}, QPoint(6, 6));
    }
    void choose(int kind) const { click(QStringLiteral("optNumberType_%1").arg(kind)); }
    void select(const QString& pattern) const
    {
        auto* list = control<QListWidget>("lstPatternType");
        const QRect item = list->visualItemRect(list->findItems(pattern, Qt::MatchExactly).at(0));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, item.center());
    }
    void setBounds(const QString& first, const QString& second) const
    {
        control<QLineEdit>("txtRange1")->setText(first);
        control<QLineEdit>("txtRange2")->setText(second);
    }
    QStringList results() const
    {
        QStringList lines;
        for (int row = 0; row < control<QListWidget>("lstResults")->count(); ++row)
            lines << control<QListWidget>("lstResults")->item(row)->text();
        return lines;
    }
    // Copy and Print hand on the same text: the expected file's, byte for byte.
    void expectOutput(const QString& expectedFile)
    {
        QFile file(QStringLiteral(QUILLANE_FIXTURES_DIR "/expected/") + expectedFile);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString expected = QString::fromUtf8(file.readAll());
        click("cmdClip");
        QCOMPARE(m_env->desktop.clipboard, expected);
        m_env->desktop.answerNext(MessageAnswer::Yes);
        click("cmdPrint");
        QCOMPARE(m_env->desktop.printed, QStringList{expected});
        click("cmdClear");
        QVERIFY(results().isEmpty());
    }

private slots:
    void init() { m_env = std::make_unique<TestEnvironment>(); }
    void cleanup()
    {
        m_window.reset();
        QVERIFY(m_env->db.fatalErrors.isEmpty());
        m_env.reset();
    }

    void sentenceRules()
    {
        const QString invalid = "Not a valid custom sentence pattern.";
        const struct
        {
            QString pattern, words, sentence; // every word drawn, in order
        } rows[] = {
            {"n", "owl", "Owl "},
            {"tjnv", "THE Silver OWL Sang", "The silver owl sang "},
            {"tntntn", "a Owl A hour a heir", "An owl an hour an heir "},
            {"tntn", "An Scourge an unicorn", "A scourge a unicorn "},
            {"tntntn", "an one-off an European an ewe", "A one-off a european a ewe "},
            {"tntntn", "a unintentional a urn a oncoming", "An unintentional an urn an oncoming "},
            {"tnpt", "The owl we AN", "The owl we an "},
            {"pvtnp", "i'm i a Honest I", "I'm I an honest I "},
            {"tnV", "the owl", invalid},
            {"tn v", "the owl", invalid},
            {"tnv.", "the owl sang", invalid},
            {"N", "", invalid},
            {"tnv,", "the owl sang", invalid},
            {"tnz", "the owl", invalid},
        };
        for (const auto& row : rows) {
            const QStringList words = row.words.split(' ', Qt::SkipEmptyParts);
            qsizetype drawn = 0;
            const auto expansion = SentencePattern::expand(
                row.pattern, [&](const QString&) { return words.value(drawn++); });
            QCOMPARE(expansion.sentence, row.sentence);
            QCOMPARE(expansion.valid, row.sentence != invalid);
            QCOMPARE(drawn, words.size()); // the words before a bad character are drawn too
        }
    }

    void numberDrawsKeepToTheirBounds()
    {
        QStringList whole;
        for (int i = 1; i <= 100; ++i)
            whole << QString::number(i);
        const struct
        {
            int kind;
            QString first, second, form; // what the form captures is one of the values
            QStringList values;          // every one drawn; none: out of range
        } rows[] = {
            {0, "30", "32", "^(\\d+) time$", {"30", "31", "32"}},
            {0, "-3", "2.5 years", "^(\\d+) time$", {"1", "2"}},
            {2, "999.9", "1000", "^(\\d+) UnitOfMeasure$", {"999", "1000"}},
            {4, "0", "3", "^(\\d+)%$", {"1", "2", "3"}},
            {4, "-5", "0", "^(\\d+)%$", whole},
            {3, "6", "2", "^([1-6]) [1-6] $", whole.mid(0, 6)},
            {3, "1", "3", "^(.*)$", {"1 1 1 "}},
            {3, "4", "0", "^(.*)$", {""}},
            {3, "1", "1", "^(.*)$", {"1 "}},
            {0, "20", "20", "", {}},
            {0, "120", "18", "", {}},
            {2, "-10", "0", "", {}},
            {4, "0.2", "0.5", "", {}},
            {0, "1", "99999999999", "", {}},
            {3, "0", "2", "", {}},
            {3, "d6", "2", "", {}},
            {3, "6", "1e9", "", {}},
        };
        for (const auto& row : rows) {
            QSet<QString> seen;
            for (int draw = 0; draw < 2000; ++draw) {
                const auto value =
                    NumberKinds::generate(NumberKinds::Kind(row.kind), row.first, row.second,
                                          [](auto table) { return table; });
                QVERIFY2(value.has_value() == !row.values.isEmpty(), qPrintable(row.second));
                if (!value)
                    break;
                const auto match = QRegularExpression(row.form).match(*value);
                QVERIFY2(match.hasMatch() && row.values.contains(match.captured(1)),
                         qPrintable(*value));
                seen.insert(match.captured(1));
            }
            QCOMPARE(seen.size(), row.values.size());
        }
    }

    void timerFollowsClicksAndStopsAtAMessage_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QStringList>("names"); // timer, box, Close
        QTest::addColumn<QString>("message");
        const QString noPattern = "No pattern has been selected.";
        QTest::newRow("sentence") << "sentence"
                                  << QStringList{"tmrSentence", "chkSentence", "OK_BT"}
                                  << noPattern;
        QTest::newRow("name") << "name" << QStringList{"tmrName", "chkSentence", "OK_BT"}
                              << noPattern;
        QTest::newRow("number") << "number" << QStringList{"tmrNumber", "chkTimer", "cmdOK"}
                                << QString("The Number you have selected is out of range");
    }
    void timerFollowsClicksAndStopsAtAMessage()
    {
        QFETCH(QString, window);
        QFETCH(QStringList, names);
        QFETCH(QString, message);
        open(window);
        auto* timer = control<QTimer>(names.at(0));
        auto* box = control<QCheckBox>(names.at(1));
        auto* patterns = m_window->findChild<QListWidget*>("lstPatternType");
        QCOMPARE(timer->interval(), 1000);
        QVERIFY(!timer->isActive());
        tick(box);
        QVERIFY(box->isChecked() && timer->isActive());
        tick(box);
        QVERIFY(!box->isChecked() && !timer->isActive());

        // A tick is a Generate: it adds a line, or meets a message once and stops the timer.
        if (patterns)
            patterns->setCurrentRow(0);
        tick(box);
        timer->setInterval(5);
        QTRY_VERIFY(results().size() >= 2);
        patterns ? patterns->clearSelection() : setBounds("20", "20");
        QTRY_COMPARE(m_env->desktop.messages.size(), 1);
        QVERIFY(m_env->expectMessage(message));
        QVERIFY(!timer->isActive() && !box->isChecked());
        tick(box);
        QVERIFY(timer->isActive());
        click(names.at(2));
        QVERIFY(!m_window->isVisible());
    }

    void generateNeedsAPattern_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("key");
        QTest::newRow("sentence") << "sentence" << QString("Key to Sentence Codes");
        QTest::newRow("name") << "name" << QString("Key to Name Codes");
    }
    void generateNeedsAPattern()
    {
        QFETCH(QString, window);
        QFETCH(QString, key);
        open(window);
        auto* realNames = m_window->findChild<QCheckBox*>("chkRealName");
        if (realNames)
            tick(realNames); // real names ignore the pattern, but need one all the same
        click("cmdGenerate");
        QVERIFY(m_env->expectMessage("No pattern has been selected.", "Pattern Selection",
                                     MessageIcon::Information));

        // A right press or a double click on the list shows the key to the codes, nothing else.
        auto* patterns = control<QListWidget>("lstPatternType");
        const QPoint first = patterns->visualItemRect(patterns->item(0)).center();
        QTest::mouseClick(patterns->viewport(), Qt::RightButton, {}, first);
        QVERIFY(patterns->selectedItems().isEmpty());
        QTest::mouseDClick(patterns->viewport(), Qt::LeftButton, {}, first);
        QCOMPARE(m_env->desktop.messages.size(), 3);
        QCOMPARE(m_env->desktop.messages.at(1).title + m_env->desktop.messages.at(2).title,
                 key + key);
        QVERIFY(results().isEmpty());

        // A random pattern needs no selection; the one taken is shown selected.
        patterns->clearSelection();
        tick(control<QCheckBox>("chkRandom"));
        click("cmdGenerate", 3);
        QCOMPARE(results().size(), 3);
        QCOMPARE(patterns->selectedItems().size(), 1);
        if (realNames) { // the box just checked wins
            QVERIFY(!realNames->isChecked());
            tick(realNames);
            QVERIFY(!control<QCheckBox>("chkRandom")->isChecked());
        }
    }

    void sentencesArePrintedAndCopied()
    {
        QVERIFY(m_env->db.execute("INSERT INTO sentencePattern (sentencePattern) VALUES ('tnvX')"));
        open("sentence");
        tick(control<QCheckBox>("chkRandom"));
        click("cmdGenerate", 5);
        tick(control<QCheckBox>("chkRandom"));
        select("tnvX");
        click("cmdGenerate");
        QVERIFY(m_env->expectMessage("tnvX: is not valid.  Please use the customization feature "
                                     "to delete this.",
                                     "Invalid Sentence Pattern", MessageIcon::Information));
        QCOMPARE(control<QListWidget>("lstResults")->currentRow(), 5);
        expectOutput("sentence.txt");
    }

    void namesArePrintedAndCopied()
    {
        QVERIFY(m_env->db.execute(
            "INSERT INTO namePattern (namePattern) VALUES ('c'), ('cvCv'), ('Vc')"));
        open("name");
        for (const QString pattern : {"cvccv", "cvccv", "c", "Vc", "cvCv"}) {
            select(pattern);
            click("cmdGenerate");
        }
        // Letters built before the bad character stay, after the message that shows them.
        QVERIFY(m_env->expectMessage("cvCv: is not valid.  Please use customization to delete "
                                     "this pattern: " +
                                         results().last().toLower(),
                                     "Invalid Name Pattern", MessageIcon::Information));
        QCOMPARE(m_env->desktop.messages.size(), 2);
        tick(control<QCheckBox>("chkRealName"));
        click("cmdGenerate", 4);
        QCOMPARE(control<QListWidget>("lstResults")->currentRow(), 7);
        expectOutput("name.txt");
    }

    void numbersArePrintedAndCopied()
    {
        open("number");
        click("cmdClip");
        QVERIFY(m_env->expectMessage("There are no items in this list.", "No Items"));
        setBounds("20", "20");
        click("cmdGenerate");
        QVERIFY(m_env->expectMessage("The Number you have selected is out of range", "Out of Range",
                                     MessageIcon::None));
        QVERIFY(results().isEmpty() && !m_env->desktop.busy);

        // Each kind shows its labels and writes its bounds over the ones the user set.
        const QStringList shown[] = {{"Lower", "Upper", "18", "120"},
                                     {"", "", "7", "9"},
                                     {"Lower", "Upper", "1", "1000"},
                                     {"Dice Type", "# of Dice", "6", "2"},
                                     {"Lower", "Upper", "1", "100"}};
        for (int kind = 0; kind < NumberKinds::KindCount; ++kind) {
            setBounds("7", "9");
            choose(kind);
            QCOMPARE((QStringList{control<QLabel>("lblRange1")->text(),
                                  control<QLabel>("lblRange2")->text(),
                                  control<QLineEdit>("txtRange1")->text(),
                                  control<QLineEdit>("txtRange2")->text()}),
                     shown[kind]);
            click("cmdGenerate", 2);
            QCOMPARE(control<QLabel>("lblResult")->text(), results().last());
        }
        QCOMPARE(control<QListWidget>("lstResults")->currentRow(), 9);
        expectOutput("number.txt");
    }

    void dateHidesTheBoundsAndDrawsDatesThatExist()
    {
        open("number");
        click("cmdGenerate");
        setBounds("abc", "-5");
        choose(1);
        QCOMPARE(control<QLabel>("lblResult")->text(), QString());
        QVERIFY(control("txtRange1")->isHidden() && !control("spnRange2")->isEnabled());
        click("cmdGenerate");
        QVERIFY(m_env->desktop.messages.isEmpty());

        // Every date exists in its year of the 1900s; the last days of the months all come up,
        // February 29 in leap years only.
        QSet<QString> lastDays;
        const QRegularExpression form("^([1-9]\\d?)/([1-9]\\d?)/([1-9]\\d?)$");
        for (int draw = 0; draw < 20000; ++draw) {
            const QString date =
                draw ? *NumberKinds::generate(NumberKinds::Date, {}, {}, {}) : results().last();
            const auto parts = form.match(date);
            const QDate drawn(1900 + parts.captured(3).toInt(), parts.captured(1).toInt(),
                              parts.captured(2).toInt());
            QVERIFY2(parts.hasMatch() && drawn.isValid(), qPrintable(date));
            if (drawn.day() == drawn.daysInMonth())
                lastDays.insert(QStringLiteral("%1/%2").arg(drawn.month()).arg(drawn.day()));
        }
        QCOMPARE(lastDays.size(), 13);
        choose(0);
        QVERIFY(control("txtRange1")->isEnabled() && control("spnRange2")->isVisible());
    }

    void spinButtonsStepTheirBoxes()
    {
        open("number");
        // clang-format off
        const QStringList steps[] = { // a box's text, after a step up, after a step down
            {"18", "19", "17"}, {"1", "2", "1"}, {"-4", "-3", "-4"}, {" 2.7", "3.7", "1.7"},
            {"999999999999", "1000000000000", "999999999998"}, {"+.5", "1.5", "+.5"},
            {"1e3", "1001", "999"}, {"abc", "0", "abc"}, {"--5", "0", "--5"}, {"", "0", ""},
            {"5 dice", "0", "0"}};
        // clang-format on
        for (const QStringList& step : steps) {
            for (const QString number : {"1", "2"}) {
                auto* box = control<QLineEdit>("txtRange" + number);
                box->setText(step.at(0));
                QTest::mouseClick(control<SpinButton>("spnRange" + number)->upArrow(),
                                  Qt::LeftButton);
                QCOMPARE(box->text(), step.at(1));
                box->setText(step.at(0));
                QTest::keyClick(control("spnRange" + number), Qt::Key_Down);
                QCOMPARE(box->text(), step.at(2));
            }
        }
    }
};

QTEST_MAIN(TestPatternGenerators)
#include "tst_patterngenerators.moc"
