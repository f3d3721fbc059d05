// What the driver's events are: the conditions that are zero at a rise, a set,
// a twilight or prayer altitude, a transit and the Qibla time, reckoned on the
// request's clock; and the reduction of an event's clock time.
//
// Given:    the request's clock, zone and latitude (SearchClock), a Sun state
//           (SunState) and the clock time it is taken at (hours, summer shift
//           included, counted from the midnight that begins the request's
//           date).
// Returned: the Sun's geocentric altitude as the searches reckon it (degrees,
//           without refraction), its local hour angle (hours in (-12, 12]),
//           the hour angle at which it stands at an altitude, the difference
//           of two azimuths on the circle (degrees in (-180, 180]); the
//           apparent horizon's altitude for the apparent rise and set.
// Notes:    an event occurs where its condition crosses zero in its direction
//           (Crossing): rising for the morning's altitudes and the transit's
//           hour angle, setting for the evening's. How a crossing is found is
//           the event search's business (event_search.h). The altitude is
//           that of the declination of the state and of the hour angle of the
//           local apparent time the clock shows (apparent time - 12 h), so it
//           moves with the equation of time between evaluations. Not-a-number
//           marks an altitude the Sun never reaches.
// References: Meeus ch. 13 (horizontal coordinates), ch. 15 (rising,
//           transit and setting: the hour angle at an altitude, the Sun's
//           apparent horizon 50' below the true one), ch. 28 (apparent and
//           mean solar time).
#pragma once

#include <cstdint>

#include "astro/apparent_sun.h"
#include "astro/solar_request.h"

namespace tarvel {

// x < 0: add 24; then x > 24: subtract 24. 0 and 24 stay. A value still
// outside [0, 24] after one correction each way (more than a day off, as for
// a site far from its zone meridian with summer time) is reduced modulo 24.
double Wrap24(double hours);

// Altitude of the Sun's centre on the apparent horizon, degrees: 50' below
// the true horizon (the Sun's semi-diameter and the refraction at the horizon)
// and 2.12' times the square root of the observer's height in metres (the
// dip); a site below sea level has no dip. The apparent rise and set are the
// crossings of this altitude.
double ApparentHorizonAltitude(double heightM);

// How an event's condition changes sign at its crossing.
enum class Crossing { kRising, kSetting };

// A reported event is a real crossing: the Sun evaluated at the reported
// clock time meets the event's condition within these.
inline constexpr double kAltitudeToleranceDeg = 0.001;  // also for the Qibla's azimuth
inline constexpr double kHourAngleToleranceHours = 0.001 / 15.0;

// True when both are positive or both negative (0 has no sign).
inline bool SameSign(double a, double b) {
    return (a > 0.0 && b > 0.0) || (a < 0.0 && b < 0.0);
}

// -1, 0 or 1.
inline int Sign(double x) {
    return x > 0.0 ? 1 : (x < 0.0 ? -1 : 0);
}

// The request's clock, zone and site as the searches reckon them.
struct SearchClock {
    explicit SearchClock(const SolarRequest& request);

    int year = 2000;
    int month = 1;
    int day = 1;
    int summerHour = 0;            // whole hours of the summer shift in force, else 0
    double summerRestSeconds = 0;  // the shift's seconds beyond its whole hours
    double summerHours = 0;        // the whole shift in hours
    float zoneHours = 0;           // the request's offset, hours east
    double zoneSeconds = 0;        // the offset's seconds beyond its whole minutes
    std::int16_t zoneWhole = 0;    // whole hours of the offset
    int zoneRest = 0;              // its minutes beyond them, with its sign
    double latitude = 0;           // degrees, north positive
    // Longitude difference from the zone meridian / 15, hours, positive west.
    double longitudeDifferenceHours = 0;
    // The longitude difference as a clock correction (x 240 s / 3600), hours:
    // local apparent time + this = zone apparent time.
    double zoneMeridianHours = 0;

    // UT Julian Day of clock time t (hours in [0, 24]) of the requested date.
    double JulianDay(double t) const;
    // Local apparent solar time to clock time with the equation of time
    // (seconds) of a state, reduced by Wrap24.
    double ApparentToClock(double apparent, double equationOfTimeS) const;
};

// Hour angle in hours at which the Sun's centre stands at altitude h0
// (degrees) for declination dec at latitude (degrees); not-a-number when it
// never does.
double HourAngleAtAltitude(double h0, double dec, double latitude);
// The same for the true horizon (the half-day arc), from -tan(phi) tan(dec).
double GeometricHalfDayArc(double dec, double latitude);

// Whether the Sun's centre reaches altitude (degrees, no refraction) on a day
// of declination dec at latitude: the altitude lies between that of the lower
// culmination, |phi + dec| - 90, and that of the upper one, 90 - |phi - dec|.
// An event at an altitude the day does not reach is absent for that reason;
// one the day reaches but the date lacks falls just before or after it.
bool AltitudeReachedOnDay(double altitude, double dec, double latitude);

// Geocentric altitude of the Sun's centre, degrees, at clock time t as the
// searches reckon it: the declination of the state and the hour angle of the
// local apparent time that the clock shows (apparent time - 12 h).
double SearchAltitude(const SearchClock& clock, const SunState& sun, double t);

// Local hour angle of the Sun, hours in (-12, 12], at clock time t as the
// transit search reckons it (local sidereal time - right ascension), carried
// from the state's instant to t at the sidereal rate. Zero at the transit.
double TransitHourAngle(const SearchClock& clock, const SunState& sun, double t);

// Difference of two azimuths on the circle, reduced into (-180, 180]. Zero at
// the Qibla time with the Qibla's direction as target.
double AzimuthDifference(double azimuth, double target);

}  // namespace tarvel
