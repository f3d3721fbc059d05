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
#include "astro/event_search.h"
#include "astro/observer.h"
#include "astro/refraction.h"
#include "astro/solar_events.h"
#include "astro/solar_request.h"

namespace tarvel {

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

}  // namespace tarvel
