// A streamed table: its text against the texts of the same rows computed at
// once (tables of at most 1,000 rows), its bounds, and a refused write.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "table/table_csv.h"
#include "table/table_layout.h"
#include "table/table_run.h"
#include "table/table_stream.h"
#include "table_test_support.h"

namespace tarvel {
namespace {

// Milan at one-minute steps, with position and event columns.
TableParameters MinuteRows(int pointCount) {
    TableParameters p = table_test::MilanParameters(pointCount);
    p.stepValue = 1;
    p.stepUnit = TableStepUnit::Minutes;
    return p;
}

TableOptions PositionColumns() {
    TableOptions options;
    options.showAzimuth = true;
    options.showAltitude = true;
    options.showDeclination = true;
    options.showGeometricTimes = true;
    return options;
}

// Rows [first, first + count) of p computed at once, as a table of their own.
struct WholeRows {
    TableParameters parameters;
    TableComputation computation;
};

WholeRows ComputeAtOnce(const TableParameters& streamed, int first, int count) {
    WholeRows whole{streamed, {}};
    ClockInstant start = StartInstant(streamed);
    for (int i = 0; i < first; ++i) AdvanceRowInstant(start, streamed.stepValue, streamed.stepUnit);
    whole.parameters.start = start;
    whole.parameters.pointCount = count;
    whole.computation = ComputeTableRows(whole.parameters);
    EXPECT_EQ(whole.computation.status, TableRunStatus::Ok);
    return whole;
}

// The text of such rows, split into what precedes the rows and the rows.
std::pair<std::string, std::string> WholeText(const WholeRows& whole, bool csv,
                                              TableTarget target) {
    const TableOptions options = PositionColumns();
    std::string text;
    std::size_t headLength = 0;
    if (csv) {
        text = WriteTableCsv(options, whole.computation.rows, whole.parameters.latitude);
        headLength = text.find("\r\n") + 2;
    } else {
        text = TableRunText(whole.computation, whole.parameters, options, target).text;
        const TableTextWriter writer(options, target);
        headLength = (writer.TitleLines(whole.parameters) + writer.HeadingLines()).size();
    }
    return {text.substr(0, headLength), text.substr(headLength)};
}

// The streamed text is the whole table's, row for row: the first 1,000 rows
// are the 1,000-row table's bytes, and the rows after them (in the batches
// that follow) those of the tables that start where they do.
TEST(StreamTableTest, RowsAreThoseOfTheTablesComputedAtOnce) {
    const int longest = kTableMaxPointCount + kTableStreamBatchRows + 1;  // three batches
    const TableParameters p = MinuteRows(longest);
    std::vector<WholeRows> wholes;
    for (int first = 0; first < longest; first += kTableMaxPointCount) {
        wholes.push_back(ComputeAtOnce(p, first, std::min(kTableMaxPointCount, longest - first)));
    }
    struct Case {
        const char* name;
        bool csv;
        TableTarget target;
        int rows;
    } cases[] = {{"window", false, TableTarget::Window, longest},
                 {"file", false, TableTarget::File, kTableMaxPointCount + 1},
                 {"clipboard", false, TableTarget::Clipboard, kTableMaxPointCount + 1},
                 {"csv", true, TableTarget::Window, kTableMaxPointCount + 1}};
    for (const Case& c : cases) {
        TableParameters streamedParameters = p;
        streamedParameters.pointCount = c.rows;
        std::unique_ptr<TableRowFormatter> formatter;
        if (c.csv) {
            formatter = std::make_unique<TableCsvRowFormatter>(PositionColumns(), p.latitude);
        } else {
            formatter = std::make_unique<TableTextRowFormatter>(PositionColumns(), c.target);
        }
        std::string streamed;
        int pieces = 0;
        TableStreamSink sink;
        sink.write = [&](std::string_view text) {
            streamed += text;
            ++pieces;
            return true;
        };
        const TableStreamOutcome outcome = StreamTable(streamedParameters, *formatter, sink);
        ASSERT_EQ(outcome.status, TableRunStatus::Ok) << c.name << ": " << outcome.message;
        EXPECT_TRUE(outcome.written) << c.name;
        EXPECT_EQ(outcome.rowsWritten, c.rows) << c.name;
        EXPECT_EQ(pieces, c.rows == longest ? 3 : 2) << c.name << ": one piece a batch";

        const auto [head, firstRows] = WholeText(wholes[0], c.csv, c.target);
        // The first 1,000 rows: the bytes of the 1,000-row table.
        EXPECT_TRUE(streamed.compare(0, head.size() + firstRows.size(), head + firstRows) == 0)
            << c.name << ": the first 1,000 rows differ";
        std::string expected = head + firstRows;
        for (std::size_t k = 1; k < wholes.size(); ++k) {
            std::string rows = WholeText(wholes[k], c.csv, c.target).second;
            const int wanted =
                std::min(kTableMaxPointCount, c.rows - static_cast<int>(k) * kTableMaxPointCount);
            if (wanted <= 0) break;
            // The rows wanted: as many lines.
            std::size_t end = 0;
            for (int line = 0; line < wanted; ++line) end = rows.find("\r\n", end) + 2;
            expected += rows.substr(0, end);
        }
        EXPECT_TRUE(streamed == expected) << c.name << ": the rows after the first 1,000 differ";
    }
}

// The number of rows may reach a million; nothing is written for a refused
// table.
TEST(StreamTableTest, RowCountBounds) {
    struct Case {
        int points;
        bool accepted;
    } cases[] = {{0, false},
                 {1001, true},
                 {kTableMaxStreamedPointCount, true},
                 {kTableMaxStreamedPointCount + 1, false}};
    for (const Case& c : cases) {
        TableParameters p = MinuteRows(c.points);
        p.latitude = 200;  // refused after the number of rows
        TableTextRowFormatter formatter(PositionColumns(), TableTarget::Window);
        std::string written;
        TableStreamSink sink;
        sink.write = [&](std::string_view text) {
            written += text;
            return true;
        };
        const TableStreamOutcome outcome = StreamTable(p, formatter, sink);
        EXPECT_EQ(outcome.status, TableRunStatus::InvalidParameters) << c.points;
        EXPECT_EQ(outcome.field, c.accepted ? TableField::Latitude : TableField::PointCount)
            << c.points;
        if (!c.accepted) {
            EXPECT_EQ(outcome.message, "Immettere un valore intero compreso tra 1 e 1000000.")
                << c.points;
        }
        EXPECT_EQ(written, "") << c.points;
    }
}

// A piece the sink cannot take ends the run: no further row is computed.
TEST(StreamTableTest, RefusedWriteEndsTheRun) {
    const TableParameters p = MinuteRows(5 * kTableStreamBatchRows);
    TableRunControl control;
    std::atomic<int> computed{0};
    control.compute = [&computed](const SolarRequest&) {
        ++computed;
        return SolarResult{};
    };
    TableTextRowFormatter formatter(TableOptions(), TableTarget::Window);
    int pieces = 0;
    TableStreamSink sink;
    sink.write = [&pieces](std::string_view) { return ++pieces < 2; };
    const TableStreamOutcome outcome = StreamTable(p, formatter, sink, control);
    EXPECT_EQ(outcome.status, TableRunStatus::Ok);
    EXPECT_FALSE(outcome.written);
    EXPECT_EQ(outcome.rowsWritten, kTableMaxPointCount);
    EXPECT_EQ(computed.load(), kTableMaxPointCount + kTableStreamBatchRows);
}

}  // namespace
}  // namespace tarvel
