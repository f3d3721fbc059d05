// Civil time for the computation: the zone state a computation takes from a
// zone's rules, and the clocks its events are read on.
//
// The computation reckons on one clock: the zone's standard time (its meridian
// gives the longitude difference and the solar times) plus a summer shift
// when summer time is in force. Under a zone's rules the standard offset and
// the shift come from the rules at the requested instant; each event found on
// that one clock is an instant, read afterwards on the clock in force at that
// instant, which on a change day is not the requested instant's. Durations
// (daylight, the night, hours since or until an event) stay elapsed time.
#pragma once

#include <array>
#include <string>

#include "astro/prayer_times.h"
#include "format/result_fields.h"
#include "astro/solar_computation.h"
#include "civil/zone_rules.h"

namespace tarvel {

// Sets the request's zone from a state of a zone's rules: the standard offset
// as the zone (its meridian), the summer flag and the real summer shift (the
// clock's offset minus the standard one).
void SetRequestZone(SolarRequest& request, const ZoneState& state);

// Resolves a clock reading on the rules and sets the request's clock reading
// (the reading of the instant it means: just after the change for a skipped
// one) and zone from the state then. Returns the resolution.
ResolvedReading SetRequestOnRules(SolarRequest& request, const ZoneRules& rules,
                                  const ClockReading& reading);

// The offset east of UTC of the request's clock, seconds: the zone plus the
// summer shift when summer time is set.
double RequestClockOffsetSeconds(const SolarRequest& request);

// The clock an event is read on.
struct EventClock {
    int dayOffset = 0;         // days from the request's date to the event's date
    long offsetSeconds = 0;    // the clock's offset east of UTC at the event
    bool summerTime = false;   // summer time then
    std::string abbreviation;  // "CEST"; empty without rules
    // The offset differs from the requested instant's: the event was read on
    // another clock (a change of the clocks between the two).
    bool offsetDiffers = false;
};

// The clock times of the events of a computation (the rises, sets, transit,
// prayers and Qibla time of SolarResult; the prayers, twilights, golden hour
// and night of DayTimes), each with its clock. Without rules every event is
// on the request's clock.
struct EventClocks {
    // Indexed by ResultFieldId; only the events' entries are used.
    std::array<EventClock, static_cast<std::size_t>(ResultFieldId::NightLastThird) + 1> clocks{};
    bool underRules = false;

    const EventClock& Of(ResultFieldId id) const { return clocks[static_cast<std::size_t>(id)]; }
};

// Whether a value is the clock time of an event (not a solar or sidereal
// time, not a duration).
bool IsEventTime(ResultFieldId id);

// Reads every event of result (and of days when given) on the clock in force
// at its instant under rules: the field becomes that clock's time, reduced to
// [0, 24), and its clock says on which date and with which offset (a time of
// days also gets its day offset in DayTimes::dayOffset). Without
// rules (nullptr) the fields stay as they are and every clock is the
// request's. Events that do not occur are left alone.
EventClocks ReadEventsOnClocks(const SolarRequest& request, const ZoneRules* rules,
                               SolarResult& result, DayTimes* days);

// An event's clock as a note after its time: "UTC+2 CEST" (the abbreviation
// left out where the database has only the number, "+0545").
std::string EventClockNote(const EventClock& clock);

}  // namespace tarvel
