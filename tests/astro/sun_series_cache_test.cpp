// The Chebyshev spans of the Sun's slow quantities against the full series
// (the reference): at random instants of 1900-2100, at the ends of the spans
// (where two spans meet), and the events of the solar computation with and
// without them over a sweep of sites and dates.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "astro/solar_computation_series.h"
#include "astro/sun_series_cache.h"
#include "support/solar_support.h"

namespace tarvel {
namespace {

constexpr double kJd1900 = 2415020.5;
constexpr double kJd2101 = 2488069.5;
constexpr double kArcsecPerRad = 206264.80624709636;

struct QuantityCase {
    SunSlowQuantity quantity;
    const char* name;
    double scale;  // to arcseconds (or astronomical units for R)
};
const QuantityCase kQuantities[] = {
    {SunSlowQuantity::kLongitudeRad, "L", kArcsecPerRad},
    {SunSlowQuantity::kLatitudeRad, "B", kArcsecPerRad},
    {SunSlowQuantity::kRadiusAu, "R", 1.0},
    {SunSlowQuantity::kNutationLongitude1980, "dpsi 1980", 1.0},
    {SunSlowQuantity::kNutationObliquity1980, "deps 1980", 1.0},
    {SunSlowQuantity::kNutationLongitude2000B, "dpsi 2000B", 1.0},
    {SunSlowQuantity::kNutationObliquity2000B, "deps 2000B", 1.0},
};

// Within 1e-5" of the full series (R within 1e-12 AU, ~0.15 m) at random
// instants of 1900-2100, the positions interpolated from every span they fall
// in. (The vector kernels' sums themselves scatter by ~1e-11 rad, 2e-6", around
// the smooth functions the spans follow.)
TEST(SunSeriesCache, InterpolatedAgainstFullSeriesAtRandomInstants) {
    std::mt19937_64 random(31);
    std::uniform_real_distribution<double> instant(kJd1900, kJd2101);
    double worst[kSunSlowQuantityCount] = {};
    for (int i = 0; i < 3000; ++i) {
        const double x = instant(random);
        for (const QuantityCase& c : kQuantities) {
            const double interpolated = SunSpanValue(SunSpanIndex(x), c.quantity, x);
            const double full = SunSlowQuantityFull(c.quantity, x);
            const double error = std::fabs(interpolated - full) * c.scale;
            double& w = worst[static_cast<int>(c.quantity)];
            if (error > w) w = error;
        }
    }
    for (const QuantityCase& c : kQuantities) {
        const double limit = c.quantity == SunSlowQuantity::kRadiusAu ? 1e-12 : 1e-5;
        EXPECT_LE(worst[static_cast<int>(c.quantity)], limit) << c.name;
    }
}

// Two neighbouring spans meet in one value at their common end: both read
// there agree to 1e-9" (R to 1e-15 AU), at span ends spread over 1900-2100.
TEST(SunSeriesCache, NeighbouringSpansMeetAtTheirCommonEnd) {
    for (double x = kJd1900; x < kJd2101; x += 1733.0) {
        const std::int64_t left = SunSpanIndex(x);
        const double end = 2451545.0 + static_cast<double>(left + 1) * kSunSpanDays;
        ASSERT_EQ(SunSpanIndex(end), left + 1);
        for (const QuantityCase& c : kQuantities) {
            const double fromLeft = SunSpanValue(left, c.quantity, end);
            const double fromRight = SunSpanValue(left + 1, c.quantity, end);
            const double limit = c.quantity == SunSlowQuantity::kRadiusAu ? 1e-15 : 1e-9;
            EXPECT_LE(std::fabs(fromLeft - fromRight) * c.scale, limit)
                << c.name << " at JD " << std::to_string(end) << ": " << fromLeft << " and "
                << fromRight;
        }
    }
}

// Sun positions from the spans within 1e-4" of the full series in every angle
// and 1e-6 s in every time, whichever thread makes the spans first: four
// threads evaluate the same instants and agree to the last bit.
TEST(SunSeriesCache, PositionsWithinTheirBoundsOnAnyThread) {
    std::vector<double> offsets;
    std::mt19937_64 random(3131);
    std::uniform_real_distribution<double> day(0.0, 73000.0);
    for (int i = 0; i < 400; ++i) offsets.push_back(day(random));
    const SunSite site = SunSiteAt(41.9, -12.5);
    const auto at = [&](double offset, SunSeriesSource source) {
        const int days = static_cast<int>(offset);
        const double seconds = (offset - days) * 86400.0;
        // Counted on from 1900 January 1, 0:00 (JulianDayFromCalendar is linear in the day).
        return SunPosition(1900, 1, 1, 0, 0, seconds + days * 86400.0, 1, 0, site, 0.0, false,
                           source);
    };
    std::vector<std::vector<SunState>> byThread(4);
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t) {
        threads.emplace_back([&, t] {
            for (double o : offsets) byThread[t].push_back(at(o, SunSeriesSource::kInterpolated));
        });
    }
    for (std::thread& th : threads) th.join();
    for (std::size_t i = 0; i < offsets.size(); ++i) {
        const SunState full = at(offsets[i], SunSeriesSource::kFull);
        const SunState& s = byThread[0][i];
        for (int t = 1; t < 4; ++t) {
            EXPECT_EQ(std::memcmp(&byThread[t][i], &s, sizeof s), 0) << "thread " << t;
        }
        const auto arcsec = [](double deg) { return std::fabs(deg) * 3600.0; };
        const auto seconds = [](double hours) { return std::fabs(hours) * 3600.0; };
        const std::string where = "day " + std::to_string(offsets[i]);
        EXPECT_LE(arcsec(s.eclipticLongitude - full.eclipticLongitude), 1e-4) << where;
        EXPECT_LE(arcsec(s.eclipticLatitude - full.eclipticLatitude), 1e-4) << where;
        EXPECT_LE(arcsec(s.declination - full.declination), 1e-4) << where;
        EXPECT_LE(arcsec(s.topoDeclination - full.topoDeclination), 1e-4) << where;
        EXPECT_LE(arcsec(s.altitude - full.altitude), 1e-4) << where;
        EXPECT_LE(seconds(s.rightAscension - full.rightAscension), 1e-6) << where;
        EXPECT_LE(seconds(s.topoRightAscension - full.topoRightAscension), 1e-6) << where;
        EXPECT_LE(seconds(s.siderealTime - full.siderealTime), 1e-6) << where;
        EXPECT_LE(std::fabs(s.equationOfTime - full.equationOfTime), 1e-6) << where;
    }
}

// The events of one computation with the searches on the spans and on the
// full series: the requested instant's own values identical, the same events,
// their times within 1e-5 s (the transit within 5e-5 s: its iteration stops
// once the hour angle is within 4 ms, so a change in the last digits can end
// it one step apart), over sites at every 10 degrees of latitude and clocks
// east and west of their meridians, on dates of 1900-2100. The Qibla time is
// compared where both computations find one: where the Sun's azimuth only
// grazes the Qibla direction (the equator at an equinox) one may find the
// grazing instant and the other none.
TEST(SunSeriesCache, EventsWithAndWithoutTheSpans) {
    struct Site {
        float zone;
        bool summer;
        double longitudeWest;
    };
    const Site sites[] = {{1, true, -18.0686}, {-3, false, 64.0538}, {5.75, false, -85.3},
                          {-0.5, false, 20.0}, {12.75, true, 176.5}};
    const int years[] = {1903, 1950, 2024, 2061, 2099};
    double worst = 0;
    int n = 0;
    for (int lat = -80; lat <= 80; lat += 10) {
        for (const Site& s : sites) {
            for (int year : years) {
                for (int month = 1; month <= 12; month += 2) {
                    ++n;
                    const SolarRequest rq =
                        test_support::Request(year, month, 1 + (n * 7) % 28, (n * 5) % 24,
                                              (n * 13) % 60, 0, s.zone, s.summer, lat,
                                              s.longitudeWest);
                    const SolarResult full = CalcSolarParameters(rq);
                    const SolarResult fast = CalcSolarParameters(rq, SunSeriesSource::kInterpolated);
                    const std::string where = std::to_string(year) + "-" +
                                              std::to_string(month) + "-" +
                                              std::to_string(rq.day) + " " +
                                              std::to_string(rq.hour) + ":" +
                                              std::to_string(rq.minute) + " zone " +
                                              std::to_string(s.zone) + " at " +
                                              std::to_string(lat) + ", " +
                                              std::to_string(s.longitudeWest) + " W";
                    EXPECT_EQ(fast.eclipticLongitude, full.eclipticLongitude) << where;
                    EXPECT_EQ(fast.azimuth, full.azimuth) << where;
                    EXPECT_EQ(fast.equationOfTime, full.equationOfTime) << where;
                    const std::pair<double, double> times[] = {
                        {fast.transit, full.transit},
                        {fast.geometricRise, full.geometricRise},
                        {fast.geometricSet, full.geometricSet},
                        {fast.apparentRise, full.apparentRise},
                        {fast.apparentSet, full.apparentSet},
                        {fast.fajr, full.fajr},
                        {fast.asr1, full.asr1},
                        {fast.asr2, full.asr2},
                        {fast.isha, full.isha},
                        {fast.occurs.qiblaTime && full.occurs.qiblaTime ? fast.qiblaTime : 0.0,
                         fast.occurs.qiblaTime && full.occurs.qiblaTime ? full.qiblaTime : 0.0}};
                    int k = 0;
                    for (const auto& [a, b] : times) {
                        const double seconds = std::fabs(a - b) * 3600.0;
                        if (seconds > worst) worst = seconds;
                        EXPECT_LE(seconds, k == 0 ? 5e-5 : 1e-5) << where << ", event " << k << ": " << a
                                                 << " h with the spans, " << b << " h without";
                        ++k;
                    }
                    EXPECT_EQ(fast.occurs.transit, full.occurs.transit) << where;
                    EXPECT_EQ(fast.occurs.geometricRise, full.occurs.geometricRise) << where;
                    EXPECT_EQ(fast.occurs.apparentSet, full.occurs.apparentSet) << where;
                    EXPECT_EQ(fast.occurs.isha, full.occurs.isha) << where;
                }
            }
        }
    }
    RecordProperty("worst_seconds", std::to_string(worst));
    std::printf("worst event difference: %.3g s over %d computations\n", worst, n);
}

// With interpolation switched off (TARVEL_FULL_SERIES=1), the searches take
// the full series: the computation is CalcSolarParameters's to the last bit.
TEST(SunSeriesCache, SwitchedOffEqualsTheFullSeries) {
    const ScopedSunSeriesInterpolation off(false);
    const SolarRequest rq = test_support::Request(2024, 6, 21, 9, 30, 0, 1, true, 45.0, -9.0);
    const SolarResult full = CalcSolarParameters(rq);
    const SolarResult fast = CalcSolarParameters(rq, SunSeriesSource::kInterpolated);
    const double pairs[][2] = {{full.transit, fast.transit},       {full.geometricRise, fast.geometricRise},
                               {full.geometricSet, fast.geometricSet}, {full.apparentRise, fast.apparentRise},
                               {full.apparentSet, fast.apparentSet}, {full.fajr, fast.fajr},
                               {full.asr1, fast.asr1},             {full.asr2, fast.asr2},
                               {full.isha, fast.isha},             {full.qiblaTime, fast.qiblaTime}};
    for (const auto& p : pairs) EXPECT_EQ(std::memcmp(&p[0], &p[1], sizeof p[0]), 0) << p[0] << " " << p[1];
}

}  // namespace
}  // namespace tarvel
