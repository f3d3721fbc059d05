// The CSV for data tools: header names, dates, times and round-trip values.
#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <set>
#include <string>
#include <vector>

#include "table/table_columns.h"
#include "table/table_csv.h"
#include "table_test_support.h"

namespace tarvel {
namespace {

using table_test::Lines;
using table_test::PlainRow;

std::vector<std::string> Fields(const std::string& line) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    while (true) {
        const std::size_t comma = line.find(',', start);
        fields.push_back(line.substr(start, comma - start));
        if (comma == std::string::npos) {
            return fields;
        }
        start = comma + 1;
    }
}

TEST(CsvTest, HeaderAndFixedColumns) {
    const std::vector<TableRow> rows = {PlainRow({2025, 4, 31, 23, 59, 59.996}),
                                        PlainRow({2025, 12, 31, 23, 59, 59.9999999}),
                                        PlainRow({2025, 6, 1, 8, 5, 7.25})};
    const std::string csv = WriteTableCsv(TableOptions(), rows, 45.0);
    const std::vector<std::string> expected = {
        "Date,Time",
        "2025-05-02,00:00:00.00",  // 31 April is 1 May; the rounding carries into the date
        "2026-01-01,00:00:00.00",
        "2025-06-01,08:05:07.25",
    };
    EXPECT_EQ(Lines(csv), expected);
    EXPECT_EQ(csv.substr(csv.size() - 2), "\r\n");
}

TEST(CsvTest, EveryColumnHasAUniqueName) {
    TableOptions options;
    SetAllColumnFlags(options, true);
    options.decimalAngles = false;  // the format choices play no part
    const std::string csv = WriteTableCsv(options, {PlainRow()}, 45.0);
    const std::vector<std::string> lines = Lines(csv);
    ASSERT_EQ(lines.size(), 2u);
    const std::vector<std::string> names = Fields(lines[0]);
    ASSERT_EQ(names.size(), 47u);
    EXPECT_EQ(names[0], "Date");
    EXPECT_EQ(names[1], "Time");
    EXPECT_EQ(names[2], "GMST");
    EXPECT_EQ(names[9], "DeltaT");
    EXPECT_EQ(names[46], "QiblaTime");
    std::set<std::string> unique(names.begin(), names.end());
    EXPECT_EQ(unique.size(), names.size());
    const std::vector<std::string> values = Fields(lines[1]);
    ASSERT_EQ(values.size(), 47u);
    // Raw values of the fields, in "C" conventions.
    EXPECT_EQ(values[2], "5.5");        // GMST, hours
    EXPECT_EQ(values[4], "2461018.5");  // JulianDay
    EXPECT_EQ(values[5], "-0.5");       // Azimuth, degrees
    EXPECT_EQ(values[7], "0.04");       // Refraction, degrees
    EXPECT_EQ(values[11], "-2.5");      // LongitudeDifference, degrees, positive west
    EXPECT_EQ(values[15], "-0.0001");   // EclipticLatitude
    double apparentTransit = 0;         // ApparentTransitAltitude, the sum of two fields
    std::from_chars(values[35].data(), values[35].data() + values[35].size(), apparentTransit);
    EXPECT_EQ(apparentTransit, 22.0 + 0.04) << values[35];
    EXPECT_EQ(values[45], "43.5");  // QiblaAzimuth, from the south, positive east
}

TEST(CsvTest, ValuesReadBackExactly) {
    TableOptions options;
    SetAllColumnFlags(options, true);
    TableRow row = PlainRow();
    row.result.gmst = 0.1 + 0.2;  // 0.30000000000000004
    row.result.julianDay = 2461018.123456789;
    row.result.azimuth = -1.0 / 3.0;
    const std::vector<std::string> values = Fields(Lines(WriteTableCsv(options, {row}, 45))[1]);
    const double expected[] = {row.result.gmst, row.result.julianDay, row.result.azimuth};
    const std::size_t index[] = {2, 4, 5};
    for (int i = 0; i < 3; ++i) {
        const std::string& text = values[index[i]];
        EXPECT_EQ(text.find_first_of("eE,"), std::string::npos) << text;
        double back = 0;
        std::from_chars(text.data(), text.data() + text.size(), back);
        EXPECT_EQ(back, expected[i]) << "column " << index[i] << ": " << text;
    }
    EXPECT_EQ(values[2], "0.30000000000000004");
}

TEST(CsvTest, MissingValuesAreEmpty) {
    TableOptions options;
    options.showTemporalHours = true;
    options.showIsha = true;
    options.showQiblaTime = true;
    TableRow noQibla = PlainRow();
    noQibla.result.qiblaTime = -1;
    noQibla.result.occurs.qiblaTime = false;
    TableRow noTemporal = PlainRow();
    noTemporal.result.temporalHours = std::nan("");
    // An event that does not occur holds 0, which must not read as midnight.
    TableRow noIsha = PlainRow();
    noIsha.result.isha = 0;
    noIsha.result.occurs.isha = false;
    TableRow ishaAtMidnight = PlainRow();
    ishaAtMidnight.result.isha = 0;
    TableRow failed = PlainRow();
    failed.computed = false;
    failed.error = "x";
    EXPECT_EQ(
        Lines(WriteTableCsv(
            options, {PlainRow(), noQibla, noTemporal, noIsha, ishaAtMidnight, failed}, 45.0)),
        (std::vector<std::string>{
            "Date,Time,TemporalHours,Isha,QiblaTime", "2025-12-09,12:00:00.00,6,18.25,9.5",
            "2025-12-09,12:00:00.00,6,18.25,", "2025-12-09,12:00:00.00,,18.25,9.5",
            "2025-12-09,12:00:00.00,6,,9.5", "2025-12-09,12:00:00.00,6,0,9.5",
            "2025-12-09,12:00:00.00,,,"}));
    // At 66.55 degrees or more the temporal hours are not shown, whatever was computed.
    EXPECT_EQ(Lines(WriteTableCsv(options, {PlainRow()}, -70.0))[1],
              "2025-12-09,12:00:00.00,,18.25,9.5");
}

TEST(CsvTest, QuotingOfFields) {
    EXPECT_EQ(CsvField("plain"), "plain");
    EXPECT_EQ(CsvField("a,b"), "\"a,b\"");
    EXPECT_EQ(CsvField("say \"hi\""), "\"say \"\"hi\"\"\"");
    EXPECT_EQ(CsvField("two\r\nlines"), "\"two\r\nlines\"");
    EXPECT_EQ(RoundTripDecimal(std::nan("")), "");
    EXPECT_EQ(RoundTripDecimal(1e-7), "0.0000001");
    EXPECT_EQ(RoundTripDecimal(-0.0), "-0");
}

}  // namespace
}  // namespace tarvel
