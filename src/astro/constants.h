// Constants shared by the solar computation.
//
// Given:    nothing.
// Returned: kPi, to the precision of a double; kSiderealRate, sidereal hours
//           per hour of UT.
// Notes:    each constant is written to every digit the computation has always
//           used; the digits are part of the results (change none).
// References: Meeus ch. 12 (sidereal time: the ratio 1.00273790935 of the
//           sidereal to the mean solar rate).
#pragma once

namespace tarvel {

// pi to the precision of a double (the same double as 4 atan(1)).
inline constexpr double kPi = 3.141592653589793;

// Ratio of the sidereal to the solar rate: sidereal hours per hour of UT.
inline constexpr double kSiderealRate = 1.00273790935;

}  // namespace tarvel
