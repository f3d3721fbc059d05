// Why an event of the day does not occur on the request's date.
//
// Given:    a request, the SolarResult computed for it (its occurrence flags,
//           the declination, the daylight lengths) and, for the prayers at an
//           altitude and the twilights, the altitude of the Sun's centre that
//           defines the event (degrees, without refraction).
// Returned: an EventAbsence: None when the event occurs, otherwise the reason:
//           the Sun above or below the event's horizon all day, an altitude
//           the day never reaches, an event of the day that falls just
//           before or after the date on the clock, or the Qibla's direction
//           not passed between rise and set.
// Notes:    the reason follows from the day's geometry, not from the search:
//           a rise or set is absent for a polar day when the daylight of its
//           horizon lasts 24 h, for a polar night when neither the rise nor
//           the set occurs otherwise, and for another date when only one of
//           them does; an altitude is reached on a day when it lies between
//           the altitudes of the lower and upper culminations
//           (AltitudeReachedOnDay); Asr's altitude lies between the horizon
//           and the upper culmination, so only a day without a rise and a set
//           lacks it. Whatever the checks cannot tell is another date.
// References: Meeus ch. 15 (rising, transit and setting; circumpolar days),
//           ch. 13 (the altitudes of the culminations).
#pragma once

#include "astro/solar_computation.h"

namespace tarvel {

enum class EventAbsence {
    None,                // the event occurs, or the value belongs to no event
    PolarDay,            // the Sun stays above the event's horizon all day
    PolarNight,          // the Sun stays below the event's horizon all day
    AltitudeNotReached,  // the Sun never reaches the event's altitude that day
    OtherDate,           // the event falls just before or after the date on the clock
    QiblaNotPassed,      // the Sun does not pass the Qibla direction between rise and set
};

// The events of SolarResult.
enum class SolarEvent {
    GeometricRise,
    GeometricSet,
    ApparentRise,
    ApparentSet,
    Transit,
    Fajr,
    Isha,
    Asr1,
    Asr2,
    QiblaTime,
};

// Why event does not occur on the request's date; None when it does
// (SolarResult::occurs).
EventAbsence AbsenceOf(SolarEvent event, const SolarRequest& request, const SolarResult& result);

// Why the Sun's centre does not cross altitude (degrees) on the request's
// date, for an event whose crossing was not found: AltitudeNotReached when the
// day's range of altitudes lacks it, otherwise OtherDate.
EventAbsence AltitudeAbsence(double altitude, const SolarRequest& request,
                             const SolarResult& result);

// Why there is no night from the date's apparent set to the next apparent
// rise, when there is none: without the date's set, the polar day or night of
// the apparent horizon (or another date when the date has its rise only);
// with it, the next rise falls on another date.
EventAbsence NightAbsence(const SolarResult& result);

}  // namespace tarvel
