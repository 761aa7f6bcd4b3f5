#include "engines/NameChain.h"

#include "engines/Random.h"

#include <algorithm>
#include <array>

namespace {

constexpr char16_t Start = 0x02;
constexpr char16_t End = 0x03;
// Walks tried for one name before giving up: a list so small that every walk repeats a name.
constexpr int Walks = 200;

using Run = std::array<char16_t, NameChain::Order>;

Run startRun()
{
    Run run;
    run.fill(Start);
    return run;
}

void shift(Run& run, char16_t letter)
{
    std::rotate(run.begin(), run.begin() + 1, run.end());
    run.back() = letter;
}

QString capitalized(QString name)
{
    for (qsizetype i = 0; i < name.size(); ++i) {
        const bool wordStart =
            i == 0 || name.at(i - 1) == u' ' || name.at(i - 1) == u'-' || name.at(i - 1) == u'\'';
        if (wordStart)
            name[i] = name.at(i).toUpper();
    }
    return name;
}

} // namespace

quint64 NameChain::runKey(const char16_t* run)
{
    quint64 key = 0;
    for (int i = 0; i < Order; ++i)
        key = key << 16 | run[i];
    return key;
}

NameChain::NameChain(const QStringList& names)
{
    std::unordered_map<quint64, std::unordered_map<char16_t, quint32>> counts;
    for (const QString& listed : names) {
        const QString name = listed.trimmed().toLower();
        if (name.isEmpty() || m_names.contains(name))
            continue;
        m_names.insert(name);
        Run run = startRun();
        for (const QChar letter : name + QChar(End)) {
            ++counts[runKey(run.data())][letter.unicode()];
            shift(run, letter.unicode());
        }
    }
    for (auto& [key, letters] : counts) {
        Followers& followers = m_followers[key];
        std::vector<std::pair<char16_t, quint32>> sorted(letters.cbegin(), letters.cend());
        std::sort(sorted.begin(), sorted.end()); // the same order in every run, for the seeds
        quint32 reach = 0;
        for (const auto& [letter, count] : sorted) {
            followers.letters.push_back(letter);
            followers.reach.push_back(reach += count);
        }
    }
}

QString NameChain::invent(Random& random) const
{
    if (m_names.isEmpty())
        return {};
    QString name;
    name.reserve(MaxLength + 1);
    for (int walk = 0; walk < Walks; ++walk) {
        name.clear();
        Run run = startRun();
        for (;;) {
            const Followers& followers = m_followers.at(runKey(run.data()));
            const quint32 drawn = quint32(random.below(followers.reach.back()));
            const auto at =
                std::upper_bound(followers.reach.cbegin(), followers.reach.cend(), drawn);
            const char16_t letter = followers.letters[size_t(at - followers.reach.cbegin())];
            if (letter == End || name.size() > MaxLength)
                break;
            name.append(QChar(letter));
            shift(run, letter);
        }
        if (name.size() >= MinLength && name.size() <= MaxLength && !m_names.contains(name))
            return capitalized(name);
    }
    return {};
}
