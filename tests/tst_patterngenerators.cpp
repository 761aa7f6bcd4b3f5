#include "engines/NumberKinds.h"
#include "generators/NameGeneratorWindow.h"
#include "generators/NumberGeneratorWindow.h"
#include "generators/SentenceWindow.h"
#include "shared/widgets/ChildFrame.h"
#include "shared/widgets/SeededGeneration.h"
#include "shared/widgets/SpinButton.h"
#include "support/TestEnvironment.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QSignalSpy>
#include <QTimer>
#include <QToolButton>

// The sentence, name and number generators: their rules, their windows and what they print.
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
        return m_window->findChild<Control*>(name);
    }
    void click(const QString& name, int times = 1) const
    {
        for (int i = 0; i < times; ++i)
            QTest::mouseClick(control(name), Qt::LeftButton, {}, QPoint(6, 6));
    }
    void select(const QString& pattern) const
    {
        auto* list = control<QListWidget>("lstPatternType");
        list->setCurrentItem(list->findItems(pattern, Qt::MatchExactly).at(0));
    }
    void setBounds(const QString& first, const QString& second) const
    {
        control<QLineEdit>("txtRange1")->setText(first);
        control<QLineEdit>("txtRange2")->setText(second);
    }
    // Names are invented like those of the shipped lists: the fixtures' few would mostly give
    // their own names back.
    void useShippedLists()
    {
        m_env.reset();
        m_env = std::make_unique<TestEnvironment>(1234, TestDatabase::shippedTables());
    }
    QStringList results() const { return columnTexts(control<QListWidget>("lstResults")->model()); }
    // Copy and Print hand on the same text: the expected file's, byte for byte.
    void expectOutput(const QString& expectedFile)
    {
        const QString expected = TestEnvironment::expectedOutput(expectedFile);
        QVERIFY(!expected.isEmpty());
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

    void timerFollowsClicksAndStopsAtAMessage_data()
    {
        QTest::addColumn<QStringList>("names"); // window, timer, timer box, Close, message, title
        const QString noPattern = "No pattern has been selected.";
        // clang-format off
        QTest::newRow("sentence") << QStringList{"sentence", "tmrSentence", "chkSentence", "OK_BT",
                                                 noPattern, "Pattern Selection"};
        QTest::newRow("real names") << QStringList{"name", "tmrName", "chkSentence", "OK_BT",
                                                   noPattern, "Pattern Selection"};
        QTest::newRow("number") << QStringList{"number", "tmrNumber", "chkTimer", "cmdOK",
                                               "The Number you have selected is out of range",
                                               "Out of Range"};
        // clang-format on
    }

    void timerFollowsClicksAndStopsAtAMessage()
    {
        QFETCH(QStringList, names);
        open(names.at(0));
        auto* timer = control<QTimer>(names.at(1));
        auto* box = control<QCheckBox>(names.at(2));
        auto* patterns = control<QListWidget>("lstPatternType");
        if (auto* realNames = control<QCheckBox>("chkRealName"))
            tick(realNames); // real names ignore the pattern but need one all the same
        QVERIFY(timer->interval() == 1000 && !timer->isActive());
        tick(box);
        QVERIFY(timer->isActive());
        tick(box);
        QVERIFY(!timer->isActive());

        // A tick is a Generate: it adds a line, or meets a message once and stops the timer.
        if (patterns)
            patterns->setCurrentRow(0);
        tick(box);
        timer->setInterval(5);
        QTRY_VERIFY(results().size() >= 2);
        patterns ? patterns->clearSelection() : setBounds("20", "20");
        QTRY_COMPARE(m_env->desktop.messages.size(), 1);
        QVERIFY(m_env->expectMessage(names.at(4), names.at(5)));
        QVERIFY(!timer->isActive() && !box->isChecked());
        click(names.at(3));
        QVERIFY(!m_window->isVisible());
    }

    // A right press or a double click on the list shows the key to the codes, nothing else; a
    // bad pattern is named, with what was built before its bad character.
    void patternsArePrintedAndCopied_data()
    {
        QTest::addColumn<QString>("added");        // to the window's list of patterns
        QTest::addColumn<QStringList>("patterns"); // chosen in turn
        QTest::addColumn<QString>("told");         // the key to the codes first
        QTest::newRow("sentence")
            << "('tnvX')" << QStringList{"tjnvxqn", "pvxtn", "rpvtn", "tnvX"}
            << "Key to Sentence Codes|Invalid Sentence Pattern (information): tnvX: is not valid.  "
               "Please use the customization feature to delete this.";
        QTest::newRow("name")
            << "('c'), ('cvCv'), ('Vc')" << QStringList{"cvccv", "c", "Vc", "cvCv"}
            << "Key to Name Codes|Invalid Name Pattern (information): Vc: is not valid.  Please "
               "use customization to delete this pattern: \nInvalid Name Pattern (information): "
               "cvCv: is not valid.  Please use customization to delete this pattern: lo";
    }
    void patternsArePrintedAndCopied()
    {
        QFETCH(QString, added);
        QFETCH(QStringList, patterns);
        QFETCH(QString, told);
        const QString window = QTest::currentDataTag();
        QVERIFY(m_env->db.execute(
            QString("INSERT INTO %1Pattern (%1Pattern) VALUES %2").arg(window, added)));
        open(window);
        auto* list = control<QListWidget>("lstPatternType");
        const QPoint first = list->visualItemRect(list->item(0)).center();
        if (window == "sentence")
            QTest::mouseClick(list->viewport(), Qt::RightButton, {}, first);
        else
            QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, first);
        QVERIFY(list->selectedItems().isEmpty());
        QCOMPARE(m_env->desktop.messages.takeFirst().title, told.section('|', 0, 0));
        for (const QString& pattern : patterns) {
            select(pattern);
            click("cmdGenerate");
        }
        // Letters built before the bad character stay, after the message that shows them.
        QCOMPARE(m_env->told(), told.section('|', 1));
        QVERIFY(window == "sentence" || results().last() == "Lo");
        if (window == "sentence")
            return expectOutput("sentence.txt");

        // A random pattern needs no selection; the one taken is shown selected.
        auto* random = control<QCheckBox>("chkRandom");
        auto* realNames = control<QCheckBox>("chkRealName");
        list->clearSelection();
        tick(random);
        click("cmdGenerate", 2);
        QCOMPARE(list->selectedItems().size(), 1);
        tick(realNames); // the box just checked wins
        QVERIFY(!random->isChecked());
        click("cmdGenerate", 4);
        expectOutput("name.txt");
        tick(random);
        QVERIFY(!realNames->isChecked());
    }

    // A verb before an object takes one, or both; a verb at the end takes none, or both. A noun
    // after "a" or "an" can be counted, or both; after "the" any noun fits. A word with an empty
    // field fits every place; when no word fits, any is drawn.
    void wordsFitTheirPlaces_data()
    {
        QTest::addColumn<QString>("fields"); // SQL
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("lines");     // which lines to read
        QTest::addColumn<QStringList>("words"); // every third word of those lines
        const auto some = [](const QString& table, const QString& field, const QString& fits,
                             const QString& other) {
            return QString("UPDATE %1 SET %2 = CASE %1 WHEN '%3' THEN 'Both' WHEN '%4' THEN ' ' "
                           "WHEN '%5' THEN NULL WHEN '%6' THEN '%7' ELSE '%8' END")
                .arg(table, field, "danced", "drifted", "fled", "climbed", fits, other);
        };
        const QString verbs = some("verb", "frame", "object", "none");
        const QStringList all =
            QString("climbed danced drifted fled glowed hurried laughed listened sang shivered "
                    "sighed smiled stumbled trembled tumbled vanished waited wandered waved "
                    "whispered")
                .split(' ');
        QTest::newRow("object follows")
            << verbs << "qnvy"
            << "" << QStringList{"climbed", "danced", "drifted", "fled"};
        QTest::newRow("pattern ends") << verbs << "tnv"
                                      << "" << all.mid(1);
        QTest::newRow("none takes an object") << "UPDATE verb SET frame = 'none'"
                                              << "qnvy"
                                              << "" << all;
        // Six nouns: anchor apple attic bell bridge candle.
        const QString nouns = "DELETE FROM noun WHERE noun > 'candle';" +
                              QString(some("noun", "countability", "count", "mass"))
                                  .replace("danced", "anchor")
                                  .replace("drifted", "apple")
                                  .replace("fled", "attic")
                                  .replace("climbed", "bell");
        const QStringList six = {"anchor", "apple", "attic", "bell", "bridge", "candle"};
        QTest::newRow("after a") << nouns << "tjnv"
                                 << "^An? " << six.first(4);
        QTest::newRow("after the") << nouns << "tjnv"
                                   << "^The " << six;
        QTest::newRow("no noun counts")
            << "DELETE FROM noun WHERE noun > 'candle'; UPDATE noun SET countability = 'mass'"
            << "tjnv"
            << "^An? " << six;
    }
    void wordsFitTheirPlaces()
    {
        QFETCH(QString, fields);
        QFETCH(QString, pattern);
        QFETCH(QString, lines);
        QFETCH(QStringList, words);
        for (const QString& statement : fields.split(';'))
            QVERIFY(m_env->db.execute(statement));
        open("sentence");
        select(pattern);
        click("cmdGenerate", 400);
        QSet<QString> drawn;
        for (const QString& line : results()) {
            if (line.contains(QRegularExpression(lines)))
                drawn << line.section(' ', 2, 2);
        }
        QCOMPARE(drawn, QSet<QString>(words.cbegin(), words.cend()));
    }

    // A drawn line is kept in a record from the keyboard alone: Ctrl+K opens the menu at the line,
    // the arrows choose, and the record is chosen by typing its name. A name becomes a new
    // character's name; an age becomes a character's age once the old one may be replaced; a
    // line joins a scene's notes with where it came from and when. The main window is told.
    void generatedLinesAreKeptWhereTheyBelong_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<int>("command"); // downs from Keep in New Character
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("stored"); // the query, %1 standing for the line
        QTest::addColumn<QString>("expected");
        QTest::addColumn<QString>("status");
        const QString ann = "SELECT %1 FROM character WHERE ID = 1";
        QTest::newRow("name, new character")
            << "name" << 0 << ""
            << "SELECT Name || '/' || visible FROM character WHERE ID = 3"
            << "%1/0"
            << "Kept in a new character, %1.";
        QTest::newRow("age, replaced") << "number" << 1 << "Yes" << ann.arg("Age") << "%1"
                                       << "Kept in the character Ann.";
        QTest::newRow("age, not replaced") << "number" << 1 << "No" << ann.arg("Age") << "40"
                                           << "";
        QTest::newRow("name, replaced") << "name" << 1 << "Yes" << ann.arg("Name") << "%1"
                                        << "Kept in the character %1.";
        QTest::newRow("sentence, scene notes")
            << "sentence" << 2 << ""
            << "SELECT \"Scene Notes\" FROM \"Scene Profile\" WHERE ID = 2"
            << "Windy\n%1 — Sentence Generator, 6 Dec 2026"
            << "Kept in the scene Harbour.";
    }
    void generatedLinesAreKeptWhereTheyBelong()
    {
        QFETCH(QString, window);
        QFETCH(int, command);
        QFETCH(QString, answer);
        QFETCH(QString, stored);
        QFETCH(QString, expected);
        QFETCH(QString, status);
        QVERIFY(m_env->db.execute("INSERT INTO character (Name, Age) VALUES ('Ann', '40'), "
                                  "('Bo', '')"));
        QVERIFY(m_env->db.execute("INSERT INTO \"Scene Profile\" (\"Scene Name\", \"Scene "
                                  "Notes\") VALUES ('Attic', ''), ('Harbour', 'Windy')"));
        open(window);
        ChildFrame frame(nullptr);
        m_window->setChildFrame(&frame);
        QSignalSpy told(&frame, &ChildFrame::statusShown);
        if (window != "number")
            control<QListWidget>("lstPatternType")->setCurrentRow(0);
        click("cmdGenerate");
        auto* list = control<QListWidget>("lstResults");
        const QString line = list->currentItem()->text().trimmed();
        QVERIFY(!line.isEmpty());

        list->setFocus();
        QTest::keyClick(list, Qt::Key_K, Qt::ControlModifier);
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        QVERIFY(menu);
        for (int i = 0; i < command; ++i)
            QTest::keyClick(menu, Qt::Key_Down);
        if (!answer.isEmpty())
            m_env->desktop.answerNext(answer == "Yes" ? MessageAnswer::Yes : MessageAnswer::No);
        QTest::keyClick(menu, Qt::Key_Return);
        if (command > 0) {
            auto* dialog = m_window->findChild<QDialog*>("dlgKeepIn");
            QVERIFY(dialog);
            QTest::keyClicks(dialog->findChild<QWidget*>("txtRecordFilter"),
                             command == 1 ? "an" : "harb");
            QTest::keyClick(dialog->findChild<QWidget*>("txtRecordFilter"), Qt::Key_Return);
            QTRY_VERIFY(!m_window->findChild<QDialog*>("dlgKeepIn"));
        }
        QCOMPARE(m_env->db.scalar(stored).toString(), expected.arg(line));
        if (!answer.isEmpty())
            QVERIFY(m_env->expectMessage(
                QString("Replace the %1 %2 with %3?")
                    .arg(window == "name" ? "name" : "age", window == "name" ? "Ann" : "40", line),
                "Keep in Character"));
        QCOMPARE(told.isEmpty() ? QString() : told.last().at(0).toString(), status.arg(line));
    }

    // Every Generate rolls from a seed of its own, kept with its line; Generate from Seed, after
    // the keeping commands, rolls the same line again whatever was drawn meanwhile. A cancelled
    // box does nothing; a seed that is not one is told and nothing is generated.
    void linesAreRolledAgainFromTheirSeeds_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("option"); // clicked before generating
        QTest::addColumn<QString>("badSeed");
        QTest::addColumn<QString>("editedList"); // one the lines were drawn from
        QTest::addColumn<QString>("edit");       // of that list
        const QString deleteLast = "DELETE FROM %1 WHERE rowid = (SELECT max(rowid) FROM %1)";
        QTest::newRow("sentence") << "sentence"
                                  << "chkRandom"
                                  << "-1"
                                  << "sentencePattern" << deleteLast;
        QTest::newRow("sentence, frames") << "sentence"
                                          << "chkRandom"
                                          << "x"
                                          << "verb"
                                          << "UPDATE verb SET frame = 'none' WHERE rowid = 1";
        QTest::newRow("name") << "name"
                              << "chkRandom"
                              << "4294967296"
                              << "namePattern" << deleteLast;
        QTest::newRow("real names") << "name"
                                    << "chkRealName"
                                    << "1.5"
                                    << "surnames" << deleteLast;
        QTest::newRow("names like real ones") << "name"
                                              << "chkLikeRealNames"
                                              << "abc"
                                              << "surnames" << deleteLast;
        QTest::newRow("distance") << "number"
                                  << "optNumberType_2"
                                  << "12 34"
                                  << "UnitOfMeasure" << deleteLast;
    }
    void linesAreRolledAgainFromTheirSeeds()
    {
        QFETCH(QString, window);
        QFETCH(QString, option);
        QFETCH(QString, badSeed);
        const int drawnCount = 5;
        if (option == "chkLikeRealNames")
            useShippedLists();
        open(window);
        if (auto* patterns = control<QListWidget>("lstPatternType"))
            patterns->setCurrentRow(0); // real names ignore it but need one
        click(option);
        click("cmdGenerate", drawnCount);
        const QStringList drawn = results();
        QCOMPARE(drawn.size(), drawnCount);
        auto* fromSeed = control<QAction>("actGenerateFromSeed");
        QCOMPARE(control<QMenu>("mnuKeep")->actions().last(), fromSeed);

        auto* list = control<QListWidget>("lstResults");
        for (int row = 0; row < drawnCount; ++row) {
            const QVariant seed = list->item(row)->data(SeededGeneration::SeedRole);
            QVERIFY(seed.isValid());
            QCOMPARE(list->item(row)->toolTip(), "Seed " + seed.toString());
            m_env->desktop.typeNext(" " + seed.toString() + " ");
            fromSeed->trigger();
            QCOMPARE(results().size(), drawnCount + row + 1);
            QCOMPARE(results().last(), drawn.at(row));
            QCOMPARE(list->currentItem()->data(SeededGeneration::SeedRole), seed);
        }
        QCOMPARE(m_env->desktop.inputBoxes.last(),
                 "Generate once more from the seed:|Generate from Seed");
        fromSeed->trigger();
        m_env->desktop.typeNext(badSeed);
        fromSeed->trigger();
        QCOMPARE(m_env->told(), "Generate from Seed (information): " + badSeed +
                                    " is not a seed.  A seed is a whole number from 0 to "
                                    "4294967295.");
        QCOMPARE(results().size(), 2 * drawnCount);

        // After a list it drew from has changed, rolling a line's own seed again asks first.
        QFETCH(QString, editedList);
        QFETCH(QString, edit);
        QVERIFY(m_env->db.execute(edit.arg(editedList)));
        list->setCurrentRow(0);
        for (const MessageAnswer answer : {MessageAnswer::No, MessageAnswer::Yes}) {
            m_env->desktop.typeNext(list->item(0)->data(SeededGeneration::SeedRole).toString());
            m_env->desktop.answerNext(answer);
            fromSeed->trigger();
            QVERIFY(m_env->expectMessage(
                "The lists this seed drew from have changed since: " + editedList +
                    ".  The same seed may give another result.  "
                    "Generate anyway?",
                "Generate from Seed", MessageIcon::Exclamation));
        }
        QCOMPARE(results().size(), 2 * drawnCount + 1);
        const qsizetype told = m_env->desktop.messages.size();
        m_env->desktop.typeNext("7"); // not the line's own: nothing to compare with
        fromSeed->trigger();
        QVERIFY(results().size() == 2 * drawnCount + 2 && m_env->desktop.messages.size() == told);
    }

    // Dice written as notation in either box of the Dice kind are thrown, each line again from
    // its seed; what cannot be read is told and adds nothing. Plain bounds keep their meaning.
    void diceNotationIsThrown()
    {
        open("number");
        click("optNumberType_3");
        QVERIFY(control("txtRange1")->toolTip().contains("3d6+2"));
        const QRegularExpression line("^(?:3d6\\+2 = \\d+ \\([1-6], [1-6], [1-6]\\)|2d4kl1 = [1-4] "
                                      "\\([1-4], dropped [1-4]\\))$");
        for (const auto& [first, second] : {std::pair{"3d6+2", "2"}, {"6", "2d4kl1"}}) {
            setBounds(first, second);
            click("cmdGenerate", 3);
            for (const QString& shown : results().mid(results().size() - 3))
                QVERIFY2(line.match(shown).hasMatch(), qPrintable(shown));
            QCOMPARE(control<QLabel>("lblResult")->text(), results().last());
        }
        auto* list = control<QListWidget>("lstResults");
        m_env->desktop.typeNext(list->item(1)->data(SeededGeneration::SeedRole).toString());
        setBounds("3d6+2", "2");
        control<QAction>("actGenerateFromSeed")->trigger();
        QCOMPARE(results().last(), results().at(1));
        setBounds("3d6+x", "2");
        click("cmdGenerate");
        QVERIFY(m_env->expectMessage("3d6+x is not dice notation: “x” is not understood.  Dice are "
                                     "written as 3d6, d20, 4d6kh3, 2d20kl1, 3d6!, d% or a sum "
                                     "such as 2d6+1d4-1.",
                                     "Dice Notation", MessageIcon::Information));
        setBounds("6", "2");
        click("cmdGenerate");
        QCOMPARE(results().size(), 8);
        QVERIFY(QRegularExpression("^[1-6] [1-6] $").match(results().last()).hasMatch());
    }

    // No name is one a character holds or the list shows, while another can be found; then it
    // is said once (until Clear List) and names repeat. Sentences avoid the list's lines alike,
    // and a pattern with few sentences repeats without a word. Invented names are never real.
    void noLineIsGivenTwice_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("option");
        QTest::addColumn<QStringList>("possible"); // every line the lists can give
        QTest::newRow("real names")
            << "name"
            << "chkRealName" << QStringList{"Al Cy", "Al Dee", "Bo Cy", "Bo Dee"};
        QTest::newRow("sentences") << "sentence"
                                   << "" << QStringList{"Owl ", "Elm ", "Ash "};
    }
    void noLineIsGivenTwice()
    {
        QFETCH(QString, window);
        QFETCH(QString, option);
        QFETCH(QStringList, possible);
        for (const QString table :
             {"maleName", "femaleName", "surnames", "noun", "sentencePattern"})
            QVERIFY(m_env->db.execute("DELETE FROM " + table));
        for (const QString rows :
             {"maleName (maleName) VALUES ('al')", "femaleName (femaleName) VALUES ('bo')",
              "surnames (surnames) VALUES ('cy'), ('dee')",
              "noun (noun) VALUES ('owl'), ('elm'), ('ash')",
              "sentencePattern (sentencePattern) VALUES ('n')",
              "character (Name) VALUES ('AL CY')"})
            QVERIFY(m_env->db.execute("INSERT INTO " + rows));
        open(window);
        control<QListWidget>("lstPatternType")->setCurrentRow(0);
        if (!option.isEmpty())
            click(option);
        QStringList free = window == "name" ? possible.mid(1) : possible;
        free.sort();
        for (int round = 0; round < 2; ++round) {
            click("cmdGenerate", free.size());
            QStringList given = results();
            given.sort();
            QCOMPARE(given, free);
            QVERIFY(m_env->desktop.messages.isEmpty());
            click("cmdGenerate"); // nothing new is left: said once, for names
            QVERIFY(possible.contains(results().last()));
            if (window == "name")
                QVERIFY(m_env->expectMessage("Every name these choices give is held by a "
                                             "character or listed already, so names may repeat "
                                             "from now on.",
                                             "Name Generator", MessageIcon::Information));
            click("cmdGenerate");
            QCOMPARE(m_env->desktop.messages.size(), window == "name" ? 1 : 0);
            click("cmdClear");
            m_env->desktop.messages.clear();
        }
    }

    // Real names come from the culture chosen, "Any" first; a culture is listed when it has a
    // surname and a first name, and the choice is open to real names and names like them only.
    void realNamesComeFromTheCultureChosen()
    {
        for (const QString table : {"maleName", "femaleName", "surnames"})
            QVERIFY(
                m_env->db.execute("UPDATE " + table + " SET culture = 'Testish' WHERE rowid <= 3"));
        QVERIFY(m_env->db.execute("UPDATE maleName SET culture = 'Menonly' WHERE rowid = 4"));
        open("name");
        auto* cultures = control<QComboBox>("cboCulture");
        QCOMPARE(columnTexts(cultures->model()), (QStringList{"Any", "Testish"}));
        QVERIFY(!cultures->isEnabled() && cultures->accessibleName() == "Culture");
        click("chkRealName");
        QVERIFY(cultures->isEnabled());
        cultures->setCurrentIndex(1);
        control<QListWidget>("lstPatternType")->setCurrentRow(0);
        click("cmdGenerate", 12);
        const QStringList suited = m_env->db.column(
            "SELECT maleName FROM maleName WHERE culture = 'Testish' UNION SELECT femaleName FROM "
            "femaleName WHERE culture = 'Testish' UNION SELECT surnames FROM surnames WHERE "
            "culture = 'Testish'");
        for (const QString& name : results())
            QVERIFY2(suited.contains(name.section(' ', 0, 0), Qt::CaseInsensitive) &&
                         suited.contains(name.section(' ', 1), Qt::CaseInsensitive),
                     qPrintable(name));
        click("chkRandom");
        QVERIFY(!cultures->isEnabled());
    }

    void namesAreInventedLikeRealOnes()
    {
        useShippedLists();
        open("name");
        click("chkRealName");
        click("chkLikeRealNames");
        QVERIFY(!control<QCheckBox>("chkRealName")->isChecked() &&
                !control<QCheckBox>("chkRandom")->isChecked());
        control<QListWidget>("lstPatternType")->setCurrentRow(0);
        click("cmdGenerate", 40);
        const QStringList listed = m_env->db.column(
            "SELECT lower(maleName) FROM maleName UNION SELECT lower(femaleName) FROM femaleName "
            "UNION SELECT lower(surnames) FROM surnames");
        const QSet<QString> real(listed.cbegin(), listed.cend());
        const QStringList names = results();
        QCOMPARE(QSet<QString>(names.cbegin(), names.cend()).size(), 40);
        for (const QString& name : names) {
            QVERIFY2(name.count(' ') == 1 && !real.contains(name.section(' ', 0, 0).toLower()) &&
                         !real.contains(name.section(' ', 1).toLower()),
                     qPrintable(name));
        }
        click("chkRealName");
        QVERIFY(!control<QCheckBox>("chkLikeRealNames")->isChecked());
    }

    void numberWindowStepsDrawsAndPrints()
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

        setBounds("20", "20");
        click("cmdGenerate");
        QVERIFY(m_env->expectMessage("The Number you have selected is out of range", "Out of Range",
                                     MessageIcon::None));
        QVERIFY(results().isEmpty() && !m_env->desktop.busy);
        QVERIFY(control("txtRange1")->hasFocus()); // back in the bound the message refused

        // Each kind shows its labels and bounds over the user's; Date hides them and draws anyway.
        // clang-format off
        const QStringList shown[] = {{"Lower", "Upper", "18", "120"}, {"", "", "abc", "-5"},
            {"Lower", "Upper", "1", "1000"}, {"Dice Type", "# of Dice", "6", "2"},
            {"Lower", "Upper", "1", "100"}};
        // clang-format on
        for (int kind = 0; kind < NumberKinds::KindCount; ++kind) {
            setBounds("abc", "-5");
            click(QStringLiteral("optNumberType_%1").arg(kind));
            QStringList texts;
            for (const QString name : {"lblRange1", "lblRange2", "txtRange1", "txtRange2"})
                texts << control(name)->property("text").toString().remove('&');
            QCOMPARE(texts, shown[kind]);
            const bool boundsShown = kind != NumberKinds::Date;
            QCOMPARE(control("txtRange1")->isVisible(), boundsShown);
            QCOMPARE(control("spnRange2")->isEnabled(), boundsShown);
            QVERIFY(boundsShown || control<QLabel>("lblResult")->text().isEmpty());
            click("cmdGenerate", 2);
            QCOMPARE(control<QLabel>("lblResult")->text(), results().last());
        }
        QCOMPARE(control<QListWidget>("lstResults")->currentRow(), 9);
        expectOutput("number.txt");
    }
};

QTEST_MAIN(TestPatternGenerators)
#include "tst_patterngenerators.moc"
