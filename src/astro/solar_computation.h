// The single entry of the solar computation: one civil instant on a local clock
// and one observer in, every quantity the program shows out.
//
// Given:    a SolarRequest (the clock reading, zone, summer flag, site,
//           atmosphere, prayer angles and Delta T).
// Returned: a SolarResult: time measures, coordinates of the instant, rise,
//           transit and set, the old hour systems, prayer times and Qibla.
// Notes:    the searches evaluate the Sun again at every estimate on the
//           request's civil date; each reported event is a real crossing on
//           that date, and the flags in SolarResult::occurs tell which events
//           the date has.
// References: Meeus ch. 15 (rising, transit and setting), ch. 28 (equation
//           of time); the Qibla as the initial great-circle course to the
//           Kaaba; Asr by the shadow rule (shadow = k x object + noon shadow).
#pragma once

#include "astro/apparent_sun.h"
#include "astro/clock_reading.h"
#include "astro/observer.h"
#include "astro/refraction.h"

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

// Every field is written on every call. Clock times are on the request's clock
// (summer hour included) and reduced to [0, 24]. Events that do not occur: 0 for
// a time, 24 or 0 for a daylight length, -1 for the Qibla time, not-a-number for
// the temporal hours (the only not-a-number field).
struct SolarResult {
    // Time measures
    double julianDay = 0;       // UT, of the requested instant
    double deltaT = 0;          // s: the request's, or the last evaluation's model value
    double gmst = 0;            // h, Greenwich sidereal time (with the equation of the equinoxes)
    double lmst = 0;            // h, local sidereal time, not reduced
    double equationOfTime = 0;  // s, corrected for Delta T
    double longitudeDifference = 0;  // degrees, positive west of the zone meridian
    double meanLocalTime = 0;        // h, not reduced
    double trueLocalTime = 0;        // h
    double trueZoneTime = 0;         // h
    double italianHours = 0;         // h since the geometric sunset
    double babylonianHours = 0;      // h since the geometric sunrise
    double temporalHours = 0;        // temporal hours since sunrise or sunset; NaN without them
    double hoursToSunset = 0;        // h
    // Coordinates of the instant
    double eclipticLongitude = 0;
    double eclipticLatitude = 0;
    double rightAscension = 0;  // h
    double declination = 0;
    double topoRightAscension = 0;  // h
    double topoDeclination = 0;
    double azimuth = 0;     // from the south, positive towards the west
    double altitude = 0;    // topocentric, no refraction
    double refraction = 0;  // degrees
    double refractedAltitude = 0;
    // Rise, transit and set
    double transit = 0;
    double transitAltitude = 0;
    double transitRefraction = 0;  // degrees
    double geometricRise = 0;
    double geometricRiseAzimuth = 0;
    double geometricSet = 0;
    double geometricSetAzimuth = 0;
    double geometricDaylight = 0;  // h, not reduced
    double apparentRise = 0;
    double apparentRiseAzimuth = 0;
    double apparentSet = 0;
    double apparentSetAzimuth = 0;
    double apparentDaylight = 0;
    // Prayers and Qibla (Zuhr is transit, Maghrib is geometricSet)
    double fajr = 0;
    double asr1 = 0;
    double asr2 = 0;
    double isha = 0;
    double qiblaAzimuth = 0;  // from the south, positive towards the EAST
    double qiblaTime = 0;     // -1 when there is none

    // Whether each event occurs on the request's civil date. Where one does
    // not, its field holds the marker above (0, or -1 for the Qibla time), which
    // a reader cannot tell from an event at midnight; these flags can.
    struct Occurrences {
        bool transit = false;
        bool geometricRise = false;
        bool geometricSet = false;
        bool apparentRise = false;
        bool apparentSet = false;
        bool fajr = false;
        bool asr1 = false;
        bool asr2 = false;
        bool isha = false;
        bool qiblaTime = false;
    } occurs;
};

// Fills a SolarResult for the request. Raises nothing.
SolarResult CalcSolarParameters(const SolarRequest& request);

// The same, also reporting how many Sun evaluations the call made.
SolarResult CalcSolarParameters(const SolarRequest& request, int& sunEvaluations);

// Altitude of the Sun's centre on the apparent horizon, degrees: 50' below
// the true horizon (the Sun's semi-diameter and the refraction at the horizon)
// and 2.12' times the square root of the observer's height in metres (the
// dip); a site below sea level has no dip. The apparent rise and set are the
// crossings of this altitude.
double ApparentHorizonAltitude(double heightM);

// One crossing of a fixed altitude of the Sun's centre (degrees, without
// refraction) on a request's civil date: rising (the morning's) or setting
// (the evening's). Given altitude and rising; found: whether the date has the
// crossing and its clock time, on the request's clock (summer hour included)
// reduced to [0, 24]; 0 when it does not occur.
struct AltitudeCrossing {
    double altitude = 0;
    bool rising = false;
    bool occurs = false;
    double time = 0;
};

// Finds each crossing on the request's civil date with the driver's prayer
// search (at most 5 evaluations of the Sun, stopping at 0.1 s, then settled:
// every reported time is a real crossing on the date, as for the events of
// SolarResult), in the order given, each starting from the Sun the previous
// one left (the first from the clock's noon). Only the date, clock, zone, site
// and Delta T of the request play a part. Raises nothing.
void FindAltitudeCrossings(const SolarRequest& request, AltitudeCrossing* crossings, int count);

// Finds each crossing that belongs to the day of one upper transit, wherever
// it falls on the clock: a rising crossing between the lower culmination
// before the transit (transit - 12 h) and the transit, a setting one between
// the transit and the lower culmination after it (transit + 12 h). transit is
// a clock time on the request's clock counted from the midnight that begins
// the request's date (24 or more: a transit of a later date; below 0: of an
// earlier one). The altitude is the searches' own (the Sun's centre,
// geocentric, without refraction, from the declination and the equation of
// time at each instant), bracketed between the two culminations and refined by
// regula falsi to 1e-10 degrees. Found times are counted from the same
// midnight and are not reduced: below 0 on the previous date, 24 or more on
// the next. A crossing that the Sun does not make between the culminations
// (it stays above or below the altitude) does not occur (time 0). Only the
// date, clock, zone, site and Delta T of the request play a part. Raises
// nothing.
void FindAltitudeCrossingsOfDay(const SolarRequest& request, double transit,
                                AltitudeCrossing* crossings, int count);

// Shared steps of the driver.
// x < 0: add 24; then x > 24: subtract 24. 0 and 24 stay. A value still
// outside [0, 24] after one correction each way (more than a day off, as for
// a site far from its zone meridian with summer time) is reduced modulo 24.
double Wrap24(double hours);

}  // namespace tarvel
