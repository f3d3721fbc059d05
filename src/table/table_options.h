// Which optional columns the ephemeris table shows, and whether its angles and
// hours are written sexagesimally or as decimal numbers.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace tarvel {

// 35 flags: 33 column flags, then the two format choices. Every field defaults
// to false: no optional column, angles as degrees, minutes and seconds, hours
// as hours, minutes and seconds.
struct TableOptions {
    bool showDeltaT = false;
    bool showGmst = false;
    bool showLmst = false;
    bool showJulianDay = false;
    bool showEquationOfTime = false;
    bool showLongitudeDifference = false;
    bool showMeanLocalTime = false;
    bool showTrueZoneTime = false;
    bool showTrueLocalTime = false;
    bool showItalianHours = false;
    bool showBabylonianHours = false;
    bool showTemporalHours = false;
    bool showEclipticLatitude = false;
    bool showEclipticLongitude = false;
    bool showRightAscension = false;
    bool showDeclination = false;
    bool showTopoRightAscension = false;
    bool showTopoDeclination = false;
    bool showGeometricTimes = false;
    bool showGeometricAzAlt = false;
    bool showGeometricDaylight = false;
    bool showApparentTimes = false;
    bool showApparentAzAlt = false;
    bool showApparentDaylight = false;
    bool showAzimuth = false;
    bool showAltitude = false;
    bool showFajr = false;
    bool showZuhr = false;
    bool showAsr = false;
    bool showMaghrib = false;
    bool showIsha = false;
    bool showQibla = false;
    bool showQiblaTime = false;
    bool decimalAngles = false;  // angle cells and the latitude and longitude title lines
    bool decimalHours = false;   // hour cells, the time column and the zone title line

    friend bool operator==(const TableOptions&, const TableOptions&) = default;
};

inline constexpr int kTableColumnFlagCount = 33;

// One column flag with its option name: the field name without "show", in
// camelCase ("deltaT", "gmst", "julianDay", "geometricAzAlt" ...).
struct TableColumnOption {
    std::string_view name;
    bool TableOptions::*flag;
};

// The 33 column flags in field order.
extern const std::array<TableColumnOption, kTableColumnFlagCount> kTableColumnOptions;

// Sets all 33 column flags to `value`, leaving the two format choices as they
// are (the options dialog's "Seleziona tutto" and "Deseleziona tutto").
void SetAllColumnFlags(TableOptions& options, bool value);

// The columns of the day times (the chosen prayer method's sunrise, the
// twilights, the golden hour and the night): a choice beside the 33 flags,
// which the options dialog does not offer. Every field defaults to false.
struct TableDayTimeColumns {
    bool showSunrise = false;  // the method's sunrise (Shuruq)
    bool showCivilTwilight = false;
    bool showNauticalTwilight = false;
    bool showAstronomicalTwilight = false;
    bool showGoldenHour = false;
    bool showNight = false;  // the night's length, middle and start of its last third

    friend bool operator==(const TableDayTimeColumns&, const TableDayTimeColumns&) = default;
};

inline constexpr int kTableDayTimeColumnFlagCount = 6;

struct TableDayTimeColumnOption {
    std::string_view name;
    bool TableDayTimeColumns::*flag;
};

// The 6 flags in field order, named as the 33: "sunrise", "civilTwilight",
// "nauticalTwilight", "astronomicalTwilight", "goldenHour", "night".
extern const std::array<TableDayTimeColumnOption, kTableDayTimeColumnFlagCount>
    kTableDayTimeColumnOptions;

// Whether any of the day times' columns is chosen.
bool AnyDayTimeColumn(const TableDayTimeColumns& columns);

// What the table's writers take: the options and the day times' columns. A
// TableOptions alone stands for itself without day times' columns.
struct TableColumnSet : TableOptions {
    TableDayTimeColumns dayColumns;

    TableColumnSet(const TableOptions& options = TableOptions(),
                   const TableDayTimeColumns& days = TableDayTimeColumns())
        : TableOptions(options), dayColumns(days) {}
};

// The option names of the column flags set in options, comma-separated, in
// field order ("" when none is set).
std::string ColumnOptionList(const TableOptions& options);

// The same followed by the names of the day times' columns set in days.
std::string ColumnOptionList(const TableOptions& options, const TableDayTimeColumns& days);

struct ColumnOptionParse {
    bool ok = false;
    std::string error;  // English, names the offending entry
    std::string entry;  // the offending entry ("" when it is empty)
    std::string known;  // an unknown entry: the known names, "all, deltaT,gmst,..."
    // The names of the columns chosen, in the order the list gives them ("all"
    // stands for the 33 in field order), each once: the order of a CSV's columns.
    std::vector<std::string_view> order;
};

// Sets the column flags of options from a comma-separated list of option
// names, or "all" for every column: the flags named are set, the others
// cleared; the format choices are not touched. Names are matched ignoring
// letter case, blanks around a name are ignored; an empty list selects no
// column. An unknown or empty entry fails and leaves options unchanged.
ColumnOptionParse ParseColumnOptionList(std::string_view list, TableOptions& options);

// The same with the names of the day times' columns too, which set their flags
// in days ("all" still selects the 33 columns, and clears the day times').
// An unknown or empty entry fails and leaves options and days unchanged.
ColumnOptionParse ParseColumnOptionList(std::string_view list, TableOptions& options,
                                        TableDayTimeColumns& days);

}  // namespace tarvel
