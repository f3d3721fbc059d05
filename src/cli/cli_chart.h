// The chart subcommand's drawing: the chart painted offscreen with Qt and
// written as SVG or PNG.
#pragma once

#include <QCoreApplication>
#include <QString>
#include <memory>

#include "cli/cli_options.h"

namespace tarvel {

// The tool's application object, which the translation modules need: Qt GUI
// for a chart (drawn offscreen, whatever DISPLAY or WAYLAND_DISPLAY name: a
// server that is not there would end the program), Qt Core otherwise. Qt's
// notes and warnings are left out. argv0: the program's path.
std::unique_ptr<QCoreApplication> MakeCliApplication(bool chart, char* argv0);

// Draws the chart of command (a CliAction::kChart) and writes its file;
// diagnostics on standard error. Returns the exit status. Needs the
// application object of MakeCliApplication(true, ...).
int WriteChart(const CliCommand& command);

// The exit status of a file's export: success when error is empty,
// otherwise the error on one line of standard error and kExitOutputError.
int ExportExitStatus(const QString& error);

}  // namespace tarvel
