// A table written as its rows are computed, for tables longer than the
// window's 1,000 rows (up to kTableMaxStreamedPointCount): the rows are
// computed in batches on every core, each row's line formatted on the thread
// that computed it, and the lines handed on in row order, so memory stays
// that of one batch whatever the number of rows. The text is the one the
// same table gives at once (RunTable, WriteTableCsv) row for row; only a
// streamed CSV decides its header before the rows are known (see
// TableCsvRowFormatter).
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "table/table_layout.h"
#include "table/table_run.h"

namespace tarvel {

// The most rows a streamed table has (a year at one-minute steps is 525,600).
inline constexpr int kTableMaxStreamedPointCount = 1000000;

// The rows computed and formatted together: the first batch holds the
// window's kTableMaxPointCount rows, each later one kTableStreamBatchRows.
inline constexpr int kTableStreamBatchRows = 2048;

// The text of a streamed table: what precedes the rows, and each row's line.
class TableRowFormatter {
  public:
    virtual ~TableRowFormatter() = default;
    // The text before the first row, given the first batch of rows
    // (computed, not yet written). Called once, before any Line.
    virtual std::string Head(const TableParameters& parameters,
                             const std::vector<TableRow>& firstRows) = 0;
    // One row's line with its line end. Called from several threads at once.
    // *error receives the text of the row's failure, empty when it has none.
    virtual std::string Line(const TableRow& row, std::string* error) const = 0;
};

// The texts of the table window, the file and the clipboard
// (TableTextWriter): title and heading lines, then RowLine of each row.
class TableTextRowFormatter : public TableRowFormatter {
  public:
    TableTextRowFormatter(const TableColumnSet& options, TableTarget target,
                          const TableLocale& locale = TableLocale(),
                          const TableTexts& texts = TableTexts());
    std::string Head(const TableParameters& parameters,
                     const std::vector<TableRow>& firstRows) override;
    std::string Line(const TableRow& row, std::string* error) const override;

  private:
    TableTextWriter writer_;
    double latitude_ = 0;
};

// Where a streamed table goes, on the calling thread and in row order.
struct TableStreamSink {
    // Takes the next piece of text; false when it could not be written, which
    // ends the run there.
    std::function<bool(std::string_view text)> write;
    // A row whose computation or cells failed (index from 0, the error's
    // text); its line holds no cells and is written all the same.
    std::function<void(int row, const std::string& message)> rowError;
};

struct TableStreamOutcome {
    TableRunStatus status = TableRunStatus::Ok;
    TableField field = TableField::None;  // the invalid field (InvalidParameters)
    std::string message;                  // as TableComputation::message
    bool written = true;                  // false: sink.write refused a piece
    int rowsWritten = 0;
};

// Validates the parameters as ValidateTableParameters does, except that the
// number of rows may reach kTableMaxStreamedPointCount (texts.integerRangeMessage
// with those bounds), refuses a fractional step with a unit other than
// Seconds, then computes the rows batch by batch and writes the formatter's
// head and lines to the sink. Nothing is written when the parameters are
// refused. control.progress hears, on the calling thread, of the rows written
// after each batch; control.stopToken ends the run with Cancelled between
// batches or rows; control.dayTimes is left as the caller set it
// (TableNeedsDayTimes tells when the columns need them). The first
// kTableMaxPointCount rows, one batch, take their searches' series from
// control.searchSeries, so that they are the bytes of the same table computed
// at once; the rows after them from laterRowsSeries when it is given.
TableStreamOutcome StreamTable(const TableParameters& parameters, TableRowFormatter& formatter,
                               const TableStreamSink& sink,
                               const TableRunControl& control = TableRunControl(),
                               const TableTexts& texts = TableTexts(),
                               std::optional<SunSeriesSource> laterRowsSeries = std::nullopt);

}  // namespace tarvel
