// The table subcommand of tarvel-cli: the table engine's run for the request
// read from the command line, as the text to write.
#pragma once

#include <cstdio>
#include <string>

#include "cli/cli_options.h"
#include "table/table_locale.h"
#include "table/table_run.h"

namespace tarvel {

struct CliTableOutput {
    int exitCode = kExitSuccess;  // kExitUsage when the engine refused the parameters
    std::string text;             // what to write (kExitSuccess only)
    // Lines for standard error, each ending in "\n": the refusal, or one line
    // per row whose computation failed (that row is written without values).
    std::string diagnostics;
};

// Runs the table engine for the request: RunTable for the window, file and
// clipboard texts, ComputeTableRows and WriteTableCsv for CSV. The locale gives
// the decimal separator and the short date format; control the threads (all
// cores by default); the texts are the table's headings and messages in the
// interface language.
CliTableOutput ProduceTableOutput(const CliTableRequest& request, const TableLocale& locale,
                                  const TableRunControl& control = TableRunControl(),
                                  const TableTexts& texts = TableTexts());

// Writes the table of the request to its output file (replaced whole, or left
// as it was when the writing fails) or to out, the refusals and failures to
// err; returns the exit status. A table of up to kTableMaxPointCount rows is
// produced whole (ProduceTableOutput) and then written; a longer one (up to
// kTableMaxStreamedPointCount) is streamed (StreamTable): written batch by
// batch as its rows are computed, its first kTableMaxPointCount rows the same
// bytes as the whole table's, with the rows written so far shown on err while
// err is a terminal and the table does not go to that terminal too. A
// streamed table interrupted (SIGINT, SIGTERM, SIGHUP) while it is written to
// its output file stops after the batch in progress, leaves the file as it
// was and returns 128 plus the signal's number.
int WriteTableOutput(const CliTableRequest& request, const TableLocale& locale,
                     const TableTexts& texts = TableTexts(), std::FILE* out = stdout,
                     std::FILE* err = stderr, const TableRunControl& control = TableRunControl());

}  // namespace tarvel
