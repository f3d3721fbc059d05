// The 47 columns of the ephemeris table, in table order: headings, width,
// the result value shown (an entry of kResultFields) and the kind of cell,
// shared by the text writers and the CSV writer.
#pragma once

#include <array>
#include <string_view>
#include <vector>

#include "astro/result_fields.h"
#include "table/table_options.h"

namespace tarvel {

// How a column's value becomes its cell text (see table_layout.h).
enum class TableCellKind {
    Date,                 // the row's calendar date, short date format
    Time,                 // the row's clock time
    HoursPlain,           // H1: "%02d:%02d:%04.1lf" / "%11.7lf"
    SiderealTime,         // H1, but "%9.6lf" in decimal mode on the clipboard
    HoursBlank,           // H2: " %02d:%02d:%04.1lf" / "%11.7lf"
    Angle,                // A: " %02d°%02d'%04.1lf\"" or "-..." / "%11.7lf"
    JulianDay,            // "%.8lf"
    Refraction,           // " %02d'%04.1lf\"" / "%.4lf" arcminutes, 0 below the horizon
    DeltaT,               // "%.1lf"
    EquationOfTime,       // " %02d:%02d:%05.2lf" or "-..." / "%6.2lf"
    LongitudeDifference,  // as a time; "-..." when west of the zone meridian
    MeanLocalTime,        // "%02d:%02d:%05.2lf" / "%11.7lf"
    TrueSolarTime,        // " %02d:%02d:%05.2lf" / "%11.7lf"
    SignedHours,          // " %02d:%02d:%04.1lf" or "-..." / "%11.7lf"
    TemporalHours,        // H2, or the undefined text at high latitudes
    QiblaAzimuth,         // " %02d°%02d'%04.1lf\" est|ovest" / "%11.7lf" of -azimuth
    QiblaTime,            // H2, or dashes when there is no Qibla time
};

// The unit heading (fourth heading line) of a column.
enum class TableUnitKind {
    Blank,           // (blank)
    Hours,           // "[h]" or "[hh:mm:ss]" by decimalHours
    Angle,           // "[g]" or "[gg°mm'ss\"]" by decimalAngles
    Seconds,         // "[s]"
    EquationOfTime,  // "[s]" or "[hh:mm:ss]" by decimalHours
    Refraction,      // "[']" or "[mm'ss\"]" by decimalAngles
};

struct TableColumn {
    int number;                   // 1 ... 47
    bool TableOptions::*flag;     // nullptr for the date and time columns
    std::array<int, 3> headings;  // string numbers of heading lines 1-3, 0 = (blank)
    TableUnitKind unit;           // heading line 4
    int width;                    // characters
    TableCellKind cell;
    const ResultField* field;  // the value shown; nullptr for the date and time columns
    // The English name in the CSV header row where it is not the field's own:
    // the date and time columns, and a value shown in another role
    // ("GeometricTransit", "ApparentTransit" and "Zuhr" are the transit).
    std::string_view role = {};

    // The English name in the CSV header row.
    constexpr std::string_view CsvName() const { return role.empty() ? field->name : role; }
};

// All 47 columns in table order.
extern const std::array<TableColumn, 47> kTableColumns;

// The columns a table with these options shows: the date and time columns,
// then every column whose flag is set, in table order.
std::vector<const TableColumn*> SelectedTableColumns(const TableOptions& options);

}  // namespace tarvel
