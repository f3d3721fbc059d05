// The chart subcommand's drawing: the chart painted offscreen with Qt and
// written as SVG or PNG.
#pragma once

#include "cli/cli_options.h"

namespace tarvel {

// Draws the chart of command (a CliAction::kChart) and writes its file;
// diagnostics on standard error. Returns the exit status. argv0: the
// program's path, for Qt.
int WriteChart(const CliCommand& command, const char* argv0);

}  // namespace tarvel
