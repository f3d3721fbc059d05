// Nutation and obliquity against worked values.
#include "astro/nutation.h"

#include <gtest/gtest.h>

#include <cmath>

#include "astro/angles.h"

namespace tarvel {
namespace {

TEST(Nutation, WorkedValuesAtJ2000) {
    const double jd = 2451545.0;
    EXPECT_NEAR(MeanObliquity(jd), 23.4392911111, 5e-11);
    EXPECT_EQ(MeanObliquity(jd), DmsToDegrees(23, 26, 21.448, 1));
    EXPECT_NEAR(NutationLongitude1980(jd), -13.9231527, 5e-8);
    EXPECT_NEAR(NutationObliquity1980(jd), -5.7739097, 5e-8);
    EXPECT_NEAR(TrueObliquity(jd), 23.4376872, 5e-8);
    EXPECT_NEAR(NutationLongitude2000B(jd), -13.9315289, 5e-8);
    EXPECT_NEAR(NutationObliquity2000B(jd), -5.7698051, 5e-8);
}

// Meeus, Astronomical Algorithms, 2nd ed., example 22.a.
TEST(Nutation, WorkedValuesAt1987April10) {
    const double jde = 2446895.5;
    EXPECT_NEAR(NutationLongitude1980(jde), -3.7879, 5e-5);
    EXPECT_NEAR(NutationObliquity1980(jde), 9.4425, 5e-5);
    EXPECT_NEAR(MeanObliquity(jde), DmsToDegrees(23, 26, 27.4066, 1), 5e-5 / 3600.0);
    EXPECT_NEAR(TrueObliquity(jde), DmsToDegrees(23, 26, 36.8492, 1), 5e-5 / 3600.0);
}

// The IAU 2000B vector of the ERFA library's own tests (t_nut00b: 2006
// January 15, 0h TT). ERFA adds fixed offsets for the planetary nutation,
// -0.135 mas in longitude and +0.388 mas in obliquity, which the equation of
// the equinoxes here leaves out; the rest agrees within 4 microarcseconds.
TEST(Nutation, Iau2000BAgainstErfasTestVector) {
    const double jd = 2400000.5 + 53736.0;
    const double masToRad = M_PI / (180.0 * 3600.0 * 1000.0);
    const double arcsecToRad = M_PI / (180.0 * 3600.0);
    EXPECT_NEAR(NutationLongitude2000B(jd) * arcsecToRad - 0.135 * masToRad,
                -0.9632552291148362783e-5, 2e-11);
    EXPECT_NEAR(NutationObliquity2000B(jd) * arcsecToRad + 0.388 * masToRad,
                0.4063197106621159367e-4, 2e-11);
}

TEST(Nutation, TablesHoldEveryRow) {
    EXPECT_EQ(kNutation1980Terms[0].psiA, -171996);
    EXPECT_EQ(kNutation1980Terms[62].psiA, -3);
    EXPECT_EQ(kNutation1980Terms[62].kD, 2);
    EXPECT_EQ(kNutation2000BTerms[0].psiSin, -172064161.0);
    EXPECT_EQ(kNutation2000BTerms[76].epsCos, -556.0);
}

}  // namespace
}  // namespace tarvel
