#include "cli/cli_language.h"

#include <QString>

namespace tarvel {

void LoadCliLanguage(LanguageModules& modules, const std::string& asked) {
    const QString locale = asked == "it"   ? QStringLiteral("it_IT")
                           : asked == "en" ? QStringLiteral("en_US")
                           : asked == "pt" ? QStringLiteral("pt_BR")
                                           : QString();
    if (!locale.isEmpty()) {
        // Only the language asked for: Italian, built in, when its module is
        // missing, never another of the environment.
        modules.Load({locale}, locale);
        return;
    }
    modules.Load(LanguageCandidatesFor(ProcessLocaleEnvironment()));
}

}  // namespace tarvel
