#include "practice/AppendOnlyTextEdit.h"
#include "practice/SprintPrompt.h"
#include "practice/SprintWindow.h"
#include "shared/desktop/Clock.h"
#include "shared/widgets/ChildFrame.h"
#include "shared/widgets/SeededGeneration.h"
#include "support/TestEnvironment.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QInputMethodEvent>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTimer>

namespace {

const QDateTime Start(QDate(2026, 12, 6), QTime(9, 30));
const QString Sixty = QString("word ").repeated(60).trimmed();
const QString Written = QStringLiteral("one two three");

} // namespace

// The writing sprint: timed from the program's clock, kept in the practice log.
class TestSprint : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestEnvironment> m_env;
    std::unique_ptr<SprintWindow> m_window;
    std::unique_ptr<ChildFrame> m_frame;
    std::unique_ptr<QSignalSpy> m_told;

    template <typename Control = QWidget> Control* w(const QString& name) const
    {
        auto* control = m_window->findChild<Control*>(name);
        if (!control)
            qFatal("No control %s", qPrintable(name));
        return control;
    }
    AppendOnlyTextEdit* box() const { return w<AppendOnlyTextEdit>("txtSprint"); }
    void start(int minutes, int prompt = 0, bool noDeleting = false)
    {
        w<QSpinBox>("spnMinutes")->setValue(minutes);
        w<QComboBox>("cboPrompt")->setCurrentIndex(prompt);
        if (noDeleting)
            tick(w<QCheckBox>("chkNoDeleting"));
        QTest::mouseClick(w("cmdStart"), Qt::LeftButton);
        QCOMPARE(shownText(w("cmdStart")), "&Stop");
    }
    // The practice log, a record a line.
    QStringList records() const
    {
        return m_env->db.column(
            "SELECT kind || '|' || started || '|' || seconds || '|' || "
            "coalesce(prompts, '') || '|' || responses || '|' || words || '|' || "
            "characters || '|' || coalesce(seed, '-') FROM practice");
    }
    QStringList told() const
    {
        QStringList texts;
        for (const QList<QVariant>& signal : std::as_const(*m_told))
            texts << signal.at(0).toString();
        return texts;
    }

private slots:
    void init()
    {
        m_env = std::make_unique<TestEnvironment>();
        m_window = TestEnvironment::open<SprintWindow>();
        m_frame = std::make_unique<ChildFrame>(nullptr);
        m_window->setChildFrame(m_frame.get());
        m_told = std::make_unique<QSignalSpy>(m_frame.get(), &ChildFrame::statusShown);
    }
    void cleanup()
    {
        m_window.reset();
        m_told.reset();
        m_frame.reset();
        m_env.reset();
    }

    // A sprint ends when its time is up, at Stop or when its window closes, and is saved once;
    // an empty one is not saved.
    void sprintsAreTimedAndSavedOnce_data()
    {
        QTest::addColumn<int>("minutes");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("seconds"); // the clock moved on before the end
        QTest::addColumn<QString>("ending");
        QTest::addColumn<QString>("figures"); // words, characters, pace, time left
        QTest::addColumn<QString>("status");
        QTest::newRow("time up") << 1 << Sixty << 60 << "time"
                                 << "60 words|240 characters|60 words a minute|0:00 left"
                                 << "Sprint saved: 60 words in 1 minute, 60 words a minute.";
        QTest::newRow("stopped") << 10 << "Well-known 3.14 - done" << 30 << "stop"
                                 << "3 words|19 characters|6 words a minute|9:30 left"
                                 << "Sprint saved: 3 words in 30 seconds, 6 words a minute.";
        QTest::newRow("closed") << 2 << "One." << 90 << "close"
                                << "1 word|4 characters|1 word a minute|0:30 left"
                                << "Sprint saved: 1 word in 1 minute and 30 seconds, 1 word a "
                                   "minute.";
        QTest::newRow("empty") << 10 << " \r " << 30 << "stop"
                               << "0 words|0 characters|0 words a minute|9:30 left"
                               << "";
    }
    void sprintsAreTimedAndSavedOnce()
    {
        QFETCH(int, minutes);
        QFETCH(QString, text);
        QFETCH(int, seconds);
        QFETCH(QString, ending);
        QFETCH(QString, figures);
        QFETCH(QString, status);
        start(minutes);
        QTest::keyClicks(box(), text);
        setFixedDateTime(Start.addSecs(seconds - 1));
        QTRY_COMPARE(shownText(w("lblTimeLeft")),
                     QTime(0, 0).addSecs(minutes * 60 - seconds + 1).toString("m:ss 'left'"));
        setFixedDateTime(Start.addSecs(seconds));
        if (ending == "time")
            QTRY_COMPARE(shownText(w("cmdStart")), "&Start");
        else if (ending == "stop")
            QTest::mouseClick(w("cmdStart"), Qt::LeftButton);
        else
            m_window->close();
        QCOMPARE(QStringList({shownText(w("lblWords")), shownText(w("lblCharacters")),
                              shownText(w("lblWordsPerMinute")), shownText(w("lblTimeLeft"))})
                     .join('|'),
                 figures);
        const QString record = QString("Writing Sprint|2026-12-06T09:30:00|%1||%2|%3|-")
                                   .arg(seconds)
                                   .arg(text, figures.section(' ', 0, 0) + '|' +
                                                  figures.section('|', 1).section(' ', 0, 0));
        m_window->close(); // nothing more to save
        QMetaObject::invokeMethod(w<QTimer>("tmrSprint"), "timeout");
        QCOMPARE(records(), status.isEmpty() ? QStringList() : QStringList{record});
        QCOMPARE(told(), status.isEmpty() ? QStringList() : QStringList{status});
        QVERIFY(!box()->isReadOnly() && !box()->isAppendOnly() && m_env->told().isEmpty());
    }

    // What the writer changes after the sprint's end is kept in its record, at the next Start or
    // when the window closes; the sprint's figures stay as they were.
    void editsAfterTheEndAreKept_data()
    {
        QTest::addColumn<QString>("then");
        QTest::newRow("next start") << "start";
        QTest::newRow("closed") << "close";
    }
    void editsAfterTheEndAreKept()
    {
        QFETCH(QString, then);
        start(1);
        QTest::keyClicks(box(), "A first draft.");
        setFixedDateTime(Start.addSecs(60));
        QTRY_COMPARE(shownText(w("cmdStart")), "&Start");
        QTest::keyClick(box(), Qt::Key_Backspace);
        QTest::keyClicks(box(), ", mended");
        if (then == "start")
            QTest::mouseClick(w("cmdStart"), Qt::LeftButton);
        else
            QVERIFY(m_window->close());
        QCOMPARE(
            records(),
            QStringList{"Writing Sprint|2026-12-06T09:30:00|60||A first draft, mended|3|12|-"});
        QCOMPARE(box()->toPlainText().isEmpty(), then == "start");
    }

    // A sprint the database refuses stays on view, its window open, until Save keeps it.
    void aRefusedSaveWaitsForSave()
    {
        start(10);
        QTest::keyClicks(box(), "Kept.");
        QSqlDatabase other = m_env->db.otherConnection();
        QVERIFY(m_env->db.execute("PRAGMA busy_timeout = 10") &&
                other.exec("BEGIN IMMEDIATE").isActive());
        setFixedDateTime(Start.addSecs(30));
        QTest::mouseClick(w("cmdStart"), Qt::LeftButton);
        QVERIFY(m_env->expectMessage("Quillane could not save this sprint because another "
                                     "program is using the database. What you wrote is still "
                                     "here: close that program, then save again.",
                                     "Not Saved"));
        QVERIFY(!m_window->close() && m_window->isVisible());
        QCOMPARE(shownText(w("cmdStart")), "&Save");
        QVERIFY(other.rollback());
        QTest::mouseClick(w("cmdStart"), Qt::LeftButton);
        QCOMPARE(records(), QStringList{"Writing Sprint|2026-12-06T09:30:00|30||Kept.|1|5|-"});
        QCOMPARE(told(), QStringList{"Sprint saved: 1 word in 30 seconds, 2 words a minute."});
        QVERIFY(shownText(w("cmdStart")) == "&Start" && m_window->close() &&
                m_env->db.fatalErrors.isEmpty());
    }

    // The prompt is drawn at Start from a roll whose seed is kept with the sprint.
    void promptsAreDrawnAndKeptWithTheirSeed_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("listed"); // the values it is drawn from, when a list holds it
        QTest::newRow("Random sentence") << 1 << "";
        QTest::newRow("Crystal Ball advice") << 2 << "SELECT advice FROM advice";
        QTest::newRow("Story Wizard question") << 3 << "SELECT question FROM questions";
    }
    void promptsAreDrawnAndKeptWithTheirSeed()
    {
        QFETCH(int, kind);
        QFETCH(QString, listed);
        start(5, kind);
        QCOMPARE(w<QComboBox>("cboPrompt")->currentText(), QTest::currentDataTag());
        const QString prompt = shownText(w("lblPrompt"));
        QVERIFY(!prompt.isEmpty());
        QVERIFY(listed.isEmpty() || m_env->db.column(listed).contains(prompt));
        QTest::keyClicks(box(), "Begun.");
        setFixedDateTime(Start.addSecs(60));
        QTest::mouseClick(w("cmdStart"), Qt::LeftButton);
        const qint64 seed = m_env->db.scalar("SELECT seed FROM practice").toLongLong();
        QCOMPARE(m_env->db.column("SELECT prompts FROM practice"), QStringList{prompt});
        SeededGeneration::Roll roll{quint32(seed)};
        QCOMPARE(SprintPrompt::draw(SprintPrompt::Kind(kind), roll), prompt);
    }

    // While the sprint runs with "No deleting", nothing written can be removed or replaced;
    // writing goes on, and without the box deleting works.
    void noDeletingKeepsWhatIsWritten_data()
    {
        QTest::addColumn<bool>("noDeleting");
        QTest::addColumn<int>("anchor"); // the selection, or the cursor where the two meet
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("edit"); // keys, "menu:" and a command, "ime" or "drag"
        QTest::addColumn<QString>("expected");
        const QString kept = Written;
        QTest::newRow("Backspace") << true << 7 << 7 << "Backspace" << kept;
        QTest::newRow("Delete") << true << 7 << 7 << "Delete" << kept;
        QTest::newRow("Ctrl+Backspace") << true << 7 << 7 << "Ctrl+Backspace" << kept;
        QTest::newRow("Ctrl+Delete") << true << 4 << 4 << "Ctrl+Delete" << kept;
        QTest::newRow("Ctrl+X") << true << 4 << 7 << "Ctrl+X" << kept;
        QTest::newRow("Shift+Delete") << true << 4 << 7 << "Shift+Delete" << kept;
        QTest::newRow("typing over") << true << 4 << 7 << "X" << kept;
        QTest::newRow("new line over") << true << 4 << 7 << "Return" << kept;
        QTest::newRow("paste over") << true << 4 << 7 << "Ctrl+V" << kept;
        QTest::newRow("undo") << true << 13 << 13 << "Ctrl+Z" << kept;
        QTest::newRow("menu Cut") << true << 4 << 7 << "menu:edit-cut" << kept;
        QTest::newRow("menu Delete") << true << 4 << 7 << "menu:edit-delete" << kept;
        QTest::newRow("menu Paste") << true << 4 << 7 << "menu:edit-paste" << kept;
        QTest::newRow("menu Undo") << true << 13 << 13 << "menu:edit-undo" << kept;
        QTest::newRow("input method replacing") << true << 13 << 13 << "ime" << kept;
        QTest::newRow("drag moved out") << true << 4 << 7 << "drag" << kept;
        QTest::newRow("writing on") << true << 13 << 13 << "!" << kept + "!";
        QTest::newRow("without the box") << false << 7 << 7 << "Backspace"
                                         << "one tw three";
    }
    void noDeletingKeepsWhatIsWritten()
    {
        QFETCH(bool, noDeleting);
        QFETCH(int, anchor);
        QFETCH(int, position);
        QFETCH(QString, edit);
        QFETCH(QString, expected);
        start(10, 0, noDeleting);
        QTest::keyClicks(box(), Written);
        QTextCursor cursor = box()->textCursor();
        cursor.setPosition(anchor);
        cursor.setPosition(position, QTextCursor::KeepAnchor);
        box()->setTextCursor(cursor);
        QGuiApplication::clipboard()->setText("pasted");
        if (edit == "drag") { // what a drag moved out of the box does to it once dropped
            cursor.removeSelectedText();
            QTRY_COMPARE(box()->toPlainText(), expected);
        } else if (edit == "ime") { // a word committed in place of the one before the cursor
            QInputMethodEvent commit;
            commit.setCommitString("four", -5, 5);
            QApplication::sendEvent(box(), &commit);
        } else if (edit.startsWith("menu:")) {
            const QPoint inside(5, 5);
            QContextMenuEvent ask(QContextMenuEvent::Keyboard, inside,
                                  box()->viewport()->mapToGlobal(inside));
            QApplication::sendEvent(box()->viewport(), &ask);
            auto* menu = box()->findChild<QMenu*>();
            QVERIFY(menu);
            auto* command = menu->findChild<QAction*>(edit.mid(5));
            QVERIFY(command);
            command->trigger();
            menu->close();
        } else if (const QKeyCombination keys = QKeySequence(edit)[0];
                   keys.keyboardModifiers() & Qt::ControlModifier) { // Ctrl types no letter
            QTest::sendKeyEvent(QTest::Click, box(), keys.key(), QString(),
                                keys.keyboardModifiers());
        } else {
            QTest::keySequence(box(), QKeySequence(edit));
        }
        QCOMPARE(box()->toPlainText(), expected);
        QTest::mouseClick(w("cmdStart"), Qt::LeftButton); // Stop: deleting works again
        box()->moveCursor(QTextCursor::End);
        QTest::keyClick(box(), Qt::Key_Backspace);
        QCOMPARE(box()->toPlainText(), expected.chopped(1));
    }
};

QTEST_MAIN(TestSprint)
#include "tst_sprint.moc"
