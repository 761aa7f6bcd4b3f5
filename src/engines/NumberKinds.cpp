#include "engines/NumberKinds.h"

#include "engines/Random.h"

#include <QCoreApplication>
#include <QDate>
#include <QRegularExpression>

#include <cmath>
#include <limits>

namespace {

struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(NumberKinds)
};

} // namespace

namespace {

const QString NumberPattern = QStringLiteral(R"([+-]?(?:\d+\.?\d*|\.\d+)(?:[eE][+-]?\d+)?)");

// Draws are made in int.
constexpr double LargestDraw = std::numeric_limits<int>::max();

// The whole numbers from low to high that a draw can reach. Fractional bounds are cut to their
// whole part, and draws start at 1 whatever the lower bound.
std::optional<std::pair<int, int>> drawableRange(double low, double high)
{
    const double first = std::max(std::trunc(low), 1.0);
    const double last = std::trunc(high);
    if (last < first || last > LargestDraw)
        return std::nullopt;
    return std::pair{int(first), int(last)};
}

std::optional<QString> rollDice(double faces, double count, Random& random)
{
    const auto range = drawableRange(1, faces);
    if (!range || count > NumberKinds::MaxDice)
        return std::nullopt;
    // Fewer than one die throws nothing: the result is an empty line.
    const int dice = count >= 1 ? int(count) : 0;
    QString rolls;
    for (int die = 1; die <= dice; ++die)
        rolls += QString::number(random.inRange(range->first, range->second)) + u' ';
    return rolls;
}

QString drawDate(Random& random)
{
    // Two-digit years stand for 1901 to 1999, so every year divisible by 4 is a leap year.
    // The day is drawn last, from the days its month has in that year.
    const int month = random.inRange(1, 12);
    const int year = random.inRange(1, 99);
    const int day = random.inRange(1, QDate(1900 + year, month, 1).daysInMonth());
    return QStringLiteral("%1/%2/%3").arg(month).arg(day).arg(year);
}

} // namespace

NumberKinds::Description NumberKinds::describe(Kind kind)
{
    // Made on each call, so that the captions follow the interface's language.
    switch (kind) {
    case Age:
        return {Texts::tr("Age"),     Texts::tr("Lower"),    Texts::tr("Upper"),
                QStringLiteral("18"), QStringLiteral("120"), true};
    case Date:
        return {Texts::tr("Date"), QString(), QString(), QString(), QString(), false};
    case Distance:
        return {Texts::tr("Distance"), Texts::tr("Lower"),     Texts::tr("Upper"),
                QStringLiteral("1"),   QStringLiteral("1000"), true};
    case Dice:
        return {Texts::tr("Dice"),   Texts::tr("Dice Type"), Texts::tr("# of Dice"),
                QStringLiteral("6"), QStringLiteral("2"),    true};
    case Percent:
        break;
    }
    return {Texts::tr("Percent"), Texts::tr("Lower"),    Texts::tr("Upper"),
            QStringLiteral("1"),  QStringLiteral("100"), true};
}

double NumberKinds::leadingNumber(const QString& text)
{
    static const QRegularExpression leading(QStringLiteral("^\\s*(") + NumberPattern + u')');
    const QRegularExpressionMatch match = leading.match(text);
    return match.hasMatch() ? match.captured(1).toDouble() : 0.0;
}

std::optional<double> NumberKinds::plainNumber(const QString& text)
{
    static const QRegularExpression plain(QStringLiteral("^\\s*") + NumberPattern +
                                          QStringLiteral("\\s*$"));
    if (!plain.match(text).hasMatch())
        return std::nullopt;
    const double value = text.trimmed().toDouble();
    if (!std::isfinite(value))
        return std::nullopt;
    return value;
}

QString NumberKinds::numberText(double value)
{
    // Fifteen digits hide the binary noise of steps like 2.7 - 1.
    return QString::number(value, 'g', 15);
}

QString NumberKinds::spinUp(const QString& text)
{
    const auto value = plainNumber(text);
    return value ? numberText(*value + 1) : QStringLiteral("0");
}

QString NumberKinds::spinDown(const QString& text)
{
    if (leadingNumber(text) < 2)
        return text;
    const auto value = plainNumber(text);
    return value ? numberText(*value - 1) : QStringLiteral("0");
}

std::optional<QString> NumberKinds::generate(Kind kind, const QString& firstText,
                                             const QString& secondText, const UnitSource& unit,
                                             Random& random)
{
    double low = leadingNumber(firstText);
    double high = leadingNumber(secondText);
    switch (kind) {
    case Date:
        return drawDate(random);
    case Dice:
        return rollDice(low, high, random);
    case Age:
    case Distance:
    case Percent:
        break;
    }
    if (!(low < high))
        return std::nullopt;
    if (kind == Percent) {
        // Bounds of 0 or less stand for the whole scale.
        if (low <= 0)
            low = 1;
        if (high <= 0)
            high = 100;
    }
    const auto range = drawableRange(low, high);
    if (!range)
        return std::nullopt;
    const QString number = QString::number(random.inRange(range->first, range->second));
    if (kind == Percent)
        return number + u'%';
    return number + u' ' +
           unit(kind == Age ? QStringLiteral("time") : QStringLiteral("UnitOfMeasure"));
}
