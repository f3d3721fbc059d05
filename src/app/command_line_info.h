// The desktop program's command line: --help and --version are answered on
// standard output without a display; every other start opens the window.
#pragma once

#include <optional>

namespace tarvel {

// True when the arguments ask for the help or the version (-h, -?, --help,
// --help-all, -v, --version), read before any application object exists.
bool AsksForInformation(int argc, const char* const* argv);

// Prints the help or the version through QCommandLineParser (the help in the
// language of the locale environment) and returns the exit status; nothing
// when the arguments ask for neither. Needs no display.
std::optional<int> AnswerInformationRequest(int argc, char* argv[]);

}  // namespace tarvel
