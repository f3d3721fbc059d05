#include "chart/chart_data.h"

#include <cmath>
#include <cstdint>
#include <list>
#include <mutex>
#include <utility>

#include "astro/apparent_sun.h"
#include "astro/calendar.h"
#include "civil/zone_request.h"

namespace tarvel {

namespace {

// Degrees reduced into [0, 360).
double Reduce360(double degrees) {
    double d = std::fmod(degrees, 360.0);
    if (d < 0) d += 360.0;
    return d >= 360.0 ? 0.0 : d;
}

SkyPoint PointOf(const SunState& sun, double clockHours) {
    return {clockHours, BearingFromSouthWestAzimuth(sun.azimuth), sun.altitude};
}

SunPathSeries PathOn(const SolarRequest& request, const ChartDate& date, int stepMinutes) {
    SunPathSeries series;
    series.date = date;
    const SunSite site = SunSiteAt(request.latitude, request.longitude);
    const int steps = 24 * 60 / stepMinutes;
    series.path.reserve(static_cast<std::size_t>(steps) + 1);
    for (int i = 0; i <= steps; ++i) {
        const double t = i * stepMinutes / 60.0;
        const SkyPoint point = PointOf(SunAtClock(request, site, t), t);
        series.path.push_back(point);
        if (i * stepMinutes % 60 == 0 && i < steps) series.hourMarks.push_back(point);
    }
    return series;
}

ChartDate DateOf(const SolarRequest& request) {
    return {request.year, request.month, request.day};
}

}  // namespace

SunState SunAtClock(const SolarRequest& request, const SunSite& site, double clockHours) {
    const int summerHour = request.summerTime ? 1 : 0;
    const auto zoneWhole = static_cast<std::int16_t>(std::trunc(request.zoneHours));
    const int zoneRest =
        static_cast<int>(std::trunc(request.zoneMinutes - 60 * std::trunc(request.zoneHours)));
    const double totalSeconds = clockHours * 3600.0;
    const int hour = static_cast<int>(std::floor(totalSeconds / 3600.0));
    const int minute = static_cast<int>(std::floor((totalSeconds - hour * 3600.0) / 60.0));
    const double second = totalSeconds - hour * 3600.0 - minute * 60.0;
    return SunPosition(request.year, request.month, request.day, hour - summerHour, minute,
                       second - request.zoneSeconds, zoneWhole, zoneRest, site, request.deltaT,
                       request.deltaTGiven);
}

double EquationOfTimeMinutesOf(const SunState& sun) {
    return (sun.equationOfTime - sun.deltaT * 0.00273790935) / 60.0;
}

double BearingFromSouthWestAzimuth(double azimuthFromSouthDeg) {
    return Reduce360(azimuthFromSouthDeg + 180.0);
}

double BearingFromSouthEastAzimuth(double azimuthFromSouthDeg) {
    return Reduce360(180.0 - azimuthFromSouthDeg);
}

std::vector<ChartDate> DatesOfYear(int year) {
    std::vector<ChartDate> dates;
    dates.reserve(366);
    for (int month = 1; month <= 12; ++month) {
        const int length = MonthLength(year, month, 1);
        for (int day = 1; day <= length; ++day) dates.push_back({year, month, day});
    }
    return dates;
}

SolarRequest RequestOnDate(const ChartInputs& inputs, const ChartDate& date, double clockHours) {
    SolarRequest request = inputs.request;
    const int totalSeconds = static_cast<int>(std::lround(clockHours * 3600.0));
    const ClockReading reading{date.year,
                               date.month,
                               date.day,
                               std::min(totalSeconds / 3600, 23),
                               totalSeconds >= 24 * 3600 ? 59 : totalSeconds / 60 % 60,
                               totalSeconds >= 24 * 3600 ? 59.0 : totalSeconds % 60 * 1.0};
    request.SetClockReading(reading);
    if (inputs.zoneRules) {
        ClockInstant instant;
        static_cast<ClockReading&>(instant) = reading;
        SetRequestZone(request, inputs.zoneRules->Resolve(instant).state);
    }
    return request;
}

SunPathChart ComputeSunPath(const ChartInputs& inputs, bool monthPaths) {
    const SolarRequest& request = inputs.request;
    SunPathChart chart;
    chart.latitude = request.latitude;
    chart.apparentHorizonDeg = ApparentHorizonAltitude(request.height);

    // The date's path and the monthly ones share the processors.
    const int tasks = monthPaths ? 13 : 1;
    if (monthPaths) chart.monthPaths.resize(12);
    SolarResult result;
    ForEachOnAllCores(tasks + 1, [&](int task) {
        if (task == 0) {
            result = CalcSolarParameters(request);
        } else if (task == 1) {
            chart.day = PathOn(request, DateOf(request), kSunPathStepMinutes);
        } else {
            const ChartDate date{request.year, task - 1, 21};
            chart.monthPaths[static_cast<std::size_t>(task - 2)] =
                PathOn(RequestOnDate(inputs, date, 12.0), date, 2 * kSunPathStepMinutes);
        }
    });

    const SunSite site = SunSiteAt(request.latitude, request.longitude);
    const double now = request.hour + request.minute / 60.0 + request.second / 3600.0;
    chart.now = PointOf(SunAtClock(request, site, now), now);
    chart.nowRefractedAltitudeDeg = result.refractedAltitude;

    chart.rise.occurs = result.occurs.apparentRise;
    chart.rise.point = {result.apparentRise,
                        BearingFromSouthWestAzimuth(result.apparentRiseAzimuth),
                        chart.apparentHorizonDeg};
    chart.set.occurs = result.occurs.apparentSet;
    chart.set.point = {result.apparentSet, BearingFromSouthWestAzimuth(result.apparentSetAzimuth),
                       chart.apparentHorizonDeg};
    chart.transit.occurs = result.occurs.transit;
    chart.transit.point = {result.transit,
                           PointOf(SunAtClock(request, site, result.transit), 0).bearingDeg,
                           result.transitAltitude};
    chart.qiblaBearingDeg = BearingFromSouthEastAzimuth(result.qiblaAzimuth);
    return chart;
}

AnalemmaChart ComputeAnalemma(const ChartInputs& inputs) {
    const SolarRequest& request = inputs.request;
    AnalemmaChart chart;
    chart.year = request.year;
    // The request's time on the zone's standard clock, kept all year.
    chart.clockHours = request.hour + request.minute / 60.0 + request.second / 3600.0 -
                       (request.summerTime ? 1 : 0);
    if (chart.clockHours < 0) chart.clockHours += 24;
    const std::vector<ChartDate> dates = DatesOfYear(request.year);
    chart.points.resize(dates.size());
    const SunSite site = SunSiteAt(request.latitude, request.longitude);
    ForEachOnAllCores(static_cast<int>(dates.size()), [&](int i) {
        const ChartDate& date = dates[static_cast<std::size_t>(i)];
        SolarRequest day = RequestOnDate(inputs, date, chart.clockHours);
        if (inputs.zoneRules) {
            ClockInstant instant;
            static_cast<ClockReading&>(instant) = day.Clock();
            day.SetZoneOffsetSeconds(inputs.zoneRules->Resolve(instant).state.standardSeconds);
        }
        day.summerTime = false;
        const SunState sun = SunAtClock(day, site, chart.clockHours);
        chart.points[static_cast<std::size_t>(i)] = {date, BearingFromSouthWestAzimuth(sun.azimuth),
                                                     sun.altitude, sun.declination,
                                                     EquationOfTimeMinutesOf(sun)};
    });

    // The equinoxes where the declination changes sign, the solstices at its
    // extremes: the day nearest each.
    const std::size_t n = chart.points.size();
    for (std::size_t i = 0; i < n; ++i) {
        const AnalemmaPoint& p = chart.points[i];
        if (p.date.day == 1) chart.monthStarts.push_back(i);
        if (i + 1 < n) {
            const double d0 = p.declinationDeg;
            const double d1 = chart.points[i + 1].declinationDeg;
            if ((d0 < 0) != (d1 < 0)) {
                const std::size_t nearest = std::abs(d0) <= std::abs(d1) ? i : i + 1;
                chart.seasons.push_back(
                    {d0 < 0 ? SeasonMark::kMarchEquinox : SeasonMark::kSeptemberEquinox, nearest});
            }
        }
        if (i > 0 && i + 1 < n) {
            const double before = chart.points[i - 1].declinationDeg;
            const double after = chart.points[i + 1].declinationDeg;
            if (p.declinationDeg > before && p.declinationDeg >= after) {
                chart.seasons.push_back({SeasonMark::kJuneSolstice, i});
            } else if (p.declinationDeg < before && p.declinationDeg <= after) {
                chart.seasons.push_back({SeasonMark::kDecemberSolstice, i});
            }
        }
    }
    return chart;
}

EquationOfTimeChart ComputeEquationOfTime(const ChartInputs& inputs) {
    EquationOfTimeChart chart;
    chart.year = inputs.request.year;
    const std::vector<ChartDate> dates = DatesOfYear(chart.year);
    chart.points.resize(dates.size());
    const SunSite site = SunSiteAt(inputs.request.latitude, inputs.request.longitude);
    ForEachOnAllCores(static_cast<int>(dates.size()), [&](int i) {
        const ChartDate& date = dates[static_cast<std::size_t>(i)];
        const SolarRequest day = RequestOnDate(inputs, date, 12.0);
        chart.points[static_cast<std::size_t>(i)] = {
            date, i + 0.5, EquationOfTimeMinutesOf(SunAtClock(day, site, 12.0))};
    });

    const std::size_t n = chart.points.size();
    for (std::size_t i = 1; i + 1 < n; ++i) {
        const double a = chart.points[i - 1].minutes;
        const double b = chart.points[i].minutes;
        const double c = chart.points[i + 1].minutes;
        const bool maximum = b > a && b >= c;
        const bool minimum = b < a && b <= c;
        if (maximum || minimum) {
            // The vertex of the parabola through the three days.
            const double curvature = a - 2 * b + c;
            const double shift = curvature != 0 ? 0.5 * (a - c) / curvature : 0;
            const EquationOfTimeFeature feature{chart.points[i].dayOfYear + shift,
                                                b - 0.25 * (a - c) * shift};
            (maximum ? chart.maxima : chart.minima).push_back(feature);
        }
    }
    for (std::size_t i = 0; i + 1 < n; ++i) {
        const double a = chart.points[i].minutes;
        const double b = chart.points[i + 1].minutes;
        if ((a < 0) != (b < 0)) {
            const double fraction = a / (a - b);
            chart.zeros.push_back({chart.points[i].dayOfYear + fraction, 0.0});
        }
    }
    return chart;
}

namespace {

// The length of a day from its crossings of altitude h0 (degrees), as the
// solar computation reckons it: set minus rise; with one of them only, twice
// the hour angle of h0 at the declination; with neither, 24 hours when the
// declination has the latitude's sign, otherwise 0.
double DayLength(const AltitudeCrossing& rise, const AltitudeCrossing& set, double h0,
                 double declination, double latitude) {
    if (rise.occurs && set.occurs) {
        const double length = set.time - rise.time;
        return length < 0.0 ? length + 24.0 : length;
    }
    const double rad = std::acos(-1.0) / 180.0;
    if (rise.occurs || set.occurs) {
        const double cosH =
            (std::sin(h0 * rad) - std::sin(latitude * rad) * std::sin(declination * rad)) /
            (std::cos(latitude * rad) * std::cos(declination * rad));
        if (cosH >= -1.0 && cosH <= 1.0) return 2.0 * std::acos(cosH) / rad / 15.0;
    }
    return (declination < 0) == (latitude < 0) ? 24.0 : 0.0;
}

ChartTime TimeOf(const AltitudeCrossing& crossing) {
    return {crossing.occurs, crossing.time};
}

}  // namespace

DaylightChart ComputeDaylight(const ChartInputs& inputs, bool prayers) {
    DaylightChart chart;
    chart.year = inputs.request.year;
    chart.prayers = prayers;
    const std::vector<ChartDate> dates = DatesOfYear(chart.year);
    chart.days.resize(dates.size());
    const SunSite site = SunSiteAt(inputs.request.latitude, inputs.request.longitude);
    const double h0 = ApparentHorizonAltitude(inputs.request.height);
    ForEachOnAllCores(static_cast<int>(dates.size()), [&](int i) {
        const ChartDate& date = dates[static_cast<std::size_t>(i)];
        const SolarRequest request = RequestOnDate(inputs, date, 12.0);
        DaylightDay& d = chart.days[static_cast<std::size_t>(i)];
        d.date = date;
        d.summerTime = request.summerTime;
        // The crossings alone, each search starting from the one before: the
        // morning's from the horizon down, the evening's back up.
        AltitudeCrossing c[10] = {{0.0, true},
                                  {h0, true},
                                  {kCivilTwilightAltitude, true},
                                  {kNauticalTwilightAltitude, true},
                                  {kAstronomicalTwilightAltitude, true},
                                  {kAstronomicalTwilightAltitude, false},
                                  {kNauticalTwilightAltitude, false},
                                  {kCivilTwilightAltitude, false},
                                  {h0, false},
                                  {0.0, false}};
        FindAltitudeCrossings(request, c, 10);
        const double declination = SunAtClock(request, site, 12.0).declination;
        d.sunrise = TimeOf(c[1]);
        d.sunset = TimeOf(c[8]);
        d.civilDawn = TimeOf(c[2]);
        d.civilDusk = TimeOf(c[7]);
        d.nauticalDawn = TimeOf(c[3]);
        d.nauticalDusk = TimeOf(c[6]);
        d.astronomicalDawn = TimeOf(c[4]);
        d.astronomicalDusk = TimeOf(c[5]);
        d.apparentDaylightHours = DayLength(c[1], c[8], h0, declination, request.latitude);
        d.geometricDaylightHours = DayLength(c[0], c[9], 0.0, declination, request.latitude);
        d.transitAltitudeDeg = 90.0 - std::abs(request.latitude - declination);
        if (prayers) {
            const DayTimes t = CalcDayTimes(request, CalcSolarParameters(request));
            d.fajr = {t.occurs.fajr, t.fajr};
            d.zuhr = {t.occurs.zuhr, t.zuhr};
            d.asr1 = {t.occurs.asr1, t.asr1};
            d.maghrib = {t.occurs.maghrib, t.maghrib};
            d.isha = {t.occurs.isha, t.isha};
        }
    });
    return chart;
}

namespace {

// What makes the year charts of two inputs the same.
struct YearKey {
    ObserverSettings observer;
    int year;
    float zoneHours;
    float zoneMinutes;
    double zoneSeconds;
    bool summerTime;
    double deltaT;
    bool deltaTGiven;
    std::string zoneName;

    friend bool operator==(const YearKey&, const YearKey&) = default;
};

YearKey KeyOf(const ChartInputs& inputs) {
    const SolarRequest& q = inputs.request;
    return {q,
            q.year,
            inputs.zoneRules ? 0.0f : q.zoneHours,
            inputs.zoneRules ? 0.0f : q.zoneMinutes,
            inputs.zoneRules ? 0.0 : q.zoneSeconds,
            inputs.zoneRules ? false : q.summerTime,
            q.deltaT,
            q.deltaTGiven,
            inputs.zoneRules ? inputs.zoneRules->Name() : std::string()};
}

constexpr std::size_t kKeptYears = 8;

struct YearEntry {
    YearKey key;
    std::shared_ptr<const EquationOfTimeChart> equationOfTime;
    std::shared_ptr<const DaylightChart> daylight;
    std::shared_ptr<const DaylightChart> daylightWithPrayers;
    std::shared_ptr<const SunPathChart> monthPaths;
};

struct YearCache {
    std::mutex mutex;
    std::list<YearEntry> entries;  // most recent first
};

YearCache& Cache() {
    static YearCache cache;
    return cache;
}

// The entry of key, made the most recent (created when missing). Called with
// the cache's mutex held.
YearEntry& EntryOf(YearCache& cache, const YearKey& key) {
    for (auto it = cache.entries.begin(); it != cache.entries.end(); ++it) {
        if (it->key == key) {
            cache.entries.splice(cache.entries.begin(), cache.entries, it);
            return cache.entries.front();
        }
    }
    cache.entries.push_front(YearEntry{key, nullptr, nullptr, nullptr, nullptr});
    if (cache.entries.size() > kKeptYears) cache.entries.pop_back();
    return cache.entries.front();
}

// The part of the inputs' entry, computed outside the lock when missing (two
// threads asking at once may both compute it; the first kept wins).
template <typename Chart, typename Compute>
std::shared_ptr<const Chart> CachedPart(const ChartInputs& inputs,
                                        std::shared_ptr<const Chart> YearEntry::*part,
                                        const Compute& compute) {
    const YearKey key = KeyOf(inputs);
    YearCache& cache = Cache();
    {
        const std::lock_guard lock(cache.mutex);
        if (const auto& kept = EntryOf(cache, key).*part) return kept;
    }
    auto computed = std::make_shared<const Chart>(compute());
    const std::lock_guard lock(cache.mutex);
    auto& kept = EntryOf(cache, key).*part;
    if (!kept) kept = computed;
    return kept;
}

}  // namespace

std::shared_ptr<const EquationOfTimeChart> CachedEquationOfTime(const ChartInputs& inputs) {
    return CachedPart(inputs, &YearEntry::equationOfTime,
                      [&] { return ComputeEquationOfTime(inputs); });
}

std::shared_ptr<const DaylightChart> CachedDaylight(const ChartInputs& inputs, bool prayers) {
    return CachedPart(inputs, prayers ? &YearEntry::daylightWithPrayers : &YearEntry::daylight,
                      [&] { return ComputeDaylight(inputs, prayers); });
}

std::shared_ptr<const SunPathChart> CachedMonthPaths(const ChartInputs& inputs) {
    return CachedPart(inputs, &YearEntry::monthPaths, [&] {
        SunPathChart chart = ComputeSunPath(inputs, true);
        chart.day = {};
        return chart;
    });
}

void ClearYearChartCache() {
    YearCache& cache = Cache();
    const std::lock_guard lock(cache.mutex);
    cache.entries.clear();
}

}  // namespace tarvel
