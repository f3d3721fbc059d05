// Time scales: Delta T (TT - UT) from the built-in model and Greenwich sidereal
// time.
#pragma once

namespace tarvel {

// Delta T in seconds for a Julian Day (the UT Julian Day of the instant):
// polynomials before 1620, the biennial table 1620-1899 (interpolated), the
// yearly table 1900-2024 (not interpolated), a fixed value from 2025 on.
// JDE = JD + DeltaT / 86400.
double DeltaTSeconds(double jd);

// Greenwich sidereal time in hours, [0, 24], for a UT Julian Day: the mean
// sidereal time of the 0h-UT polynomial plus the equation of the equinoxes from
// the IAU 2000B nutation, all evaluated at jd itself (no Delta T).
double GreenwichSiderealTime(double jd);

}  // namespace tarvel
