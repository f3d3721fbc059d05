// The interface language of tarvel-cli: the window's rule over the
// environment (LANGUAGE, LC_ALL, LC_MESSAGES, LANG, then the system's
// default), or the language --lang asks for, loaded from the same translation
// modules as the window's.
#pragma once

#include <string>

#include "languages/languages.h"

namespace tarvel {

// Loads into modules the language asked for ("it", "en", "pt"), or with an
// empty one the language of the environment; the built-in Italian when no
// module of it is found. Needs the application object (QCoreApplication).
void LoadCliLanguage(LanguageModules& modules, const std::string& asked);

}  // namespace tarvel
