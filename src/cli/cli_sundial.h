// The sundial subcommand's drawing: the dial painted offscreen with Qt at
// true scale and written as SVG or PDF, or its lines as CSV.
#pragma once

#include "cli/cli_options.h"

namespace tarvel {

// Builds the dial of command (a CliAction::kSundial) and writes its file;
// diagnostics on standard error. Returns the exit status. Needs the
// application object of MakeCliApplication(true, ...).
int WriteSundial(const CliCommand& command);

}  // namespace tarvel
