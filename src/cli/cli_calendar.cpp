#include "cli/cli_calendar.h"

#include <date/date.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <iterator>

#include "astro/prayer_times.h"
#include "astro/solar_computation.h"
#include "civil/zone_request.h"
#include "cli/cli_words.h"
#include "format/printf_text.h"

namespace tarvel {

namespace {

using F = ResultFieldId;

// One table of the events: titles and descriptions written in English, given
// in the interface language (CliWord).
constexpr CalendarEventKind kEventKinds[] = {
    {"astronomical-dawn", "Astronomical dawn", F::AstronomicalDawn,
     "The Sun's centre 18 degrees below the horizon, rising: astronomical twilight begins.",
     false},
    {"fajr", "Fajr", F::PrayerFajr, "", true},
    {"nautical-dawn", "Nautical dawn", F::NauticalDawn,
     "The Sun's centre 12 degrees below the horizon, rising: nautical twilight begins.", false},
    {"civil-dawn", "Civil dawn", F::CivilDawn,
     "The Sun's centre 6 degrees below the horizon, rising: civil twilight begins.", false},
    {"shuruq", "Shuruq (sunrise)", F::PrayerSunrise, "", true},
    {"rise", "Sunrise", F::ApparentRise,
     "Apparent sunrise: the Sun's upper limb on the horizon, with refraction and the dip of the "
     "horizon.",
     false},
    {"golden-hour-end", "Golden hour ends", F::GoldenHourEnd,
     "The Sun's centre 6 degrees above the horizon, rising: the morning's golden hour ends.",
     false},
    {"zuhr", "Zuhr", F::PrayerZuhr, "", true},
    {"asr", "Asr", F::PrayerAsr1, "", true},
    {"asr2", "Asr (shadow factor 2)", F::PrayerAsr2, "", true},
    {"golden-hour-start", "Golden hour begins", F::GoldenHourStart,
     "The Sun's centre 6 degrees above the horizon, setting: the evening's golden hour begins.",
     false},
    {"set", "Sunset", F::ApparentSet,
     "Apparent sunset: the Sun's upper limb on the horizon, with refraction and the dip of the "
     "horizon.",
     false},
    {"maghrib", "Maghrib", F::PrayerMaghrib, "", true},
    {"civil-dusk", "Civil dusk", F::CivilDusk,
     "The Sun's centre 6 degrees below the horizon, setting: civil twilight ends.", false},
    {"nautical-dusk", "Nautical dusk", F::NauticalDusk,
     "The Sun's centre 12 degrees below the horizon, setting: nautical twilight ends.", false},
    {"astronomical-dusk", "Astronomical dusk", F::AstronomicalDusk,
     "The Sun's centre 18 degrees below the horizon, setting: astronomical twilight ends.",
     false},
    {"isha", "Isha", F::PrayerIsha, "", true},
};

constexpr CalendarEventGroup kEventGroups[] = {
    {"prayers", "fajr,shuruq,zuhr,asr,maghrib,isha"},
    {"sun", "rise,set"},
    {"twilights", "astronomical-dawn,nautical-dawn,civil-dawn,civil-dusk,nautical-dusk,"
                  "astronomical-dusk"},
    {"golden-hour", "golden-hour-end,golden-hour-start"},
    {"all", "all"},
};

std::string Lower(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower;
}

std::vector<std::string_view> Split(std::string_view list) {
    std::vector<std::string_view> items;
    std::size_t start = 0;
    while (true) {
        const std::size_t comma = list.find(',', start);
        items.push_back(list.substr(start, comma - start));
        if (comma == std::string_view::npos) return items;
        start = comma + 1;
    }
}

// Marks the event or the group's events named `name` in chosen; false for an
// unknown name.
bool Choose(std::string_view name, std::vector<bool>& chosen) {
    for (std::size_t i = 0; i < std::size(kEventKinds); ++i) {
        if (kEventKinds[i].name == name) {
            chosen[i] = true;
            return true;
        }
    }
    for (const CalendarEventGroup& group : kEventGroups) {
        if (group.name != name) continue;
        if (group.members == "all") {
            chosen.assign(chosen.size(), true);
            return true;
        }
        for (std::string_view member : Split(group.members)) Choose(member, chosen);
        return true;
    }
    return false;
}

// The site as a text: "41.8919N" and "12.5113E", four decimals.
std::string Latitude(double latitudeDeg) {
    return PrintfText("%.4f%c", std::fabs(latitudeDeg), latitudeDeg < 0 ? 'S' : 'N');
}
std::string Longitude(double longitudeEastDeg) {
    return PrintfText("%.4f%c", std::fabs(longitudeEastDeg), longitudeEastDeg < 0 ? 'W' : 'E');
}

// Seconds since 1970-01-01 00:00 UTC of the date at 00:00 UTC.
std::int64_t DateUtcSeconds(const CalendarDate& d) {
    const date::sys_days day = date::sys_days(date::year(d.year) /
                                              date::month(static_cast<unsigned>(d.month)) / 1) +
                               date::days(d.day - 1);
    return static_cast<std::int64_t>(day.time_since_epoch().count()) * 86400;
}

// The prayers' description: the method, and the rule that gave the time.
std::string PrayerAbout(const SolarRequest& request, HighLatitudeRule rule) {
    const PrayerMethodParameters& m = MethodParameters(request.prayerMethod);
    std::string text = m.method == PrayerMethod::kTarvel
                           ? CliWord("Prayer time by the program's own method (default).")
                           : CliMessage("Prayer time by the method %1 (%2).", {m.title, m.key});
    if (rule != HighLatitudeRule::kNone) {
        text += " " + CliMessage("Given by the high-latitude rule %1: the Sun does not reach the "
                                 "method's angle, or reaches it too far from the sunrise or "
                                 "sunset.",
                                 {HighLatitudeRuleKey(rule)});
    }
    return text;
}

}  // namespace

std::span<const CalendarEventKind> CalendarEventKinds() {
    return kEventKinds;
}

std::span<const CalendarEventGroup> CalendarEventGroups() {
    return kEventGroups;
}

std::optional<std::vector<std::string>> ParseCalendarEvents(std::string_view list) {
    std::vector<bool> chosen(std::size(kEventKinds), false);
    for (std::string_view item : Split(list)) {
        if (!Choose(Lower(item), chosen)) return std::nullopt;
    }
    std::vector<std::string> names;
    for (std::size_t i = 0; i < chosen.size(); ++i) {
        if (chosen[i]) names.emplace_back(kEventKinds[i].name);
    }
    return names;
}

std::vector<IcalEvent> CalendarEvents(const CliCommand& command) {
    const CliCalendarRequest& calendar = command.calendar;
    std::vector<const CalendarEventKind*> kinds;
    for (const CalendarEventKind& kind : kEventKinds) {
        if (std::find(calendar.events.begin(), calendar.events.end(), kind.name) !=
            calendar.events.end()) {
            kinds.push_back(&kind);
        }
    }
    // The request's longitude is positive west.
    const double latitude = command.request.latitude;
    const double longitudeEast = -command.request.longitude + 0.0;
    const std::string site = Latitude(latitude) + "-" + Longitude(longitudeEast);
    const std::string location =
        command.place ? command.place->Label() : Latitude(latitude) + " " + Longitude(longitudeEast);
    const CalendarDate start{calendar.start.year, calendar.start.month, calendar.start.day};

    std::vector<IcalEvent> events;
    for (int i = 0; i < calendar.days; ++i) {
        const CalendarDate day = DateAfterDays(start, i);
        SolarRequest request = command.request;
        const ClockReading noon{day.year, day.month, day.day, 12, 0, 0.0};
        if (command.zoneRules) {
            SetRequestOnRules(request, *command.zoneRules, noon);
        } else {
            request.SetClockReading(noon);
        }
        SolarResult result = CalcSolarParameters(request);
        DayTimes days = CalcDayTimes(request, result);
        // Each event read on the clock in force at its instant: its time, the
        // days from D to its date, and that clock's offset give the instant.
        const EventClocks clocks =
            ReadEventsOnClocks(request, command.zoneRules.get(), result, &days);
        const std::string date = PrintfText("%04d%02d%02d", day.year, day.month, day.day);
        for (const CalendarEventKind* kind : kinds) {
            const ResultField& field = FieldOf(kind->field);
            if (!field.PresentIn(result, &days)) continue;
            const EventClock& clock = clocks.Of(kind->field);
            const double utc = static_cast<double>(DateUtcSeconds(day)) +
                               clock.dayOffset * 86400.0 +
                               field.ValueOf(result, &days) * 3600.0 -
                               static_cast<double>(clock.offsetSeconds);
            IcalEvent event;
            event.uid = date + "-" + std::string(kind->name) + "-" + site + "@tarvel";
            event.startUtcSeconds = std::llround(utc);
            event.summary = CliWord(kind->summary);
            event.location = location;
            event.description =
                kind->prayer ? PrayerAbout(request, field.RuleIn(&days)) : CliWord(kind->about);
            event.latitudeDeg = latitude;
            event.longitudeEastDeg = longitudeEast;
            events.push_back(std::move(event));
        }
    }
    return events;
}

std::string CalendarText(const CliCommand& command, std::int64_t stampUtcSeconds) {
    const double longitudeEast = -command.request.longitude + 0.0;
    const std::string where = command.place ? command.place->Label()
                                            : Latitude(command.request.latitude) + " " +
                                                  Longitude(longitudeEast);
    return IcalCalendarText("Tarvel: " + where, CalendarEvents(command), stampUtcSeconds);
}

}  // namespace tarvel
