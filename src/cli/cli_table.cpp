#include "cli/cli_table.h"

#include <cmath>

#include "cli/cli_conventions.h"
#include "cli/cli_words.h"
#include "table/table_csv.h"
#include "table/table_layout.h"

namespace tarvel {

namespace {

const std::string kPrefix = "tarvel-cli: ";

TableTarget TargetOf(CliTableFormat format) {
    switch (format) {
        case CliTableFormat::kFile:
            return TableTarget::File;
        case CliTableFormat::kClipboard:
            return TableTarget::Clipboard;
        case CliTableFormat::kWindow:
        case CliTableFormat::kCsv:
            break;
    }
    return TableTarget::Window;
}

// One line: a message may not break the one-line-per-report rule.
std::string OneLine(std::string text) {
    for (char& c : text) {
        if (c == '\n' || c == '\r') c = ' ';
    }
    return text;
}

std::string RowErrorLine(int row, const std::string& message) {
    return kPrefix +
           CliMessage("row %1 could not be computed and has no values: %2",
                      {std::to_string(row + 1), OneLine(message)}) +
           "\n";
}

// The refusal of a run that did not end with Ok.
CliTableOutput Refused(TableRunStatus status, const std::string& message) {
    CliTableOutput output;
    output.exitCode = kExitUsage;
    const std::string text =
        status == TableRunStatus::Cancelled ? CliWord("the table run was cancelled") : OneLine(message);
    output.diagnostics = kPrefix + text + "\n";
    return output;
}

}  // namespace

CliTableOutput ProduceTableOutput(const CliTableRequest& request, const TableLocale& locale,
                                  const TableRunControl& control, const TableTexts& texts) {
    CliTableOutput output;
    if (request.format == CliTableFormat::kCsv) {
        TableRunControl withDays = control;
        withDays.dayTimes =
            control.dayTimes || TableNeedsDayTimes(request.parameters, request.options);
        const TableComputation computation = ComputeTableRows(request.parameters, withDays);
        if (computation.status != TableRunStatus::Ok) {
            return Refused(computation.status, computation.message);
        }
        for (std::size_t i = 0; i < computation.rows.size(); ++i) {
            const TableRow& row = computation.rows[i];
            if (!row.computed) output.diagnostics += RowErrorLine(static_cast<int>(i), row.error);
        }
        // The command line's conventions: each row's clock offset, azimuths
        // as bearings from north.
        const TableParameters& p = request.parameters;
        const long fixedOffset =
            std::lround(p.zoneHours * 3600.0) + (p.summerTime ? 3600 : 0);
        CsvConventions conventions;
        conventions.offset = [&p, fixedOffset](const TableRow& row) {
            return UtcOffsetIso(p.zoneRules ? row.instant.zoneOffsetSeconds : fixedOffset);
        };
        conventions.value = [](ResultFieldId id, double value) {
            return IsAzimuth(id) ? BearingOf(id, value) : value;
        };
        conventions.order = request.columnOrder;
        output.text = WriteTableCsv(request.options, computation.rows, p.latitude, conventions);
        return output;
    }

    TableRunResult run = RunTable(request.parameters, request.options, TargetOf(request.format),
                                  locale, texts, control);
    if (run.status != TableRunStatus::Ok) {
        return Refused(run.status, run.message);
    }
    for (const TableRowError& error : run.rowErrors) {
        output.diagnostics += RowErrorLine(error.row, error.message);
    }
    output.text = std::move(run.text);
    return output;
}

}  // namespace tarvel
