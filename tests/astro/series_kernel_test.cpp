// The vector kernels of the series against the scalar reference: L, B and R,
// both nutations, and every field of the solar computation over random instants of 1900-2100, and
// the arrays of sines and cosines against std::sin and std::cos.
//
// CI compares a few hundred instants; the full comparison sets the count, from
// the build folder:
//   TARVEL_KERNEL_INSTANTS=10000 tests/tarvel_astro_tests --gtest_filter='SeriesKernel.*'
#include "astro/series_kernel.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <vector>

#include "astro/angles.h"
#include "astro/calendar.h"
#include "astro/earth_position.h"
#include "astro/nutation.h"
#include "astro/solar_computation.h"
#include "support/solar_support.h"

namespace tarvel {
namespace {

constexpr double kJd1900 = 2415020.5;  // 1900 January 1, 0h
constexpr double kJd2101 = 2488434.5;  // 2101 January 1, 0h

// Instants per comparison: TARVEL_KERNEL_INSTANTS, or the CI subset.
int InstantCount(int ciCount) {
    const char* text = std::getenv("TARVEL_KERNEL_INSTANTS");
    const int count = text != nullptr ? std::atoi(text) : 0;
    return count > 0 ? count : ciCount;
}

std::vector<SeriesKernel> SupportedVectorKernels() {
    std::vector<SeriesKernel> kernels;
    for (SeriesKernel kernel : kSeriesKernels) {
        if (kernel != SeriesKernel::kScalar && SeriesKernelSupported(kernel)) {
            kernels.push_back(kernel);
        }
    }
    return kernels;
}

// A field of a nutation at jd with a kernel made active for the call.
template <auto both, auto field>
double NutationWith(double jd, SeriesKernel kernel) {
    const ScopedSeriesKernel scoped(kernel);
    return both(jd).*field;
}

// a - b, reduced into [-period/2, period/2] when period > 0.
double Difference(double a, double b, double period) {
    const double d = a - b;
    return period > 0 ? std::remainder(d, period) : d;
}

TEST(SeriesKernel, FollowsTheEnvironmentAndTheProcessor) {
    const char* scalar = std::getenv("TARVEL_SCALAR_SERIES");
    const bool scalarRequested = scalar != nullptr && std::strcmp(scalar, "1") == 0;
    EXPECT_EQ(ActiveSeriesKernel(), scalarRequested ? SeriesKernel::kScalar : BestSeriesKernel());
    EXPECT_TRUE(SeriesKernelSupported(SeriesKernel::kScalar));
    EXPECT_TRUE(SeriesKernelSupported(SeriesKernel::kSse2));
    EXPECT_TRUE(SeriesKernelSupported(BestSeriesKernel()));
    EXPECT_NE(BestSeriesKernel(), SeriesKernel::kScalar);
}

// Every supported vector kernel's L, B and R within 1e-11 rad (AU for R), and
// both nutations within 1e-11 arcsecond, of the scalar reference at random
// instants between 1900 and 2100.
TEST(SeriesKernel, SeriesAgreeWithScalarReference) {
    constexpr double kDegToRad = M_PI / 180.0;
    struct Quantity {
        const char* name;
        double (*value)(double jd, SeriesKernel kernel);
        double scale;   // to the unit of the tolerance
        double period;  // of the returned value, 0 when not periodic
        double tolerance;
    };
    const Quantity quantities[] = {
        {"L (rad)", [](double jd, SeriesKernel k) { return EarthHeliocentricLongitude(jd, k); },
         kDegToRad, 360, 1e-11},
        {"B (rad)", [](double jd, SeriesKernel k) { return EarthHeliocentricLatitude(jd, k); },
         kDegToRad, 0, 1e-11},
        {"R (AU)", [](double jd, SeriesKernel k) { return EarthRadiusVector(jd, k); }, 1, 0, 1e-11},
        {"1980 nutation in longitude (arcsec)",
         NutationWith<Nutation1980Both, &Nutation1980::longitudeArcsec>, 1, 0, 1e-11},
        {"1980 nutation in obliquity (arcsec)",
         NutationWith<Nutation1980Both, &Nutation1980::obliquityArcsec>, 1, 0, 1e-11},
        {"2000B nutation in longitude (arcsec)",
         NutationWith<Nutation2000BBoth, &Nutation2000B::longitudeArcsec>, 1, 0, 1e-11},
        {"2000B nutation in obliquity (arcsec)",
         NutationWith<Nutation2000BBoth, &Nutation2000B::obliquityArcsec>, 1, 0, 1e-11},
    };
    const int count = InstantCount(300);
    for (SeriesKernel kernel : SupportedVectorKernels()) {
        std::printf("%s, %d instants, largest differences:", SeriesKernelName(kernel), count);
        for (const Quantity& q : quantities) {
            std::mt19937_64 random(20250314);
            std::uniform_real_distribution<double> instant(kJd1900, kJd2101);
            double worst = 0;
            for (int i = 0; i < count; ++i) {
                const double jd = instant(random);
                const double d = q.scale * Difference(q.value(jd, kernel),
                                                      q.value(jd, SeriesKernel::kScalar), q.period);
                ASSERT_LE(std::abs(d), q.tolerance)
                    << SeriesKernelName(kernel) << " " << q.name << " at " << std::to_string(jd);
                worst = std::max(worst, std::abs(d));
            }
            std::printf("\n  %s %.3g", q.name, worst);
        }
        std::printf("\n");
    }
}

// Every field of CalcSolarParameters with each vector kernel within 1e-8 of its
// unit (hours, degrees, seconds, days) of the scalar reference, the same events
// occurring, for random instants and sites between 1900 and 2100.
TEST(SeriesKernel, SolarParametersAgreeWithScalarReference) {
    struct Field {
        const char* name;
        double SolarResult::*member;
        double period;  // 24 for clock hours, 360 for angles, 0 for the rest
    };
    const Field fields[] = {
        {"julianDay", &SolarResult::julianDay, 0},
        {"deltaT", &SolarResult::deltaT, 0},
        {"gmst", &SolarResult::gmst, 24},
        {"lmst", &SolarResult::lmst, 24},
        {"equationOfTime", &SolarResult::equationOfTime, 86400},
        {"longitudeDifference", &SolarResult::longitudeDifference, 0},
        {"meanLocalTime", &SolarResult::meanLocalTime, 24},
        {"trueLocalTime", &SolarResult::trueLocalTime, 24},
        {"trueZoneTime", &SolarResult::trueZoneTime, 24},
        {"italianHours", &SolarResult::italianHours, 24},
        {"babylonianHours", &SolarResult::babylonianHours, 24},
        {"temporalHours", &SolarResult::temporalHours, 24},
        {"hoursToSunset", &SolarResult::hoursToSunset, 24},
        {"eclipticLongitude", &SolarResult::eclipticLongitude, 360},
        {"eclipticLatitude", &SolarResult::eclipticLatitude, 0},
        {"rightAscension", &SolarResult::rightAscension, 24},
        {"declination", &SolarResult::declination, 0},
        {"topoRightAscension", &SolarResult::topoRightAscension, 24},
        {"topoDeclination", &SolarResult::topoDeclination, 0},
        {"azimuth", &SolarResult::azimuth, 360},
        {"altitude", &SolarResult::altitude, 0},
        {"refraction", &SolarResult::refraction, 0},
        {"refractedAltitude", &SolarResult::refractedAltitude, 0},
        {"transit", &SolarResult::transit, 24},
        {"transitAltitude", &SolarResult::transitAltitude, 0},
        {"transitRefraction", &SolarResult::transitRefraction, 0},
        {"geometricRise", &SolarResult::geometricRise, 24},
        {"geometricRiseAzimuth", &SolarResult::geometricRiseAzimuth, 360},
        {"geometricSet", &SolarResult::geometricSet, 24},
        {"geometricSetAzimuth", &SolarResult::geometricSetAzimuth, 360},
        {"geometricDaylight", &SolarResult::geometricDaylight, 0},
        {"apparentRise", &SolarResult::apparentRise, 24},
        {"apparentRiseAzimuth", &SolarResult::apparentRiseAzimuth, 360},
        {"apparentSet", &SolarResult::apparentSet, 24},
        {"apparentSetAzimuth", &SolarResult::apparentSetAzimuth, 360},
        {"apparentDaylight", &SolarResult::apparentDaylight, 0},
        {"fajr", &SolarResult::fajr, 24},
        {"asr1", &SolarResult::asr1, 24},
        {"asr2", &SolarResult::asr2, 24},
        {"isha", &SolarResult::isha, 24},
        {"qiblaAzimuth", &SolarResult::qiblaAzimuth, 360},
        {"qiblaTime", &SolarResult::qiblaTime, 24},
    };
    static_assert(sizeof(SolarResult) == (sizeof(fields) / sizeof(fields[0]) * sizeof(double) +
                                          sizeof(SolarResult::Occurrences) + 7) /
                                             8 * 8,
                  "every double field of SolarResult is compared");
    constexpr double kTolerance = 1e-8;
#if defined(__SANITIZE_ADDRESS__)
    const int count = InstantCount(40);  // the instrumented build checks a sample
#else
    const int count = InstantCount(200);
#endif
    std::mt19937_64 random(20250315);
    std::uniform_real_distribution<double> instant(kJd1900, kJd2101);
    std::uniform_real_distribution<double> latitude(-89.0, 89.0);
    std::uniform_real_distribution<double> longitude(-180.0, 180.0);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    std::vector<double> worst(std::size(fields), 0.0);
    for (int i = 0; i < count; ++i) {
        const JulianDate date(instant(random), 1);
        int year, month, day, hour, minute;
        double second;
        date.ToCalendar(year, month, day, hour, minute, second);
        const double longitudeWest = longitude(random);
        const float zone = static_cast<float>(std::round(-longitudeWest / 15.0 * 4.0) / 4.0);
        SolarRequest rq =
            test_support::Request(year, month, day, hour, minute, std::floor(second * 10) / 10,
                                  zone, unit(random) < 0.3, latitude(random), longitudeWest);
        rq.height = std::floor(unit(random) * 3000);
        if (unit(random) < 0.5) rq = test_support::RequestWithDeltaT(69.2, rq);

        SolarResult reference;
        {
            const ScopedSeriesKernel scalar(SeriesKernel::kScalar);
            reference = CalcSolarParameters(rq);
        }
        for (SeriesKernel kernel : SupportedVectorKernels()) {
            const ScopedSeriesKernel scoped(kernel);
            const SolarResult r = CalcSolarParameters(rq);
            const auto where = [&] {
                return testing::Message()
                       << SeriesKernelName(kernel) << ", " << rq.year << "-" << rq.month << "-"
                       << rq.day << " " << rq.hour << ":" << rq.minute << ":" << rq.second
                       << " zone " << rq.zoneHours << (rq.summerTime ? " summer" : "") << " lat "
                       << rq.latitude << " lon " << rq.longitude << " height " << rq.height;
            };
            ASSERT_EQ(std::memcmp(&r.occurs, &reference.occurs, sizeof(r.occurs)), 0)
                << where() << ": the events differ";
            for (std::size_t f = 0; f < std::size(fields); ++f) {
                const double a = r.*fields[f].member;
                const double b = reference.*fields[f].member;
                if (std::isnan(a) || std::isnan(b)) {
                    ASSERT_TRUE(std::isnan(a) && std::isnan(b))
                        << where() << ": " << fields[f].name << " " << a << " vs " << b;
                    continue;
                }
                const double d = std::abs(Difference(a, b, fields[f].period));
                ASSERT_LE(d, kTolerance) << where() << ": " << fields[f].name << " "
                                         << std::to_string(a) << " vs " << std::to_string(b);
                worst[f] = std::max(worst[f], d);
            }
        }
    }
    std::size_t worstField = 0;
    for (std::size_t f = 0; f < std::size(fields); ++f) {
        if (worst[f] > worst[worstField]) worstField = f;
    }
    std::printf("%d requests: largest difference %.3g in %s\n", count, worst[worstField],
                fields[worstField].name);
}

// The sums of blocks of terms against the documented order of summation,
// worked out term by term here with the same kernel's cosines of an array: for
// series shorter and longer than the kernels' chunks of blocks, without an
// anchor (terms of -0.0 among them) and with one; and several series in one
// call give the sums of one series at a time, to the last bit.
TEST(SeriesKernel, SumsFollowTheDocumentedOrder) {
    std::mt19937_64 random(20251211);
    std::uniform_real_distribution<double> amplitude(-1e5, 1e5);
    std::uniform_real_distribution<double> phase(0.0, 6.3);
    std::uniform_real_distribution<double> frequency(0.0, 1e5);
    const std::size_t blockCounts[] = {0, 1, 7, 31, 32, 33, 70, 97};
    std::vector<std::vector<CosineTermBlock>> seriesBlocks;
    std::vector<CosineSeries> series;
    for (const std::size_t count : blockCounts) {
        for (const double anchor : {0.0, 628331966747.0}) {
            std::vector<CosineTermBlock> blocks(count);
            for (std::size_t k = 0; k < count; ++k) {
                for (int j = 0; j < 8; ++j) {
                    blocks[k].a[j] = (k + j) % 5 == 0 ? -0.0 : amplitude(random);
                    blocks[k].b[j] = phase(random);
                    blocks[k].c[j] = frequency(random);
                }
            }
            seriesBlocks.push_back(std::move(blocks));
            series.push_back({nullptr, count, 0.025 + 0.001 * series.size(), anchor});
        }
    }
    for (std::size_t i = 0; i < series.size(); ++i) series[i].blocks = seriesBlocks[i].data();

    for (const SeriesKernel kernel : kSeriesKernels) {
        if (!SeriesKernelSupported(kernel)) continue;
        std::vector<double> sums(series.size());
        SumCosineSeries(kernel, series.data(), series.size(), sums.data());
        for (std::size_t i = 0; i < series.size(); ++i) {
            const CosineSeries& c = series[i];
            std::vector<double> arguments;
            for (std::size_t k = 0; k < c.count; ++k) {
                for (int j = 0; j < 8; ++j) {
                    arguments.push_back(c.blocks[k].b[j] + c.blocks[k].c[j] * c.tau);
                }
            }
            std::vector<double> cosines(arguments.size());
            Cosines(kernel, arguments.data(), cosines.data(), arguments.size());
            double lanes[8] = {};
            for (std::size_t k = 0; k < c.count; ++k) {
                for (int j = 0; j < 8; ++j) {
                    const double t = c.blocks[k].a[j] * cosines[8 * k + j];
                    lanes[j] = lanes[j] + ((c.anchor + t) - c.anchor);
                }
            }
            const double expected = c.anchor + (((lanes[0] + lanes[1]) + (lanes[2] + lanes[3])) +
                                                ((lanes[4] + lanes[5]) + (lanes[6] + lanes[7])));
            const double alone = SumCosineBlocks(kernel, c.blocks, c.count, c.tau, c.anchor);
            const auto where = [&] {
                return testing::Message() << SeriesKernelName(kernel) << ", " << c.count
                                          << " blocks, anchor " << c.anchor;
            };
            EXPECT_EQ(std::memcmp(&alone, &expected, sizeof(double)), 0)
                << where() << ": " << alone << " instead of " << expected;
            EXPECT_EQ(std::memcmp(&sums[i], &alone, sizeof(double)), 0)
                << where() << ": " << sums[i] << " in one call, " << alone << " alone";
        }
    }
}

// The three nutations of one Sun position from one pass are those of the
// separate evaluations, to the last bit, with every kernel.
TEST(SeriesKernel, NutationsOfOneSunPositionAreTheSeparateOnes) {
    std::mt19937_64 random(20251212);
    std::uniform_real_distribution<double> instant(kJd1900, kJd2101);
    for (const SeriesKernel kernel : kSeriesKernels) {
        if (!SeriesKernelSupported(kernel)) continue;
        const ScopedSeriesKernel scoped(kernel);
        for (int i = 0; i < 50; ++i) {
            const double jd = instant(random);
            const double jde = jd + 69.2 / 86400.0;
            const SunNutations n = NutationsForSun(jde, jd);
            const Nutation1980 apparent = Nutation1980Both(jde);
            const Nutation2000B atJde = Nutation2000BBoth(jde);
            const Nutation2000B atJd = Nutation2000BBoth(jd);
            const auto where = [&] {
                return testing::Message()
                       << SeriesKernelName(kernel) << " at " << std::to_string(jd);
            };
            EXPECT_EQ(n.apparentPlace.longitudeArcsec, apparent.longitudeArcsec) << where();
            EXPECT_EQ(n.apparentPlace.obliquityArcsec, apparent.obliquityArcsec) << where();
            EXPECT_EQ(n.atJde.longitudeArcsec, atJde.longitudeArcsec) << where();
            EXPECT_EQ(n.atJde.obliquityArcsec, atJde.obliquityArcsec) << where();
            EXPECT_EQ(n.atJd.longitudeArcsec, atJd.longitudeArcsec) << where();
            EXPECT_EQ(n.atJd.obliquityArcsec, atJd.obliquityArcsec) << where();
        }
    }
}

// The arrays of sines and cosines for every length up to three AVX-512 vectors
// (whole vectors and a remainder of every size), against std::sin and std::cos.
TEST(SeriesKernel, SinesAndCosinesOfArraysOfAnyLength) {
    std::vector<double> x;
    for (int i = 0; i < 24; ++i) x.push_back(-3000.0 + 271.3 * i * i);
    for (SeriesKernel kernel : kSeriesKernels) {
        if (!SeriesKernelSupported(kernel)) continue;
        for (std::size_t n = 0; n <= x.size(); ++n) {
            std::vector<double> sines(x.size() + 1, 7.0), cosines(x.size() + 1, 7.0);
            Sines(kernel, x.data(), sines.data(), n);
            Cosines(kernel, x.data(), cosines.data(), n);
            for (std::size_t i = 0; i < n; ++i) {
                ASSERT_NEAR(sines[i], std::sin(x[i]), 1e-15)
                    << SeriesKernelName(kernel) << " n " << n << " i " << i;
                ASSERT_NEAR(cosines[i], std::cos(x[i]), 1e-15)
                    << SeriesKernelName(kernel) << " n " << n << " i " << i;
            }
            EXPECT_EQ(sines[n], 7.0) << SeriesKernelName(kernel) << " wrote past " << n;
            EXPECT_EQ(cosines[n], 7.0) << SeriesKernelName(kernel) << " wrote past " << n;
        }
    }
}

}  // namespace
}  // namespace tarvel
