#include "engines/CharacterDraws.h"
#include "engines/NumberKinds.h"
#include "engines/Random.h"
#include "engines/SentencePattern.h"

#include <QDate>
#include <QRegularExpression>
#include <QTest>

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
        const auto expansion = SentencePattern::expand(row.at(0), [&](const QString& table) {
            return words.value(drawn++).replace(u'*', table);
        });
        QCOMPARE(expansion.sentence, row.at(2));
        QCOMPARE(expansion.valid, row.at(2) != SentencePattern::InvalidLine);
        QCOMPARE(drawn, words.size()); // the words before a bad character are drawn too
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

    void characterDraws()
    {
        using enum Attribute;
        QStringList asked;
        const auto draw = [&](const QString& shownGender, QList<Attribute> ticked = {}) {
            return CharacterDraws::draw(
                [&](Attribute a) { return ticked.isEmpty() || ticked.contains(a); }, shownGender,
                [&](const QString& table) {
                    asked << table;
                    return table == "gender" ? QStringLiteral("Male") : "<" + table + ">";
                },
                m_random);
        };
        const auto all = draw("Female"); // nothing listed: everything ticked
        QCOMPARE(asked.mid(0, 5) << asked.last(),
                 QStringList({"gender", "hair", "eyes", "maleName", "surnames", "thrift"}));
        QVERIFY(all.size() == 22 && all.at(3).value == "<maleName> <surnames>");
        QCOMPARE(draw("male", {Name}).value(0).value, "<femaleName> <surnames>");

        // Every whole number between the bounds, both included, and nothing else; about 12 in
        // 100 are foreign and 10 in 100 have a condition (within five deviations).
        QHash<Attribute, QSet<QString>> seen;
        asked.clear();
        for (int i = 0; i < 10000; ++i) {
            for (const auto& [attribute, value] : draw({}, {Height, Weight, Age, Country, Mental}))
                seen[attribute] << value;
        }
        QCOMPARE(seen.value(Height), wholeNumbers(48, 96));
        QCOMPARE(seen.value(Weight), wholeNumbers(50, 300));
        QCOMPARE(seen.value(Age), wholeNumbers(15, 120));
        QCOMPARE(seen.value(Country), (QSet<QString>{"<country>", "United States"}));
        QCOMPARE(seen.value(Mental), (QSet<QString>{"<mental>", "Normal"}));
        QVERIFY(std::abs(asked.count("country") - 1200) < 160 &&
                std::abs(asked.count("mental") - 1000) < 160);
    }
};

QTEST_GUILESS_MAIN(TestEngines)
#include "tst_engines.moc"
