// A place's time-zone rules as the engine sees them: which offset from UTC and
// which summer flag the clock shows at an instant, and which instant a clock
// reading means.
//
// The engine stays free of any time-zone library: the windows and the
// command-line tool give it an implementation (the system's tz database).
#pragma once

#include <cstdint>
#include <string>

#include "civil/clock_instant.h"

namespace tarvel {

// What a zone's clock shows at one instant.
struct ZoneState {
    long offsetSeconds = 0;    // east of UTC, summer time included
    long standardSeconds = 0;  // east of UTC, without summer time
    bool summerTime = false;   // summer (daylight-saving) time in force
    std::string abbreviation;  // "CET", "CEST", "+0545" ...

    friend bool operator==(const ZoneState&, const ZoneState&) = default;
};

// How a clock reading occurs on a zone's clock.
enum class ClockReadingKind {
    Unique,    // once
    Skipped,   // never: it falls in the gap of a change (02:30 on a spring change day)
    Repeated,  // twice: it falls in the overlap of a change (02:30 on an autumn one)
};

// The instant a clock reading means.
struct ResolvedReading {
    ClockReadingKind kind = ClockReadingKind::Unique;
    // The instant, seconds since 1970-01-01 00:00 UTC: the reading's one
    // instant; the earlier of the two when Repeated; the instant of the change
    // when Skipped.
    std::int64_t utcSeconds = 0;
    // The clock reading of that instant (for Skipped, the reading just after
    // the change, e.g. 03:00:00), and the zone's state then.
    ClockInstant reading;
    ZoneState state;
};

class ZoneRules {
  public:
    virtual ~ZoneRules() = default;
    // The rules' name: an IANA name such as "Europe/Rome".
    virtual std::string Name() const = 0;
    // The state of the clock at an instant (seconds since 1970 UTC).
    virtual ZoneState StateAt(std::int64_t utcSeconds) const = 0;
    // The clock reading at an instant, seconds included (whole seconds of
    // utcSeconds plus fraction).
    virtual ClockInstant ReadingAt(std::int64_t utcSeconds, double fraction) const = 0;
    // The instant a clock reading means. Day numbers past the month's end
    // count on (31 April is 1 May).
    virtual ResolvedReading Resolve(const ClockInstant& reading) const = 0;
};

}  // namespace tarvel
