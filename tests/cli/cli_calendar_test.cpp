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

// Isha after midnight (London, ISNA, June): it belongs to the day it follows
// (its UID's date), its UTC instant on that date, the local clock (UTC+1)
// past midnight on the next.
TEST(CliCalendar, IshaAfterMidnightKeepsItsDay) {
    const ProgramRun run =
        RunCli({"calendar", "--tz", "Europe/London", "--lat", "51.5074N", "--lon", "0.1278W",
                "--date", "2024-06-20", "--days", "2", "--method", "isna", "--events", "isha"},
               "Asia/Tokyo");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const std::map<std::string, std::string> starts = StartsByUid(run.out);
    const struct {
        const char* uid;
        const char* localDate;  // on London's summer clock
    } cases[] = {
        {"20240620-isha-51.5074N-0.1278W@tarvel", "20240621"},
        {"20240621-isha-51.5074N-0.1278W@tarvel", "20240622"},
    };
    ASSERT_EQ(starts.size(), std::size(cases)) << run.out;
    for (const auto& c : cases) {
        const auto found = starts.find(c.uid);
        ASSERT_NE(found, starts.end()) << c.uid << "\n" << run.out;
        // 23:4x UTC on the day itself, 00:4x BST on the next.
        EXPECT_EQ(found->second.substr(0, 11), std::string(c.uid, 8) + "T23") << c.uid;
        const long long local = UtcSecondsOf(found->second) + 3600;
        EXPECT_EQ(local / 86400, UtcSecondsOf(std::string(c.localDate) + "T000000Z") / 86400)
            << c.uid << ": " << found->second;
    }
}

// The written file read back by Python's icalendar module: Rome over the
// change of the clocks, every event with a UTC start and its own UID.
TEST(CliCalendar, FileReadBackByIcalendar) {
    // Debian's module is installed for the system's python3, which may not
    // come first on PATH.
    std::string python;
    for (const char* candidate : {"/usr/bin/python3", "python3"}) {
        const std::string probe =
            std::string(candidate) + " -c 'import icalendar' >/dev/null 2>&1";
        if (std::system(probe.c_str()) == 0) {
            python = candidate;
            break;
        }
    }
    if (python.empty()) {
        GTEST_SKIP() << "python3 with the icalendar module (python3-icalendar) is not installed";
    }
    char path[] = "/tmp/tarvel-calendar-XXXXXX";
    const int fd = mkstemp(path);
    ASSERT_GE(fd, 0);
    close(fd);
    const std::vector<std::string> args = {"calendar", "--place", "Rome, Italy", "--date",
                                           "2024-03-30", "--days", "3", "--method", "mwl",
                                           "--events", "all", "--output", path};
    const ProgramRun run = RunCli(args);
    ASSERT_EQ(run.exitCode, 0) << Joined(args) << run.err;
    EXPECT_EQ(run.out, "");
    std::string read;
    const std::string command = python + " " + TARVEL_TESTS_SOURCE_DIR +
                                "/cli/calendar_ics_check.py " + path;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[4096];
        std::size_t n;
        while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) read.append(buffer, n);
        EXPECT_EQ(pclose(pipe), 0) << read;
    }
    std::remove(path);
    EXPECT_EQ(read.rfind("51 unique -//Tarvel//tarvel-cli//EN ", 0), 0u) << read.substr(0, 200);
    // The sunrise of the change day, 06:57 on the summer clock (UTC+2).
    EXPECT_NE(read.find(" 20240331-rise-41.8919N-12.5113E@tarvel=20240331T04"), std::string::npos)
        << read;
}

TEST(CliCalendar, RefusalsAreOneLine) {
    const struct {
        std::vector<std::string> args;
        const char* line;
    } cases[] = {
        {{"calendar", "--zone", "1", "--days", "367"},
         "tarvel-cli: --days '367' not accepted: expected a whole number of days from 1 to 366"},
        {{"calendar", "--zone", "1", "--events", "fajr,dawn"},
         "tarvel-cli: --events 'fajr,dawn' not accepted: expected a comma list"},
        {{"calendar", "--zone", "1", "--events", "fajr,"}, "tarvel-cli: --events 'fajr,' not"},
        {{"calendar", "--zone", "1", "--time", "12:00"},
         "tarvel-cli: --time does not apply to calendar"},
        {{"calendar", "--place", "Rome", "--lat", "41N"},
         "tarvel-cli: --place and --lat exclude each other"},
        {{"--zone", "1", "calendar"}, "tarvel-cli: unexpected argument 'calendar'"},
        {{"calendar", "--kind", "x"},
         "tarvel-cli: unknown option '--kind'; the options are listed by tarvel-cli calendar "
         "--help"},
    };
    for (const auto& c : cases) {
        const ProgramRun run = RunCli(c.args);
        EXPECT_EQ(run.exitCode, kExitUsage) << Joined(c.args);
        EXPECT_EQ(run.out, "") << Joined(c.args);
        EXPECT_EQ(run.err.rfind(c.line, 0), 0u) << Joined(c.args) << ": " << run.err;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
    }
    const ProgramRun output = RunCli({"calendar", "--zone", "1", "--output", "/nonexistent/x.ics"});
    EXPECT_EQ(output.exitCode, kExitOutputError);
    EXPECT_EQ(output.err.rfind("tarvel-cli: Cannot save /nonexistent/x.ics: ", 0), 0u) << output.err;
    const ProgramRun help = RunCli({"calendar", "--help"});
    for (const char* text : {"Usage: tarvel-cli calendar", "--events LIST", "golden-hour-end",
                             "every event", "--output FILE|-"}) {
        EXPECT_NE(help.out.find(text), std::string::npos) << text;
    }
}

}  // namespace
}  // namespace tarvel
