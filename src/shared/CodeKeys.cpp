#include "shared/CodeKeys.h"

#include "shared/Desktop.h"
#include "shared/SentenceCodes.h"

#include <QStringList>

namespace {

// The key lists this many codes on its first line and the rest on the second.
constexpr int CodesOnFirstKeyLine = 5;

} // namespace

void showSentenceKey()
{
    QStringList codes;
    for (const SentenceCode& code : SentenceCodes)
        codes << QString(QChar(code.letter)) + u'=' + code.meaning;
    desktop().messageBox(codes.mid(0, CodesOnFirstKeyLine).join(u", ") + u'\n' +
                             codes.mid(CodesOnFirstKeyLine).join(u", "),
                         QStringLiteral("Key to Sentence Codes"), MessageIcon::Information,
                         MessageButtons::Ok);
}

void showNameKey()
{
    desktop().messageBox(QStringLiteral("c = consonant, v= vowel"),
                         QStringLiteral("Key to Name Codes"), MessageIcon::Information,
                         MessageButtons::Ok);
}
