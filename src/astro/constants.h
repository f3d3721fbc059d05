// Constants shared by the solar computation.
#pragma once

namespace tarvel {

// pi to the precision of a double (the same double as 4 atan(1)).
inline constexpr double kPi = 3.141592653589793;

// Ratio of the sidereal to the solar rate: sidereal hours per hour of UT.
inline constexpr double kSiderealRate = 1.00273790935;

}  // namespace tarvel
