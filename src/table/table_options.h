// Which optional columns the ephemeris table shows, and whether its angles and
// hours are written sexagesimally or as decimal numbers.
#pragma once

#include <array>
#include <string>
#include <string_view>

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

// The option names of the column flags set in options, comma-separated, in
// field order ("" when none is set).
std::string ColumnOptionList(const TableOptions& options);

struct ColumnOptionParse {
    bool ok = false;
    std::string error;  // English, names the offending entry
};

// Sets the column flags of options from a comma-separated list of option
// names, or "all" for every column: the flags named are set, the others
// cleared; the format choices are not touched. Names are matched ignoring
// letter case, blanks around a name are ignored; an empty list selects no
// column. An unknown or empty entry fails and leaves options unchanged.
ColumnOptionParse ParseColumnOptionList(std::string_view list, TableOptions& options);

}  // namespace tarvel
