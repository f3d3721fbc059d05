// The interface language of tarvel-cli: the window's rule over the
// environment (LANGUAGE, LC_ALL, LC_MESSAGES, LANG, then the system's
// default), or the language --lang asks for, loaded from the same translation
// modules as the window's; the command line's own words (cli_words.h) from
// their modules beside them, "tarvel-cli_ITA.qm" and "tarvel-cli_PTB.qm".
#pragma once

#include <QTranslator>
#include <memory>
#include <string>
#include <string_view>

#include "languages/languages.h"

namespace tarvel {

// Loads into modules the language asked for ("it", "en", "pt"), or with an
// empty one the language of the environment; the built-in Italian when no
// module of it is found. Needs the application object (QCoreApplication).
// False when a language was asked for and its module is missing.
bool LoadCliLanguage(LanguageModules& modules, const std::string& asked);

// The module of the command line's own words in the language of modules,
// installed into the application (none for English, their language, or when
// the module is missing).
std::unique_ptr<QTranslator> LoadCliWords(const LanguageModules& modules);

// A command-line word in the installed modules' language (context
// "CliWords"), empty when no module translates it: the translator of
// SetCliTranslator.
std::string TranslatedCliWord(std::string_view english);

}  // namespace tarvel
