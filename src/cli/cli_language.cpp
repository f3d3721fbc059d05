#include "cli/cli_language.h"

#include <QCoreApplication>
#include <QString>

namespace tarvel {

bool LoadCliLanguage(LanguageModules& modules, const std::string& asked) {
    const QString locale = asked == "it"   ? QStringLiteral("it_IT")
                           : asked == "en" ? QStringLiteral("en_US")
                           : asked == "pt" ? QStringLiteral("pt_BR")
                                           : QString();
    if (!locale.isEmpty()) {
        // Only the language asked for: Italian, built in, when its module is
        // missing, never another of the environment.
        return modules.Load({locale}, locale) || asked == "it";
    }
    modules.Load(LanguageCandidatesFor(ProcessLocaleEnvironment()));
    return true;
}

std::unique_ptr<QTranslator> LoadCliWords(const LanguageModules& modules) {
    const QString& code = modules.LoadedCode();
    if (code == QLatin1String("ENU")) return nullptr;
    auto translator = std::make_unique<QTranslator>();
    for (const QString& folder : modules.Folders()) {
        if (translator->load(QStringLiteral("tarvel-cli_") + code, folder)) {
            QCoreApplication::installTranslator(translator.get());
            return translator;
        }
    }
    return nullptr;
}

std::string TranslatedCliWord(std::string_view english) {
    const std::string key(english);
    const QString translated = QCoreApplication::translate("CliWords", key.c_str());
    if (translated == QString::fromUtf8(key)) return {};
    return translated.toStdString();
}

}  // namespace tarvel
