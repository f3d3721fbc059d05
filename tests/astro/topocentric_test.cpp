// Observer's place, parallax and horizontal coordinates against worked values.
#include "astro/topocentric.h"

#include <gtest/gtest.h>

#include <cmath>

#include "astro/angles.h"
#include "astro/apparent_sun.h"
#include "astro/earth_position.h"

namespace tarvel {
namespace {

TEST(SinSunParallax, IsTheSineOf8794MilliArcseconds) {
    EXPECT_EQ(SinSunParallax, std::sin(DegToRad(DmsToDegrees(0, 0, 8.794, 1))));
    EXPECT_NEAR(SinSunParallax, 4.263451510385646e-05, 1e-20);
}

TEST(ObserverRho, WorkedValues) {
    struct Case {
        double latitude, height, rhoCos, rhoSin;
    } cases[] = {
        {0, 0, 1.0, 0.0},
        {45, 0, 0.7082931705, 0.7035515878},
        {-45, 0, 0.7082931705, -0.7035515878},
        {45, 1000, 0.7084040344, 0.7036624517},
    };
    for (const Case& c : cases) {
        EXPECT_NEAR(ObserverRhoCosPhi(c.latitude, c.height), c.rhoCos, 5e-11)
            << "ObserverRhoCosPhi(" << c.latitude << ", " << c.height << ")";
        EXPECT_NEAR(ObserverRhoSinPhi(c.latitude, c.height), c.rhoSin, 5e-11)
            << "ObserverRhoSinPhi(" << c.latitude << ", " << c.height << ")";
    }
    // At the pole the tangent is huge but finite: no special case.
    EXPECT_NEAR(ObserverRhoCosPhi(90, 0), 6.1e-17, 1e-17);
    EXPECT_NEAR(ObserverRhoSinPhi(90, 0), 0.99664719, 1e-15);
}

// The example of 2000 January 1, 12:00 UT at latitude 45, longitude 0. The
// published inputs are the pipeline's own values rounded to ten decimals; the
// outputs are compared from the unrounded inputs.
TEST(TopocentricEquatorial, WorkedValuesJ2000) {
    const SunState s = SunPosition(2000, 1, 1, 12, 0, 0.0, 0, 0, 45.0, 0.0, 0.0, false);
    const double distance = EarthRadiusVector(s.julianDay);
    const double jde = s.julianDay + s.deltaT / 86400.0;
    ASSERT_NEAR(s.rightAscension, 18.7518922685, 5e-11);
    ASSERT_NEAR(s.declination, -23.0324283523, 5e-11);
    ASSERT_NEAR(distance, 0.9833276819, 5e-11);
    ASSERT_NEAR(jde, 2451545.000740214, 5e-10);

    const EquatorialCoords t =
        TopocentricEquatorial(s.rightAscension, s.declination, distance, 0, 45, 0, jde);
    EXPECT_NEAR(t.ra, 18.7518935012, 5e-11);
    EXPECT_NEAR(t.dec, -23.0347252148, 5e-11);
    const EquatorialCoords h =
        TopocentricEquatorial(s.rightAscension, s.declination, distance, 0, 45, 1000, jde);
    EXPECT_NEAR(h.dec, -23.0347255760, 5e-11);
}

TEST(EquatorialToHorizontal, WorkedValues) {
    struct Case {
        double hourAngle, dec, latitude, azimuth, altitude;
    } cases[] = {
        {30, 10, 90, 30, 10},    {30, 10, -90, 150, -10}, {0, 0, 45, 0, 45},
        {90, 0, 0, 90, 0},       {-90, 0, 0, -90, 0},     {180, -30, 45, 180, -75},
    };
    for (const Case& c : cases) {
        const HorizontalCoords h = EquatorialToHorizontal(c.hourAngle, c.dec, c.latitude);
        SCOPED_TRACE(testing::Message() << "EquatorialToHorizontal(" << c.hourAngle << ", " << c.dec
                                        << ", " << c.latitude << ")");
        EXPECT_NEAR(h.azimuthFromSouthDeg, c.azimuth, 1e-9);
        EXPECT_NEAR(h.altitudeDeg, c.altitude, 1e-9);
    }
    EXPECT_NEAR(EquatorialToHorizontal(0, 45, 45).altitudeDeg, 90.0, 1e-6);
}

}  // namespace
}  // namespace tarvel
