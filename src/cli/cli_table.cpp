#include "cli/cli_table.h"

#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <csignal>
#include <iterator>
#include <memory>
#include <optional>
#include <string_view>

#include "cli/cli_conventions.h"
#include "cli/cli_words.h"
#include "files/file_writer.h"
#include "table/table_csv.h"
#include "table/table_layout.h"
#include "table/table_stream.h"

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
    const std::string text = status == TableRunStatus::Cancelled
                                 ? CliWord("the table run was cancelled")
                                 : OneLine(message);
    output.diagnostics = kPrefix + text + "\n";
    return output;
}

// The command line's conventions of a CSV: each row's clock offset, azimuths
// as bearings from north, the columns in the order given.
CsvConventions CliCsvConventions(const CliTableRequest& request) {
    const TableParameters& p = request.parameters;
    const long fixedOffset = std::lround(p.zoneHours * 3600.0) + (p.summerTime ? 3600 : 0);
    const bool zoned = p.zoneRules != nullptr;
    CsvConventions conventions;
    conventions.offset = [zoned, fixedOffset](const TableRow& row) {
        return UtcOffsetIso(zoned ? row.instant.zoneOffsetSeconds : fixedOffset);
    };
    conventions.value = [](ResultFieldId id, double value) {
        return IsAzimuth(id) ? BearingOf(id, value) : value;
    };
    conventions.order = request.columnOrder;
    return conventions;
}

// Writes text to stream and flushes it; false when that failed.
bool WriteAll(std::FILE* stream, const std::string& text) {
    const bool written = std::fwrite(text.data(), 1, text.size(), stream) == text.size();
    return std::fflush(stream) == 0 && written;
}

// The rows written so far, on one terminal line rewritten in place.
class ProgressLine {
  public:
    explicit ProgressLine(std::FILE* err) : err_(err) {}
    ~ProgressLine() { Clear(); }
    void Show(int rowsDone, int rowCount) {
        const std::string line =
            kPrefix + CliMessage("%1 of %2 rows written",
                                 {std::to_string(rowsDone), std::to_string(rowCount)});
        WriteAll(err_, "\r" + line);
        shown_ = std::max(shown_, line.size());
    }
    // Blanks the line, so that what follows starts on a clean one.
    void Clear() {
        if (shown_ == 0) return;
        WriteAll(err_, "\r" + std::string(shown_, ' ') + "\r");
        shown_ = 0;
    }

  private:
    std::FILE* err_;
    std::size_t shown_ = 0;
};

bool IsTerminal(std::FILE* stream) {
    return ::isatty(::fileno(stream)) == 1;
}

// The signal that interrupted a streamed table, 0 while none did.
volatile std::sig_atomic_t interruption = 0;

extern "C" void OnInterruption(int signal) {
    interruption = signal;
}

// While it lives, an interruption (SIGINT, SIGTERM, SIGHUP) ends a streamed
// table after the batch in progress rather than the process at once, so that
// the output file's temporary copy is removed and the file left as it was.
class InterruptionCaught {
  public:
    InterruptionCaught() {
        struct sigaction caught {};
        caught.sa_handler = OnInterruption;
        sigemptyset(&caught.sa_mask);
        for (std::size_t i = 0; i < std::size(kSignals); ++i) {
            restore_[i] = ::sigaction(kSignals[i], &caught, &previous_[i]) == 0;
        }
    }
    ~InterruptionCaught() {
        for (std::size_t i = 0; i < std::size(kSignals); ++i) {
            if (restore_[i]) ::sigaction(kSignals[i], &previous_[i], nullptr);
        }
    }
    InterruptionCaught(const InterruptionCaught&) = delete;
    InterruptionCaught& operator=(const InterruptionCaught&) = delete;

  private:
    static constexpr int kSignals[] = {SIGINT, SIGTERM, SIGHUP};
    struct sigaction previous_[std::size(kSignals)]{};
    bool restore_[std::size(kSignals)] = {};
};

// A table longer than the window's: streamed to the output file or to out.
int StreamTableOutput(const CliTableRequest& request, const TableLocale& locale,
                      const TableTexts& texts, std::FILE* out, std::FILE* err,
                      const TableRunControl& control) {
    std::optional<StreamedFileWriter> file;
    if (request.outputPath) {
        file.emplace(*request.outputPath, CliWord("Cannot save %1: %2"));
        if (!file->error().empty()) {
            WriteAll(err, kPrefix + file->error() + "\n");
            return kExitOutputError;
        }
    }
    std::optional<InterruptionCaught> caught;
    if (file) caught.emplace();
    std::optional<ProgressLine> progress;
    if (IsTerminal(err) && (file || !IsTerminal(out))) progress.emplace(err);

    TableRunControl withDays = control;
    withDays.dayTimes = control.dayTimes || TableNeedsDayTimes(request.parameters, request.options);
    if (progress) {
        withDays.progress = [&progress](int rowsDone, int rowCount) {
            progress->Show(rowsDone, rowCount);
        };
    }
    TableStreamSink sink;
    sink.write = [&file, out](std::string_view text) {
        if (interruption != 0) return false;
        if (file) return file->Write(text);
        return std::fwrite(text.data(), 1, text.size(), out) == text.size();
    };
    sink.rowError = [&progress, err](int row, const std::string& message) {
        if (progress) progress->Clear();
        WriteAll(err, RowErrorLine(row, message));
    };
    std::unique_ptr<TableRowFormatter> formatter;
    if (request.format == CliTableFormat::kCsv) {
        formatter = std::make_unique<TableCsvRowFormatter>(
            request.options, request.parameters.latitude, CliCsvConventions(request));
    } else {
        formatter = std::make_unique<TableTextRowFormatter>(
            request.options, TargetOf(request.format), locale, texts);
    }
    // The rows after the first 1,000 take the Chebyshev spans for their
    // searches (within 1e-5 s in their event times; the values at each row's
    // own instant stay from the full series).
    const TableStreamOutcome outcome = StreamTable(request.parameters, *formatter, sink, withDays,
                                                   texts, SunSeriesSource::kInterpolated);
    if (progress) progress->Clear();
    if (outcome.status != TableRunStatus::Ok) {
        WriteAll(err, Refused(outcome.status, outcome.message).diagnostics);
        return kExitUsage;
    }
    if (interruption != 0) {
        // Interrupted: the file keeps its old content.
        const int signal = interruption;
        file.reset();
        WriteAll(err, kPrefix + CliWord("the table run was cancelled") + "\n");
        return 128 + signal;
    }
    const bool written = outcome.written && (file ? file->Commit() : std::fflush(out) == 0);
    if (!written) {
        // The file keeps its old content (the writer removed its temporary file).
        WriteAll(err, kPrefix +
                          (file ? file->error()
                                : CliWord("the table could not be written to standard output")) +
                          "\n");
        return kExitOutputError;
    }
    return kExitSuccess;
}

}  // namespace

int WriteTableOutput(const CliTableRequest& request, const TableLocale& locale,
                     const TableTexts& texts, std::FILE* out, std::FILE* err,
                     const TableRunControl& control) {
    if (request.parameters.pointCount > kTableMaxPointCount) {
        return StreamTableOutput(request, locale, texts, out, err, control);
    }
    const CliTableOutput output = ProduceTableOutput(request, locale, control, texts);
    WriteAll(err, output.diagnostics);
    if (output.exitCode != kExitSuccess) return output.exitCode;
    if (request.outputPath) {
        const std::string error =
            WriteFileAtomically(*request.outputPath, output.text, CliWord("Cannot save %1: %2"));
        if (!error.empty()) {
            WriteAll(err, kPrefix + error + "\n");
            return kExitOutputError;
        }
        return kExitSuccess;
    }
    if (!WriteAll(out, output.text)) {
        WriteAll(err,
                 kPrefix + CliWord("the table could not be written to standard output") + "\n");
        return kExitOutputError;
    }
    return kExitSuccess;
}

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
        output.text = WriteTableCsv(request.options, computation.rows, request.parameters.latitude,
                                    CliCsvConventions(request));
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
