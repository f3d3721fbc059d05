// tarvel-cli: the solar computation of one instant and one observer, printed
// as the main window's texts or as JSON. See CliHelpText() for the usage.
#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "astro/solar_computation.h"
#include "cli/cli_options.h"
#include "cli/cli_output.h"
#include "format/result_texts.h"

namespace {

// Writes text to stream and flushes it; false when that failed.
bool WriteAll(std::FILE* stream, const std::string& text) {
    const bool written = std::fwrite(text.data(), 1, text.size(), stream) == text.size();
    return std::fflush(stream) == 0 && written;
}

}  // namespace

int main(int argc, char** argv) {
    using namespace tarvel;
    const std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
    const CliCommand command = ParseCommandLine(args, SystemLocalClock());
    switch (command.action) {
        case CliAction::kFail:
            WriteAll(stderr, command.text + "\n");
            return kExitUsage;
        case CliAction::kPrint:
            return WriteAll(stdout, command.text) ? kExitSuccess : kExitOutputError;
        case CliAction::kCompute:
            break;
    }

    const SolarResult result = CalcSolarParameters(command.request);
    const std::string output = command.json
                                   ? ResultJson(command.request, result).dump(2) + "\n"
                                   : ResultReport(MainWindowResultTexts(command.request, result));
    if (!WriteAll(stdout, output)) {
        WriteAll(stderr, "tarvel-cli: the results could not be written to standard output\n");
        return kExitOutputError;
    }
    return kExitSuccess;
}
