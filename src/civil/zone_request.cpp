#include "civil/zone_request.h"

#include <date/date.h>

#include <cmath>

#include "civil/tz_zone_rules.h"

namespace tarvel {

void SetRequestZone(SolarRequest& request, const ZoneState& state) {
    request.SetZoneOffsetSeconds(state.standardSeconds);
    request.summerTime = state.summerTime && state.offsetSeconds > state.standardSeconds;
    request.summerShiftSeconds =
        request.summerTime ? static_cast<int>(state.offsetSeconds - state.standardSeconds) : 3600;
}

ResolvedReading SetRequestOnRules(SolarRequest& request, const ZoneRules& rules,
                                  const ClockReading& reading) {
    ClockInstant instant;
    static_cast<ClockReading&>(instant) = reading;
    const ResolvedReading resolved = rules.Resolve(instant);
    request.SetClockReading(resolved.reading);
    SetRequestZone(request, resolved.state);
    return resolved;
}

double RequestClockOffsetSeconds(const SolarRequest& request) {
    return static_cast<double>(request.zoneMinutes) * 60.0 + request.zoneSeconds +
           (request.summerTime ? request.summerShiftSeconds : 0);
}

namespace {

using F = ResultFieldId;

// The events of SolarResult, with their members and occurrence flags.
struct ResultEvent {
    F id;
    double SolarResult::*time;
    bool SolarResult::Occurrences::*occurs;
};
constexpr ResultEvent kResultEvents[] = {
    {F::Transit, &SolarResult::transit, &SolarResult::Occurrences::transit},
    {F::GeometricRise, &SolarResult::geometricRise, &SolarResult::Occurrences::geometricRise},
    {F::GeometricSet, &SolarResult::geometricSet, &SolarResult::Occurrences::geometricSet},
    {F::ApparentRise, &SolarResult::apparentRise, &SolarResult::Occurrences::apparentRise},
    {F::ApparentSet, &SolarResult::apparentSet, &SolarResult::Occurrences::apparentSet},
    {F::Fajr, &SolarResult::fajr, &SolarResult::Occurrences::fajr},
    {F::Asr1, &SolarResult::asr1, &SolarResult::Occurrences::asr1},
    {F::Asr2, &SolarResult::asr2, &SolarResult::Occurrences::asr2},
    {F::Isha, &SolarResult::isha, &SolarResult::Occurrences::isha},
    {F::QiblaTime, &SolarResult::qiblaTime, &SolarResult::Occurrences::qiblaTime},
};

// The events of DayTimes.
struct DayEvent {
    F id;
    double DayTimes::*time;
    bool DayTimes::Occurrences::*occurs;
    int DayTimes::DayOffsets::*dayOffset;
};
constexpr DayEvent kDayEvents[] = {
    {F::PrayerFajr, &DayTimes::fajr, &DayTimes::Occurrences::fajr, &DayTimes::DayOffsets::fajr},
    {F::PrayerSunrise, &DayTimes::sunrise, &DayTimes::Occurrences::sunrise,
     &DayTimes::DayOffsets::sunrise},
    {F::PrayerZuhr, &DayTimes::zuhr, &DayTimes::Occurrences::zuhr, &DayTimes::DayOffsets::zuhr},
    {F::PrayerAsr1, &DayTimes::asr1, &DayTimes::Occurrences::asr1, &DayTimes::DayOffsets::asr1},
    {F::PrayerAsr2, &DayTimes::asr2, &DayTimes::Occurrences::asr2, &DayTimes::DayOffsets::asr2},
    {F::PrayerMaghrib, &DayTimes::maghrib, &DayTimes::Occurrences::maghrib,
     &DayTimes::DayOffsets::maghrib},
    {F::PrayerIsha, &DayTimes::isha, &DayTimes::Occurrences::isha, &DayTimes::DayOffsets::isha},
    {F::CivilDawn, &DayTimes::civilDawn, &DayTimes::Occurrences::civilDawn,
     &DayTimes::DayOffsets::civilDawn},
    {F::CivilDusk, &DayTimes::civilDusk, &DayTimes::Occurrences::civilDusk,
     &DayTimes::DayOffsets::civilDusk},
    {F::NauticalDawn, &DayTimes::nauticalDawn, &DayTimes::Occurrences::nauticalDawn,
     &DayTimes::DayOffsets::nauticalDawn},
    {F::NauticalDusk, &DayTimes::nauticalDusk, &DayTimes::Occurrences::nauticalDusk,
     &DayTimes::DayOffsets::nauticalDusk},
    {F::AstronomicalDawn, &DayTimes::astronomicalDawn, &DayTimes::Occurrences::astronomicalDawn,
     &DayTimes::DayOffsets::astronomicalDawn},
    {F::AstronomicalDusk, &DayTimes::astronomicalDusk, &DayTimes::Occurrences::astronomicalDusk,
     &DayTimes::DayOffsets::astronomicalDusk},
    {F::GoldenHourEnd, &DayTimes::goldenHourEnd, &DayTimes::Occurrences::goldenHourEnd,
     &DayTimes::DayOffsets::goldenHourEnd},
    {F::GoldenHourStart, &DayTimes::goldenHourStart, &DayTimes::Occurrences::goldenHourStart,
     &DayTimes::DayOffsets::goldenHourStart},
    {F::NightMiddle, &DayTimes::nightMiddle, &DayTimes::Occurrences::night,
     &DayTimes::DayOffsets::nightMiddle},
    {F::NightLastThird, &DayTimes::nightLastThird, &DayTimes::Occurrences::night,
     &DayTimes::DayOffsets::nightLastThird},
};

// Seconds since 1970-01-01 00:00 UTC of the request's date at 00:00 UTC.
double DateUtcSeconds(const SolarRequest& request) {
    const date::sys_days day =
        date::sys_days(date::year(request.year) /
                       date::month(static_cast<unsigned>(request.month)) / 1) +
        date::days(request.day - 1);
    return static_cast<double>(day.time_since_epoch().count()) * 86400.0;
}

// Reads one clock time of the request's clock (hours on the request's date
// plus dayOffset days) on the rules' clock at its instant.
void ReadOne(const SolarRequest& request, const ZoneRules& rules, const ZoneState& asked,
             double requestOffset, double dateSeconds, double& time, EventClock& clock) {
    const double utc = dateSeconds + clock.dayOffset * 86400.0 + time * 3600.0 - requestOffset;
    const ZoneState state = rules.StateAt(static_cast<std::int64_t>(std::floor(utc)));
    clock.offsetSeconds = state.offsetSeconds;
    clock.summerTime = state.summerTime;
    clock.abbreviation = state.abbreviation;
    clock.offsetDiffers = state.offsetSeconds != asked.offsetSeconds;
    const double shift = static_cast<double>(state.offsetSeconds) - requestOffset;
    if (shift != 0.0) time += shift / 3600.0;
    while (time >= 24.0) {
        time -= 24.0;
        ++clock.dayOffset;
    }
    while (time < 0.0) {
        time += 24.0;
        --clock.dayOffset;
    }
    (void)request;
}

}  // namespace

bool IsEventTime(ResultFieldId id) {
    for (const ResultEvent& e : kResultEvents) {
        if (e.id == id) return true;
    }
    for (const DayEvent& e : kDayEvents) {
        if (e.id == id) return true;
    }
    return false;
}

EventClocks ReadEventsOnClocks(const SolarRequest& request, const ZoneRules* rules,
                               SolarResult& result, DayTimes* days) {
    EventClocks clocks;
    const double requestOffset = RequestClockOffsetSeconds(request);
    for (EventClock& clock : clocks.clocks) {
        clock.offsetSeconds = static_cast<long>(std::lround(requestOffset));
        clock.summerTime = request.summerTime;
    }
    if (days != nullptr) {
        for (const DayEvent& e : kDayEvents) {
            clocks.clocks[static_cast<std::size_t>(e.id)].dayOffset = days->dayOffset.*e.dayOffset;
        }
    }
    if (rules == nullptr) return clocks;
    clocks.underRules = true;

    // The requested instant's state: the request's own clock.
    const double dateSeconds = DateUtcSeconds(request);
    const double askedUtc = dateSeconds + request.hour * 3600.0 + request.minute * 60.0 +
                            request.second - requestOffset;
    const ZoneState asked = rules->StateAt(static_cast<std::int64_t>(std::floor(askedUtc)));
    for (const ResultEvent& e : kResultEvents) {
        EventClock& clock = clocks.clocks[static_cast<std::size_t>(e.id)];
        clock.abbreviation = asked.abbreviation;
        if (!(result.occurs.*e.occurs)) continue;
        ReadOne(request, *rules, asked, requestOffset, dateSeconds, result.*e.time, clock);
    }
    if (days != nullptr) {
        for (const DayEvent& e : kDayEvents) {
            EventClock& clock = clocks.clocks[static_cast<std::size_t>(e.id)];
            clock.abbreviation = asked.abbreviation;
            if (!(days->occurs.*e.occurs)) continue;
            ReadOne(request, *rules, asked, requestOffset, dateSeconds, days->*e.time, clock);
            days->dayOffset.*e.dayOffset = clock.dayOffset;
        }
    }
    return clocks;
}

std::string EventClockNote(const EventClock& clock) {
    std::string note = UtcOffsetText(clock.offsetSeconds);
    const std::string& a = clock.abbreviation;
    if (!a.empty() && a.front() != '+' && a.front() != '-') note += " " + a;
    return note;
}

}  // namespace tarvel
