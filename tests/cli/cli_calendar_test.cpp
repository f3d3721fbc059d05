// The calendar subcommand: its events against the engine (the computation of
// each day on the zone's clock), an Isha after midnight, the file read back by
// Python's icalendar module, and the refusals.
#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "astro/prayer_times.h"
#include "civil/tz_zone_rules.h"
#include "civil/zone_request.h"
#include "cli/cli_calendar.h"
#include "cli/cli_options.h"
#include "run_program.h"

namespace tarvel {
namespace {

using testing::Joined;
using testing::ProgramRun;
using testing::RunCli;

LocalClock FixedClock() {
    LocalClock clock;
    clock.present = [] {
        LocalMoment moment;
        moment.date = {2024, 7, 1};
        moment.time = {12, 0, 0.0};
        moment.standardZoneHours = 0.0f;
        return moment;
    };
    clock.summerTimeAt = [](const CivilDate&, const ClockTime&) { return false; };
    return clock;
}

// The DTSTART of every event by its UID, the folded lines unfolded.
std::map<std::string, std::string> StartsByUid(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find("\r\n", start);
        const std::string line = text.substr(start, end - start);
        if (!line.empty() && line.front() == ' ' && !lines.empty()) {
            lines.back() += line.substr(1);
        } else {
            lines.push_back(line);
        }
        if (end == std::string::npos) break;
        start = end + 2;
    }
    std::map<std::string, std::string> starts;
    std::string uid;
    for (const std::string& line : lines) {
        if (line.rfind("UID:", 0) == 0) uid = line.substr(4);
        if (line.rfind("DTSTART:", 0) == 0) starts[uid] = line.substr(8);
    }
    return starts;
}

// "20240330"
std::string Compact(const CalendarDate& d) {
    char text[16];
    std::snprintf(text, sizeof text, "%04d%02d%02d", d.year, d.month, d.day);
    return text;
}

// Seconds since 1970 of "20240621T031200Z"; -1 for another text.
long long UtcSecondsOf(const std::string& text) {
    int y, mo, d, h, mi, s;
    if (text.size() != 16 ||
        std::sscanf(text.c_str(), "%4d%2d%2dT%2d%2d%2dZ", &y, &mo, &d, &h, &mi, &s) != 6) {
        return -1;
    }
    // Days from the civil date (proleptic Gregorian), as in date algorithms.
    y -= mo <= 2;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const long long yoe = y - era * 400;
    const long long doy = (153 * (mo + (mo > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const long long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return (era * 146097 + doe - 719468) * 86400 + h * 3600 + mi * 60 + s;
}

// Every event of the calendar at the instant the engine gives it: each day
// computed at its noon on the zone's clock, the event's clock time on that
// one clock, its day offset and the clock's offset then (a change of the
// clocks between the event and noon is not read here, so the instants of a
// change day are checked too).
TEST(CliCalendar, EventsAreTheEnginesInstants) {
    const struct {
        const char* name;
        std::vector<std::string> args;
        const char* zone;
        const char* site;  // as the UIDs write it
        std::size_t events;
    } cases[] = {
        // 2024-03-31: the clocks of Rome go forward at 02:00.
        {"Rome, MWL, across the change",
         {"--place", "Rome, Italy", "--date", "2024-03-30", "--days", "3", "--method", "mwl",
          "--events", "all"},
         "Europe/Rome", "41.8919N-12.5113E", 3 * 17},
        // June at 69.6 N: no set, no twilights, no Fajr or Isha without a rule.
        {"Tromso, midnight Sun",
         {"--tz", "Europe/Oslo", "--lat", "69.65N", "--lon", "18.96E", "--date", "2024-06-20",
          "--days", "2", "--method", "isna", "--events", "all"},
         "Europe/Oslo", "69.6500N-18.9600E", 2 * 5},
        // London in June: the Sun stays above -18 degrees, Fajr and Isha by the rule.
        {"London, MWL, middle of the night",
         {"--tz", "Europe/London", "--lat", "51.5074N", "--lon", "0.1278W", "--date",
          "2024-06-20", "--days", "2", "--method", "mwl", "--high-latitude-rule", "middle",
          "--events", "prayers"},
         "Europe/London", "51.5074N-0.1278W", 2 * 6},
        {"fixed zone",
         {"--zone", "-5", "--lat", "40.71N", "--lon", "74.01W", "--date", "2024-12-30",
          "--days", "3", "--events", "sun,prayers"},
         nullptr, "40.7100N-74.0100W", 3 * 8},
    };
    for (const auto& c : cases) {
        const CliCommand command = ParseCalendarCommandLine(c.args, FixedClock());
        ASSERT_EQ(command.action, CliAction::kCalendar) << c.name << ": " << command.text;
        const std::map<std::string, std::string> starts =
            StartsByUid(CalendarText(command, 0));
        EXPECT_EQ(starts.size(), c.events) << c.name;

        const FoundZone zone = c.zone ? LookUpZone(c.zone) : FoundZone{};
        const CalendarDate first{command.calendar.start.year, command.calendar.start.month,
                                 command.calendar.start.day};
        std::size_t checked = 0;
        for (int i = 0; i < command.calendar.days; ++i) {
            const CalendarDate day = DateAfterDays(first, i);
            SolarRequest request = command.request;
            const ClockReading noon{day.year, day.month, day.day, 12, 0, 0.0};
            if (zone.rules) {
                SetRequestOnRules(request, *zone.rules, noon);
            } else {
                request.SetClockReading(noon);
            }
            const SolarResult result = CalcSolarParameters(request);
            const DayTimes days = CalcDayTimes(request, result);
            const long long midnightUtc = UtcSecondsOf(Compact(day) + "T000000Z");
            for (const CalendarEventKind& kind : CalendarEventKinds()) {
                if (std::find(command.calendar.events.begin(), command.calendar.events.end(),
                              kind.name) == command.calendar.events.end()) {
                    continue;
                }
                const ResultField& field = FieldOf(kind.field);
                const std::string uid = Compact(day) + "-" + std::string(kind.name) + "-" +
                                        c.site + "@tarvel";
                const auto found = starts.find(uid);
                if (!field.PresentIn(result, &days)) {
                    EXPECT_EQ(found, starts.end()) << c.name << ": " << uid << " does not occur";
                    continue;
                }
                ASSERT_NE(found, starts.end()) << c.name << ": " << uid;
                const double expected = midnightUtc + field.DayOffsetIn(&days) * 86400.0 +
                                        field.ValueOf(result, &days) * 3600.0 -
                                        RequestClockOffsetSeconds(request);
                EXPECT_LE(std::fabs(UtcSecondsOf(found->second) - expected), 0.5 + 1e-6)
                    << c.name << ": " << uid << " written " << found->second << ", engine "
                    << std::fixed << expected;
                ++checked;
            }
        }
        EXPECT_EQ(checked, c.events) << c.name;
    }
}

}  // namespace
}  // namespace tarvel
