// The inputs of one ephemeris table run, their validation and the stepping of
// the row instant.
#pragma once

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "astro/clock_reading.h"
#include "civil/clock_instant.h"
#include "civil/computer_clock.h"
#include "civil/zone_list.h"
#include "astro/observer.h"
#include "format/number_text.h"
#include "table/table_texts.h"

namespace tarvel {

class ZoneRules;

// Unit of one step, in the order of the form's unit list.
enum class TableStepUnit : int {
    Years = 0,    // "anni"
    Months = 1,   // "mesi"
    Days = 2,     // "giorni"
    Hours = 3,    // "ore"
    Minutes = 4,  // "minuti"
    Seconds = 5,  // "secondi"
};

inline constexpr int kTableStepUnitCount = 6;

// The unit list's Italian text ("anni" ... "secondi").
std::string_view TableStepUnitListText(TableStepUnit unit);

// A plain English name of the unit ("years", "months", "days", "hours",
// "minutes", "seconds"), for the command-line tool.
std::string_view TableStepUnitName(TableStepUnit unit);

// The unit named by `name` (English name as above, or the Italian list text;
// letter case ignored); nothing for an unknown name.
std::optional<TableStepUnit> ParseTableStepUnit(std::string_view name);

// Inputs of one table run. Latitude positive north, longitude positive WEST,
// zone offset positive east, heights in metres.
// The observer's site (height -1000 ... 20000 m), refraction and prayer settings
// come from ObserverSettings and pass to every row unchanged.
struct TableParameters : ObserverSettings {
    // Civil date and clock time of the first row (summer hour included when
    // summerTime is set).
    ClockReading start{2000, 1, 1, 12, 0, 0.0};
    float zoneHours = 0;  // one of the 40 offsets of kZoneListOffsets
    bool summerTime = false;
    // A place's time-zone rules, or none (the documented manual zone). With
    // rules, the start is a reading of their clock, each row takes the offset
    // and summer flag in force at its own instant, zoneHours and summerTime
    // are not used, and steps in hours, minutes and seconds follow real time
    // while steps in days, months and years keep the clock reading.
    std::shared_ptr<const ZoneRules> zoneRules;
    // Stepping.
    double stepValue = 1;  // 0.01 ... 60
    TableStepUnit stepUnit = TableStepUnit::Hours;
    int pointCount = 50;  // 1 ... 1000

    // Equal parameters give equal rows: every field reaches the row instants
    // or the requests.
    friend bool operator==(const TableParameters&, const TableParameters&) = default;
};


// Bounds of the form's fields.
inline constexpr double kTableMinLatitude = -90.0;
inline constexpr double kTableMaxLatitude = 90.0;
inline constexpr double kTableMinLongitude = -180.0;
inline constexpr double kTableMaxLongitude = 180.0;
// The height's bounds are the observer's own (kHeightBounds), as in every window and
// on the command line.
inline constexpr double kTableMinHeight = kHeightBounds.low;
inline constexpr double kTableMaxHeight = kHeightBounds.high;
inline constexpr int kTableMinPointCount = 1;
inline constexpr int kTableMaxPointCount = 1000;
inline constexpr double kTableMinStep = 0.01;
inline constexpr double kTableMaxStep = 60.0;

// The date and time pickers' range: 1900-01-01 00:00:00 ... 3000-01-01 00:00:00.
inline constexpr int kTableFirstStartYear = 1900;
inline constexpr int kTableLastStartYear = 3000;


// The start instant of the parameters.
ClockInstant StartInstant(const TableParameters& parameters);

// Moves the instant on by one step of stepValue units. n is the integer part of
// stepValue; a month's length is DaysInMonth of its Gregorian JulianDate.
//   Years:   year += n; month, day and time unchanged.
//   Months:  month += n; past December: year += (month - 13) div 12 + 1 and
//            month = (month - 13) mod 12 + 1; day and time unchanged.
//   Days:    day += n; while day exceeds the current month's length: day -= that
//            length and the month advances (January after December, year + 1).
//   Hours:   hour += n; past 23: k = (hour - 24) div 24 + 1,
//            hour = (hour - 24) mod 24, and the day advances k times.
//   Minutes: minute += n; past 59: k = (minute - 60) div 60 + 1,
//            minute = (minute - 60) mod 60, and the hour advances k times.
//   Seconds: second += stepValue (fraction kept); while second >= 60:
//            second -= 60 and the minute advances.
// Advancing one minute, hour or day carries at 60, 24 and past the month's
// length into the next larger unit.
void AdvanceRowInstant(ClockInstant& instant, double stepValue, TableStepUnit unit);


// The field a validation failure concerns (the window returns the focus there).
enum class TableField {
    None,
    StartInstant,
    Zone,
    Longitude,
    Latitude,
    Height,
    PointCount,
    StepValue,
};

struct TableValidation {
    TableField field = TableField::None;
    std::string message;  // empty when valid

    bool ok() const { return field == TableField::None; }
};

// Checks the parameters as the form does, stopping at the first failure:
// height in 0 ... 10000, longitude in -180 ... 180, latitude in -90 ... 90 (each
// "Immettere un numero compreso tra %1 e %2."), the number of points in
// 1 ... 1000 ("Immettere un valore intero compreso tra %1 e %2."), the step in
// 0.01 ... 60. After those, two checks the form never needs: the start instant
// must be a calendar date and time within the pickers' range, and the zone one
// of the 40 offsets (texts.startInstantMessage, texts.zoneMessage). A value
// that is not a number fails its range check. The fractional step is not a
// failure here: see IsFractionalStepRefused.
TableValidation ValidateTableParameters(const TableParameters& parameters,
                                        const TableTexts& texts = TableTexts());

// The texts of the form's edit fields.
struct TableFormTexts {
    std::string latitude;
    std::string longitude;
    std::string height;
    std::string pointCount;
    std::string stepValue;
    // The words of the sides the latitude and longitude may carry (ReadSiteAngle,
    // field style): latitude north positive, longitude WEST positive.
    HemisphereWords latitudeWords{{"N"}, {"S"}, {"E", "W"}};
    HemisphereWords longitudeWords{{"W"}, {"E"}, {"N", "S"}};
};

// Reads the form's texts into parameters (only the five fields named; the rest
// is left as it was) and validates them in the form's order, stopping at the
// first failure: longitude, latitude and height must be numbers ("Immettere un
// numero."); height, longitude and latitude must lie in their ranges; the number
// of points must be an integer ("Immettere un valore intero.") in 1 ... 1000;
// the step must be a number in 0.01 ... 60. Then the checks of
// ValidateTableParameters that the form does not make (start instant, zone).
// The latitude and longitude may be typed with their side and in degrees,
// minutes and seconds (ReadSiteAngle: "41°54'N", "12.5E"); the height, and a
// plain latitude or longitude, are read as the number at the start of the text
// (ReadLeadingNumber: "." or "," as the separator, whatever follows is
// ignored), as in the main window. The
// number of points must be a whole integer text (ReadIntegerText).
TableValidation ReadTableForm(const TableFormTexts& form, TableParameters& parameters,
                              const TableTexts& texts = TableTexts());

// True when a run must stop: the step has a fractional part and the unit is not
// Seconds. The message to show when the step field loses the focus is string
// 147 (table_string::kFractionalStep).
bool IsFractionalStepRefused(double stepValue, TableStepUnit unit);

}  // namespace tarvel
