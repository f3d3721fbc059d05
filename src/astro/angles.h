// Angles: conversions between degrees, hours and radians, and reductions of
// angles and hours into a range.
//
// Given:    angles in degrees (with minutes and seconds), hours or radians.
// Returned: the same angle in another unit, or reduced by whole turns into
//           [0, 24] hours, [0, 360] degrees or -pi ... +pi radians.
// Notes:    pure functions: no state, no allocation, no error reporting. The
//           conversions multiply by the factor to every digit given (one
//           rounding); the reductions into [0, 24] and [0, 360] give the same
//           bits as adding or subtracting whole turns one at a time, 24 and
//           360 staying themselves. Not-a-number and infinite inputs come back
//           as not-a-number.
// References: J. Meeus, Astronomical Algorithms, 2nd ed. (Willmann-Bell,
//           1998), ch. 1 (angles: reduction into range, degrees and hours)
//           and ch. 12 (hours of sidereal time as angles).
#pragma once

namespace tarvel {

// Degrees from magnitudes of degrees, minutes and seconds; the flag carries the
// sign (nonzero: positive). Inline, with the conversions below: every series
// and coordinate step uses them, and a call would cost more than the product.
inline double DmsToDegrees(double deg, double min, double sec, int positive) {
    if (positive != 0) return deg + min / 60.0 + sec / 3600.0;
    return -deg - min / 60.0 - sec / 3600.0;
}
inline double DegreesToHours(double degrees) {
    return degrees / 15.0;
}
inline double DegToRad(double degrees) {
    return degrees * 0.017453292519943295;
}
inline double RadToDeg(double radians) {
    return radians * 57.29577951308232;
}
inline double HoursToRad(double hours) {
    return hours * 0.26179938779914946;
}
inline double RadToHours(double radians) {
    return radians * 3.819718634205488;
}

// Into [0, 24] by whole days; 24 stays 24, -24 becomes 0. Not-a-number comes
// back as not-a-number, an infinite value as not-a-number.
double NormalizeHours(double hours);
// Into [0, 360] by whole turns; 360 stays 360. Non-finite as NormalizeHours.
double NormalizeDegrees(double degrees);
// Into -pi ... +pi: pi becomes -pi, -pi becomes +pi.
double WrapRadians(double radians);

}  // namespace tarvel
