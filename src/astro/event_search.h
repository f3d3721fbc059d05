// The event search: the instants of the request's date at which the Sun's
// centre crosses given altitudes (twilights, prayer altitudes, the horizons),
// found by the solar computation's own search.
//
// Given:    a SolarRequest (only its date, clock, zone, site and Delta T play
//           a part) and a list of crossings, each an altitude (degrees, the
//           Sun's centre, geocentric, without refraction) and a direction
//           (rising: the morning's; setting: the evening's).
// Returned: for each crossing, whether it occurs and its clock time (hours on
//           the request's clock, summer hour included).
// Notes:    an event is the zero of its condition (solar_events.h); the
//           search is apart from it. FindAltitudeCrossings iterates from the
//           hour angle at the altitude (at most 5 evaluations, to 0.1 s) and
//           settles the answer: a time that does not meet the condition within
//           0.001 degrees is replaced by the crossing on the date, bracketed
//           between the date's midnights and culminations and refined by
//           regula falsi with the Illinois modification. FindAltitudeCrossingsOfDay
//           brackets between the culminations around one transit. Each search
//           starts from the Sun state the previous one left, so the order of
//           the list is part of the result.
// References: Meeus ch. 15 (rising, transit and setting); M. Dowell and P.
//           Jarratt, BIT 11, 168 (1971) (the Illinois modification of regula
//           falsi).
#pragma once

#include "astro/solar_request.h"

namespace tarvel {

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

}  // namespace tarvel
