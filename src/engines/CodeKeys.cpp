#include "engines/CodeKeys.h"

#include "engines/SentenceCodes.h"

#include <QCoreApplication>
#include <QStringList>

namespace {

// The key lists this many codes on its first line and the rest on the second.
constexpr int CodesOnFirstKeyLine = 5;

} // namespace

QString sentenceCodeKey()
{
    QStringList codes;
    for (const SentenceCode& code : SentenceCodes)
        codes << QString(QChar(code.letter)) + u'=' +
                     QCoreApplication::translate("SentenceCodes",
                                                 code.meaning.toUtf8().constData());
    return codes.mid(0, CodesOnFirstKeyLine).join(u", ") + u'\n' +
           codes.mid(CodesOnFirstKeyLine).join(u", ");
}

QString nameCodeKey()
{
    return QCoreApplication::translate("CodeKeys", "c = consonant, v= vowel");
}
