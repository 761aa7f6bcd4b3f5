// Sentence patterns come from the sentencePattern table, which the user edits, and the words
// from tables the user edits too. The first line is the pattern; further lines, if any, are the
// words drawn in turn in place of the shipped tables' words.
#include "FuzzSupport.h"

#include "engines/SentencePattern.h"

#include <QStringList>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    FuzzSupport::startApplication(argc, argv);
    FuzzSupport::openDatabase(true);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    QStringList lines = FuzzSupport::text(data, size).split(u'\n');
    const QString pattern = lines.takeFirst();
    qsizetype drawn = 0;
    const auto drawWord = [&](const SentencePattern::WordRequest& request) {
        return std::optional(lines.isEmpty() ? FuzzSupport::drawWord(request.table)
                                             : lines.at(drawn++ % lines.size()));
    };
    const SentencePattern::Expansion expansion = SentencePattern::expand(pattern, drawWord);
    if (!expansion.valid && expansion.sentence != SentencePattern::InvalidLine)
        FuzzSupport::fail(QStringLiteral("an invalid pattern gave a sentence"));
    return 0;
}
