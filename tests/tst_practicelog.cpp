#include "data/CsvText.h"
#include "data/PracticeLog.h"
#include "practice/PracticeLogWindow.h"
#include "practice/WordsChartLoader.h"
#include "shared/desktop/Clock.h"
#include "shared/widgets/WordsChart.h"
#include "support/TestEnvironment.h"

#include <QtTest>
#include <QtWidgets>

// The Practice Log window driven as a user would, over records saved as the writing windows save
// them, the clock fixed on Sunday 6 December 2026, 9:30.
class TestPracticeLog : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestEnvironment> m_env;
    std::unique_ptr<PracticeLogWindow> m_window;

    // Saves a record started at the local ISO time, "2026-12-05T21:00".
    static void add(const QString& started, int seconds, int words, const QString& responses = {},
                    const QString& kind = "Writing Sprint", const QString& prompts = {})
    {
        PracticeLog::Record record;
        record.kind = kind;
        record.started = QDateTime::fromString(started, Qt::ISODate);
        record.seconds = seconds;
        record.words = words;
        record.prompts = prompts;
        record.responses = responses;
        record.seed = 42;
        QVERIFY(PracticeLog::add(&record, nullptr));
    }
    // Saves records given as "start seconds words", separated by commas.
    static void addAll(const QString& records)
    {
        for (const QString& record : records.split(',', Qt::SkipEmptyParts)) {
            const QStringList field = record.split(' ', Qt::SkipEmptyParts);
            add(field.at(0), field.at(1).toInt(), field.at(2).toInt());
        }
    }
    void open() { m_window = TestEnvironment::open<PracticeLogWindow>(); }
    template <typename Control = QWidget> Control* find(const QString& name) const
    {
        auto* control = m_window->findChild<Control*>(name);
        if (!control)
            qWarning("no control %s", qPrintable(name));
        return control;
    }
    QStringList listed(int column) const
    {
        return columnTexts(find<QTableView>("grdPractice")->model(), column);
    }
    QString summary() const
    {
        return QStringList{shownText(find("lblWeek")), shownText(find("lblAllTime")),
                           shownText(find("lblStreak"))}
            .join(" | ");
    }
    void choose(int row)
    {
        auto* list = find<QTableView>("grdPractice");
        list->setCurrentIndex(list->model()->index(row, 0));
    }
    // The words per day as the chart shows them, or as the plain list instead, newest first.
    QStringList wordsPerDay() const
    {
        if (!m_window->chart())
            return columnTexts(find<QListWidget>("lstWordsPerDay")->model());
        QStringList days;
        for (const auto& [day, words] : m_window->chart()->shownWords())
            days.prepend(perDay(day, words));
        return days;
    }
    // A day's line of the words per day.
    static QString perDay(const QDate& day, int words)
    {
        return QLocale().toString(day, "ddd d MMM") + ": " + QString::number(words) +
               (words == 1 ? " word" : " words");
    }

private slots:
    void init()
    {
        m_env = std::make_unique<TestEnvironment>();
#ifdef QUILLANE_WORDSCHART_DIR
        WordsChartLoader::setFolders({QUILLANE_WORDSCHART_DIR});
#endif
    }
    void cleanup()
    {
        m_window.reset();
        QVERIFY(m_env->db.fatalErrors.isEmpty());
        m_env.reset();
        WordsChartLoader::setFolders({});
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    }

    // The records newest first with their columns, the whole text of the one chosen, and a
    // record saved while the log is open listed at once.
    void recordsAreListedNewestFirst()
    {
        add("2026-12-04T08:00:00", 600, 250, "The sea\nwas grey", "Writing Sprint", "sea\ngrey");
        add("2026-12-06T07:15:00", 90, 31, "One line", "Brainstorm");
        add("2026-12-05T23:59:59", 45, 10, "Late");
        open();
        QCOMPARE(listed(0),
                 (QStringList{"12/6/26 7:15 AM", "12/5/26 11:59 PM", "12/4/26 8:00 AM"}));
        QCOMPARE(listed(1), (QStringList{"Brainstorm", "Writing Sprint", "Writing Sprint"}));
        QCOMPARE(listed(2), (QStringList{"1.5", "0.8", "10"}));
        QCOMPARE(listed(3), (QStringList{"31", "10", "250"}));
        QCOMPARE(listed(4), (QStringList{"21", "13", "25"}));
        QCOMPARE(listed(5), (QStringList{"One line", "Late", "The sea"}));
        QCOMPARE(shownText(find("txtDetail")), "One line");
        choose(2);
        QCOMPARE(shownText(find("txtDetail")), "sea\ngrey\n\nThe sea\nwas grey");

        add("2026-12-06T09:00:00", 300, 120, "Fresh");
        QCOMPARE(listed(5), (QStringList{"Fresh", "One line", "Late", "The sea"}));
        QCOMPARE(shownText(find("txtDetail")), "sea\ngrey\n\nThe sea\nwas grey"); // still chosen
        QCOMPARE(shownText(find("lblAllTime")), "All time: 4 records, 17 minutes, 411 words");
    }

    // This week's totals from the locale's first day, all time's, and the days in a row
    // practised up to today, or up to yesterday while today has none.
    void totalsAndStreak_data()
    {
        QTest::addColumn<QString>("records"); // "start seconds words", comma-separated
        QTest::addColumn<QString>("now");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("shown");
        const QString week = "2026-12-01T08:00 600 100, 2026-12-02T08:00 300 50, "
                             "2026-12-04T08:00 60 10, 2026-12-05T21:00 120 20, "
                             "2026-12-06T09:00 600 200, 2026-11-20T08:00 6000 1000";
        QTest::newRow("week with a gap, from Sunday")
            << week << "2026-12-06T09:30"
            << "en_US"
            << "This week: 1 record, 10 minutes, 200 words | All time: 6 records, 128 minutes, "
               "1,380 words | Streak: 3 days";
        QTest::newRow("week from Monday")
            << week << "2026-12-06T09:30"
            << "en_GB"
            << "This week: 5 records, 28 minutes, 380 words | All time: 6 records, 128 minutes, "
               "1,380 words | Streak: 3 days";
        QTest::newRow("today empty")
            << week << "2026-12-07T10:00"
            << "en_US"
            << "This week: 1 record, 10 minutes, 200 words | All time: 6 records, 128 minutes, "
               "1,380 words | Streak: 3 days";
        QTest::newRow("a day missed")
            << week << "2026-12-08T10:00"
            << "en_US"
            << "This week: 1 record, 10 minutes, 200 words | All time: 6 records, 128 minutes, "
               "1,380 words | Streak: 0 days";
        QTest::newRow("none at all") << ""
                                     << "2026-12-06T09:30"
                                     << "en_US"
                                     << "This week: 0 records, 0 minutes, 0 words | All time: 0 "
                                        "records, 0 minutes, 0 words | Streak: 0 days";
        QTest::newRow("just before midnight")
            << "2026-12-05T23:59:59 60 5"
            << "2026-12-06T00:00:30"
            << "en_US"
            << "This week: 0 records, 0 minutes, 0 words | All time: 1 record, 1 minute, 5 words "
               "| Streak: 1 day";
    }
    void totalsAndStreak()
    {
        QFETCH(QString, records);
        QFETCH(QString, now);
        QFETCH(QString, locale);
        QFETCH(QString, shown);
        QLocale::setDefault(QLocale(locale));
        addAll(records);
        setFixedDateTime(QDateTime::fromString(now, Qt::ISODate));
        open();
        QCOMPARE(summary(), shown);
    }

    // The words of each of the last thirty days, the days without practice at nought, drawn by
    // the chart plugin or, when it cannot be loaded, listed under a line saying so; both follow
    // a deletion, which is asked first: No keeps the record.
    void chartFollowsTheRecords_data()
    {
        QTest::addColumn<bool>("plugin");
        QTest::newRow("chart") << true;
        QTest::newRow("no plugin") << false;
    }
    void chartFollowsTheRecords()
    {
        QFETCH(bool, plugin);
#ifndef QUILLANE_WORDSCHART_DIR
        if (plugin)
            QSKIP("The chart plugin is built only with Qt Charts");
#endif
        const QTemporaryDir empty;
        if (!plugin)
            WordsChartLoader::setFolders({empty.path()});
        addAll("2026-11-06T08:00 60 999, 2026-11-07T08:00 60 7, 2026-12-05T08:00 60 20, "
               "2026-12-05T20:00 60 30, 2026-12-06T08:00 60 40");
        open();
        QCOMPARE(m_window->chart() != nullptr, plugin);
        QCOMPARE(bool(find<QLabel>("lblChartMissing")), !plugin);
        if (!plugin)
            QCOMPARE(shownText(find("lblChartMissing")), "The chart could not be shown.");
        QStringList expected;
        for (QDate day(2026, 12, 6); day >= QDate(2026, 11, 7); day = day.addDays(-1))
            expected << perDay(day, 0);
        expected.first() = "Sun 6 Dec: 40 words";
        expected[1] = "Sat 5 Dec: 50 words";
        expected.last() = "Sat 7 Nov: 7 words";
        QCOMPARE(wordsPerDay(), expected);

        QCOMPARE(find<QPushButton>("cmdDelete")->isEnabled(), true); // today's record is chosen
        m_env->desktop.answerNext(MessageAnswer::No);
        find<QPushButton>("cmdDelete")->click();
        QVERIFY(m_env->expectMessage("Delete this practice record?", "Practice Log",
                                     MessageIcon::None));
        QCOMPARE(m_env->desktop.messages.last().buttons, MessageButtons::YesNo);
        QCOMPARE(listed(3).size(), 5);
        m_env->desktop.answerNext(MessageAnswer::Yes);
        find<QPushButton>("cmdDelete")->click();
        QCOMPARE(listed(3), (QStringList{"30", "20", "7", "999"}));
        expected.first() = "Sun 6 Dec: 0 words";
        QCOMPARE(wordsPerDay(), expected);
        QCOMPARE(shownText(find("lblStreak")), "Streak: 1 day");
        QCOMPARE(shownText(find("txtDetail")), QString()); // the next record is chosen, empty
        QCOMPARE(m_env->db.scalar("SELECT count(*) FROM practice").toInt(), 4);
    }

    // The log as CSV: a heading, every record newest first with the list's columns, the whole
    // prompts and responses and the seed, lines ended by CRLF, awkward fields quoted.
    void exportReadsBackAsTheLog()
    {
        const QString awkward = "Yes, she said \"never\"\nand left";
        add("2026-12-05T08:00:00", 150, 9, awkward, "Writing Sprint", "a door, \"shut\"");
        add("2026-12-06T07:00:00", 60, 3, "Plain");
        open();
        const QTemporaryDir folder;
        m_env->desktop.saveFileToChoose = folder.filePath("log.csv");
        find<QPushButton>("cmdExport")->click();
        QFile file(m_env->desktop.saveFileToChoose);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(file.readAll());
        QVERIFY(text.endsWith("\r\n") && text.count("\r\n") == 3 && text.count('\n') == 4);
        QString problem;
        const auto rows = CsvText::rows(text.chopped(2), &problem);
        QVERIFY2(rows, qPrintable(problem));
        QCOMPARE(*rows, (QList<QStringList>{{"Date", "Kind", "Minutes", "Words", "WPM",
                                             "First line", "Prompts", "Responses", "Seed"},
                                            {"2026-12-06T07:00:00", "Writing Sprint", "1", "3", "3",
                                             "Plain", "", "Plain", "42"},
                                            {"2026-12-05T08:00:00", "Writing Sprint", "2.5", "9",
                                             "4", "Yes, she said \"never\"", "a door, \"shut\"",
                                             awkward, "42"}}));
        QVERIFY(m_env->told().isEmpty());
    }

    // The detail's text kept in a scene's notes: the selection, or the whole text when nothing
    // is selected, followed by the practice it came from.
    void keptTextReachesASceneNotes_data()
    {
        QTest::addColumn<bool>("selection");
        QTest::addColumn<QString>("kept");
        QTest::newRow("whole text") << false << "a gull\n\nThe gull\ncried";
        QTest::newRow("selection") << true << "gull\ncried";
    }
    void keptTextReachesASceneNotes()
    {
        QFETCH(bool, selection);
        QFETCH(QString, kept);
        QVERIFY(
            m_env->db.execute("INSERT INTO \"Scene Profile\" (\"Scene Name\") VALUES ('Pier')"));
        add("2026-12-04T08:00:00", 600, 3, "The gull\ncried", "Writing Sprint", "a gull");
        open();
        auto* detail = find<QPlainTextEdit>("txtDetail");
        if (selection) {
            QTextCursor cursor = detail->textCursor();
            cursor.setPosition(int(detail->toPlainText().lastIndexOf(kept)));
            cursor.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
            detail->setTextCursor(cursor);
        }
        detail->findChild<QAction*>("actKeepInScene")->trigger();
        auto* dialog = m_window->findChild<QDialog*>("dlgKeepIn");
        QVERIFY(dialog);
        QTest::mouseClick(dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok),
                          Qt::LeftButton);
        QCOMPARE(m_env->db.scalar("SELECT \"Scene Notes\" FROM \"Scene Profile\"").toString(),
                 kept + " — Writing Sprint, 4 Dec 2026");
    }
};

QTEST_MAIN(TestPracticeLog)
#include "tst_practicelog.moc"
