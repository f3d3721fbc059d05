// A reading of a civil clock: the date and the time it shows.
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
