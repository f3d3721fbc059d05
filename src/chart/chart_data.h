// The data of the charts: the Sun's path across the sky on a date, the
// analemma, the equation of time over a year and the day and twilights over a
// year, as series in physical units (degrees, hours of the clock, minutes,
// dates), ready for any drawing.
//
// Given:    ChartInputs: the request of one instant (its date, clock time,
//           zone, site, atmosphere and prayer settings) and, optionally, the
//           zone rules the clock follows.
// Returned: one record per chart.
// Notes:    bearings are compass bearings, degrees from the NORTH through the
//           east (0 N, 90 E, 180 S, 270 W), converted from the engine's
//           azimuth (from the south, positive west; the Qibla's from the
//           south, positive east). Altitudes are those of the Sun's centre,
//           topocentric, without refraction, as the engine's; the apparent
//           horizon is the altitude of the apparent rise and set
//           (ApparentHorizonAltitude). Clock times are hours on the date's
//           clock, summer hour included where it is in force.
//           Each date of a year chart is read on the clock in force that date:
//           under zone rules their offset and summer time at the date's
//           clock time; without them the request's zone and summer flag for
//           every date. The year charts are filled on all processors.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "astro/apparent_sun.h"
#include "astro/prayer_times.h"
#include "astro/solar_computation.h"
#include "chart/chart_parallel.h"
#include "civil/zone_rules.h"

namespace tarvel {

// What every chart is computed from.
struct ChartInputs {
    SolarRequest request;
    // The rules of the clock (a place's zone); none: the request's zone and
    // summer flag hold for every date.
    std::shared_ptr<const ZoneRules> zoneRules;
    // The place's name as the user chose it (UTF-8); empty: the charts name
    // the site by its coordinates.
    std::string placeName = {};
};

// A date of the proleptic Gregorian calendar.
struct ChartDate {
    int year = 2000;
    int month = 1;
    int day = 1;

    friend bool operator==(const ChartDate&, const ChartDate&) = default;
};

// Degrees from the north through the east, [0, 360), of an engine azimuth
// (from the south, positive towards the west).
double BearingFromSouthWestAzimuth(double azimuthFromSouthDeg);
// The same of the Qibla's azimuth (from the south, positive towards the east).
double BearingFromSouthEastAzimuth(double azimuthFromSouthDeg);

// The request of a date at a clock time (hours, [0, 24]) of the inputs: the
// date's clock reading, and under zone rules their offset and summer time in
// force then (summer time as one hour over the zone, as the engine takes it).
SolarRequest RequestOnDate(const ChartInputs& inputs, const ChartDate& date, double clockHours);

// The Sun at a clock time (hours) of the request's date, on the request's
// clock: the summer hour and the seconds beyond the zone's whole minutes
// removed as the solar computation removes them.
SunState SunAtClock(const SolarRequest& request, const SunSite& site, double clockHours);

// The equation of time the program shows of a Sun evaluation, minutes
// (apparent minus mean solar time).
double EquationOfTimeMinutesOf(const SunState& sun);

// The Sun at a point of its path.
struct SkyPoint {
    double clockHours = 0;   // on the date's clock
    double bearingDeg = 0;   // from the north through the east
    double altitudeDeg = 0;  // the centre, topocentric, without refraction
};

// An event of the day: whether the date has it, and where.
struct SkyEvent {
    bool occurs = false;
    SkyPoint point;
};

// The Sun's path on one date.
struct SunPathSeries {
    ChartDate date;
    std::vector<SkyPoint> path;       // from 0:00 to 24:00 of the clock, every step
    std::vector<SkyPoint> hourMarks;  // at each whole hour of the clock, 0 to 23
};

struct SunPathChart {
    SunPathSeries day;
    SkyEvent rise;     // the apparent rise
    SkyEvent transit;  // at the transit altitude
    SkyEvent set;      // the apparent set
    SkyPoint now;      // at the request's clock time
    double nowRefractedAltitudeDeg = 0;
    double apparentHorizonDeg = 0;  // the centre's altitude at the apparent rise and set
    double twilightAltitudesDeg[3] = {kCivilTwilightAltitude, kNauticalTwilightAltitude,
                                      kAstronomicalTwilightAltitude};
    double qiblaBearingDeg = 0;
    double latitude = 0;  // the site's, north positive
    // With the year's paths: the 21st of each month, January first.
    std::vector<SunPathSeries> monthPaths;
};

// Minutes between two points of a path.
inline constexpr int kSunPathStepMinutes = 5;

// The path on the request's date (and, with monthPaths, on the 21st of each
// month of its year).
SunPathChart ComputeSunPath(const ChartInputs& inputs, bool monthPaths);

// One day of the analemma: the Sun at the same time of the zone's standard
// clock every date (the request's time, less the summer hour when the
// request has it), so that the figure runs on through the summer-time
// changes.
struct AnalemmaPoint {
    ChartDate date;
    double bearingDeg = 0;
    double altitudeDeg = 0;
    double declinationDeg = 0;     // geocentric
    double equationOfTimeMin = 0;  // apparent minus mean solar time, minutes
};

// Where the marks of the analemma go (indices into points).
enum class SeasonMark { kMarchEquinox, kJuneSolstice, kSeptemberEquinox, kDecemberSolstice };
struct AnalemmaMark {
    SeasonMark season;
    std::size_t index;  // the day nearest the moment
};

struct AnalemmaChart {
    int year = 2000;
    double clockHours = 12;                // the standard clock time of every point
    std::vector<AnalemmaPoint> points;     // every day of the year, 1 January first
    std::vector<AnalemmaMark> seasons;     // in the order of the year
    std::vector<std::size_t> monthStarts;  // the 1st of each month, January first
};

// The analemma of the request's year at its standard clock time.
AnalemmaChart ComputeAnalemma(const ChartInputs& inputs);

// The equation of time over a year: one Sun position per day at 12:00 of the
// clock.
struct EquationOfTimePoint {
    ChartDate date;
    double dayOfYear = 0;  // 0 at 1 January 0:00 of the clock
    double minutes = 0;    // apparent minus mean solar time
};
// A turning point or a zero, with its time found between the daily values
// (parabola through three days for an extreme, a straight line for a zero).
struct EquationOfTimeFeature {
    double dayOfYear = 0;
    double minutes = 0;
};
struct EquationOfTimeChart {
    int year = 2000;
    std::vector<EquationOfTimePoint> points;
    std::vector<EquationOfTimeFeature> maxima;  // in the order of the year
    std::vector<EquationOfTimeFeature> minima;
    std::vector<EquationOfTimeFeature> zeros;
};

EquationOfTimeChart ComputeEquationOfTime(const ChartInputs& inputs);

// A clock time of the day chart: whether the date has it, and when.
struct ChartTime {
    bool occurs = false;
    double hours = 0;
};

// Day and twilights of one date, on that date's clock.
struct DaylightDay {
    ChartDate date;
    bool summerTime = false;
    ChartTime sunrise;  // the apparent rise and set (the centre at ApparentHorizonAltitude)
    ChartTime sunset;
    ChartTime civilDawn, civilDusk;
    ChartTime nauticalDawn, nauticalDusk;
    ChartTime astronomicalDawn, astronomicalDusk;
    ChartTime fajr, zuhr, asr1, maghrib, isha;  // of the chosen method, when asked for
    double apparentDaylightHours = 0;           // 24 or 0 when the Sun neither rises nor sets
    double geometricDaylightHours = 0;          // the centre above the true horizon
    // The Sun's altitude at transit from its declination at 12:00 (90 minus
    // the angle between latitude and declination; no parallax): with no rise
    // or set, tells the polar day (above the horizon) from the polar night.
    double transitAltitudeDeg = 0;
};

struct DaylightChart {
    int year = 2000;
    bool prayers = false;           // the prayer times were computed
    std::vector<DaylightDay> days;  // every day of the year
};

// The crossings of the twilights' altitudes and the apparent and true
// horizons only, by the solar computation's own search (FindAltitudeCrossings);
// with prayers, the full computation and the day times of every date too.
DaylightChart ComputeDaylight(const ChartInputs& inputs, bool prayers = false);

// The year charts of a site, year and zone, each computed when first asked
// for and kept (for the most recent few sites and years): a new date or time
// in the same year reuses them. The analemma, which depends on the clock
// time, is not among them (a Sun position a day). Safe from any thread.
std::shared_ptr<const EquationOfTimeChart> CachedEquationOfTime(const ChartInputs& inputs);
std::shared_ptr<const DaylightChart> CachedDaylight(const ChartInputs& inputs,
                                                    bool prayers = false);
// The paths on the 21st of each month (SunPathChart::monthPaths; the rest of
// the record is that of the inputs' date without its own path).
std::shared_ptr<const SunPathChart> CachedMonthPaths(const ChartInputs& inputs);
// Empties the cache (tests, benchmarks).
void ClearYearChartCache();

// Days of a year, 1 January first.
std::vector<ChartDate> DatesOfYear(int year);

}  // namespace tarvel
