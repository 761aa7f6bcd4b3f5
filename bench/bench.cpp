// Prints the figures the program is measured by: the cost of one random draw from list tables
// of growing size, the time from starting the program to its main window on screen, the
// customization window over a large list, the cost of saving a character, the practice log
// opened over a long log and the cast map's layout of a large cast. With
// "--sentences N" (and "--fields-ignored") it prints N sentences from random shipped patterns
// instead, one a line, for a grammar checker to read.
#include "BenchSupport.h"
#include "customization/CustomizationWindow.h"
#include "data/Database.h"
#include "data/NameCultures.h"
#include "data/RandomRecord.h"
#include "data/UserTables.h"
#include "engines/BodyMeasures.h"
#include "engines/CastLayout.h"
#include "engines/CharacterDraws.h"
#include "engines/NameChain.h"
#include "engines/NamePattern.h"
#include "engines/SentencePattern.h"
#include "GridBench.h"
#include "practice/PracticeLogWindow.h"
#include "practice/WordsChartLoader.h"
#include "records/CharacterWindow.h"
#include "ResultListBench.h"
#include "shared/desktop/Clock.h"
#include "shared/widgets/RandomListValue.h"
#include "shared/widgets/RunRandom.h"
#include "shared/widgets/SeededGeneration.h"
#include "shared/widgets/SentenceWords.h"
#include "StartUpBench.h"
#include "support/ScriptedDesktop.h"
#include "support/TestDatabase.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSet>
#include <QSqlQuery>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>
#include <QToolButton>

#include <algorithm>
#include <functional>
#include <map>
#include <memory>
#include <utility>
#include <vector>

namespace {

QTextStream out(stdout);

template <typename Work> double medianMicroseconds(int rounds, int perRound, Work work)
{
    std::vector<double> samples;
    for (int round = 0; round < rounds; ++round) {
        QElapsedTimer timer;
        timer.start();
        for (int i = 0; i < perRound; ++i)
            work();
        samples.push_back(double(timer.nsecsElapsed()) / 1000.0 / perRound);
    }
    std::nth_element(samples.begin(), samples.begin() + samples.size() / 2, samples.end());
    return samples[samples.size() / 2];
}

void benchRandomDraws()
{
    ScriptedDesktop desktop;
    TestDatabase db;
    runRandom().seed(1);
    out << "getRandomRecord, median of 31 rounds of 2000 draws:\n";
    for (const int rows : {100, 10000, 1000000}) {
        const QString table = QStringLiteral("bench%1").arg(rows);
        fillTable(db, table, rows);
        QElapsedTimer first;
        first.start();
        RandomRecord::draw(table, runRandom().generator(), nullptr);
        const double firstMs = double(first.nsecsElapsed()) / 1e6;
        const double draw = medianMicroseconds(
            31, 2000, [&] { RandomRecord::draw(table, runRandom().generator(), nullptr); });
        out << QStringLiteral("  %1 rows: %2 us per draw (first draw, reading the table: %3 ms)\n")
                   .arg(rows, 9)
                   .arg(draw, 0, 'f', 2)
                   .arg(firstMs, 0, 'f', 1);
        out.flush();
    }
}

template <typename Work> double perSecond(int count, Work work)
{
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < count; ++i)
        work();
    return count / (double(timer.nsecsElapsed()) / 1e9);
}

void benchGenerators()
{
    ScriptedDesktop desktop;
    TestDatabase db(TestDatabase::shippedTables());
    runRandom().seed(2);
    getRandomRecord("noun"); // the first draw of a table reads it
    const SentencePattern::WordSource words = SentenceWords::from(runRandom());
    const auto sentences =
        perSecond(200000, [&] { SentencePattern::expand(QStringLiteral("tjnvrxqpy"), words); });
    const auto patternNames =
        perSecond(200000, [] { NamePattern::expand("cvccvcv", runRandom()); });
    const auto realNames = perSecond(200000, [] {
        const QString first =
            getRandomRecord(runRandom().inRange(1, 100) > 50 ? "maleName" : "femaleName");
        return first + u' ' + getRandomRecord("surnames");
    });
    out << QStringLiteral("Shipped database: %1 sentences/s from a nine-code pattern, %2 pattern "
                          "names/s, %3 real names/s\n")
               .arg(sentences, 0, 'f', 0)
               .arg(patternNames, 0, 'f', 0)
               .arg(realNames, 0, 'f', 0);

    // Bodies: every drawn height usual for the gender and age, every weight plausible for it.
    using CharacterDraws::Attribute;
    int fitting = 0;
    const int characters = 10000;
    for (int i = 0; i < characters; ++i) {
        QHash<Attribute, QString> drawn;
        for (const auto& [attribute, value] : CharacterDraws::draw(
                 [](Attribute) { return true; }, [](Attribute) { return QString(); },
                 getRandomRecord, runRandom()))
            drawn.insert(attribute, value);
        const int age = drawn.value(Attribute::Age).toInt();
        const int height = drawn.value(Attribute::Height).toInt();
        fitting +=
            BodyMeasures::heightRange(drawn.value(Attribute::Gender), age).contains(height) &&
            BodyMeasures::weightRange(height, age).contains(drawn.value(Attribute::Weight).toInt());
    }
    // Names invented like the shipped ones: none of the list, few repeats, fast; as single
    // names of each list, and as the name generator puts them together.
    std::map<QString, std::unique_ptr<NameChain>> chains;
    for (const QString table : {"maleName", "femaleName", "surnames"}) {
        QStringList listed;
        StoreError error;
        UserTables::fieldValues(table, table, &listed, &error);
        QSet<QString> real;
        for (const QString& name : std::as_const(listed))
            real.insert(name.toLower());
        const NameChain& chain = *(chains[table] = std::make_unique<NameChain>(listed));
        int fromList = 0;
        QSet<QString> firstThousand;
        for (int i = 0; i < 10000; ++i) {
            const QString name = chain.invent(runRandom());
            fromList += real.contains(name.toLower());
            if (i < 1000)
                firstThousand.insert(name);
        }
        out << QStringLiteral("Invented like %1 (%2 names): %3 of 10000 in the list, %4 repeats "
                              "in the first 1000, %5 names/s\n")
                   .arg(table)
                   .arg(listed.size())
                   .arg(fromList)
                   .arg(1000 - firstThousand.size())
                   .arg(perSecond(100000, [&chain] { return chain.invent(runRandom()); }), 0, 'f',
                        0);
    }
    const auto fullName = [&chains] {
        const NameChain& first =
            *chains[runRandom().inRange(1, 100) > 50 ? "maleName" : "femaleName"];
        return first.invent(runRandom()) + u' ' + chains["surnames"]->invent(runRandom());
    };
    QSet<QString> fullNames;
    for (int i = 0; i < 1000; ++i)
        fullNames.insert(fullName());
    out << QStringLiteral("Invented full names: %1 repeats in 1000, %2 names/s\n")
               .arg(1000 - fullNames.size())
               .arg(perSecond(100000, fullName), 0, 'f', 0);
    // Names that suit the country: of the characters whose country (else language) has a culture
    // with names, how many got a first name of that culture and their gender, and a surname.
    QHash<QString, QSet<QString>> namesOf; // by "table culture"
    const auto listed = [&namesOf](const QString& table, const QString& culture) -> const auto&
    {
        const QString key = table + u' ' + culture;
        if (!namesOf.contains(key)) {
            QStringList names;
            StoreError error;
            NameCultures::names(table, culture, &names, &error);
            QSet<QString>& set = namesOf[key];
            for (const QString& name : std::as_const(names))
                set.insert(name.toLower());
        }
        return namesOf[key];
    };
    int suitable = 0, suited = 0;
    for (int i = 0; i < characters; ++i) {
        SeededGeneration::Roll roll(SeededGeneration::drawSeed());
        QHash<Attribute, QString> drawn;
        for (const auto& [attribute, value] : CharacterDraws::draw(
                 [](Attribute) { return true; }, [](Attribute) { return QString(); }, roll.words(),
                 roll.random(), roll.nameCultures()))
            drawn.insert(attribute, value);
        QString culture;
        StoreError error;
        NameCultures::cultureOf("country", drawn.value(Attribute::Country), &culture, &error);
        if (culture.isEmpty())
            NameCultures::cultureOf("languages", drawn.value(Attribute::Language), &culture,
                                    &error);
        const QString firstNames =
            drawn.value(Attribute::Gender) == "Male" ? "maleName" : "femaleName";
        if (culture.isEmpty() || listed(firstNames, culture).isEmpty() ||
            listed("surnames", culture).isEmpty())
            continue;
        ++suitable;
        const QString name = drawn.value(Attribute::Name).toLower();
        suited += listed(firstNames, culture).contains(name.section(' ', 0, 0)) &&
                  listed("surnames", culture).contains(name.section(' ', 1));
    }
    out << QStringLiteral("Characters whose country or language has names: %1 of %2 named from "
                          "its culture and their gender (%3 of %4 characters had such a country)\n")
               .arg(suited)
               .arg(suitable)
               .arg(suitable)
               .arg(characters);
    out << QStringLiteral("Characters: %1 of %2 with a height usual for their gender and age and "
                          "a weight plausible for that height\n")
               .arg(fitting)
               .arg(characters);
    out.flush();
}

// The rows of the shipped sentence patterns (the database open).
QStringList sentencePatterns()
{
    QStringList patterns;
    QSqlQuery query(QStringLiteral("SELECT sentencePattern FROM sentencePattern"),
                    Database::connection());
    while (query.next())
        patterns << query.value(0).toString();
    return patterns;
}

struct ShippedSentence
{
    QString text;
    int verbsOutOfFrame = 0; // by the frames the verb list carries
    int massNounsAfterA = 0; // after "a" or "an", by the countability the noun list carries
};

// Sentences from random shipped patterns, always the same ones; with frames ignored, every verb
// and noun is drawn from the whole list.
QList<ShippedSentence> shippedSentences(int count, bool fieldsIgnored)
{
    ScriptedDesktop desktop;
    TestDatabase db(TestDatabase::shippedTables());
    runRandom().seed(4);
    const QStringList patterns = sentencePatterns();
    QHash<QString, QString> frames; // of each verb, lower-cased
    QSqlQuery query(QStringLiteral("SELECT lower(verb), lower(trim(frame)) FROM verb"),
                    Database::connection());
    while (query.next())
        frames.insert(query.value(0).toString(), query.value(1).toString());
    QSet<QString> massNouns; // lower-cased
    query.exec(QStringLiteral("SELECT lower(noun) FROM noun WHERE countability = 'mass'"));
    while (query.next())
        massNouns.insert(query.value(0).toString());
    int massNounsAfterA = 0;
    const SentencePattern::WordSource words = SentenceWords::from(runRandom());
    QStringList verbs; // drawn, in their places' order
    const auto source = [&](const SentencePattern::WordRequest& request) {
        std::optional<QString> word =
            words(fieldsIgnored ? SentencePattern::WordRequest{request.table} : request);
        if (word && request.table == u"verb")
            verbs << word->toLower();
        if (word && request.countable)
            massNounsAfterA += massNouns.contains(word->toLower());
        return word;
    };
    QList<ShippedSentence> sentences;
    for (int i = 0; i < count; ++i) {
        const QString pattern = patterns.at(runRandom().inRange(1, int(patterns.size())) - 1);
        verbs.clear();
        massNounsAfterA = 0;
        ShippedSentence sentence{SentencePattern::expand(pattern, source).sentence};
        sentence.massNounsAfterA = massNounsAfterA;
        for (qsizetype at = 0, verb = 0; at < pattern.size(); ++at) {
            if (pattern.at(at) != VerbCode)
                continue;
            const QString frame = frames.value(verbs.value(verb++));
            const VerbFrame place = SentencePattern::verbFrameAt(pattern, at);
            sentence.verbsOutOfFrame += (place == VerbFrame::Object && frame == u"none") ||
                                        (place == VerbFrame::None && frame == u"object");
        }
        sentences << sentence;
    }
    return sentences;
}

// Verbs each in the frame its place asks for, and nouns after "a" or "an" that can be counted,
// by the fields the verb and noun lists carry.
void measureWordFits()
{
    const auto misfits = [](bool fieldsIgnored) {
        std::pair<int, int> count;
        for (const ShippedSentence& sentence : shippedSentences(2000, fieldsIgnored)) {
            count.first += sentence.verbsOutOfFrame;
            count.second += sentence.massNounsAfterA;
        }
        return count;
    };
    const auto [verbs, nouns] = misfits(false);
    const auto [anyVerbs, anyNouns] = misfits(true);
    out << QStringLiteral("Sentences: %1 verbs out of their frame and %2 mass nouns after \"a\" "
                          "or \"an\" in 2000 from random shipped patterns (%3 and %4 when the "
                          "lists' fields are ignored)\n")
               .arg(verbs)
               .arg(nouns)
               .arg(anyVerbs)
               .arg(anyNouns);
    out.flush();
}

// How sentences read: "an" before a consonant letter, "a" before a vowel letter and a lower-case
// pronoun "i", counted over sentences from random shipped patterns. Articles follow the sound, so
// the first two count only the words whose sound goes against their first letter (listed).
void measureSentenceReadings()
{
    ScriptedDesktop desktop;
    TestDatabase db(TestDatabase::shippedTables());
    runRandom().seed(3);
    const QStringList patterns = sentencePatterns();
    const SentencePattern::WordSource source = SentenceWords::from(runRandom());
    const int count = 4000;
    int anBeforeConsonant = 0, aBeforeVowel = 0, lowerI = 0;
    QSet<QString> exceptions;
    const QString vowels = QStringLiteral("aeiou");
    for (int i = 0; i < count; ++i) {
        const QString pattern = patterns.at(runRandom().inRange(1, int(patterns.size())) - 1);
        const QStringList words =
            SentencePattern::expand(pattern, source).sentence.split(u' ', Qt::SkipEmptyParts);
        bool an = false, a = false, i_ = false;
        for (qsizetype w = 0; w < words.size(); ++w) {
            const QString word = words.at(w).toLower();
            i_ |= words.at(w) == u"i" || words.at(w).startsWith(u"i'");
            if (w + 1 == words.size() || (word != u"a" && word != u"an"))
                continue;
            const QString next = words.at(w + 1).toLower();
            const bool vowel = vowels.contains(next.front());
            if ((word == u"an") != vowel) {
                (vowel ? a : an) = true;
                exceptions.insert(word + u' ' + next);
            }
        }
        anBeforeConsonant += an;
        aBeforeVowel += a;
        lowerI += i_;
    }
    QStringList listed = exceptions.values();
    listed.sort();
    out << QStringLiteral("Sentences from %1 random shipped patterns: %2% with \"an\" before a "
                          "consonant letter, %3% with \"a\" before a vowel letter, %4% with a "
                          "lower-case \"i\" (%5)\n")
               .arg(count)
               .arg(100.0 * anBeforeConsonant / count, 0, 'f', 2)
               .arg(100.0 * aBeforeVowel / count, 0, 'f', 2)
               .arg(100.0 * lowerI / count, 0, 'f', 2)
               .arg(listed.isEmpty() ? QStringLiteral("no exceptions met") : listed.join(", "));
    out.flush();
}

// Run in a child process, so that its peak memory is its own: opens the character window over
// the given number of characters and prints the milliseconds to open it, to move to the last
// character and back, and the growth of the peak memory while opening, in KiB.
int openCharacterWindow(int characters)
{
    ScriptedDesktop desktop;
    TestDatabase db;
    QSqlQuery insert(Database::connection());
    Database::connection().transaction();
    insert.prepare(QStringLiteral("INSERT INTO character (Name, Gender, Hair, Eye, Height, Weight, "
                                  "Age, Country, Language, Occupation) VALUES (?, 'Female', "
                                  "'Auburn', 'Amber', '61', '120', '34', 'Japan', 'Japanese', "
                                  "'Chef')"));
    for (int i = 0; i < characters; ++i) {
        insert.addBindValue(QStringLiteral("Character %1").arg(i));
        insert.exec();
    }
    Database::connection().commit();
    const long memoryBefore = peakMemoryKib();
    QElapsedTimer timer;
    timer.start();
    CharacterWindow window;
    window.load();
    window.show();
    window.activate();
    QCoreApplication::processEvents();
    const double openMs = double(timer.nsecsElapsed()) / 1e6;
    const long memoryGrowth = peakMemoryKib() - memoryBefore;
    const auto press = [&](const QString& name) {
        for (QToolButton* button : window.findChildren<QToolButton*>()) {
            if (button->accessibleName() == name)
                button->click();
        }
    };
    timer.restart();
    press(QStringLiteral("Last record"));
    QCoreApplication::processEvents();
    press(QStringLiteral("First record"));
    QCoreApplication::processEvents();
    const double moveMs = double(timer.nsecsElapsed()) / 1e6;
    out << openMs << ' ' << moveMs << ' ' << memoryGrowth << '\n';
    return 0;
}

void benchCharacterWindow()
{
    out << "Character window, opened over n characters (median of 5 runs):\n";
    for (const int characters : {10, 100000}) {
        const ChildRuns runs =
            runChildren({QStringLiteral("--character-window"), QString::number(characters)}, 5);
        out << QStringLiteral("  %1 characters: open %2 ms, to the last and back %3 ms, peak "
                              "memory +%4 MiB\n")
                   .arg(characters, 6)
                   .arg(medianFigure(runs, 0), 0, 'f', 1)
                   .arg(medianFigure(runs, 1), 0, 'f', 1)
                   .arg(medianFigure(runs, 2, 1024), 0, 'f', 1);
        out.flush();
    }
}

// The Practice Log opened over a log of the given size, until it is shown with its list filled:
// the median of several openings in milliseconds, and the first, which loads the chart plugin.
std::pair<double, double> openPracticeLog(int records)
{
    ScriptedDesktop desktop;
    TestDatabase db;
    setFixedDateTime(QDateTime(QDate(2026, 12, 6), QTime(9, 30)));
    Database::connection().transaction();
    QSqlQuery insert(Database::connection());
    insert.prepare(QStringLiteral("INSERT INTO practice (kind, started, seconds, prompts, "
                                  "responses, words, characters, seed) VALUES ('Writing Sprint', "
                                  "?, 600, 'a gull\na pier', ?, 180, 900, 7)"));
    const QDateTime last(QDate(2026, 12, 6), QTime(8, 0));
    for (int i = 0; i < records; ++i) {
        insert.addBindValue(last.addSecs(-i * 5400).toString(Qt::ISODate));
        insert.addBindValue(QStringLiteral("Response %1\nThe gull cried over the pier.").arg(i));
        insert.exec();
    }
    Database::connection().commit();
    std::vector<double> samples;
    for (int round = 0; round < 9; ++round) {
        QElapsedTimer timer;
        timer.start();
        PracticeLogWindow window;
        window.load();
        window.show();
        window.activate();
        QCoreApplication::processEvents();
        const auto* list = window.findChild<QTableView*>(QStringLiteral("grdPractice"));
        if (list->model()->rowCount() != std::min(records, 256))
            out << "  the list was not filled\n";
        samples.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    const double first = samples.front();
    std::nth_element(samples.begin() + 1, samples.begin() + 5, samples.end());
    setFixedDateTime({});
    return {samples[5], first};
}

void benchPracticeLog()
{
#ifdef QUILLANE_WORDSCHART_DIR
    WordsChartLoader::setFolders({QStringLiteral(QUILLANE_WORDSCHART_DIR)});
#endif
    out << "Practice Log, opened until shown with its list filled (median of 8 openings; the first "
           "opening of the run loads the chart plugin):\n";
    for (const int records : {0, 10000}) {
        const auto [median, first] = openPracticeLog(records);
        out << QStringLiteral("  %1 records: %2 ms (first opening %3 ms)\n")
                   .arg(records, 6)
                   .arg(median, 0, 'f', 1)
                   .arg(first, 0, 'f', 1);
        out.flush();
    }
}

// One character New (a row added, drawn and saved: two commits) under each journal mode and
// sync level considered for the database (no sync at all for comparison); the program opens it
// with the first.
void benchSaves()
{
    out << "Character New, median of 5 rounds of 20, by journal mode and sync level:\n";
    for (const char* choice : {"DELETE FULL", "DELETE NORMAL", "DELETE OFF", "TRUNCATE FULL",
                               "WAL FULL", "WAL NORMAL"}) {
        ScriptedDesktop desktop;
        TestDatabase db(TestDatabase::shippedTables());
        const QStringList levels = QString::fromLatin1(choice).split(u' ');
        db.execute(QStringLiteral("PRAGMA journal_mode = ") + levels[0]);
        db.execute(QStringLiteral("PRAGMA synchronous = ") + levels[1]);
        CharacterWindow window;
        window.load();
        window.show();
        window.activate();
        auto* add = window.findChild<QPushButton*>(QStringLiteral("cmdNew"));
        const double ms = medianMicroseconds(5, 20, [add] { add->click(); }) / 1000;
        out << QStringLiteral("  %1: %2 ms\n").arg(QLatin1String(choice), -14).arg(ms, 0, 'f', 2);
        out.flush();
    }
}

// The customization window over a large list: opening it in the grid, paging down through it,
// and importing a file of as many new words.
void benchCustomization()
{
    constexpr int Rows = 100000;
    CustomizationOnLists customization(
        {{QStringLiteral("bigList"), Rows}, {QStringLiteral("importList"), 1}});
    QTableView* grid = customization.grid();
    QElapsedTimer timer;
    timer.start();
    customization.choose(QStringLiteral("bigList"));
    const double openMs = double(timer.nsecsElapsed()) / 1e6;
    const double pageMs = medianMicroseconds(5, 40,
                                             [&] {
                                                 QTest::keyClick(grid, Qt::Key_PageDown);
                                                 QCoreApplication::processEvents();
                                             }) /
                          1000;

    QTemporaryDir folder;
    QFile file(folder.filePath(QStringLiteral("words.txt")));
    if (file.open(QIODevice::WriteOnly)) {
        for (int i = 0; i < Rows; ++i)
            file.write(QStringLiteral("imported%1\n").arg(i).toUtf8());
        file.close();
    }
    customization.choose(QStringLiteral("importList"));
    customization.desktop.openFileToChoose = file.fileName();
    timer.restart();
    customization.window.findChild<QPushButton*>(QStringLiteral("cmdImport"))->click();
    const double importMs = double(timer.nsecsElapsed()) / 1e6;
    out << QStringLiteral("Customization window, a list of %1 rows: opened in the grid in %2 ms, "
                          "%3 ms a page down; %1 lines imported in %4 ms (%5)\n")
               .arg(Rows)
               .arg(openMs, 0, 'f', 1)
               .arg(pageMs, 0, 'f', 2)
               .arg(importMs, 0, 'f', 0)
               .arg(customization.desktop.lastMessage());
    out.flush();
}

// The cast map's layout of a large cast beside a small one, with the same boxes and as many
// ties per character; the ties drawn from a fixed seed so that every run lays out the same map.
void benchCastMap()
{
    const auto cast = [](int characters, int ties) {
        std::pair<QList<CastLayout::Node>, QList<CastLayout::Edge>> map;
        for (int i = 0; i < characters; ++i)
            map.first.append({i, QStringLiteral("Character %1").arg(i), QSizeF(110, 30), {}});
        QRandomGenerator pick(7);
        for (int i = 0; i < ties; ++i)
            map.second.append({pick.bounded(characters), pick.bounded(characters), "knows"});
        return map;
    };
    out << "Cast map layout, median of 15 runs:\n";
    for (const auto& [characters, ties] : {std::pair(10, 20), std::pair(60, 200)}) {
        const auto [nodes, edges] = cast(characters, ties);
        const double ms =
            medianMicroseconds(15, 1, [&] { CastLayout::layout(nodes, edges); }) / 1000;
        out << QStringLiteral("  %1 characters, %2 ties: %3 ms\n")
                   .arg(characters, 2)
                   .arg(ties, 3)
                   .arg(ms, 0, 'f', 2);
        out.flush();
    }
}

} // namespace

// With no argument every section runs; naming sections (grid, results, ...) runs only those.
int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    if (argc == 3 && QByteArray(argv[1]) == "--character-window")
        return openCharacterWindow(QByteArray(argv[2]).toInt());
    if (runGridChild(argc, argv))
        return 0;
    if (argc >= 3 && QByteArray(argv[1]) == "--sentences") {
        const bool fieldsIgnored = argc == 4 && QByteArray(argv[3]) == "--fields-ignored";
        for (const ShippedSentence& sentence :
             shippedSentences(QByteArray(argv[2]).toInt(), fieldsIgnored))
            out << sentence.text.trimmed() << ".\n";
        out.flush();
        return 0;
    }
    const std::vector<std::pair<QString, std::function<void()>>> sections = {
        {QStringLiteral("grid"), benchGrid},
        {QStringLiteral("results"), benchResultLists},
        {QStringLiteral("draws"), benchRandomDraws},
        {QStringLiteral("generators"),
         [] {
             benchGenerators();
             measureWordFits();
         }},
        {QStringLiteral("readings"), measureSentenceReadings},
        {QStringLiteral("startup"), [] { benchStartUp(out); }},
        {QStringLiteral("character"), benchCharacterWindow},
        {QStringLiteral("customization"), benchCustomization},
        {QStringLiteral("saves"), benchSaves},
        {QStringLiteral("practice"), benchPracticeLog},
        {QStringLiteral("castmap"), benchCastMap},
    };
    const QStringList chosen = app.arguments().mid(1);
    for (const auto& [name, run] : sections) {
        if (chosen.isEmpty() || chosen.contains(name))
            run();
    }
    return 0;
}
