#pragma once

// The interface's language. Installs the program's catalogue (":/i18n/quillane_<lang>.qm") and
// Qt's own for its dialogs, for the first of the languages QLocale() prefers (the system's, from
// LANGUAGE and LANG, or the one the command line made the default) that is English or has a
// catalogue; English installs none. Replaces the translations installed before, so that it can be
// called again once the command line has chosen a language. Returns whether a catalogue was
// installed.
bool installTranslations();
// Removes the installed translations: the interface speaks English again.
void removeTranslations();
