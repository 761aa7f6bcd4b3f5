#include "shared/CodeKeys.h"

#include "shared/Desktop.h"

void showSentenceKey()
{
    desktop().messageBox(
        QStringLiteral("n=noun, v=verb, t=article, p=pronoun, x=preposition\n"
                       "r=adverb, y=direct object pronoun, q=possessive pronoun, j=adjective"),
        QStringLiteral("Key to Sentence Codes"), MessageIcon::Information, MessageButtons::Ok);
}

void showNameKey()
{
    desktop().messageBox(QStringLiteral("c = consonant, v= vowel"),
                         QStringLiteral("Key to Name Codes"), MessageIcon::Information,
                         MessageButtons::Ok);
}
