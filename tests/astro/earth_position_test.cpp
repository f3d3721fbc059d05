// The Earth's heliocentric position: the stored VSOP87D table (term counts, first
// and last terms) and the worked values of L, B and R.

#include "astro/earth_position.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstddef>
#include <iomanip>
#include <sstream>
#include <string>

namespace tarvel {
namespace {

std::string Describe(const char* function, double argument) {
    std::ostringstream text;
    text << function << "(" << std::setprecision(17) << argument << ")";
    return text.str();
}

std::string Describe(const Vsop87Term& term) {
    std::ostringstream text;
    text << std::setprecision(17) << "{" << term.A << ", " << term.B << ", " << term.C << "}";
    return text.str();
}

::testing::AssertionResult SameTerm(const char* where, const Vsop87Term& expected,
                                    const Vsop87Term& obtained) {
    if (expected.A == obtained.A && expected.B == obtained.B && expected.C == obtained.C) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure()
           << where << ": expected " << Describe(expected) << ", obtained " << Describe(obtained);
}

struct SeriesCase {
    const char* name;
    const Vsop87Series* series;
    std::size_t count;
    Vsop87Term first;
};

const SeriesCase kSeriesCases[] = {
    {"L0", &kEarthL[0], 559, {175347045.673, 0, 0}},
    {"L1", &kEarthL[1], 341, {628331966747.0, 0, 0}},
    {"L2", &kEarthL[2], 142, {52918.87, 0, 0}},
    {"L3", &kEarthL[3], 22, {289.226, 5.84384198723, 6283.0758499914}},
    {"L4", &kEarthL[4], 11, {114.084, 3.14159265359, 0}},
    {"L5", &kEarthL[5], 5, {0.878, 3.14159265359, 0}},
    {"B0", &kEarthB[0], 184, {279.62, 3.19870156017, 84334.6615813082}},
    {"B1", &kEarthB[1], 99, {9.03, 3.8972906189, 5507.5532386674}},
    {"B2", &kEarthB[2], 49, {1.662, 1.62703209173, 84334.6615813082}},
    {"B3", &kEarthB[3], 11, {0.011, 0.23877262399, 7860.4193924392}},
    {"B4", &kEarthB[4], 5, {0.004, 0.79662198849, 6438.4962494256}},
    {"R0", &kEarthR[0], 526, {100013988.799, 0, 0}},
    {"R1", &kEarthR[1], 292, {103018.608, 1.10748969588, 6283.0758499914}},
    {"R2", &kEarthR[2], 139, {4359.385, 5.78455133738, 6283.0758499914}},
    {"R3", &kEarthR[3], 27, {144.595, 4.27319435148, 6283.0758499914}},
    {"R4", &kEarthR[4], 10, {3.858, 2.56384387339, 6283.0758499914}},
    {"R5", &kEarthR[5], 3, {0.086, 1.21579741687, 6283.0758499914}},
};

TEST(EarthPositionTable, TermCountsAndFirstTerms) {
    std::size_t total = 0;
    for (const SeriesCase& c : kSeriesCases) {
        EXPECT_EQ(c.series->count, c.count) << "term count of " << c.name;
        EXPECT_TRUE(SameTerm(c.name, c.first, c.series->terms[0])) << "first term";
        total += c.series->count;
    }
    EXPECT_EQ(total, 2425u);
}

TEST(EarthPositionTable, SeriesFormOneBlockInOrder) {
    const SeriesCase* previous = nullptr;
    for (const SeriesCase& c : kSeriesCases) {
        if (previous != nullptr) {
            EXPECT_EQ(c.series->terms, previous->series->terms + previous->series->count)
                << c.name << " does not follow " << previous->name;
        }
        previous = &c;
    }
}

TEST(EarthPositionTable, LeadingTermsOfL0AndR0) {
    const Vsop87Term l0[] = {{175347045.673, 0, 0},
                             {3341656.456, 4.66925680417, 6283.0758499914},
                             {34894.275, 4.62610241759, 12566.1516999828},
                             {3417.571, 2.82886579606, 3.523118349},
                             {3497.056, 2.74411800971, 5753.3848848968}};
    for (std::size_t i = 0; i < std::size(l0); ++i) {
        EXPECT_TRUE(SameTerm("L0", l0[i], kEarthL[0].terms[i])) << "term index " << i;
    }
    const Vsop87Term r0[] = {{100013988.799, 0, 0},
                             {1670699.626, 3.09846350771, 6283.0758499914},
                             {13956.023, 3.0552460962, 12566.1516999828}};
    for (std::size_t i = 0; i < std::size(r0); ++i) {
        EXPECT_TRUE(SameTerm("R0", r0[i], kEarthR[0].terms[i])) << "term index " << i;
    }
}

TEST(EarthPositionTable, LastTerms) {
    struct Case {
        const char* name;
        const Vsop87Series* series;
        Vsop87Term last;
    };
    const Case cases[] = {
        {"L0", &kEarthL[0], {0.049, 2.44790934886, 13613.804277336}},
        {"R0", &kEarthR[0], {0.05, 6.15760345261, 78051.3419138333}},
        {"B0", &kEarthB[0], {0.039, 3.1123991069, 96900.813281291}},
        {"R5", &kEarthR[5], {0.001, 0.38068797142, 18849.2275499742}},
    };
    for (const Case& c : cases) {
        EXPECT_TRUE(SameTerm(c.name, c.last, c.series->terms[c.series->count - 1])) << "last term";
    }
}

// Worked values, compared to all the digits given (half a unit of the last one),
// with the scalar reference and every vector kernel the processor supports.
TEST(EarthPosition, WorkedValues) {
    struct Case {
        double jde;
        double longitudeDeg, latitudeDeg, radiusAu;
    };
    const Case cases[] = {
        {2451545.0, 100.3778437, -0.0002272105, 0.9833276819},  // J2000.0, tau = 0
        {2448908.5, 19.9072972, -0.0002066459, 0.9976085202},   // 1992 October 13, 0h TD
        {2460676.5, 100.8185726, 0.0001760975, 0.9833531947},   // 2025 January 1, 0h TD
    };
    for (SeriesKernel kernel : kSeriesKernels) {
        if (!SeriesKernelSupported(kernel)) continue;
        SCOPED_TRACE(SeriesKernelName(kernel));
        for (const Case& c : cases) {
            EXPECT_NEAR(EarthHeliocentricLongitude(c.jde, kernel), c.longitudeDeg, 5e-8)
                << Describe("EarthHeliocentricLongitude", c.jde);
            EXPECT_NEAR(EarthHeliocentricLatitude(c.jde, kernel), c.latitudeDeg, 5e-11)
                << Describe("EarthHeliocentricLatitude", c.jde);
            EXPECT_NEAR(EarthRadiusVector(c.jde, kernel), c.radiusAu, 5e-11)
                << Describe("EarthRadiusVector", c.jde);
        }
    }
}

// The longitude is reduced into [0, 360] wherever the instant lies, including
// far outside the series' range of validity.
TEST(EarthPosition, LongitudeNeverNegativeNorAbove360) {
    for (double jde = -1000000.5; jde < 6000000.0; jde += 1074.731) {
        const double longitudeDeg = EarthHeliocentricLongitude(jde);
        ASSERT_TRUE(longitudeDeg >= 0.0 && longitudeDeg <= 360.0)
            << Describe("EarthHeliocentricLongitude", jde) << " = " << longitudeDeg;
    }
}

// Around the instant where L passes from just below 360 to just above 0 (near
// the September equinox of 2024), down to neighbouring representable instants.
TEST(EarthPosition, LongitudeAcrossItsWrap) {
    double before = 2460575.5;  // 2024 September 21
    double after = 2460577.5;   // 2024 September 23
    ASSERT_GT(EarthHeliocentricLongitude(before), 300.0);
    ASSERT_LT(EarthHeliocentricLongitude(after), 60.0);
    while (true) {
        const double middle = before + (after - before) / 2;
        if (middle <= before || middle >= after) break;
        const double longitudeDeg = EarthHeliocentricLongitude(middle);
        ASSERT_TRUE(longitudeDeg >= 0.0 && longitudeDeg <= 360.0)
            << Describe("EarthHeliocentricLongitude", middle) << " = " << longitudeDeg;
        (longitudeDeg > 180.0 ? before : after) = middle;
    }
    EXPECT_EQ(std::nextafter(before, after), after);
    EXPECT_GT(EarthHeliocentricLongitude(before), 359.9999999);
    EXPECT_LT(EarthHeliocentricLongitude(after), 0.0000001);
}

// The combined L and B give exactly the values of the separate functions.
TEST(EarthPosition, CombinedLongitudeLatitudeIsBitIdentical) {
    const double instants[] = {2451545.0, 2448908.5, 2460676.5, 2460576.6, 625673.5, 5373484.5};
    for (double jde : instants) {
        const EarthLongitudeLatitude lb = EarthHeliocentricLB(jde);
        EXPECT_EQ(lb.longitudeDeg, EarthHeliocentricLongitude(jde))
            << Describe("EarthHeliocentricLB", jde) << " longitude";
        EXPECT_EQ(lb.latitudeDeg, EarthHeliocentricLatitude(jde))
            << Describe("EarthHeliocentricLB", jde) << " latitude";
    }
}

// L, B and R of one pass give exactly the values of the separate functions,
// with every kernel the processor runs (L and B at JDE, R at the Julian Day a
// Delta T before it).
TEST(EarthPosition, OnePassLongitudeLatitudeRadiusIsBitIdentical) {
    const double instants[] = {2451545.0, 2448908.5, 2460676.5, 2460576.6, 625673.5, 5373484.5};
    for (const SeriesKernel kernel : kSeriesKernels) {
        if (!SeriesKernelSupported(kernel)) continue;
        for (const double jde : instants) {
            const double jd = jde - 69.2 / 86400.0;
            const EarthPosition p = EarthHeliocentricLBR(jde, jd, kernel);
            const std::string where =
                Describe("EarthHeliocentricLBR", jde) + " with " + SeriesKernelName(kernel);
            EXPECT_EQ(p.longitudeDeg, EarthHeliocentricLongitude(jde, kernel)) << where;
            EXPECT_EQ(p.latitudeDeg, EarthHeliocentricLatitude(jde, kernel)) << where;
            EXPECT_EQ(p.radiusAu, EarthRadiusVector(jd, kernel)) << where;
        }
    }
}

}  // namespace
}  // namespace tarvel
