// Nutation and obliquity against worked values.
#include "astro/nutation.h"

#include <gtest/gtest.h>

#include "astro/calendar.h"

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

TEST(Nutation, WorkedValuesAt1987April10) {
    const double jde = 2446895.5;
    EXPECT_NEAR(NutationLongitude1980(jde), -3.7879, 5e-5);
    EXPECT_NEAR(NutationObliquity1980(jde), 9.4425, 5e-5);
    EXPECT_NEAR(MeanObliquity(jde), DmsToDegrees(23, 26, 27.4066, 1), 5e-5 / 3600.0);
    EXPECT_NEAR(TrueObliquity(jde), DmsToDegrees(23, 26, 36.8492, 1), 5e-5 / 3600.0);
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
