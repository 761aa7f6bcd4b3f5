#include "engines/WordCount.h"

WordCount::Count WordCount::of(QStringView text)
{
    Count count;
    bool inWord = false;
    bool wordHasLetter = false;
    const auto endWord = [&] {
        count.words += inWord && wordHasLetter;
        inWord = wordHasLetter = false;
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        char32_t c = text.at(i).unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            c = QChar::surrogateToUcs4(text.at(i), text.at(i + 1));
            ++i;
        }
        if (QChar::isSpace(c)) {
            endWord();
            continue;
        }
        ++count.characters;
        inWord = true;
        wordHasLetter = wordHasLetter || QChar::isLetterOrNumber(c);
    }
    endWord();
    return count;
}
