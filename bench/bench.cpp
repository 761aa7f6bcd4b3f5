// Prints the figures the program is measured by: the cost of one random draw from list tables
// of growing size, and the time from starting the program to its main window on screen.
#include "data/Database.h"
#include "data/RandomRecord.h"
#include "generators/NamePattern.h"
#include "generators/SentencePattern.h"
#include "shared/Random.h"
#include "support/ScriptedDesktop.h"
#include "support/TestDatabase.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QSqlQuery>
#include <QTextStream>

#include <algorithm>
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

void fillTable(TestDatabase& db, const QString& table, int rows)
{
    db.execute(
        QStringLiteral("CREATE TABLE \"%1\" (ID INTEGER PRIMARY KEY, word TEXT)").arg(table));
    QSqlQuery insert(Database::connection());
    Database::connection().transaction();
    insert.prepare(QStringLiteral("INSERT INTO \"%1\" (word) VALUES (?)").arg(table));
    for (int i = 0; i < rows; ++i) {
        insert.addBindValue(QStringLiteral("word%1").arg(i));
        insert.exec();
    }
    Database::connection().commit();
}

void benchRandomDraws()
{
    ScriptedDesktop desktop;
    TestDatabase db;
    Random::instance().seed(1);
    out << "getRandomRecord, median of 31 rounds of 2000 draws:\n";
    for (const int rows : {100, 10000, 1000000}) {
        const QString table = QStringLiteral("bench%1").arg(rows);
        fillTable(db, table, rows);
        QElapsedTimer first;
        first.start();
        RandomRecord::draw(table, nullptr);
        const double firstMs = double(first.nsecsElapsed()) / 1e6;
        const double draw =
            medianMicroseconds(31, 2000, [&] { RandomRecord::draw(table, nullptr); });
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
    Random::instance().seed(2);
    getRandomRecord("noun"); // the first draw of a table reads it
    const auto sentences = perSecond(
        200000, [] { SentencePattern::expand(QStringLiteral("tjnvrxqpy"), getRandomRecord); });
    const auto patternNames = perSecond(200000, [] { NamePattern::expand("cvccvcv"); });
    const auto realNames = perSecond(200000, [] {
        const QString first =
            getRandomRecord(randomInRange(1, 100) > 50 ? "maleName" : "femaleName");
        return first + u' ' + getRandomRecord("surnames");
    });
    out << QStringLiteral("Shipped database: %1 sentences/s from a nine-code pattern, %2 pattern "
                          "names/s, %3 real names/s\n")
               .arg(sentences, 0, 'f', 0)
               .arg(patternNames, 0, 'f', 0)
               .arg(realNames, 0, 'f', 0);
    out.flush();
}

void benchStartUp()
{
    std::vector<double> samples;
    for (int run = 0; run < 7; ++run) {
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QUILLANE_QUIT_WHEN_SHOWN"), QStringLiteral("1"));
        program.setProcessEnvironment(environment);
        QElapsedTimer timer;
        timer.start();
        program.start(QStringLiteral(QUILLANE_PROGRAM), {});
        program.waitForFinished(30000);
        samples.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(samples.begin(), samples.end());
    out << QStringLiteral("Start-up, process start to main window shown: %1 ms (median of 7)\n")
               .arg(samples[samples.size() / 2], 0, 'f', 1);
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    benchRandomDraws();
    benchGenerators();
    benchStartUp();
    return 0;
}
