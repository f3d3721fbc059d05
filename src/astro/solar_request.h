// The request of the solar computation: one civil instant on a local clock and
// one observer.
//
// Given:    (a data type) the clock reading (year, month, day, hour, minute,
//           second), the zone's offset from UTC, the summer flag and shift,
//           the site, atmosphere and prayer angles (ObserverSettings) and an
//           optional Delta T.
// Returned: nothing; CalcSolarParameters and the event searches read it.
// Notes:    angles in degrees, times of day in decimal hours, Delta T in
//           seconds. Latitude positive north, longitude positive WEST, zone
//           offsets positive east of UTC. The clock reading includes the
//           summer shift when summerTime is set. The zone offset is held as a
//           float (its documented type: it changes the last digits of every
//           time), with the seconds of old local mean times apart.
// References: Meeus ch. 7 (the civil date and time as a Julian Day) and
//           ch. 10 (Delta T).
#pragma once

#include "astro/clock_reading.h"
#include "astro/observer.h"

namespace tarvel {

// All angles in degrees and times of day in decimal hours unless stated.
// Latitude positive north, longitude positive WEST, zone offsets positive east.
// The site, atmosphere and prayer angles come from ObserverSettings.
struct SolarRequest : ObserverSettings {
    int year = 2000;
    int month = 1;
    int day = 1;
    int hour = 12;  // on the local clock, summer hour included when summerTime
    int minute = 0;
    double second = 0;      // fractional allowed
    float zoneHours = 0;    // 5.75, -3.5 ...
    float zoneMinutes = 0;  // always zoneHours * 60: set both with SetZone
    // Seconds of the offset beyond its whole minutes, with the offset's sign:
    // the local mean times of old zone rules (Dublin kept -0:25:21 until
    // 1916). 0 for the zones of the list; set with SetZoneOffsetSeconds.
    double zoneSeconds = 0;
    bool summerTime = false;
    // How far the clock is ahead of the zone's standard time when summerTime,
    // seconds: one hour for the summer box, the amount of the zone's rules
    // otherwise (half an hour at Lord Howe, two hours in wartime Britain).
    int summerShiftSeconds = 3600;
    double deltaT = 0;         // seconds, used only when deltaTGiven
    bool deltaTGiven = false;  // false: every evaluation uses the model

    // The date and time of the clock reading.
    void SetClockReading(const ClockReading& reading) {
        year = reading.year;
        month = reading.month;
        day = reading.day;
        hour = reading.hour;
        minute = reading.minute;
        second = reading.second;
    }
    ClockReading Clock() const { return {year, month, day, hour, minute, second}; }

    // The zone offset in hours east of UTC, and the same in minutes.
    void SetZone(float hours) {
        zoneHours = hours;
        zoneMinutes = hours * 60;
        zoneSeconds = 0;
    }

    // Any offset east of UTC in whole seconds, as the time-zone rules give it:
    // the whole minutes in zoneMinutes (exactly) and zoneHours, the rest in
    // zoneSeconds.
    void SetZoneOffsetSeconds(long seconds) {
        const long minutes = seconds / 60;  // towards zero: the rest has the offset's sign
        zoneHours = static_cast<float>(minutes / 60.0);
        zoneMinutes = static_cast<float>(minutes);
        zoneSeconds = static_cast<double>(seconds - 60 * minutes);
    }
};

// The Delta T a caller may give, seconds: every plausible value, from the
// near future back to the earliest dates the model serves.
inline constexpr ValueBounds kDeltaTBounds{-1000.0, 100000.0};

}  // namespace tarvel
