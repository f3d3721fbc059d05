// The sundial of the observer's site: a flat plate of a given orientation, a
// gnomon ending in a nodus, and the lines its shadow traces, computed from the
// program's own Sun positions as the gnomonic projection of the Sun's
// direction onto the plate through the nodus.
//
// Given:    SundialDesign: the plate (horizontal; vertical, turned by its
//           declination and tilted by its inclination; equatorial; polar),
//           the nodus' height above the plate, the plate's side, the hour
//           systems and the dates wanted; ChartInputs: the site, the clock's
//           zone and the year (the request's).
// Returned: SundialModel: the gnomon's geometry and every line as polylines
//           in millimetres on the plate, clipped at its edges.
// Notes:    plate coordinates: millimetres, the origin at the foot of the
//           perpendicular gnomon (the point of the plate under the nodus), x
//           towards the right of an observer facing the plate, y up the
//           plate (on a horizontal plate x is east and y north; on a tilted
//           or vertical plate y climbs the line of steepest slope).
//           A wall's declination is the azimuth of the direction its face
//           looks towards, from the south, positive towards the WEST (as the
//           engine's azimuth): 0 a wall facing south, 90 facing west, -90
//           facing east, 180 facing north. The inclination tilts the face
//           towards the sky (reclining, positive) or towards the ground
//           (inclining, negative), degrees from the vertical.
//           Hour lines run between the year's extreme declinations (the
//           solstices of the request's year) where the Sun is above the
//           true horizon and in front of the plate. The Italian, Babylonian
//           and temporal hours are those of the engine (hour_systems.h): from
//           the geometric sunset, sunrise and the half-day arc of the
//           declination, on true solar time. The mean-time curves (the
//           analemma of each hour) are the Sun at that hour of the zone's
//           standard clock every few days of the year. Date lines are the
//           nodus' shadow through the day at the declination of the date.
//           Refraction and the Sun's parallax are left out: a shadow follows
//           the geocentric direction to far better than a line's width.
// References: the gnomonic projection; the hour systems as in hour_systems.h.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "chart/chart_data.h"

namespace tarvel {

enum class DialType { kHorizontal, kVertical, kEquatorial, kPolar };

// The hour systems a dial can show.
enum class DialHourSystem {
    kTrue,        // local apparent (true solar) time
    kMean,        // the zone's standard clock, as a figure-eight per hour
    kItalian,     // hours since the geometric sunset
    kBabylonian,  // hours since the geometric sunrise
    kTemporal,    // twelfths of the day, from sunrise
};

// Named date lines.
enum class DialDateKind {
    kSolstice,  // the Sun's entry into Cancer and Capricorn
    kEquinox,   // into Aries and Libra
    kZodiac,    // into any sign (the solstices and equinoxes among them)
    kChosen,    // a date the user chose: its declination at true noon
};

struct SundialDesign {
    DialType type = DialType::kHorizontal;
    double declinationDeg = 0;   // vertical: from the south, positive west
    double inclinationDeg = 0;   // vertical: from the vertical, positive reclining
    double gnomonHeightMm = 40;  // the nodus above the plate
    double sizeMm = 200;         // the side of the square plate
    std::vector<DialHourSystem> hours = {DialHourSystem::kTrue};
    int subdivisions = 1;  // true and mean time: 1 whole hours, 2 halves, 4 quarters
    bool solstices = true;
    bool equinoxes = true;
    bool zodiac = false;
    std::vector<ChartDate> dates;  // chosen dates
};

// Accepted values of the design.
inline constexpr double kDialMinGnomonMm = 1;
inline constexpr double kDialMaxGnomonMm = 5000;
inline constexpr double kDialMinSizeMm = 20;
inline constexpr double kDialMaxSizeMm = 10000;
inline constexpr double kDialMaxInclinationDeg = 89;

// A point of the plate, millimetres (see above).
struct DialPoint {
    double x = 0;
    double y = 0;
};

// One hour line or date line: its pieces on the plate after clipping.
struct DialLine {
    DialHourSystem system = DialHourSystem::kTrue;  // hour lines
    DialDateKind dateKind = DialDateKind::kChosen;  // date lines
    // Hour lines: the hour of the system (true and mean: hours of the day,
    // 0-24; Italian and Babylonian: 1-23; temporal: 1-11). Date lines: the
    // Sun's ecliptic longitude at the date (degrees; chosen dates: that of
    // the date's noon).
    double value = 0;
    ChartDate date;             // date lines: the day of the entry or the chosen date
    double declinationDeg = 0;  // date lines: the Sun's
    std::vector<std::vector<DialPoint>> pieces;
};

// The times of true solar time (hours) when the Sun shines on the plate on a
// date line's day: above the true horizon and in front of the plate.
struct DialSunlit {
    double startHours = 0;
    double endHours = 0;
};

struct SundialModel {
    SundialDesign design;
    double latitudeDeg = 0;
    double longitudeDeg = 0;  // west positive
    int year = 2000;
    std::string placeName;       // as the inputs name it; empty: none
    std::string zoneName;        // the zone rules' name; empty: none
    double zoneOffsetHours = 0;  // standard, east positive: the mean-time curves' clock
    // The plate: a square in plate coordinates.
    double plateLeft = 0, plateBottom = 0, plateSide = 0;
    // The face's normal, east-north-up, unit vector; the plate's axes.
    double normal[3] = {0, 0, 1};
    double axisX[3] = {1, 0, 0};
    double axisY[3] = {0, 1, 0};
    // The gnomon: the nodus above the origin at gnomonHeightMm.
    double styleHeightDeg = 0;  // between the polar style and the plate
    // The substyle's direction on the plate, degrees from the plate's +y
    // towards +x: from the centre through the foot (away from the pole the
    // style points to).
    double substyleDirectionDeg = 0;
    // The substyle line on the plate (none on an equatorial plate, where the
    // style stands upright).
    std::vector<std::vector<DialPoint>> substyleLine;
    std::optional<DialPoint> centre;  // where the style meets the plate; none when parallel
    double styleLengthMm = 0;         // from the centre to the nodus; 0 without a centre
    double declinationMinDeg = 0;     // the year's extremes
    double declinationMaxDeg = 0;
    std::vector<DialLine> hourLines;
    std::vector<DialLine> dateLines;
    // For each date line, in the same order.
    std::vector<std::vector<DialSunlit>> sunlit;
};

// The unit vector towards the Sun, east-north-up, of an hour angle (degrees,
// positive west, after true noon) and a declination at latitude latitudeDeg.
void SunDirection(double hourAngleDeg, double declinationDeg, double latitudeDeg, double out[3]);

// The nodus' shadow of a direction on the plate of model; none when the
// direction does not reach the plate's face (sun behind the plate or along
// it).
std::optional<DialPoint> ShadowOf(const SundialModel& model, const double direction[3]);

// The Sun's geocentric declination (degrees) when its apparent ecliptic
// longitude reaches longitudeDeg in year (0 in March, 300 in January), and
// that day on the calendar (of Terrestrial Time, within a minute of UT).
struct SunEntry {
    double jde = 0;
    double declinationDeg = 0;
    ChartDate date;
};
SunEntry SunEntryInto(int year, double longitudeDeg);

SundialModel BuildSundial(const SundialDesign& design, const ChartInputs& inputs);

// The names of the hour systems and date kinds as the command line and the
// CSV write them.
const char* DialHourSystemName(DialHourSystem system);
const char* DialDateKindName(DialDateKind kind);

// The dial as CSV for laying it out by hand (UTF-8, LF, "." decimals): a
// heading line, then the gnomon (the foot, the centre, the style's height
// and length, the substyle's direction), the plate's corners, and every
// point of every line, each line's pieces numbered from 1. Columns: line
// (gnomon, plate, hour, date), kind (the item, the hour system or the date
// kind), value (the hour, the ecliptic longitude, or the item's value in
// degrees or millimetres), date, declination_deg, piece, x_mm, y_mm.
std::string SundialCsv(const SundialModel& model);

}  // namespace tarvel
