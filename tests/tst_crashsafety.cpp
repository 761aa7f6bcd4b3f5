#include "app/MainWindow.h"
#include "data/Database.h"
#include "shared/widgets/RunPaths.h"
#include "shared/widgets/ToolWindow.h"
#include "support/ScriptedDesktop.h"
#include "support/TestDatabase.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDataWidgetMapper>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QSqlTableModel>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

#include <csignal>
#include <cstdio>
#include <random>

namespace {

const char* const ChildArgument = "--saving-child";

// The program as a writer leaves it running: the character and the scene window add records on
// their timers, a few milliseconds apart instead of seconds, and now and then a typed edit of the
// shown record is saved. Every save is announced on stdout before it starts ("saving") and once
// it is done ("saved"), one line each; whatever was not announced as done counts for nothing.
class SavingRun : public QObject
{
public:
    explicit SavingRun(quint32 seed) : m_random(seed) {}

    bool start(const QString& folder)
    {
        runPaths().programFolder = folder;
        if (!m_main.initializeEnvironment())
            return false;
        const char* const windows[][3] = {{"Char_Gen", "frmCharacter", "tmrCharacter"},
                                          {"mnu_scene", "frmScene", "tmrScene"}};
        for (const auto& [menuEntry, windowName, timerName] : windows) {
            m_main.findChild<QAction*>(menuEntry)->trigger();
            ToolWindow* window = m_main.findToolWindow(windowName);
            auto* timer = window->findChild<QTimer*>(timerName);
            timer->setInterval(int(m_random.bounded(1, 5)));
            // Runs after the window's own handler of the same tick, once its New is done.
            connect(timer, &QTimer::timeout, this, [this, window] { afterNew(window); });
            window->findChild<QCheckBox*>("chkTimer")->setChecked(true);
        }
        m_messages = m_desktop.messages.size();
        announce("ready", nullptr);
        return true;
    }

private:
    void afterNew(ToolWindow* window)
    {
        // A message (a duplicate name) ends New without the save and stops the timer.
        if (m_desktop.messages.size() != std::exchange(m_messages, m_desktop.messages.size())) {
            window->findChild<QCheckBox*>("chkTimer")->setChecked(true);
            return;
        }
        // New leaves the window active, and an activated character window shows its first
        // character again: the navigator brings the newest, the last, as a writer would.
        for (auto* button : window->findChildren<QToolButton*>()) {
            if (button->accessibleName() == "Last record")
                button->click();
        }
        announce("saved", window);
        if (m_random.bounded(4) != 0)
            return;
        const QString typed = QStringLiteral("Edit %1").arg(m_random.generate());
        for (auto* box : window->findChildren<QLineEdit*>(QRegularExpression("^txt(Scene)?Name$")))
            box->setText(typed);
        for (auto* notes : window->findChildren<QPlainTextEdit*>("txtNotes"))
            notes->setPlainText(typed + "\nsecond line");
        announce("saving", window);
        window->findChild<QPushButton*>("cmdUpdate")->click();
        if (m_desktop.messages.size() == std::exchange(m_messages, m_desktop.messages.size()))
            announce("saved", window);
    }

    // One line: the state, the table, the key and every field shown, as the bound controls show
    // them.
    void announce(const char* state, ToolWindow* window)
    {
        QJsonObject line{{"state", state}};
        if (window) {
            auto* mapper = window->findChild<QDataWidgetMapper*>();
            auto* record = qobject_cast<QSqlTableModel*>(mapper->model());
            QJsonObject fields;
            for (int column = 0; column < record->columnCount(); ++column) {
                if (QWidget* control = mapper->mappedWidgetAt(column))
                    fields[record->record().fieldName(column)] =
                        control->metaObject()->userProperty().read(control).toString();
            }
            line["table"] = record->tableName();
            line["ID"] = record->index(0, record->fieldIndex("ID")).data().toLongLong();
            line["fields"] = fields;
        }
        std::fputs(QJsonDocument(line).toJson(QJsonDocument::Compact).append('\n').constData(),
                   stdout);
        std::fflush(stdout);
    }

    QRandomGenerator m_random;
    ScriptedDesktop m_desktop;
    MainWindow m_main;
    qsizetype m_messages = 0;
};

} // namespace

// A writer's saves survive the program being killed at any moment: the database stays whole and
// every record the program had saved is there with every field as it was saved.
class TestCrashSafety : public QObject
{
    Q_OBJECT

    struct Saved
    {
        QJsonObject record;  // as last saved
        QJsonObject pending; // an edit whose save had begun, which may or may not have landed
    };
    QHash<QString, Saved> m_saved; // by "table ID"

    void take(const QJsonObject& line)
    {
        const QString key =
            line["table"].toString() + u' ' + QString::number(line["ID"].toInteger());
        if (line["state"] == "saving")
            m_saved[key].pending = line;
        else if (line["state"] == "saved")
            m_saved[key] = {line, {}};
    }

    // What the file holds after a kill; empty when it is whole and holds every save. A copy is
    // read, so that a save cut short is rolled back by the program at its next start.
    QString damage(const QString& path)
    {
        QTemporaryDir copy;
        for (const QString suffix : {"", "-journal"})
            QFile::copy(path + suffix, copy.filePath("copy" + suffix));
        const auto removed = qScopeGuard([] { QSqlDatabase::removeDatabase("check"); });
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "check");
        db.setDatabaseName(copy.filePath("copy"));
        QString found;
        QSqlQuery query(db);
        if (!db.open() || !query.exec("PRAGMA integrity_check") || !query.next() ||
            query.value(0) != "ok")
            found = "integrity check: " + query.value(0).toString();
        for (auto saved = m_saved.begin(); found.isEmpty() && saved != m_saved.end(); ++saved) {
            query.exec(QStringLiteral("SELECT * FROM %1 WHERE ID = %2")
                           .arg(saved->record["table"].toString())
                           .arg(saved->record["ID"].toInteger()));
            QStringList wrong = {"missing"};
            for (const QJsonObject& version : {saved->pending, saved->record}) {
                if (version.isEmpty() || !query.first())
                    continue;
                const QJsonObject fields = version["fields"].toObject();
                wrong.clear();
                for (auto field = fields.begin(); field != fields.end(); ++field) {
                    if (query.value(field.key()).toString() != field->toString())
                        wrong << field.key() + ": " + query.value(field.key()).toString();
                }
                if (wrong.isEmpty()) {
                    *saved = {version, {}}; // what landed is what must stay from now on
                    break;
                }
            }
            if (!wrong.isEmpty())
                found = saved.key() + " saved as " +
                        QJsonDocument(saved->record).toJson(QJsonDocument::Compact) + " is now " +
                        wrong.join(", ");
        }
        return found;
    }

private slots:
    void savesSurviveKills()
    {
        const quint32 seed = qEnvironmentVariableIsSet("QUILLANE_CRASH_SEED")
                                 ? quint32(qEnvironmentVariableIntValue("QUILLANE_CRASH_SEED"))
                                 : std::random_device()();
        qInfo("Seed %u (QUILLANE_CRASH_SEED=%u replays the choices)", seed, seed);
        QRandomGenerator random(seed);
        TestDatabase db;
        QVERIFY2(db.isOpen(), qPrintable(db.error()));
        Database::close(); // the file is the program's alone
        int startUpKills = 0, cutShort = 0, startUpMs = 300;
        for (int kill = 1; kill <= 50; ++kill) {
            QProcess child;
            child.start(QCoreApplication::applicationFilePath(),
                        {ChildArgument, db.folder(), QString::number(random.generate()),
                         "-platform", "offscreen"});
            QVERIFY(child.waitForStarted());
            // A quarter of the kills land in start-up (as long as the last one took), the others
            // while the windows save.
            const bool early = random.bounded(4) == 0;
            QDeadlineTimer killAt(early ? random.bounded(startUpMs + 1) : 30000);
            QElapsedTimer life;
            life.start();
            QByteArray output;
            bool ready = false;
            while (!killAt.hasExpired() && child.state() == QProcess::Running) {
                child.waitForReadyRead(int(std::max<qint64>(1, killAt.remainingTime())));
                output += child.readAllStandardOutput();
                if (!ready && output.contains("\"ready\"")) {
                    ready = true;
                    startUpMs = int(life.elapsed());
                    if (!early)
                        killAt.setRemainingTime(random.bounded(300));
                }
            }
            QVERIFY2(child.state() == QProcess::Running,
                     qPrintable("The program ended by itself: " + child.readAllStandardError()));
            QVERIFY2(early || ready, "The program did not start in time");
            // A copy of the database file alone holds every save: nothing lingers beside it.
            const QStringList beside = QDir(db.folder()).entryList({"*-wal", "*-shm"});
            QVERIFY2(beside.isEmpty(), qPrintable(beside.join(", ")));
            ::kill(pid_t(child.processId()), SIGKILL);
            QVERIFY(child.waitForFinished());
            output += child.readAllStandardOutput();
            startUpKills += !output.contains("\"ready\"");
            cutShort += QFile::exists(db.path() + "-journal");
            // A line cut off by the kill was never reported.
            for (const QByteArray& line : output.left(output.lastIndexOf('\n')).split('\n'))
                take(QJsonDocument::fromJson(line).object());
            const QString found = damage(db.path());
            QVERIFY2(found.isEmpty(), qPrintable(QStringLiteral("Kill %1: ").arg(kill) + found));
        }
        qInfo("50 kills (%d in start-up, %d in a save) survived, %lld records checked",
              startUpKills, cutShort, m_saved.size());
    }
};

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    if (argc == 4 && qstrcmp(argv[1], ChildArgument) == 0) {
        SavingRun run(QByteArray(argv[3]).toUInt());
        return run.start(QString::fromLocal8Bit(argv[2])) ? app.exec() : EXIT_FAILURE;
    }
    TestCrashSafety test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_crashsafety.moc"
