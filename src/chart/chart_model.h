// The charts as a whole: their kinds with the command-line names, and the data
// one chart shows, gathered from the chart series for a request. Free of Qt:
// any drawing reads a ChartModel.
//
// Given:    ChartInputs (chart_data.h) and the kind of chart, with its two
//           options (the prayers as lines on the day chart, the polar form of
//           the sun paths).
// Returned: a ChartModel holding the series of that kind only (the year of
//           sun paths with the date's own path too); the year charts shared
//           from the cache of chart_data.h.
// Notes:    the units and conventions are those of chart_data.h: bearings
//           from the north through the east, altitudes in degrees, clock
//           times in hours.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "chart/chart_data.h"

namespace tarvel {

enum class ChartKind {
    kSunPath,         // the path on the date
    kSunPathYear,     // the paths on the 21st of each month
    kAnalemma,        // the analemma, and the equation of time against the declination
    kEquationOfTime,  // the equation of time over the year
    kDaylight,        // day and twilights over the year
};

// The command-line names: "sunpath", "sunpath-year", "analemma",
// "equation-of-time", "daylight".
const char* ChartKindKey(ChartKind kind);
std::optional<ChartKind> ParseChartKind(const std::string& key);

// What one chart shows.
struct ChartModel {
    ChartKind kind = ChartKind::kSunPath;
    SunPathChart sunPath;    // kSunPath; kSunPathYear: the date's, with monthPaths
    AnalemmaChart analemma;  // kAnalemma
    int year = 2000;         // of the inputs
    std::shared_ptr<const SunPathChart> monthPaths;             // kSunPathYear
    std::shared_ptr<const EquationOfTimeChart> equationOfTime;  // kEquationOfTime
    std::shared_ptr<const DaylightChart> daylight;              // kDaylight
    bool prayerLines = false;  // kDaylight: the chosen method's prayers as lines
    // kSunPath, kSunPathYear: the stereographic polar form (the zenith in the
    // middle, the north up, the east to the right) instead of altitude
    // against bearing.
    bool polar = false;

    // What the title names and the year charts mark: the request's date and
    // clock time, the place (its name, or empty) and site, the zone's name
    // (empty without zone rules) and the request's offset, hours east of
    // Greenwich, with its summer shift when in force.
    ChartDate date;
    double clockHours = 0;
    std::string placeName;
    double latitude = 0;       // north positive
    double longitudeWest = 0;  // west positive, as the request's
    std::string zoneName;
    double zoneOffsetHours = 0;  // standard, without the summer shift
    bool summerTime = false;
    double summerShiftHours = 0;
};

// The data of a chart for the inputs (the year charts from the cache).
ChartModel BuildChartModel(ChartKind kind, const ChartInputs& inputs, bool prayerLines = false,
                           bool polar = false);

}  // namespace tarvel
