// The command line of tarvel-cli, for one instant, tables, charts and
// calendars. Input: the arguments separated by line breaks (a first line
// "table", "chart", "places" or "calendar" names the subcommand). A refusal
// is one line; an accepted calendar writes its first days; an accepted instant
// is computed and every result (the day times too, when asked for) lies in its
// range; an accepted table has parameters the engine accepts; an accepted
// chart's path on the date is computed and lies on the sky and the clock.
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "astro/prayer_times.h"
#include "astro/solar_computation.h"
#include "chart/chart_data.h"
#include "cli/cli_calendar.h"
#include "cli/cli_options.h"
#include "fuzz_checks.h"
#include "table/table_parameters.h"

namespace {

using tarvel::fuzz::ExpectWithin;

// A fixed clock, so that a run never depends on the machine.
tarvel::LocalClock FixedClock() {
    tarvel::LocalClock clock;
    clock.present = [] {
        tarvel::LocalMoment moment;
        moment.date = {2024, 6, 21};
        moment.time = {12, 0, 0.0};
        moment.standardZoneHours = 1.0f;
        return moment;
    };
    clock.summerTimeAt = [](const tarvel::CivilDate& date, const tarvel::ClockTime&) {
        return date.month >= 4 && date.month <= 9;
    };
    return clock;
}

void ExpectResultInRange(const tarvel::SolarResult& r) {
    const double times[] = {r.trueLocalTime, r.trueZoneTime,  r.italianHours, r.babylonianHours,
                            r.hoursToSunset, r.transit,       r.geometricRise, r.geometricSet,
                            r.apparentRise,  r.apparentSet,   r.fajr,          r.asr1,
                            r.asr2,          r.isha,          r.geometricDaylight,
                            r.apparentDaylight};
    for (const double t : times) ExpectWithin("clock time or length", t, 0.0, 24.0);
    if (r.occurs.qiblaTime) ExpectWithin("qiblaTime", r.qiblaTime, 0.0, 24.0);
    if (!std::isnan(r.temporalHours)) ExpectWithin("temporalHours", r.temporalHours, 0.0, 12.0);
    ExpectWithin("azimuth", r.azimuth, -180.0, 180.0);
    ExpectWithin("altitude", r.altitude, -90.0, 90.0);
    ExpectWithin("declination", r.declination, -90.0, 90.0);
    ExpectWithin("rightAscension", r.rightAscension, 0.0, 24.0);
    ExpectWithin("qiblaAzimuth", r.qiblaAzimuth, -180.0, 180.0);
    if (r.altitude > -1.0) ExpectWithin("refraction", r.refraction, 0.0, 5.0);
    ExpectWithin("refractedAltitude", r.refractedAltitude, -90.0, 90.0 + 5.0);
    ExpectWithin("equationOfTime", r.equationOfTime, -3600.0, 3600.0);
}

// The day times: clock times in [0, 24], the night no longer than two days.
void ExpectDayTimesInRange(const tarvel::DayTimes& d) {
    const double times[] = {d.fajr,
                            d.sunrise,
                            d.zuhr,
                            d.asr1,
                            d.asr2,
                            d.maghrib,
                            d.isha,
                            d.civilDawn,
                            d.civilDusk,
                            d.nauticalDawn,
                            d.nauticalDusk,
                            d.astronomicalDawn,
                            d.astronomicalDusk,
                            d.goldenHourEnd,
                            d.goldenHourStart,
                            d.nightMiddle,
                            d.nightLastThird};
    for (const double t : times) ExpectWithin("day time", t, 0.0, 24.0);
    ExpectWithin("nightLength", d.nightLength, 0.0, 48.0);
}

void ExpectOnTheSky(const tarvel::SkyPoint& p) {
    ExpectWithin("path clock time", p.clockHours, 0.0, 24.0);
    ExpectWithin("path bearing", p.bearingDeg, 0.0, 360.0);
    ExpectWithin("path altitude", p.altitudeDeg, -90.0, 90.0);
}

// The Sun's path on the date (the year charts take the same evaluations on
// every date of the year, too slow for a fuzz input).
void ExpectSunPathOnTheSky(const tarvel::CliCommand& command) {
    const tarvel::SunPathChart chart =
        tarvel::ComputeSunPath({command.request, command.zoneRules}, false);
    if (chart.day.path.empty()) tarvel::fuzz::Fail("a path without points", 0);
    for (const tarvel::SkyPoint& p : chart.day.path) ExpectOnTheSky(p);
    for (const tarvel::SkyPoint& p : chart.day.hourMarks) ExpectOnTheSky(p);
    for (const tarvel::SkyEvent* e : {&chart.rise, &chart.transit, &chart.set}) {
        if (e->occurs) ExpectOnTheSky(e->point);
    }
    ExpectOnTheSky(chart.now);
    ExpectWithin("qibla bearing", chart.qiblaBearingDeg, 0.0, 360.0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<std::string> args(1);
    for (std::size_t i = 0; i < size && args.size() <= 40; ++i) {
        if (data[i] == '\n') {
            args.emplace_back();
        } else {
            args.back() += static_cast<char>(data[i]);
        }
    }
    if (args.size() == 1 && args.front().empty()) args.clear();
    const tarvel::CliCommand command = tarvel::ParseCommandLine(args, FixedClock());
    switch (command.action) {
        case tarvel::CliAction::kFail:
            tarvel::fuzz::ExpectOneLine(command.text);
            if (command.text.find('\n') != std::string::npos) {
                tarvel::fuzz::Fail("refusal with a line break", 0);
            }
            break;
        case tarvel::CliAction::kPrint:
        case tarvel::CliAction::kPlaces:  // a query of the places list: nothing computed
            break;
        case tarvel::CliAction::kCompute:
            tarvel::fuzz::ExpectObserverWithinBounds(command.request);
            if (command.request.deltaTGiven) {
                ExpectWithin("deltaT", command.request.deltaT, tarvel::kDeltaTBounds);
            }
            {
                const tarvel::SolarResult r = tarvel::CalcSolarParameters(command.request);
                ExpectResultInRange(r);
                if (command.dayTimes)
                    ExpectDayTimesInRange(tarvel::CalcDayTimes(command.request, r));
            }
            break;
        case tarvel::CliAction::kChart:
            tarvel::fuzz::ExpectObserverWithinBounds(command.request);
            ExpectSunPathOnTheSky(command);
            break;
        case tarvel::CliAction::kCalendar:
            tarvel::fuzz::ExpectObserverWithinBounds(command.request);
            if (command.calendar.days < tarvel::kCliCalendarMinDays ||
                command.calendar.days > tarvel::kCliCalendarMaxDays) {
                tarvel::fuzz::Fail("a calendar's days out of range were accepted", 0);
            }
            {
                // Two days at most: a year of days is too slow for a fuzz input.
                tarvel::CliCommand shorter = command;
                shorter.calendar.days = std::min(shorter.calendar.days, 2);
                const std::string text = tarvel::CalendarText(shorter, 0);
                if (text.rfind("BEGIN:VCALENDAR\r\n", 0) != 0) {
                    tarvel::fuzz::Fail("a calendar without its first line", 0);
                }
            }
            break;
        case tarvel::CliAction::kTable:
            if (!tarvel::ValidateTableParameters(command.table.parameters).ok()) {
                tarvel::fuzz::Fail("a table the engine refuses was accepted", 0);
            }
            tarvel::fuzz::ExpectObserverWithinBounds(command.table.parameters);
            break;
    }
    return 0;
}
