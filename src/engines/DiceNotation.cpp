#include "engines/DiceNotation.h"

#include "engines/Random.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>
#include <numeric>
#include <optional>

namespace {

struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(DiceNotation)
};

QString examples()
{
    return Texts::tr(
        "Dice are written as 3d6, d20, 4d6kh3, 2d20kl1, 3d6!, d% or a sum such as 2d6+1d4-1.");
}

// Reads the text left to right; each read takes what it understands and moves on.
class Reader
{
public:
    explicit Reader(const QString& text) : m_text(text) {}

    void skipBlanks()
    {
        while (m_at < m_text.size() && m_text.at(m_at).isSpace())
            ++m_at;
    }
    bool atEnd() const { return m_at >= m_text.size(); }
    QString rest() const { return m_text.mid(m_at); }

    bool take(QChar letter)
    {
        if (atEnd() || m_text.at(m_at).toLower() != letter)
            return false;
        ++m_at;
        return true;
    }

    // A whole number of plain digits; huge ones read as one past the limit they break.
    std::optional<qint64> number()
    {
        qint64 value = 0;
        const qsizetype start = m_at;
        while (!atEnd() && m_text.at(m_at) >= u'0' && m_text.at(m_at) <= u'9') {
            value = std::min<qint64>(value * 10 + (m_text.at(m_at).unicode() - u'0'),
                                     qint64(DiceNotation::MaxNumber) + 1);
            ++m_at;
        }
        if (m_at == start)
            return std::nullopt;
        return value;
    }

private:
    const QString& m_text;
    qsizetype m_at = 0;
};

// A dice term after its count: sides, then keep and explode in either order. Empty when it is
// sound, else what is wrong.
QString readDice(Reader& reader, DiceNotation::Term* term)
{
    if (reader.take(u'%')) {
        term->sides = 100;
    } else {
        const std::optional<qint64> sides = reader.number();
        if (!sides)
            return Texts::tr("a “d” is followed by the number of sides or %");
        if (*sides < 1 || *sides > DiceNotation::MaxSides)
            return Texts::tr("a die has 1 to %1 sides").arg(DiceNotation::MaxSides);
        term->sides = int(*sides);
    }
    bool kept = false;
    for (;;) {
        if (!term->exploding && reader.take(u'!')) {
            if (term->sides < 2)
                return Texts::tr("a die of one side cannot explode");
            term->exploding = true;
        } else if (!kept && reader.take(u'k')) {
            kept = true;
            if (reader.take(u'l'))
                term->keepHighest = false;
            else
                reader.take(u'h');
            const std::optional<qint64> keep = reader.number();
            if (!keep || *keep < 1)
                return Texts::tr("“k”, “kh” or “kl” is followed by how many dice to keep");
            if (*keep > term->count)
                return Texts::tr("it keeps more dice than it throws");
            term->keep = int(*keep);
        } else {
            return {};
        }
    }
}

// One term: a number, or dice with an optional count.
QString readTerm(Reader& reader, DiceNotation::Term* term)
{
    const std::optional<qint64> number = reader.number();
    if (!reader.take(u'd')) {
        if (!number)
            return Texts::tr("“%1” is not understood").arg(reader.rest());
        if (*number > DiceNotation::MaxNumber)
            return Texts::tr("a number is at most %1").arg(DiceNotation::MaxNumber);
        term->number = int(*number);
        return {};
    }
    const qint64 count = number.value_or(1);
    if (count < 1)
        return Texts::tr("a term throws at least one die");
    if (count > DiceNotation::MaxDice)
        return Texts::tr("at most %1 dice are thrown at once").arg(DiceNotation::MaxDice);
    term->count = int(count);
    return readDice(reader, term);
}

// What one dice term threw: each die's throws (more than one when it exploded), and whether
// it is kept.
struct DieThrows
{
    QList<int> throws;
    bool kept = true;
    int sum() const { return std::accumulate(throws.cbegin(), throws.cend(), 0); }
    QString text() const
    {
        QStringList parts;
        for (const int face : throws)
            parts << QString::number(face);
        return parts.join(u'+');
    }
};

QList<DieThrows> throwDice(const DiceNotation::Term& term, Random& random)
{
    QList<DieThrows> dice(term.count);
    for (DieThrows& die : dice) {
        die.throws << random.inRange(1, term.sides);
        while (term.exploding && die.throws.last() == term.sides &&
               die.throws.size() <= DiceNotation::MaxExplosions)
            die.throws << random.inRange(1, term.sides);
    }
    if (term.keep > 0) {
        // Ties go to the die thrown first, so the same throws keep the same dice.
        QList<qsizetype> order(dice.size());
        std::iota(order.begin(), order.end(), 0);
        std::stable_sort(order.begin(), order.end(), [&](qsizetype a, qsizetype b) {
            return term.keepHighest ? dice[a].sum() > dice[b].sum() : dice[a].sum() < dice[b].sum();
        });
        for (qsizetype i = term.keep; i < order.size(); ++i)
            dice[order[i]].kept = false;
    }
    return dice;
}

} // namespace

bool DiceNotation::looksLikeNotation(const QString& text)
{
    return text.contains(u'd', Qt::CaseInsensitive);
}

std::variant<DiceNotation::Expression, QString> DiceNotation::parse(const QString& text)
{
    const auto wrong = [&text](const QString& why) {
        return Texts::tr("%1 is not dice notation: %2.  %3").arg(text.trimmed(), why, examples());
    };
    Expression expression;
    Reader reader(text);
    reader.skipBlanks();
    if (reader.atEnd())
        return Texts::tr("Write the dice to throw.  %1").arg(examples());
    int dice = 0;
    for (bool first = true; first || !reader.atEnd(); first = false) {
        Term term;
        if (reader.take(u'-'))
            term.sign = -1;
        else if (!reader.take(u'+') && !first)
            return wrong(Texts::tr("“%1” is not understood").arg(reader.rest()));
        reader.skipBlanks();
        if (reader.atEnd())
            return wrong(Texts::tr("a sign is followed by a term"));
        if (const QString why = readTerm(reader, &term); !why.isEmpty())
            return wrong(why);
        dice += term.count;
        if (dice > MaxDice)
            return wrong(Texts::tr("at most %1 dice are thrown at once").arg(MaxDice));
        expression.terms << term;
        if (expression.terms.size() > MaxTerms)
            return wrong(Texts::tr("at most %1 terms are added").arg(MaxTerms));
        reader.skipBlanks();
    }
    expression.text = text.simplified().remove(u' ');
    return expression;
}

DiceNotation::Throw DiceNotation::roll(const Expression& expression, Random& random)
{
    Throw result;
    QStringList groups;
    for (const Term& term : expression.terms) {
        if (term.count == 0) {
            result.total += qint64(term.sign) * term.number;
            continue;
        }
        QStringList kept, dropped;
        for (const DieThrows& die : throwDice(term, random)) {
            (die.kept ? kept : dropped) << die.text();
            if (die.kept)
                result.total += qint64(term.sign) * die.sum();
        }
        if (!dropped.isEmpty())
            kept << Texts::tr("dropped %1").arg(dropped.join(QStringLiteral(", ")));
        groups << kept.join(QStringLiteral(", "));
    }
    result.line = expression.text + QStringLiteral(" = ") + QString::number(result.total);
    if (!groups.isEmpty())
        result.line += QStringLiteral(" (") + groups.join(QStringLiteral("; ")) + u')';
    return result;
}
