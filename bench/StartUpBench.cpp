#include "StartUpBench.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QScopeGuard>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <functional>
#include <vector>

namespace {

constexpr int Rounds = 21;

struct Start
{
    double ms = 0;
    double peakMib = 0;
};

// One start of the program, quitting once its window is shown; a start that fails counts as
// nothing (zero).
Start startOnce(const QString& program)
{
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QUILLANE_QUIT_WHEN_SHOWN"), QStringLiteral("1"));
    child.setProcessEnvironment(environment);
    QElapsedTimer timer;
    timer.start();
    child.start(program, {});
    if (!child.waitForFinished(60000) || child.exitCode() != 0)
        return {};
    const double ms = double(timer.nsecsElapsed()) / 1e6;
    for (const QByteArray& line : child.readAllStandardOutput().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return {ms, line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024};
    }
    return {};
}

double median(std::vector<double> samples)
{
    std::nth_element(samples.begin(), samples.begin() + samples.size() / 2, samples.end());
    return samples[samples.size() / 2];
}

// Changes a copy of the shipped database through a connection of its own.
bool grow(const QString& path, const QStringList& statements, const QString& insert, int rows)
{
    const QString name = QStringLiteral("startup-bench");
    const auto remove = qScopeGuard([&] { QSqlDatabase::removeDatabase(name); });
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
    db.setDatabaseName(path);
    if (!db.open() || !db.transaction())
        return false;
    QSqlQuery query(db);
    for (const QString& statement : statements) {
        if (!query.exec(statement))
            return false;
    }
    if (!query.prepare(insert))
        return false;
    for (int row = 0; row < rows; ++row) {
        query.addBindValue(row);
        if (!query.exec())
            return false;
    }
    const bool done = db.commit();
    query.finish();
    db.close();
    return done;
}

struct Copy
{
    QString label;
    QString program; // a copy of the program, beside its database
    std::vector<Start> starts;
    std::vector<Start> bare; // the bare window's, each started just before one of these
};

// A folder with a copy of the program and of the shipped database, which the program opens as
// the one beside it.
bool prepare(const QString& folder, const std::function<bool(const QString&)>& change)
{
    const QString program = QDir(folder).filePath(QStringLiteral("quillane"));
    const QString database = QDir(folder).filePath(QStringLiteral("quillane97.mdb"));
    return QDir().mkpath(folder) && QFile::copy(QStringLiteral(QUILLANE_PROGRAM), program) &&
           QFile::copy(QStringLiteral(QUILLANE_SHIPPED_DATABASE), database) &&
           QFile::setPermissions(database, QFileDevice::ReadOwner | QFileDevice::WriteOwner) &&
           change(database);
}

} // namespace

void benchStartUp(QTextStream& out)
{
    QTemporaryDir folder;
    const QString characterRow =
        QStringLiteral("INSERT INTO character (Name, Gender, Hair, Eye, Height, Weight, Age, "
                       "Country, Language, Occupation) VALUES ('Character ' || ?, 'Female', "
                       "'Auburn', 'Amber', '61', '120', '34', 'Japan', 'Japanese', 'Chef')");
    const std::vector<std::pair<QString, std::function<bool(const QString&)>>> databases = {
        {QStringLiteral("shipped database"), [](const QString&) { return true; }},
        {QStringLiteral("1,000,000 nouns"),
         [](const QString& path) {
             return grow(path, {QStringLiteral("DELETE FROM noun")},
                         QStringLiteral("INSERT INTO noun (noun) VALUES ('noun' || ?)"), 1000000);
         }},
        {QStringLiteral("100,000 characters"),
         [&](const QString& path) { return grow(path, {}, characterRow, 100000); }},
    };
    std::vector<Copy> copies;
    for (const auto& [label, change] : databases) {
        const QString place = folder.filePath(QString::number(copies.size()));
        if (!prepare(place, change)) {
            out << "Start-up: could not prepare the " << label << '\n';
            return;
        }
        // The first start of a day makes the day's backup; the starts measured are the later.
        const QString program = QDir(place).filePath(QStringLiteral("quillane"));
        if (startOnce(program).ms == 0) {
            out << "Start-up: the program did not start over the " << label << '\n';
            return;
        }
        copies.push_back({label, program, {}, {}});
    }

    // The programs start in turn, each copy just after the bare window, so that the load of the
    // machine weighs alike on a pair.
    for (int round = 0; round < Rounds; ++round) {
        for (Copy& copy : copies) {
            copy.bare.push_back(startOnce(QStringLiteral(BARE_WINDOW_PROGRAM)));
            copy.starts.push_back(startOnce(copy.program));
        }
    }

    out << QStringLiteral("Start-up to the main window shown, medians of %1 starts, each after a "
                          "bare Qt window's (its menus, a 13-button toolbar, an MDI frame):\n")
               .arg(Rounds);
    const auto column = [](const std::vector<Start>& starts, double Start::*figure) {
        std::vector<double> values;
        for (const Start& start : starts)
            values.push_back(start.*figure);
        return values;
    };
    const auto ratios = [&](const std::vector<Start>& over, const std::vector<Start>& under,
                            double Start::*figure) {
        std::vector<double> values;
        for (size_t i = 0; i < over.size(); ++i)
            values.push_back(under[i].*figure > 0 ? over[i].*figure / (under[i].*figure) : 0);
        return median(values);
    };
    for (const Copy& copy : copies) {
        const qint64 bytes =
            QFileInfo(QFileInfo(copy.program).dir().filePath(QStringLiteral("quillane97.mdb")))
                .size();
        out << QStringLiteral("  %1 (%2 MiB): Quillane %3 ms, %4 MiB; bare window %5 ms, %6 MiB; "
                              "%7x the time, %8x the memory")
                   .arg(copy.label, -18)
                   .arg(double(bytes) / (1 << 20), 4, 'f', 1)
                   .arg(median(column(copy.starts, &Start::ms)), 5, 'f', 1)
                   .arg(median(column(copy.starts, &Start::peakMib)), 0, 'f', 1)
                   .arg(median(column(copy.bare, &Start::ms)), 5, 'f', 1)
                   .arg(median(column(copy.bare, &Start::peakMib)), 0, 'f', 1)
                   .arg(ratios(copy.starts, copy.bare, &Start::ms), 0, 'f', 2)
                   .arg(ratios(copy.starts, copy.bare, &Start::peakMib), 0, 'f', 2);
        if (&copy != &copies.front())
            out << QStringLiteral("; %1x the time over the shipped database")
                       .arg(ratios(copy.starts, copies.front().starts, &Start::ms), 0, 'f', 2);
        out << '\n';
        out.flush();
    }
}
