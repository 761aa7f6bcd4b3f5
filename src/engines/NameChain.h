#pragma once

#include <QSet>
#include <QString>
#include <QStringList>

#include <unordered_map>
#include <vector>

class Random;

// Invents names that sound like a list of real ones: a chain of letters learns which letter
// follows each run of three (names start and end with marks of their own), then walks the chain.
// A walk that gives a name of the list, or one too short or too long, is walked again.
class NameChain
{
public:
    explicit NameChain(const QStringList& names);

    // Whether there was any name to learn from.
    bool isEmpty() const { return m_names.isEmpty(); }
    // A name none of the list's, first letters upper-cased (also after a blank, hyphen or
    // apostrophe); empty when the list is empty or every walk of many gave a listed name.
    QString invent(Random& random) const;

    static constexpr int Order = 3;
    static constexpr int MinLength = 3;
    static constexpr int MaxLength = 16;

private:
    // The letters that followed a run, each as often as it did.
    struct Followers
    {
        std::vector<char16_t> letters;
        std::vector<quint32> reach; // running counts, for a draw by count
    };
    static quint64 runKey(const char16_t* run);

    std::unordered_map<quint64, Followers> m_followers;
    QSet<QString> m_names; // as learnt: lower-case
};
