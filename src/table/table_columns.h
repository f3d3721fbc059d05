// The 59 columns of the ephemeris table, in table order: headings, width,
// the result value shown (an entry of kResultFields or kDayTimeFields) and the
// kind of cell, shared by the text writers and the CSV writer. Columns 1 to
// 47 are those of the options dialog; 48 to 59 show the day times (the
// chosen method's sunrise, the twilights, the golden hour and the night).
#pragma once

#include <array>
#include <string_view>
#include <vector>

#include "format/result_fields.h"
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
    int number;                   // 1 ... 59
    bool TableOptions::*flag;     // nullptr for the date and time columns and columns 48 ... 59
    std::array<int, 3> headings;  // string numbers of heading lines 1-3, 0 = (blank)
    TableUnitKind unit;           // heading line 4
    int width;                    // characters
    TableCellKind cell;
    const ResultField* field;  // the value shown; nullptr for the date and time columns
    // The English name in the CSV header row where it is not the field's own:
    // the date and time columns, and a value shown in another role
    // ("GeometricTransit", "ApparentTransit" and "Zuhr" are the transit).
    std::string_view role = {};
    // The prayer columns (Fajr, Zuhr, Asr 1, Asr 2, Maghrib, Isha): the same
    // prayer by the chosen method (an entry of kDayTimeFields), shown instead
    // of field in a row that carries its day times. With the program's own
    // method, no rule and no adjustment both are the same value.
    const ResultField* methodField = nullptr;
    // Columns 48 ... 59: their flag among the day times' columns.
    bool TableDayTimeColumns::*dayFlag = nullptr;

    // The English name in the CSV header row.
    constexpr std::string_view CsvName() const { return role.empty() ? field->name : role; }

    // The value the column shows in a row with these day times (nullptr:
    // the row carries none).
    constexpr const ResultField* ShownField(const DayTimes* days) const {
        return methodField != nullptr && days != nullptr ? methodField : field;
    }
};

inline constexpr int kTableColumnCount = 59;

// All 59 columns in table order.
extern const std::array<TableColumn, kTableColumnCount> kTableColumns;

// The columns a table with these options shows: the date and time columns,
// then every column whose flag is set, in table order.
std::vector<const TableColumn*> SelectedTableColumns(const TableColumnSet& options);

}  // namespace tarvel
