#include "app/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QPointer>
#include <QTranslator>

namespace {

// Owned by the application, so that they go with it.
QPointer<QTranslator> programTranslator;
QPointer<QTranslator> qtTranslator;

// Loads a catalogue for one language ("de_DE" falls back to "de") into a translator made for it.
QTranslator* loaded(const QString& name, const QString& language, const QString& folder)
{
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(name + u'_' + language, folder))
        return translator;
    delete translator;
    return nullptr;
}

} // namespace

bool installTranslations()
{
    removeTranslations();
    for (QString language : QLocale().uiLanguages()) {
        language.replace(u'-', u'_');
        if (QLocale(language).language() == QLocale::English)
            return false;
        programTranslator = loaded(QStringLiteral("quillane"), language, QStringLiteral(":/i18n"));
        if (!programTranslator)
            continue;
        QCoreApplication::installTranslator(programTranslator);
        qtTranslator = loaded(QStringLiteral("qtbase"), language,
                              QLibraryInfo::path(QLibraryInfo::TranslationsPath));
        if (qtTranslator)
            QCoreApplication::installTranslator(qtTranslator);
        return true;
    }
    return false;
}

void removeTranslations()
{
    delete programTranslator;
    delete qtTranslator;
}
