// Decimal degrees or hours split into whole part, minutes and seconds.
//
// The two split operations are the only place where seconds that would print
// as "60.0" are carried into the minutes (and 60 minutes into the whole part).
// Pure functions without state.
#pragma once

#include <cstdint>

namespace tarvel {

// The parts of a decimal value. For a negative value all three parts are zero
// or negative. Callers print the magnitudes of the parts and take the sign to
// show from the decimal value itself, never from the parts (a small negative
// value may have three zero parts).
struct SexagesimalParts {
    std::int32_t whole = 0;    // whole degrees or hours, truncated towards zero
    std::int32_t minutes = 0;  // whole minutes, truncated towards zero
    double seconds = 0.0;      // seconds, not rounded
};

// Largest magnitude a value may have to be split into parts. Beyond it (and for
// a non-finite value) the whole part, or the whole part after a carry, would not
// fit a 32-bit integer; such values come back as whole = 0, minutes = 0 and
// seconds = value × 3600 (not-a-number and infinities unchanged), with no carry,
// so the parts still add up to the value and a not-a-number stays visible.
inline constexpr double kMaxSplitMagnitude = 2147483647.0;

// Splits a value in degrees. Any finite value, positive or negative; the value
// is not reduced into a range first. After a carry a whole-degree count above
// 360 has 360 subtracted (360.99999 gives 1, 0, 0.0; 359.999995 gives 360, 0,
// 0.0); without a carry no wrap is applied (361.5 gives 361, 30, 0.0).
// Negative values carry away from zero and are never wrapped.
SexagesimalParts SplitDegrees(double degrees);

// Splits a value in hours. Any finite value, positive or negative; the value is
// not reduced into a range first. After a carry a whole-hour count of exactly 24
// becomes 0 (23.99999 gives 0, 0, 0.0); without a carry 24.0 stays 24, 0, 0.0.
// Negative values carry away from zero and are never wrapped.
SexagesimalParts SplitHours(double hours);

}  // namespace tarvel
