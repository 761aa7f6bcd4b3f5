#include "shared/widgets/CodeKeyMessages.h"

#include "engines/CodeKeys.h"
#include "shared/desktop/Desktop.h"

#include <QCoreApplication>

namespace {

struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(CodeKeyMessages)
};

} // namespace

void showSentenceKey()
{
    desktop().messageBox(sentenceCodeKey(), Texts::tr("Key to Sentence Codes"),
                         MessageIcon::Information, MessageButtons::Ok);
}

void showNameKey()
{
    desktop().messageBox(nameCodeKey(), Texts::tr("Key to Name Codes"), MessageIcon::Information,
                         MessageButtons::Ok);
}
