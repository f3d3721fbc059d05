// The computer's own clock: today's date, the time now, the standard zone and
// the summer-time state at a local date and time, as the C library's local
// time (which follows the TZ variable) gives them. The command line takes its
// defaults from it; tests replace it with a fixed clock.
#pragma once

#include <ctime>
#include <functional>

namespace tarvel {

// A civil date of the proleptic Gregorian calendar.
struct CivilDate {
    int year = 0;
    int month = 0;
    int day = 0;
};

// A reading of a clock.
struct ClockTime {
    int hour = 0;
    int minute = 0;
    double second = 0;
};

// The present moment on the computer's clock and its standard zone.
struct LocalMoment {
    CivilDate date;
    ClockTime time;               // whole seconds, summer hour included
    float standardZoneHours = 0;  // hours east of UTC, without the summer hour
};

// The computer's clock, replaceable in tests.
struct LocalClock {
    // The present local date and time and the standard zone.
    std::function<LocalMoment()> present;
    // Whether the computer's summer-time rule puts summer time in force at a
    // local date and time.
    std::function<bool(const CivilDate&, const ClockTime&)> summerTimeAt;
};

// The computer's own clock and summer-time rule (the C library's local time,
// which follows the TZ variable).
LocalClock SystemLocalClock();

// The standard offset of the computer's zone at an instant, in seconds east
// of UTC, from its time-zone rules: summer time need not be one hour.
long StandardOffsetSeconds(std::time_t instant);

}  // namespace tarvel
