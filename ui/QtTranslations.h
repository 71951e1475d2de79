#pragma once

// Qt's own texts (the standard buttons of message boxes, the file dialogs, the edit menus) in the
// program's language: Qt's German translations while the language is German, none while it is
// English, whatever the desktop's locale. The program's own captions come from the catalogue and
// are not touched.

#include "core/text/Messages.h"

#include <QString>

namespace tombrel {

// Installs Qt's German translations for German and removes them for English; may be called again
// when the language changes while the program runs. False when German was asked for but the
// translations could not be loaded (they are not installed): Qt's texts then stay English.
bool applyQtTranslations(Language lang);
// Whether Qt's German translations are installed now.
bool qtTranslationsInstalled();
// Where Qt's translations are looked for.
QString qtTranslationsFolder();

} // namespace tombrel
