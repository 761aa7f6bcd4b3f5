#pragma once

#include <QList>
#include <QString>

#include <variant>

class Random;

// Dice written the way players write them: "3d6+2", "d20", "4d6kh3" (keep the three highest),
// "2d20kl1" (keep the lowest), "3d6!" (a die showing its highest face is thrown again and
// added), "d%" (a hundred-sided die) and sums of such terms and whole numbers ("2d6+1d4-1").
// Letters may be in either case and blanks may stand between terms.
namespace DiceNotation {

// What one throw may ask for, so that any line it gives can be shown and summed safely.
constexpr int MaxDice = 1000;      // in all terms together
constexpr int MaxSides = 1000;     // of one die
constexpr int MaxTerms = 20;       // dice terms and numbers together
constexpr int MaxNumber = 1000000; // a number added or taken away
constexpr int MaxExplosions = 100; // further throws of one exploding die

struct Term
{
    int sign = 1;   // +1 or -1
    int count = 0;  // dice thrown; 0 for a plain number
    int sides = 0;  // of each die
    int number = 0; // the plain number, for a term without dice
    int keep = 0;   // dice kept, 0 for all
    bool keepHighest = true;
    bool exploding = false;
};

struct Expression
{
    QString text; // as written, without blanks
    QList<Term> terms;
};

// The expression, or a sentence saying what is wrong with the text.
std::variant<Expression, QString> parse(const QString& text);

// Whether the text is meant as notation rather than as a plain number: it holds a "d".
bool looksLikeNotation(const QString& text);

struct Throw
{
    qint64 total = 0;
    QString line; // "3d6+2 = 13 (4, 6, 1)"
};

// Throws every die of the expression with random, in the order written.
Throw roll(const Expression& expression, Random& random);

} // namespace DiceNotation
