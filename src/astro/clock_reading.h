// A reading of a civil clock: the date and the time it shows.
//
// Given:    (a data type) year, month, day, hour, minute and second as a
//           clock shows them.
// Returned: nothing; the request of the computation and the civil-time layer
//           pass it.
// Notes:    the date is of the proleptic Gregorian calendar; the time is that
//           of the clock in force, the summer hour included when the clock
//           keeps summer time (SolarRequest says which). The second may carry
//           a fraction. Two readings are equal when every field is.
// References: Meeus ch. 7 (a civil date and time as a Julian Day, the
//           proleptic Gregorian calendar).
#pragma once

namespace tarvel {

// Year, month (1-12), day (1-31), hour (0-23), minute (0-59) and second (a
// fraction allowed), as the clock shows them (summer hour included when the
// clock keeps summer time).
struct ClockReading {
    int year = 2000;
    int month = 1;
    int day = 1;
    int hour = 0;
    int minute = 0;
    double second = 0;

    friend bool operator==(const ClockReading&, const ClockReading&) = default;
};

}  // namespace tarvel
