#include "table/table_stream.h"

#include <algorithm>
#include <cstddef>

#include "format/printf_text.h"

namespace tarvel {

TableTextRowFormatter::TableTextRowFormatter(const TableColumnSet& options, TableTarget target,
                                             const TableLocale& locale, const TableTexts& texts)
    : writer_(options, target, locale, texts) {}

std::string TableTextRowFormatter::Head(const TableParameters& parameters,
                                        const std::vector<TableRow>& /*firstRows*/) {
    latitude_ = parameters.latitude;
    return writer_.TitleLines(parameters) + writer_.HeadingLines();
}

std::string TableTextRowFormatter::Line(const TableRow& row, std::string* error) const {
    return writer_.RowLine(row, latitude_, error);
}

namespace {

// The validation of a streamed table: the window's checks with the number of
// rows bounded by kTableMaxStreamedPointCount instead.
TableValidation ValidateStreamedTable(const TableParameters& parameters, const TableTexts& texts) {
    if (parameters.pointCount < kTableMinPointCount ||
        parameters.pointCount > kTableMaxStreamedPointCount) {
        return TableValidation{
            TableField::PointCount,
            FillMessage(texts.integerRangeMessage, PrintfText("%d", kTableMinPointCount),
                        PrintfText("%d", kTableMaxStreamedPointCount))};
    }
    TableParameters checked = parameters;
    checked.pointCount = std::min(parameters.pointCount, kTableMaxPointCount);
    return ValidateTableParameters(checked, texts);
}

}  // namespace

TableStreamOutcome StreamTable(const TableParameters& parameters, TableRowFormatter& formatter,
                               const TableStreamSink& sink, const TableRunControl& control,
                               const TableTexts& texts,
                               std::optional<SunSeriesSource> laterRowsSeries) {
    TableStreamOutcome outcome;
    outcome.status = TableRefusal(ValidateStreamedTable(parameters, texts), parameters, texts,
                                  outcome.field, outcome.message);
    if (outcome.status != TableRunStatus::Ok) {
        return outcome;
    }

    const int rowCount = parameters.pointCount;
    TableRowInstantSequence instants(parameters);
    TableRowThreads threads(control.threadCount);
    std::vector<TableRow> rows;
    std::vector<std::string> lines;
    std::vector<std::string> errors;
    // Each row's line is formatted by the thread that computed it.
    const auto format = [&](std::size_t index, TableRow& row) {
        lines[index] = formatter.Line(row, &errors[index]);
    };
    TableRunControl later = control;
    if (laterRowsSeries) later.searchSeries = *laterRowsSeries;
    bool headWritten = false;
    std::string batchText;
    while (outcome.rowsWritten < rowCount) {
        const int batch = std::min(headWritten ? kTableStreamBatchRows : kTableMaxPointCount,
                                   rowCount - outcome.rowsWritten);
        rows.resize(static_cast<std::size_t>(batch));
        lines.assign(static_cast<std::size_t>(batch), std::string());
        errors.assign(static_cast<std::size_t>(batch), std::string());
        for (TableRow& row : rows) {
            row.instant = instants.Next();
            row.computed = false;
        }
        // The head follows from the first batch, and the lines from the head:
        // the first batch's lines are formatted once the head is known.
        const int done = headWritten
                             ? ComputeRowsOnThreads(parameters, later, rows, threads, format)
                             : ComputeRowsOnThreads(parameters, control, rows, threads);
        if (done < batch) {
            outcome.status = TableRunStatus::Cancelled;
            return outcome;
        }
        batchText.clear();
        if (!headWritten) {
            batchText = formatter.Head(parameters, rows);
            headWritten = true;
            for (std::size_t index = 0; index < rows.size(); ++index) format(index, rows[index]);
        }
        for (int i = 0; i < batch; ++i) {
            const std::size_t index = static_cast<std::size_t>(i);
            batchText += lines[index];
            if (!errors[index].empty() && sink.rowError) {
                sink.rowError(outcome.rowsWritten + i, errors[index]);
            }
        }
        if (!sink.write(batchText)) {
            outcome.written = false;
            return outcome;
        }
        outcome.rowsWritten += batch;
        if (control.progress) control.progress(outcome.rowsWritten, rowCount);
    }
    return outcome;
}

}  // namespace tarvel
