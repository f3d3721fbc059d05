// The afternoon prayer (Asr) by the shadow rule: the Sun stands where a
// vertical object's shadow equals k times the object plus its shadow at noon
// (k = 1 for the first, k = 2 for the second shadow length).
//
// Given:    the shadow factor k, the Sun's declination and the observer's
//           latitude (degrees, north positive).
// Returned: the Sun's altitude at Asr (degrees, geocentric, no refraction)
//           and the local apparent solar time of Asr (hours); not-a-number
//           when the Sun does not rise that day (|phi - dec| >= 90 degrees) or
//           never comes down to the altitude.
// Notes:    with the noon zenith distance z = |phi - dec|, the altitude hA
//           solves cot hA = k + tan z. Where the Sun culminates on the
//           equator's side of the zenith, the time is formed from the noon
//           altitude X = 90 - |phi| + g dec (g the sign of phi) as
//           cot hA = k + cot X and the hour angle at hA for |phi| and g dec;
//           everywhere else from the hour angle at hA for phi and dec. Both
//           give the same hA; the two forms are kept as the program has always
//           formed them, digit for digit. The driver searches the instant with
//           AsrAltitude as the event's condition (solar_events.h).
// References: the shadow rule of the Hanafi (k = 2) and the other schools
//           (k = 1); Meeus ch. 15 for the hour angle at an altitude.
#pragma once

namespace tarvel {

// Altitude of the Sun's centre at Asr with shadow factor k, degrees:
// cot hA = k + tan|phi - dec|; not-a-number when |phi - dec| >= 90.
double AsrAltitude(double k, double dec, double latitude);

// Local apparent solar time of Asr with shadow factor k, hours (12 + the hour
// angle at the Asr altitude); not-a-number where the Sun does not reach it.
double AsrApparentTime(double k, double dec, double latitude);

}  // namespace tarvel
