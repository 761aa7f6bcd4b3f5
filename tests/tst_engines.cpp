#include "engines/CharacterDraws.h"
#include "engines/DiceNotation.h"
#include "engines/NameChain.h"
#include "engines/NumberKinds.h"
#include "engines/PracticeStreak.h"
#include "engines/Random.h"
#include "engines/SentencePattern.h"
#include "engines/WordCount.h"

#include <QDate>
#include <QDateTime>
#include <QRegularExpression>
#include <QTest>

#include <algorithm>
#include <climits>
#include <cmath>
#include <functional>
#include <numeric>

using CharacterDraws::Attribute;

// The engines on their own, each test drawing with a generator seeded afresh. A data row is a
// list of texts, tagged by its first three.
class TestEngines : public QObject
{
    Q_OBJECT

    Random m_random;
    const QStringList Kinds = {"Age", "Date", "Distance", "Dice", "Percent"};
    static void addRows(std::initializer_list<QStringList> rows)
    {
        QTest::addColumn<QStringList>("row");
        for (const QStringList& row : rows)
            QTest::newRow(qPrintable(row.mid(0, 3).join(u' '))) << row;
    }
    // The chances of every total of n dice of the given sides, each die's value given by
    // faceValue from its face, summed over all n-tuples of faces by brute force.
    static QMap<qint64, double> enumerated(int dice, int sides,
                                           const std::function<qint64(QList<int>)>& total)
    {
        QMap<qint64, double> chances;
        QList<int> faces(dice, 1);
        const double each = std::pow(sides, -dice);
        for (;;) {
            chances[total(faces)] += each;
            int d = 0;
            while (d < dice && faces[d] == sides)
                faces[d++] = 1;
            if (d == dice)
                return chances;
            ++faces[d];
        }
    }
    // How far counts stray from the chances: chi-square over its critical value at 0.1%
    // (Wilson and Hilferty), totals expected fewer than 5 times lumped with their neighbours.
    static double unevenness(const QMap<qint64, int>& counts, const QMap<qint64, double>& chances,
                             int draws)
    {
        double chiSquare = 0, expected = 0, observed = 0;
        int bins = 0;
        for (auto chance = chances.cbegin(); chance != chances.cend(); ++chance) {
            expected += chance.value() * draws;
            observed += counts.value(chance.key());
            if (expected >= 5 || std::next(chance) == chances.cend()) {
                chiSquare += std::pow(observed - expected, 2) / expected;
                expected = observed = 0;
                ++bins;
            }
        }
        const double k = bins - 1, z = 3.09;
        return chiSquare / (k * std::pow(1 - 2 / (9 * k) + z * std::sqrt(2 / (9 * k)), 3));
    }
    static QSet<QString> wholeNumbers(int low, int high)
    {
        QSet<QString> numbers;
        while (low <= high)
            numbers << QString::number(low++);
        return numbers;
    }

private slots:
    void init() { m_random.seed(1234); }

    void sentencePatterns_data()
    {
        const QString invalid = SentencePattern::InvalidLine;
        // clang-format off
        addRows({ // pattern, every word drawn in order (* stands for its table's name), sentence
            {"n", "owl", "Owl "}, {"tjnv", "THE Silver OWL Sang", "The silver owl sang "},
            {"nvtpxryqj", "* * * * * * * * *", "Noun verb article pronouns preposition adverb "
                                               "directobjectpronoun possessivepronoun adjective "},
            {"tntntn", "a Owl A hour a heir", "An owl an hour an heir "},
            {"tntn", "An Scourge an unicorn", "A scourge a unicorn "},
            {"tntntn", "an one-off an European an ewe", "A one-off a european a ewe "},
            {"tntntn", "a unintentional a urn a oncoming", "An unintentional an urn an oncoming "},
            {"tnpt", "The owl we AN", "The owl we an "}, {"pvtnp", "i'm i a Honest I", "I'm I an honest I "},
            {"jnvr", "ÉPIQUE Œuvre ÇA ÅSE", "Épique œuvre ça åse "}, {"N", "", invalid},
            {"tnV", "the owl", invalid}, {"tn v", "the owl", invalid}, {"tnz", "the owl", invalid},
            {"tnv.", "the owl sang", invalid}, {"tnv,", "the owl sang", invalid}});
        // clang-format on
    }
    void sentencePatterns()
    {
        QFETCH(QStringList, row);
        const QStringList words = row.at(1).split(' ', Qt::SkipEmptyParts);
        qsizetype drawn = 0;
        const auto expansion =
            SentencePattern::expand(row.at(0), [&](const SentencePattern::WordRequest& request) {
                return std::optional(words.value(drawn++).replace(u'*', request.table));
            });
        QCOMPARE(expansion.sentence, row.at(2));
        QCOMPARE(expansion.valid, row.at(2) != SentencePattern::InvalidLine);
        QCOMPARE(drawn, words.size()); // the words before a bad character are drawn too
    }

    void wordsAreDrawnToFitTheirPlace_data()
    {
        // clang-format off
        addRows({ // pattern, the words of tables (table=word:field), sentence, what the verbs'
                  // and nouns' places asked for in turn
            {"tnvtn", "verb=ran:none verb=hit:object", "Article noun hit article noun ", "object"},
            {"pvy", "verb=ran:none verb=hit:object", "Pronouns hit directobjectpronoun ", "object"},
            {"pvqjn", "verb=ran:none verb=hit:object verb=sang:both",
             "Pronouns hit possessivepronoun adjective noun ", "object"},
            {"tnv", "verb=hit:object verb=ran:none", "Article noun ran ", "none"},
            {"tnvxtn", "verb=hit:object verb=ran:none",
             "Article noun ran preposition article noun ", "none"},
            {"pvr", "verb=hit:object verb=ran:none", "Pronouns ran adverb ", "none"},
            {"pvpv", "verb=hit:object verb=ran:none", "Pronouns hit pronouns ran ", "any none"},
            {"tnv", "verb=hit:object verb=sang:both", "Article noun sang ", "none"},
            {"tnvtn", "verb=ran:none", "Article noun ran article noun ", "object any"},
            {"pvr", "verb=hit:object", "Pronouns hit adverb ", "none any"},
            // A noun after "a" or "an", adjectives between or not, is one that can be counted.
            {"tjjn", "article=a: noun=rice:mass noun=egg:count", "An adjective adjective egg ",
             "count"},
            {"tn", "article=an: noun=rice:mass noun=cake:both", "A cake ", "count"},
            {"tnvtn", "article=a: noun=rice:mass noun=dog:count verb=hit:object",
             "A dog hit a dog ", "count object count"},
            {"tn", "article=a: noun=rice:mass", "A rice ", "count any"},
            // After "the", a possessive or a verb, any noun fits.
            {"tn", "article=the: noun=rice:mass noun=dog:count", "The rice ", "any"},
            {"qjn", "noun=rice:mass noun=dog:count", "Possessivepronoun adjective rice ", "any"},
            {"tvn", "article=a: noun=rice:mass noun=dog:count verb=hit:object", "A hit rice ",
             "object any"}});
        // clang-format on
    }
    // A verb is asked for in the frame of its place and a noun after "a" or "an" as one that
    // can be counted; when no word fits, any word is. The word source here draws the first word
    // of its table whose field is the one asked for, or both.
    void wordsAreDrawnToFitTheirPlace()
    {
        QFETCH(QStringList, row);
        QMultiMap<QString, QString> lists; // table: word:field, in the row's order
        for (const QString& entry : row.at(1).split(u' '))
            lists.insert(entry.section(u'=', 0, 0), entry.section(u'=', 1));
        const QStringList frameNames = {"any", "object", "none"};
        QStringList asked;
        const auto expansion =
            SentencePattern::expand(row.at(0), [&](const SentencePattern::WordRequest& request) {
                if (!lists.contains(request.table))
                    return std::optional(request.table);
                const QString wanted = request.countable ? "count"
                                       : request.table == u"noun"
                                           ? "any"
                                           : frameNames.at(int(request.frame));
                if (request.table != u"article")
                    asked << wanted;
                QStringList words = lists.values(request.table);
                std::reverse(words.begin(), words.end()); // QMultiMap keeps the last first
                for (const QString& word : words) {
                    const QString field = word.section(u':', 1);
                    if (wanted == u"any" || field == u"both" || field == wanted)
                        return std::optional(word.section(u':', 0, 0));
                }
                return std::optional<QString>();
            });
        QCOMPARE(expansion.sentence, row.at(2));
        QCOMPARE(asked.join(u' '), row.at(3));
    }

    void wordsAreCountedAsAWordProcessorDoes_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("words");
        QTest::addColumn<int>("characters");
        QTest::newRow("empty") << "" << 0 << 0;
        QTest::newRow("spaces and lines") << "  one\ttwo\n\nthree  " << 3 << 11;
        QTest::newRow("hyphens, numbers, apostrophes")
            << "A well-known 3.14 isn't 1,000" << 5 << 25;
        QTest::newRow("dashes alone") << "yes \u2014 no - maybe" << 3 << 12;
        QTest::newRow("no-break space") << "one\u00a0two" << 2 << 6;
        QTest::newRow("without spaces") << "\u65e5\u672c\u8a9e\u306e\u6587" << 1 << 5;
        QTest::newRow("beyond the basic plane") << "\U0001D49C\U0001D49C b" << 2 << 3;
    }
    // Words are runs between white space holding a letter or digit; characters are counted once
    // each, whatever their encoding, white space not at all.
    void wordsAreCountedAsAWordProcessorDoes()
    {
        QFETCH(QString, text);
        QFETCH(int, words);
        QFETCH(int, characters);
        const WordCount::Count count = WordCount::of(text);
        QCOMPARE(count.words, words);
        QCOMPARE(count.characters, characters);
    }

    void streaksEndTodayOrYesterday_data()
    {
        QTest::addColumn<QString>("started"); // the records' starts, local ISO time
        QTest::addColumn<QString>("now");
        QTest::addColumn<int>("days");
        const QString week = "2026-12-01T08:00 2026-12-02T08:00 2026-12-04T08:00 "
                             "2026-12-05T21:00 2026-12-05T07:00 2026-12-06T09:00";
        QTest::newRow("a week with a gap") << week << "2026-12-06T22:00" << 3;
        QTest::newRow("today empty") << week.section(' ', 0, -2) << "2026-12-06T09:30" << 2;
        QTest::newRow("nothing today or yesterday") << week << "2026-12-08T00:00" << 0;
        QTest::newRow("none at all") << ""
                                     << "2026-12-06T09:30" << 0;
        QTest::newRow("just before midnight") << "2026-12-04T12:00 2026-12-05T23:59:59"
                                              << "2026-12-06T00:00:01" << 2;
        QTest::newRow("just after midnight") << "2026-12-06T00:00:01"
                                             << "2026-12-06T00:00:02" << 1;
    }
    // Consecutive days with practice, ending today or, while today has none, yesterday.
    void streaksEndTodayOrYesterday()
    {
        QFETCH(QString, started);
        QFETCH(QString, now);
        QFETCH(int, days);
        QList<QDate> practised;
        for (const QString& moment : started.split(' ', Qt::SkipEmptyParts))
            practised.append(QDateTime::fromString(moment, Qt::ISODate).date());
        QCOMPARE(PracticeStreak::days(practised, QDateTime::fromString(now, Qt::ISODate).date()),
                 days);
        // The week starts on the locale's first day: 6 December 2026 is a Sunday.
        const QDate sunday(2026, 12, 6);
        QCOMPARE(PracticeStreak::weekStart(sunday, Qt::Sunday), sunday);
        QCOMPARE(PracticeStreak::weekStart(sunday, Qt::Monday), QDate(2026, 11, 30));
        QCOMPARE(PracticeStreak::weekStart(sunday.addDays(-1), Qt::Sunday), QDate(2026, 11, 29));
    }

    void numbersKeepToTheirBounds_data()
    {
        // clang-format off
        addRows({ // kind, bounds, the form of a value and the lowest and highest number it
                  // captures, all drawn; no form: no value
            {"Age", "30", "32", "^(\\d+) time$", "30", "32"},
            {"Age", "-3", "2.5 years", "^(\\d+) time$", "1", "2"},
            {"Distance", "999.9", "1000", "^(\\d+) UnitOfMeasure$", "999", "1000"},
            {"Percent", "0", "3", "^(\\d+)%$", "1", "3"}, {"Percent", "-5", "0", "^(\\d+)%$", "1", "100"},
            {"Dice", "6", "2", "^([1-6]) [1-6] $", "1", "6"}, {"Dice", "1", "3", "^(1) 1 1 $", "1", "1"},
            {"Dice", "4", "0", "^()$", "0", "0"}, {"Dice", "1", "1", "^(1) $", "1", "1"},
            {"Age", "20", "20"}, {"Age", "120", "18"}, {"Distance", "-10", "0"}, {"Percent", "0.2", "0.5"},
            {"Age", "1", "99999999999"}, {"Dice", "0", "2"}, {"Dice", "d6", "2"}, {"Dice", "6", "1e9"}});
        // clang-format on
    }
    void numbersKeepToTheirBounds()
    {
        QFETCH(QStringList, row);
        const auto kind = NumberKinds::Kind(Kinds.indexOf(row.at(0)));
        QSet<QString> seen;
        for (int draw = 0; draw < 2000; ++draw) {
            const auto value =
                NumberKinds::generate(kind, row.at(1), row.at(2), std::identity(), m_random);
            QCOMPARE(value.has_value(), row.size() > 3);
            if (!value)
                return;
            const auto match = QRegularExpression(row.at(3)).match(*value);
            QVERIFY2(match.hasMatch(), qPrintable(*value));
            seen << QString::number(match.captured(1).toInt());
        }
        QCOMPARE(seen, wholeNumbers(row.at(4).toInt(), row.at(5).toInt()));
    }

    // Every date exists in its year of the 1900s; the last days of the months all come up,
    // February 29 in leap years only.
    void datesExist()
    {
        QSet<QString> lastDays;
        const QRegularExpression form("^([1-9]\\d?)/([1-9]\\d?)/([1-9]\\d?)$");
        for (int draw = 0; draw < 20000; ++draw) {
            const QString date = *NumberKinds::generate(NumberKinds::Date, {}, {}, {}, m_random);
            const auto parts = form.match(date);
            const QDate drawn(1900 + parts.captured(3).toInt(), parts.captured(1).toInt(),
                              parts.captured(2).toInt());
            QVERIFY2(parts.hasMatch() && drawn.isValid(), qPrintable(date));
            if (drawn.day() == drawn.daysInMonth())
                lastDays.insert(QStringLiteral("%1/%2").arg(drawn.month()).arg(drawn.day()));
        }
        QCOMPARE(lastDays.size(), 13);
    }

    // Notation as written, read or refused with what is wrong, and each line's form.
    void diceNotation_data()
    {
        const QString examples = ".  Dice are written as 3d6, d20, 4d6kh3, 2d20kl1, 3d6!, d% or "
                                 "a sum such as 2d6+1d4-1.";
        // clang-format off
        addRows({ // notation, the line's form and the lowest and highest total; or the message
            {"3d6+2", "^3d6\\+2 = (\\d+) \\([1-6], [1-6], [1-6]\\)$", "5", "20"},
            {" D20 ", "^D20 = (\\d+) \\(\\d+\\)$", "1", "20"},
            {"4d6kh3", "^4d6kh3 = (\\d+) \\([1-6], [1-6], [1-6], dropped [1-6]\\)$", "3", "18"},
            {"2d20KL1", "^2d20KL1 = (\\d+) \\(\\d+, dropped \\d+\\)$", "1", "20"},
            {"1d2!", "^1d2! = (\\d+) \\((?:2\\+)*1\\)$", "1", "203"},
            {"d%", "^d% = (\\d+) \\(\\d+\\)$", "1", "100"},
            {"2d6 + 1d4 - 1", "^2d6\\+1d4-1 = (-?\\d+) \\([1-6], [1-6]; [1-4]\\)$", "2", "15"},
            {"-d4+10", "^-d4\\+10 = (\\d+) \\([1-4]\\)$", "6", "9"},
            {"d1", "^d1 = (1) \\(1\\)$", "1", "1"}, {"7", "^7 = (7)$", "7", "7"},
            {"1000d1000", "^1000d1000 = (\\d+) \\(.*\\)$", "1000", "1000000"},
            {"", "Write the dice to throw" + examples},
            {"3x6", "3x6 is not dice notation: “x6” is not understood" + examples},
            {"3d6+", "3d6+ is not dice notation: a sign is followed by a term" + examples},
            {"3d", "3d is not dice notation: a “d” is followed by the number of sides or %" + examples},
            {"3d0", "3d0 is not dice notation: a die has 1 to 1000 sides" + examples},
            {"d1001", "d1001 is not dice notation: a die has 1 to 1000 sides" + examples},
            {"0d6", "0d6 is not dice notation: a term throws at least one die" + examples},
            {"1001d6", "1001d6 is not dice notation: at most 1000 dice are thrown at once" + examples},
            {"600d6+400d4+d2", "600d6+400d4+d2 is not dice notation: at most 1000 dice are thrown at once" + examples},
            {"4d6kh5", "4d6kh5 is not dice notation: it keeps more dice than it throws" + examples},
            {"4d6k", "4d6k is not dice notation: “k”, “kh” or “kl” is followed by how many dice to keep" + examples},
            {"4d6kh0", "4d6kh0 is not dice notation: “k”, “kh” or “kl” is followed by how many dice to keep" + examples},
            {"d1!", "d1! is not dice notation: a die of one side cannot explode" + examples},
            {"3d6!!", "3d6!! is not dice notation: “!” is not understood" + examples},
            {"1000001", "1000001 is not dice notation: a number is at most 1000000" + examples},
            {"99999999999999999999d6", "99999999999999999999d6 is not dice notation: at most 1000 dice are thrown at once" + examples},
            {"1+1+1+1+1+1+1+1+1+1+1+1+1+1+1+1+1+1+1+1+1", "1+1+1+1+1+1+1+1+1+1+1+1+1+1+1+1+1+1+1+1+1 is not dice notation: at most 20 terms are added" + examples}});
        // clang-format on
    }
    void diceNotation()
    {
        QFETCH(QStringList, row);
        const auto parsed = DiceNotation::parse(row.at(0));
        if (row.size() == 2) {
            QCOMPARE(std::get<QString>(parsed), row.at(1));
            return;
        }
        QSet<qint64> totals;
        for (int draw = 0; draw < 2000; ++draw) {
            const DiceNotation::Throw thrown =
                DiceNotation::roll(std::get<DiceNotation::Expression>(parsed), m_random);
            const auto match = QRegularExpression(row.at(1)).match(thrown.line);
            QVERIFY2(match.hasMatch() && match.captured(1).toLongLong() == thrown.total,
                     qPrintable(thrown.line));
            totals << thrown.total;
        }
        QVERIFY(*std::min_element(totals.cbegin(), totals.cend()) >= row.at(2).toLongLong());
        QVERIFY(*std::max_element(totals.cbegin(), totals.cend()) <= row.at(3).toLongLong());
    }

    // Totals come up as often as counting every way the dice can fall says.
    void diceTotalsFollowTheirChances_data()
    {
        QTest::addColumn<QString>("notation");
        QTest::addColumn<int>("dice");
        QTest::addColumn<int>("sides");
        QTest::addColumn<std::function<qint64(QList<int>)>>("total");
        const auto sum = [](QList<int> faces) {
            return std::accumulate(faces.cbegin(), faces.cend(), qint64(0));
        };
        QTest::newRow("3d6+2") << "3d6+2" << 3 << 6
                               << std::function<qint64(QList<int>)>(
                                      [=](QList<int> f) { return sum(f) + 2; });
        QTest::newRow("4d6kh3") << "4d6kh3" << 4 << 6
                                << std::function<qint64(QList<int>)>([=](QList<int> f) {
                                       std::sort(f.begin(), f.end());
                                       return sum(f) - f.first();
                                   });
        QTest::newRow("2d20kl1") << "2d20kl1" << 2 << 20
                                 << std::function<qint64(QList<int>)>(
                                        [](QList<int> f) { return std::min(f[0], f[1]); });
        QTest::newRow("d%") << "d%" << 1 << 100 << std::function<qint64(QList<int>)>(sum);
        // An exploding d6 as four faces thrown in turn, each counted while the ones before it
        // showed 6 (a fifth throw and beyond is lumped into the last total).
        QTest::newRow("d6!") << "d6!" << 4 << 6
                             << std::function<qint64(QList<int>)>([](QList<int> f) {
                                    qint64 total = 0;
                                    for (const int face : f) {
                                        total += face;
                                        if (face != 6)
                                            break;
                                    }
                                    return std::min<qint64>(total, 24);
                                });
    }
    void diceTotalsFollowTheirChances()
    {
        QFETCH(QString, notation);
        QFETCH(int, dice);
        QFETCH(int, sides);
        QFETCH(std::function<qint64(QList<int>)>, total);
        const auto expression = std::get<DiceNotation::Expression>(DiceNotation::parse(notation));
        const int draws = 60000;
        QMap<qint64, int> counts;
        for (int draw = 0; draw < draws; ++draw)
            ++counts[std::min<qint64>(DiceNotation::roll(expression, m_random).total,
                                      notation == "d6!" ? 24 : LLONG_MAX)];
        QVERIFY(unevenness(counts, enumerated(dice, sides, total), draws) < 1);
    }

    // Invented names sound like the list (its letters only, capitals where its words start) and
    // are never one of it; the same list in any order invents the same names from the same seed.
    void namesInventedFromAList()
    {
        const QStringList names = {"Marta",  "Martina",   "Marina",  "Mariela", "Carina",
                                   "Carla",  "Carolina",  "Paulina", "Paula",   "Lucia",
                                   "Lucila", "ana-lucía", "o'maría", "Mar Ina"};
        const NameChain chain(names), reversed(QStringList(names.crbegin(), names.crend()));
        QSet<QString> listed, invented;
        for (const QString& name : names)
            listed << name.toLower();
        Random again(1234);
        for (int i = 0; i < 2000; ++i) {
            const QString name = chain.invent(m_random);
            QCOMPARE(reversed.invent(again), name);
            QVERIFY2(!listed.contains(name.toLower()) && name.size() >= NameChain::MinLength &&
                         name.size() <= NameChain::MaxLength,
                     qPrintable(name));
            QVERIFY2(QRegularExpression("^[A-ZÍ][a-zíá]*(?:[-' ][A-ZÍ][a-zíá]*)*$")
                         .match(name)
                         .hasMatch(),
                     qPrintable(name));
            invented << name;
        }
        QVERIFY(invented.size() >= 8); // Cariela, O'Martina, Ana-Lucila...
        // A list whose every walk gives one of its names invents nothing, and so does none.
        QVERIFY(NameChain({"Ann", "ann"}).invent(m_random).isEmpty());
        QVERIFY(NameChain({}).isEmpty() && NameChain({" "}).invent(m_random).isEmpty());
    }

    void characterDraws()
    {
        using enum Attribute;
        QStringList asked;
        const auto draw = [&](QHash<Attribute, QString> shown, QList<Attribute> ticked = {}) {
            return CharacterDraws::draw(
                [&](Attribute a) { return ticked.isEmpty() || ticked.contains(a); },
                [&](Attribute a) { return shown.value(a); },
                [&](const QString& table) {
                    asked << table;
                    return table == "gender" ? QStringLiteral("Male") : "<" + table + ">";
                },
                m_random);
        };
        const auto all = draw({{Gender, "Female"}}); // nothing listed: everything ticked
        QCOMPARE(asked.mid(0, 5) << asked.last(),
                 QStringList({"gender", "hair", "eyes", "maleName", "surnames", "thrift"}));
        QVERIFY(all.size() == 22 && all.at(3).value == "<maleName> <surnames>");
        QCOMPARE(draw({{Gender, "male"}}, {Name}).value(0).value, "<femaleName> <surnames>");

        // Every age between the bounds, both included; about 12 in 100 are foreign and 10 in 100
        // have a condition (within five deviations).
        QHash<Attribute, QSet<QString>> seen;
        asked.clear();
        for (int i = 0; i < 10000; ++i) {
            for (const auto& [attribute, value] : draw({}, {Age, Country, Mental}))
                seen[attribute] << value;
        }
        QCOMPARE(seen.value(Age), wholeNumbers(15, 120));
        QCOMPARE(seen.value(Country), (QSet<QString>{"<country>", "United States"}));
        QCOMPARE(seen.value(Mental), (QSet<QString>{"<mental>", "Normal"}));
        QVERIFY(std::abs(asked.count("country") - 1200) < 160 &&
                std::abs(asked.count("mental") - 1000) < 160);
    }

    // A name suits the culture of the character's country, drawn or shown, else of its language,
    // first name and surname each where the lists have names of it; otherwise any name.
    void namesSuitTheirCulture_data()
    {
        // clang-format off
        addRows({ // gender, country ("drawn" to draw it), language, the name drawn
            {"Male", "Chile", "", "<maleName:Spanish> <surnames:Spanish>"},
            {"Female", "Chile", "", "<femaleName> <surnames:Spanish>"}, // no Spanish women listed
            {"Male", "Narnia", "Catalan", "<maleName:Spanish> <surnames:Spanish>"},
            {"Male", "Narnia", "Klingon", "<maleName> <surnames>"},
            {"Male", "", "", "<maleName> <surnames>"},
            {"Male", "drawn", "", "<maleName:Spanish> <surnames:Spanish>"}});
        // clang-format on
    }
    void namesSuitTheirCulture()
    {
        using enum Attribute;
        QFETCH(QStringList, row);
        const QHash<QString, QString> cultureOf = {{"country Chile", "Spanish"},
                                                   {"country <country>", "Spanish"},
                                                   {"languages Catalan", "Spanish"}};
        const CharacterDraws::Cultures cultures{
            [&](const QString& table, const QString& value) {
                return cultureOf.value(table + ' ' + value);
            },
            [](const QString& table, const QString& culture) -> std::optional<QString> {
                if (table == "femaleName")
                    return std::nullopt;
                return "<" + table + ':' + culture + '>';
            }};
        const bool drawn = row.at(1) == "drawn";
        const QHash<Attribute, QString> shown = {
            {Gender, row.at(0)}, {Country, row.at(1)}, {Language, row.at(2)}};
        for (int i = 0; i < (drawn ? 400 : 1); ++i) {
            QHash<Attribute, QString> values;
            for (const auto& [attribute, value] : CharacterDraws::draw(
                     [&](Attribute a) { return a == Name || (drawn && a == Country); },
                     [&](Attribute a) { return shown.value(a); },
                     [](const QString& table) { return "<" + table + ">"; }, m_random, cultures))
                values[attribute] = value;
            // A character from the United States has a name of any culture here.
            const bool foreign = values.value(Country, row.at(1)) != "United States";
            QCOMPARE(values.value(Name), foreign ? row.at(3) : QString("<maleName> <surnames>"));
        }
    }

    // Heights and weights that belong together: every height in the usual range of the gender
    // and age, and reaching both its ends; every weight within the body-mass range for the
    // height (adults 18.5 to 32 kg/m², 15 to 17 years 16.5 to 28); a shown height or weight
    // that is not drawn is kept and the other fits it.
    void bodiesFit_data()
    {
        // clang-format off
        addRows({ // gender, age, the height and weight shown ("" for drawn), the heights expected
            {"Male", "40", "", "", "62", "77"}, {"Female", "40", "", "", "58", "72"},
            {"Other", "40", "", "", "58", "77"}, {"Male", "16", "", "", "60", "76"},
            {"Female", "", "", "", "58", "72"}, // an age not shown counts as grown
            {"Female", "16", "", "", "58", "70"}, {"Male", "40", "70", "", "70", "70"},
            {"Female", "16", "66", "", "66", "66"}, {"Female", "40", "", "300", "72", "72"},
            {"Male", "40", "", "150", "62", "75"}, {"Female", "40", "tall", "", "58", "72"},
            {"Male", "drawn", "", "", "60", "77"}});
        // clang-format on
    }
    void bodiesFit()
    {
        using enum Attribute;
        QFETCH(QStringList, row);
        const QHash<Attribute, QString> shown = {
            {Gender, row.at(0)}, {Age, row.at(1)}, {Height, row.at(2)}, {Weight, row.at(3)}};
        QList<Attribute> ticked;
        for (const Attribute attribute : {Height, Weight})
            if (!shown.value(attribute).toInt())
                ticked << attribute;
        if (row.at(1) == "drawn")
            ticked << Age;
        QSet<int> heights;
        for (int i = 0; i < 10000; ++i) {
            QHash<Attribute, QString> values = shown;
            for (const auto& [attribute, value] :
                 CharacterDraws::draw([&](Attribute a) { return ticked.contains(a); },
                                      [&](Attribute a) { return shown.value(a); }, {}, m_random))
                values[attribute] = value;
            const int height = values.value(Height).toInt(), weight = values.value(Weight).toInt();
            const double index = 703.0 * weight / (height * height);
            const bool grown = values.value(Age).isEmpty() || values.value(Age).toInt() >= 18;
            const double low = grown ? 18.5 : 16.5, high = grown ? 32 : 28;
            // A kept weight may not fit any usual height; then the nearest usual height is taken.
            QVERIFY2(!row.at(3).isEmpty() || (index >= low && index <= high),
                     qPrintable(QStringLiteral("%1 in, %2 lb").arg(height).arg(weight)));
            heights << height;
        }
        QCOMPARE(*std::min_element(heights.cbegin(), heights.cend()), row.at(4).toInt());
        QCOMPARE(*std::max_element(heights.cbegin(), heights.cend()), row.at(5).toInt());
    }
};

QTEST_GUILESS_MAIN(TestEngines)
#include "tst_engines.moc"
