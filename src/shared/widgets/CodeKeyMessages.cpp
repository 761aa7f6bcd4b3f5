#include "shared/widgets/CodeKeyMessages.h"

#include "engines/CodeKeys.h"
#include "shared/desktop/Desktop.h"

void showSentenceKey()
{
    desktop().messageBox(sentenceCodeKey(), QStringLiteral("Key to Sentence Codes"),
                         MessageIcon::Information, MessageButtons::Ok);
}

void showNameKey()
{
    desktop().messageBox(nameCodeKey(), QStringLiteral("Key to Name Codes"),
                         MessageIcon::Information, MessageButtons::Ok);
}
