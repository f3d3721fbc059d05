#include "format/sexagesimal.h"

#include <cmath>
#include <string>

#include "format/printf_text.h"

namespace tarvel {

namespace {

enum class WholeUnit { kDegrees, kHours };

// True when the seconds would be shown as 60.0 or more: their magnitude is at
// least 60, or it prints as exactly "60.0" with the seconds format "%04.1lf".
bool SecondsNeedCarry(double seconds) {
    const double magnitude = std::fabs(seconds);
    return magnitude >= 60.0 || PrintfText("%04.1lf", magnitude) == "60.0";
}

// Common split of a value x:
//   whole   = x truncated towards zero,
//   minutes = (x - whole) * 60 truncated towards zero,
//   seconds = (x - whole - minutes / 60) * 3600, not rounded;
// then, when the seconds would print as 60.0, the carry away from zero into the
// minutes and from 60 minutes into the whole part, and for a non-negative value
// the unit's wrap of the whole part (only after a carry).
SexagesimalParts Split(double x, WholeUnit unit) {
    SexagesimalParts parts;
    // A value whose whole part (after a possible carry) does not fit a 32-bit
    // integer, or a non-finite one, cannot be split; see kMaxSplitMagnitude.
    if (!(std::fabs(x) < kMaxSplitMagnitude)) {
        parts.seconds = x * 3600.0;
        return parts;
    }

    std::int32_t whole = static_cast<std::int32_t>(x);
    std::int32_t minutes = static_cast<std::int32_t>((x - whole) * 60.0);
    double seconds = (x - whole - minutes / 60.0) * 3600.0;

    if (SecondsNeedCarry(seconds)) {
        if (x >= 0.0) {
            minutes = minutes + 1;
            seconds = 0.0;
            if (minutes == 60) {
                minutes = 0;
                whole = whole + 1;
                if (unit == WholeUnit::kDegrees) {
                    if (whole > 360) {
                        whole = whole - 360;
                    }
                } else if (whole == 24) {
                    whole = 0;
                }
            }
        } else {
            minutes = minutes - 1;
            seconds = 0.0;
            if (minutes == -60) {
                minutes = 0;
                whole = whole - 1;
            }
        }
    }

    parts.whole = whole;
    parts.minutes = minutes;
    parts.seconds = seconds;
    return parts;
}

}  // namespace

SexagesimalParts SplitDegrees(double degrees) {
    return Split(degrees, WholeUnit::kDegrees);
}

SexagesimalParts SplitHours(double hours) {
    return Split(hours, WholeUnit::kHours);
}

}  // namespace tarvel
