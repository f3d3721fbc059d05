// A reading of a civil clock together with what the zone's rules say of it:
// the reading every part of the program passes around (the window's pickers,
// the command line's --date and --time, each row of a table).
#pragma once

#include "astro/clock_reading.h"

namespace tarvel {

// A civil date and clock time. Years and Months steps of a table keep the day
// of the month, so the day may exceed the length of the reached month (31
// April); such an instant is computed as the Julian Day counts it on (31 April
// is 1 May).
struct ClockInstant : ClockReading {
    // Under a place's zone rules only: the offset east of UTC in force at this
    // instant (summer time included), the standard offset, whether summer time
    // is, and whether the
    // reading stands for another one that does not occur (the first reading
    // after a spring change).
    long zoneOffsetSeconds = 0;
    long zoneStandardSeconds = 0;  // the standard offset then (the zone meridian)
    bool zoneSummerTime = false;
    bool shiftedFromGap = false;

    friend bool operator==(const ClockInstant&, const ClockInstant&) = default;
};

}  // namespace tarvel
