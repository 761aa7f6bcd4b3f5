// Saves a picture of the main window with each tool window open, for the help pages and for
// checking layouts: quillane-screenshots <program folder> <output folder> [--dark]
// --dark takes them under a dark palette, as a desktop with a dark theme gives the program.
// The database of the program folder is used as it is; run it on a copy if it matters.
#include "app/ApplicationIdentity.h"
#include "app/HelpCommands.h"
#include "app/MainWindow.h"
#include "app/ToolCatalog.h"
#include "data/Database.h"
#include "data/PracticeLog.h"
#include "data/Relationships.h"
#include "practice/WordsChartLoader.h"
#include "shared/desktop/Clock.h"
#include "shared/desktop/QtDesktop.h"
#include "shared/widgets/RecordChoiceDialog.h"
#include "shared/widgets/ResultKeeping.h"
#include "shared/widgets/RunPaths.h"
#include "shared/widgets/RunRandom.h"
#include "shared/widgets/ToolWindow.h"
#include "shared/widgets/ToolWindowCatalog.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QInputDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QPalette>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QSqlQuery>
#include <QTableView>
#include <QTabWidget>
#include <QTest>
#include <QTextStream>
#include <QTimer>

namespace {

void useDarkPalette()
{
    QApplication::setStyle(QStringLiteral("Fusion"));
    // Light, mid, dark and the other shades follow from the button and window colours.
    QPalette dark(QColor(0x35, 0x38, 0x3f), QColor(0x2b, 0x2d, 0x33));
    dark.setColor(QPalette::Base, QColor(0x1e, 0x1f, 0x24));
    dark.setColor(QPalette::Highlight, QColor(0x3d, 0x7a, 0xd6));
    for (const QPalette::ColorRole role :
         {QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::ToolTipText})
        dark.setColor(role, QColor(0xe6, 0xe6, 0xe6));
    QApplication::setPalette(dark);
}

// Answers the dialogs the window opens as a user would: a name box gets a name, a notice is read.
void answerDialogs()
{
    static int names = 0;
    if (auto* input = qobject_cast<QInputDialog*>(QApplication::activeModalWidget())) {
        input->setTextValue(QStringLiteral("Story %1").arg(++names));
        input->accept();
    } else if (auto* notice = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        notice->accept();
    }
}

// Links the first character, plot and scene to the current story, where a window links them.
void linkFirstItems(ToolWindow* window)
{
    for (const QString& kind :
         {QStringLiteral("Character"), QStringLiteral("Plot"), QStringLiteral("Scene")}) {
        auto* add = window->findChild<QAbstractButton*>(QStringLiteral("cmdNew") + kind);
        auto* items = window->findChild<QComboBox*>(QStringLiteral("cbo") + kind);
        auto* update = window->findChild<QAbstractButton*>(QStringLiteral("cmdUpdate") + kind);
        if (!add || !items || !update || items->count() == 0)
            continue;
        add->click();
        items->setCurrentIndex(0);
        emit items->activated(0);
        update->click();
    }
}

// Relates the character shown to the others, where the window keeps relationships, with a note.
void relateCharacters(ToolWindow* window)
{
    auto* others = window->findChild<QComboBox*>(QStringLiteral("cboRelatedCharacter"));
    auto* kinds = window->findChild<QComboBox*>(QStringLiteral("cboRelationshipKind"));
    auto* note = window->findChild<QLineEdit*>(QStringLiteral("txtRelationshipNote"));
    auto* add = window->findChild<QAbstractButton*>(QStringLiteral("cmdAddRelationship"));
    if (!others || !kinds || !note || !add)
        return;
    const std::pair<const char*, const char*> relationships[] = {
        {"mentor of", "taught them to sail the night ferry"},
        {"rival of", "both want the harbour master's post"}};
    for (int i = 0; i < others->count() && i < 2; ++i) {
        others->setCurrentIndex(i);
        kinds->setCurrentText(QString::fromLatin1(relationships[i].first));
        note->setText(QString::fromLatin1(relationships[i].second));
        add->click();
    }
}

// A writing sprint under way: a goal set, advice drawn as its prompt and a few lines written.
void startSprint(ToolWindow* window)
{
    auto* goal = window->findChild<QSpinBox*>(QStringLiteral("spnWordGoal"));
    auto* prompt = window->findChild<QComboBox*>(QStringLiteral("cboPrompt"));
    auto* noDeleting = window->findChild<QCheckBox*>(QStringLiteral("chkNoDeleting"));
    auto* start = window->findChild<QAbstractButton*>(QStringLiteral("cmdStart"));
    auto* text = window->findChild<QPlainTextEdit*>(QStringLiteral("txtSprint"));
    if (!goal || !prompt || !noDeleting || !start || !text)
        return;
    goal->setValue(500);
    prompt->setCurrentIndex(prompt->findText(QStringLiteral("Crystal Ball advice")));
    noDeleting->setChecked(true);
    start->click();
    QTest::keyClicks(text, QStringLiteral("The lighthouse keeper had not spoken to anyone in "
                                          "three weeks when the boat came. She watched it from "
                                          "the lamp room, counting the oars."));
}

// A dozen sprints and drills over the last two weeks, the second newest chosen, so that the log
// shows its chart, its totals and a streak.
void fillPracticeLog(ToolWindow* window)
{
    const QDate today = currentDateTime().date();
    const int daysAgo[] = {13, 12, 10, 9, 8, 6, 5, 3, 2, 1, 1, 0};
    const int words[] = {310, 180, 420, 260, 90, 350, 500, 220, 380, 140, 270, 330};
    const QStringList openings = {
        QStringLiteral("The lighthouse keeper counted the ships twice, to be sure."),
        QStringLiteral("Nobody in the village had ever seen snow fall upwards."),
        QStringLiteral("Her compass pointed to the one place she had sworn to forget."),
        QStringLiteral("The letter arrived forty years late, and still it mattered.")};
    for (int i = 0; i < 12; ++i) {
        PracticeLog::Record record;
        record.kind = i % 4 == 1 ? QStringLiteral("Brainstorm") : QStringLiteral("Writing Sprint");
        record.started = QDateTime(today.addDays(-daysAgo[i]), QTime(7 + i % 3 * 5, 15 + i * 3));
        record.seconds = 300 + i % 3 * 300;
        record.prompts = QStringLiteral("a lighthouse\na broken compass\nforgotten snow");
        record.responses = openings.at(i % openings.size()) +
                           QStringLiteral("\nThe wind carried the rest of the story away, and "
                                          "she followed it down to the harbour.");
        record.words = words[i];
        record.characters = words[i] * 5;
        PracticeLog::add(&record, nullptr);
    }
    if (auto* list = window->findChild<QTableView*>(QStringLiteral("grdPractice"))) {
        list->selectRow(1);
        list->scrollToTop(); // chosen while the window was still small, the row scrolled up
    }
}

// A story of five characters tied by six relationships, chosen on the map.
void fillCastMap(ToolWindow* window)
{
    const QStringList cast = {QStringLiteral("Maren Holt"), QStringLiteral("Idris Vale"),
                              QStringLiteral("Tomas Greer"), QStringLiteral("Lottie Fenn"),
                              QStringLiteral("Captain Aubrey Sloane")};
    const QString story = QStringLiteral("The Harbour Lights");
    QSqlQuery query(Database::connection());
    query.prepare(QStringLiteral("INSERT INTO \"Story Profile\" (\"Story Name\") VALUES (?)"));
    query.addBindValue(story);
    query.exec();
    const qint64 storyKey = query.lastInsertId().toLongLong();
    QList<qint64> keys;
    for (const QString& name : cast) {
        query.prepare(QStringLiteral("INSERT INTO \"character\" (Name) VALUES (?)"));
        query.addBindValue(name);
        query.exec();
        keys << query.lastInsertId().toLongLong();
        query.prepare(
            QStringLiteral("INSERT INTO Story_Character (Story_ID, Character_ID) VALUES (?, ?)"));
        query.addBindValue(storyKey);
        query.addBindValue(keys.last());
        query.exec();
    }
    const std::tuple<int, int, const char*> ties[] = {{0, 1, "mentor of"},  {2, 0, "rival of"},
                                                      {3, 0, "sibling of"}, {4, 1, "employer of"},
                                                      {3, 2, "friend of"},  {4, 2, "enemy of"}};
    for (const auto& [from, to, kind] : ties) {
        qint64 key = -1;
        StoreError ignored; // a refused tie is only missing from the picture
        Relationships::add(keys[from], keys[to], QString::fromLatin1(kind), {}, &key, &ignored);
    }
    if (auto* stories = window->findChild<QComboBox*>(QStringLiteral("cboMapStory")))
        stories->setCurrentIndex(stories->findText(story));
}

// Fills a window with a few records or results, so the picture shows it at work.
void exercise(ToolWindow* window)
{
    if (window->objectName() == QLatin1String("frmSprint"))
        return startSprint(window);
    // The customization window is pictured as it opens: New would only add blank rows.
    if (window->objectName() == QLatin1String("frmCustom"))
        return;
    if (window->objectName() == QLatin1String("frmPracticeLog"))
        return fillPracticeLog(window);
    if (window->objectName() == QLatin1String("frmCastMap"))
        return fillCastMap(window);
    if (auto* add = window->findChild<QAbstractButton*>(QStringLiteral("cmdNew"))) {
        QTimer answering;
        QObject::connect(&answering, &QTimer::timeout, answerDialogs);
        answering.start(50);
        for (int i = 0; i < 3; ++i)
            add->click();
        linkFirstItems(window);
        relateCharacters(window);
        return;
    }
    if (auto* random = window->findChild<QCheckBox*>(QStringLiteral("chkRandom")))
        random->setChecked(true);
    if (auto* generate = window->findChild<QAbstractButton*>(QStringLiteral("cmdGenerate"))) {
        for (int i = 0; i < 8; ++i)
            generate->click();
    }
}

// One picture of the frame per page of the window's tabs, or one picture when it has none.
void save(QWidget* frame, ToolWindow* window, const QDir& output)
{
    const auto write = [&](const QString& name) {
        QTest::qWait(100);
        frame->grab().save(output.filePath(name + QStringLiteral(".png")));
        QTextStream(stdout) << output.filePath(name + QStringLiteral(".png")) << '\n';
    };
    auto* tabs = window->findChild<QTabWidget*>();
    if (!tabs) {
        write(window->objectName());
        return;
    }
    for (int page = 0; page < tabs->count(); ++page) {
        tabs->setCurrentIndex(page);
        write(window->objectName() + u'-' + QString::number(page + 1));
    }
}

// The Keep menu open over a line of the Sentence Generator's results, drawn onto the main window
// as the screen shows it: a popup is a window of its own, which grabbing the main window misses.
void saveKeepMenu(MainWindow* mainWindow, const QDir& output)
{
    ToolWindow* window = mainWindow->openToolWindow(QStringLiteral("frmSentence"));
    auto* results = window->findChild<QListWidget*>(QStringLiteral("lstResults"));
    if (!results || results->count() < 3)
        return;
    results->setCurrentRow(results->count() - 3);
    results->setFocus();
    ResultKeeping::of(results)->showMenuAtLine();
    QTest::qWait(100);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    if (!menu)
        return;
    QPixmap picture = mainWindow->grab();
    {
        QPainter painter(&picture);
        painter.drawPixmap(menu->pos() - mainWindow->mapToGlobal(QPoint(0, 0)), menu->grab());
    }
    menu->close();
    const QString path = output.filePath(QStringLiteral("keep-menu.png"));
    picture.save(path);
    QTextStream(stdout) << path << '\n';
}

// A sentence kept in a character that is part of a story: the character window's Notes tab with
// the kept line under its source, and the story beside the navigator. The Keep menu's picture
// shows the first half of the way; this one its end.
void saveKeptInCharacter(MainWindow* mainWindow, const QDir& output)
{
    ToolWindow* characters = mainWindow->openToolWindow(QStringLiteral("frmCharacter"));
    auto* grid = characters->findChild<QTableView*>();
    auto* stories = characters->findChild<QListWidget*>(QStringLiteral("lstAppearsIn"));
    auto* name = characters->findChild<QLineEdit*>(QStringLiteral("txtName"));
    auto* tabs = characters->findChild<QTabWidget*>();
    auto* notes = characters->findChild<QPlainTextEdit*>(QStringLiteral("txtNotes"));
    if (!grid || !stories || !name || !tabs || !notes)
        return;
    for (int row = 0; row < grid->model()->rowCount() && stories->count() == 0; ++row)
        grid->selectRow(row);
    const QString character = name->text();

    ToolWindow* sentences = mainWindow->openToolWindow(QStringLiteral("frmSentence"));
    auto* results = sentences->findChild<QListWidget*>(QStringLiteral("lstResults"));
    auto* keep = sentences->findChild<QAction*>(QStringLiteral("actKeepInCharacter"));
    if (!results || !keep || results->count() == 0)
        return;
    results->setCurrentRow(results->count() - 1);
    keep->trigger();
    auto* dialog = sentences->window()->findChild<RecordChoiceDialog*>();
    auto* filter =
        dialog ? dialog->findChild<QLineEdit*>(QStringLiteral("txtRecordFilter")) : nullptr;
    if (!filter)
        return;
    filter->setText(character);
    dialog->accept();

    mainWindow->openToolWindow(QStringLiteral("frmCharacter"));
    tabs->setCurrentWidget(notes->parentWidget());
    QTest::qWait(100);
    const QString path = output.filePath(QStringLiteral("keep-record.png"));
    mainWindow->grab().save(path);
    QTextStream(stdout) << path << '\n';
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    setApplicationIdentity();
    // The same draws every time, so that the pictures change only when the windows do.
    runRandom().seed(1998);
    const bool dark = argc == 4 && QByteArray(argv[3]) == "--dark";
    if (argc != 3 && !dark) {
        QTextStream(stderr)
            << "usage: quillane-screenshots <program folder> <output folder> [--dark]\n";
        return 2;
    }
    if (dark)
        useDarkPalette();
#ifdef QUILLANE_WORDSCHART_DIR
    WordsChartLoader::setFolders({QStringLiteral(QUILLANE_WORDSCHART_DIR)});
#endif
    QtDesktop desktop(showInHelpViewer);
    setDesktop(&desktop);
    runPaths().programFolder = QString::fromLocal8Bit(argv[1]);
    const QDir output(QString::fromLocal8Bit(argv[2]));
    QDir().mkpath(output.path());

    MainWindow mainWindow;
    if (!mainWindow.initializeEnvironment())
        return 1;
    mainWindow.resize(1000, 720);
    mainWindow.findChild<QMdiArea*>()->closeAllSubWindows();
    QTest::qWait(100);
    mainWindow.grab().save(output.filePath(QStringLiteral("frmMainMenu.png")));
    for (const ToolWindowEntry& entry : ToolWindowCatalog::entries()) {
        if (!ToolCatalog::isAvailable(entry.window))
            continue;
        ToolWindow* window = mainWindow.openToolWindow(entry.window);
        exercise(window);
        save(&mainWindow, window, output);
    }
    saveKeepMenu(&mainWindow, output);
    saveKeptInCharacter(&mainWindow, output);
    return 0;
}
