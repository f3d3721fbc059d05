// The table as CSV for data tools (RFC 4180): a header row of English column
// names, then one record per row, fields separated by "," and records ended by
// CR LF.
//
// Columns: "Date" and "Time", then every column the options select, in table
// order (or a caller's, see CsvConventions), named by TableColumn::CsvName() ("GMST", "LMST",
// "JulianDay", "Azimuth", "Altitude", "Refraction", "ApparentAltitude", "DeltaT", "EquationOfTime",
// ...). The format choices of the options play no part.
//
// Values:
// - Date: the row's calendar date as YYYY-MM-DD (31 April is 1 May; years
//   past 9999 print all their digits);
// - Time: the row's clock time as HH:MM:SS.ss, rounded to the hundredth of a
//   second with the carry into minutes, hours and the date (so 59.999 s never
//   shows as 60.00);
// - every other field: the raw value of the solar computation in the "C"
//   conventions, written as the shortest decimal text that reads back to the
//   same double (std::to_chars, fixed notation, never an exponent): hours for
//   times and right ascensions, degrees for angles (the refraction as
//   applied, 0 below the horizon, and the longitude difference included, the
//   latter positive west of the zone meridian), seconds for ΔT and the equation of time, days for
//   the Julian Day; QiblaAzimuth is measured from the south, positive towards the east.
// - empty fields: a value that is absent (ResultField::PresentIn: an event
//   that does not occur on the row's date, temporal hours without a sunrise or
//   sunset), the temporal hours at latitude 66.55° or more, and every value of
//   a row whose computation failed.
//
// The prayer columns show the chosen method's prayers in rows that carry day
// times (TableRow::days). With a high-latitude rule in force, the Fajr and
// Isha columns are each followed by "FajrRule" and "IshaRule": the rule that
// gave the time ("middle", "seventh", "angle"), empty when the angle did.
//
// The day times are those of the row's date's day: an evening time after
// midnight (or a morning one before the date's midnight) falls on another
// date. A column in which that happens in some row is followed by the column
// of each time's own date, named after it with "Date" ("PrayerIshaDate",
// "NightMiddleDate"), as YYYY-MM-DD for every time the column shows; the
// value itself stays the clock time in hours.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "table/table_layout.h"
#include "table/table_options.h"
#include "table/table_parameters.h"
#include "table/table_stream.h"

namespace tarvel {

// What a caller may add to the CSV in its own conventions (the command line's):
// a column "UtcOffset" after the time with the offset of each row's clock
// ("+01:00"; two rows of the same clock time tell apart on the day the clocks
// go back), values written otherwise (azimuths as bearings), and the columns
// in the order of a list of option names (ColumnOptionParse::order: the
// columns of each name in table order, Date and Time first). Unset: the CSV
// described above.
struct CsvConventions {
    std::function<std::string(const TableRow& row)> offset;
    std::function<double(ResultFieldId id, double value)> value;
    std::vector<std::string_view> order;
};

// The CSV text of the rows for these options; latitude is the run's latitude.
std::string WriteTableCsv(const TableColumnSet& options, const std::vector<TableRow>& rows,
                          double latitude, const CsvConventions& conventions = {});

// The CSV of a streamed table (StreamTable): the header is written before
// the rows are known, so the rule's columns follow from the first rows (every
// row has the same prayer settings), and every column whose time may fall on
// another date than its row's (the day times with a date of their own) is
// followed by its date column, whether or not some row shows another date.
// The records are those of WriteTableCsv.
class TableCsvRowFormatter : public TableRowFormatter {
  public:
    TableCsvRowFormatter(const TableColumnSet& options, double latitude,
                         CsvConventions conventions = {});
    ~TableCsvRowFormatter() override;
    std::string Head(const TableParameters& parameters,
                     const std::vector<TableRow>& firstRows) override;
    std::string Line(const TableRow& row, std::string* error) const override;

  private:
    struct Layout;
    CsvConventions conventions_;
    std::unique_ptr<Layout> layout_;
};

// A CSV field: the text itself, or, when it holds a comma, a double quote, CR
// or LF, the text in double quotes with every double quote doubled.
std::string CsvField(const std::string& text);

// The shortest fixed-notation text that reads back to value ("" for a value
// that is not finite).
std::string RoundTripDecimal(double value);

}  // namespace tarvel
