#include "app/command_line_info.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstring>

#include "languages/languages.h"
#include "app/version.h"

namespace tarvel {

bool AsksForInformation(int argc, const char* const* argv) {
    constexpr const char* kInformationOptions[] = {"-h", "-?", "--help", "--help-all",
                                                   "--version", "-v"};
    for (int i = 1; i < argc; ++i) {
        for (const char* option : kInformationOptions) {
            if (std::strcmp(argv[i], option) == 0) {
                return true;
            }
        }
    }
    return false;
}

std::optional<int> AnswerInformationRequest(int argc, char* argv[]) {
    if (!AsksForInformation(argc, argv)) {
        return std::nullopt;
    }
    // A core application: no platform plugin, no display.
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tarvel"));
    QCoreApplication::setApplicationVersion(QStringLiteral("%1.%2.%3")
                                                .arg(build::kVersionMajor)
                                                .arg(build::kVersionMinor)
                                                .arg(build::kVersionPatch));
    LanguageModules modules;
    modules.Load(LanguageCandidatesFor(ProcessLocaleEnvironment()));

    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "CommandLine",
        "Calcolo delle effemeridi solari per un osservatore: senza opzioni apre la finestra "
        "del programma."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    // Options of the window's own (Qt's -platform, -style ...) are left to it.
    parser.parse(QCoreApplication::arguments());
    if (parser.isSet(version)) {
        parser.showVersion();  // exits with status 0
    }
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all"))) {
        parser.showHelp(0);  // exits with status 0
    }
    return 0;
}

}  // namespace tarvel
