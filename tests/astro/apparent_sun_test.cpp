// The apparent Sun and the per-instant pipeline against worked values, and the
// one-pass pipeline against a literal evaluation of every quantity.
#include "astro/apparent_sun.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>

#include "astro/calendar.h"
#include "astro/earth_position.h"
#include "astro/nutation.h"
#include "astro/time_scales.h"
#include "astro/topocentric.h"

namespace tarvel {
namespace {

// Meeus, Astronomical Algorithms, 2nd ed., example 25.b (the Sun on 1992
// October 13, 0h TD, with the full VSOP87 series).
TEST(ApparentSun, WorkedValues1992October13) {
    const double jde = 2448908.5;
    const double theta = SunGeometricLongitude(jde);
    EXPECT_NEAR(theta, 199.9072972, 5e-8);
    const double beta0 = -EarthHeliocentricLatitude(jde);
    EXPECT_NEAR(Fk5LongitudeCorrection(theta, beta0, jde) * 3600.0, -0.09033, 5e-6);
    EXPECT_NEAR(Fk5LatitudeCorrection(theta, jde) * 3600.0, -0.02340, 5e-6);
    EXPECT_NEAR(NutationLongitude1980(jde), 15.9077, 5e-5);
    const double lambda2 =
        theta + Fk5LongitudeCorrection(theta, beta0, jde) + NutationLongitude1980(jde) / 3600.0;
    const double beta1 = beta0 + Fk5LatitudeCorrection(theta, jde);
    EXPECT_NEAR(AnnualAberration(lambda2, beta1, jde).dLongitude * 3600.0, -20.5378, 5e-5);
    const double lambda = SunApparentLongitude(jde);
    const double beta = SunApparentLatitude(jde);
    EXPECT_NEAR(lambda, 199.9059860, 5e-8);
    EXPECT_NEAR(beta, 0.0002001466, 5e-11);
    EXPECT_NEAR(TrueObliquity(jde), 23.4401442, 5e-8);
    const EquatorialCoords eq = EclipticToEquatorial(lambda, beta, TrueObliquity(jde));
    EXPECT_NEAR(eq.ra, 13.2252079, 5e-8);
    EXPECT_NEAR(eq.dec, -7.7838169, 5e-8);
    EXPECT_NEAR(EquationOfTimeMinutes(jde), 13.7096, 5e-5);
}

TEST(CalcSunPosition, WorkedValuesJ2000AtLatitude45) {
    double lon, lat, az, alt, ra, dec, eot, dt = 0, tra, tdec, st, jd;
    CalcSunPosition(lon, lat, az, alt, ra, dec, eot, dt, 2000, 1, 1, 12, 0, 0.0, 0, 0, 45.0, 0.0,
                    tra, tdec, st, jd, 0);
    EXPECT_EQ(jd, 2451545.0);
    EXPECT_NEAR(dt, 63.95448333, 5e-9);
    EXPECT_NEAR(lon, 280.3689174, 5e-8);
    EXPECT_NEAR(lat, 0.0002398651, 5e-11);
    EXPECT_NEAR(TrueObliquity(jd + dt / 86400.0), 23.4376872, 5e-8);
    EXPECT_NEAR(ra, 18.7518923, 5e-8);
    EXPECT_NEAR(dec, -23.0324284, 5e-8);
    EXPECT_NEAR(tra, 18.7518935, 5e-8);
    EXPECT_NEAR(tdec, -23.0347252, 5e-8);
    EXPECT_NEAR(st, 18.6971379, 5e-8);
    EXPECT_NEAR(15.0 * st - 0.0 - 15.0 * tra, -0.8213347, 5e-8);
    EXPECT_NEAR(az, -0.8149847, 5e-8);
    EXPECT_NEAR(alt, 21.9611443, 5e-8);
    EXPECT_NEAR(eot, -196.911, 5e-4);
}

TEST(CalcSunPosition, GivenDeltaTIsReadAndLeftUnchanged) {
    double lon, lat, az, alt, ra, dec, eot, dt = 69.2, tra, tdec, st, jd;
    CalcSunPosition(lon, lat, az, alt, ra, dec, eot, dt, 2024, 6, 21, 12, 0, 0.0, 2, 0, 45.0, -8.0,
                    tra, tdec, st, jd, 1);
    EXPECT_EQ(dt, 69.2);
    const SunState s = SunPosition(2024, 6, 21, 12, 0, 0.0, 2, 0, 45.0, -8.0, 0.0, false);
    EXPECT_EQ(s.deltaT, DeltaTSeconds(s.julianDay));
}

struct ZoneCase {
    const char* what;
    int year, month, day, hour, minute;
    std::int16_t zoneHours;
    int zoneMinutes;
    int utYear, utMonth;
    double utDay;  // with the fraction of the UT time of day
};

TEST(CalcSunPosition, ZoneArithmeticAndDayStepping) {
    const ZoneCase cases[] = {
        {"UTC-3:30 20:00 -> 23:30 UT same day", 2024, 5, 10, 20, 0, -3, 30, 2024, 5, 10 + 23.5 / 24},
        {"UTC-3:30 with negative minutes", 2024, 5, 10, 20, 0, -3, -30, 2024, 5, 10 + 23.5 / 24},
        {"UTC+5:45 02:00 -> 20:15 UT day before", 2024, 5, 10, 2, 0, 5, 45, 2024, 5, 9 + 20.25 / 24},
        {"1 Jan 00:30 UTC+2 -> 31 Dec 22:30", 2024, 1, 1, 0, 30, 2, 0, 2023, 12, 31 + 22.5 / 24},
        {"1 Mar 2024 01:00 UTC+3 -> 29 Feb 22:00", 2024, 3, 1, 1, 0, 3, 0, 2024, 2, 29 + 22.0 / 24},
        {"1 Jan 00:30 UTC+1 -> 31 Dec 23:30", 2024, 1, 1, 0, 30, 1, 0, 2023, 12, 31 + 23.5 / 24},
        {"1 Jan 05:00 UTC+5:30 -> 31 Dec 23:30", 2024, 1, 1, 5, 0, 5, 30, 2023, 12, 31 + 23.5 / 24},
        {"31 Dec 23:00 UTC-2 -> 1 Jan 01:00", 2023, 12, 31, 23, 0, -2, 0, 2024, 1, 1 + 1.0 / 24},
    };
    for (const ZoneCase& c : cases) {
        const double jd = ClockReadingToJulianDay(c.year, c.month, c.day, c.hour, c.minute, 0.0,
                                                  c.zoneHours, c.zoneMinutes);
        EXPECT_NEAR(jd, JulianDayFromCalendar(c.utYear, c.utMonth, c.utDay, 1), 1e-9) << c.what;
    }
}

// The pipeline evaluated literally, every quantity through its own function.
SunState LiteralSunPosition(int year, int month, int day, int hour, int minute, double second,
                            std::int16_t zoneHours, int zoneMinutes, double latitude,
                            double longitude) {
    SunState s;
    s.julianDay = ClockReadingToJulianDay(year, month, day, hour, minute, second, zoneHours,
                                          zoneMinutes);
    s.deltaT = DeltaTSeconds(s.julianDay);
    const double jde = s.julianDay + s.deltaT / 86400.0;
    s.eclipticLongitude = SunApparentLongitude(jde);
    s.eclipticLatitude = SunApparentLatitude(jde);
    const EquatorialCoords eq =
        EclipticToEquatorial(s.eclipticLongitude, s.eclipticLatitude, TrueObliquity(jde));
    s.rightAscension = eq.ra;
    s.declination = eq.dec;
    const double r = EarthRadiusVector(s.julianDay);
    const EquatorialCoords topo =
        TopocentricEquatorial(eq.ra, eq.dec, r, longitude, latitude, 0, jde);
    s.topoRightAscension = topo.ra;
    s.topoDeclination = topo.dec;
    s.siderealTime = GreenwichSiderealTime(s.julianDay);
    const HorizontalCoords h =
        EquatorialToHorizontal(15 * s.siderealTime - longitude - 15 * topo.ra, topo.dec, latitude);
    s.azimuth = h.azimuthFromSouthDeg;
    s.altitude = h.altitudeDeg;
    double eot = EquationOfTimeMinutes(jde) * 60.0;
    if (eot > 1200) eot -= 86400;
    s.equationOfTime = eot;
    return s;
}

TEST(CalcSunPosition, OnePassEqualsLiteralEvaluationBitForBit) {
    struct Instant {
        int year, month, day, hour, minute;
        double second;
        std::int16_t zh;
        int zm;
        double latitude, longitude;
    } instants[] = {
        {2000, 1, 1, 12, 0, 0.0, 0, 0, 45, 0},       {1992, 10, 13, 7, 15, 30.5, 1, 0, 41.9, -12.5},
        {2024, 3, 20, 5, 6, 7.0, -3, 30, -33.9, 70.7}, {1650, 6, 21, 23, 59, 59.9, 5, 45, 70, -80},
        {2101, 12, 31, 0, 0, 0.0, 14, 0, -89.9, 179.9}, {1900, 1, 1, -1, 70, 0.0, -12, 0, 0, -45},
        {2025, 3, 20, 9, 1, 24.3, 0, 0, 21.4, -39.8},   {1000, 2, 28, 12, 0, 0.0, 2, 0, 31.8, -35.2},
    };
    for (const Instant& i : instants) {
        const SunState a = SunPosition(i.year, i.month, i.day, i.hour, i.minute, i.second, i.zh,
                                       i.zm, i.latitude, i.longitude, 0, false);
        const SunState b = LiteralSunPosition(i.year, i.month, i.day, i.hour, i.minute, i.second,
                                              i.zh, i.zm, i.latitude, i.longitude);
        SCOPED_TRACE(testing::Message() << i.year << "-" << i.month << "-" << i.day << " " << i.hour
                                        << ":" << i.minute);
        EXPECT_EQ(a.julianDay, b.julianDay);
        EXPECT_EQ(a.deltaT, b.deltaT);
        EXPECT_EQ(a.eclipticLongitude, b.eclipticLongitude);
        EXPECT_EQ(a.eclipticLatitude, b.eclipticLatitude);
        EXPECT_EQ(a.rightAscension, b.rightAscension);
        EXPECT_EQ(a.declination, b.declination);
        EXPECT_EQ(a.topoRightAscension, b.topoRightAscension);
        EXPECT_EQ(a.topoDeclination, b.topoDeclination);
        EXPECT_EQ(a.siderealTime, b.siderealTime);
        EXPECT_EQ(a.azimuth, b.azimuth);
        EXPECT_EQ(a.altitude, b.altitude);
        EXPECT_EQ(a.equationOfTime, b.equationOfTime);

        // The form with the site's constants made once writes the same values.
        const SunState c = SunPosition(i.year, i.month, i.day, i.hour, i.minute, i.second, i.zh,
                                       i.zm, SunSiteAt(i.latitude, i.longitude), 0, false);
        EXPECT_EQ(std::memcmp(&c, &a, sizeof(SunState)), 0);

        // The out-parameter form writes the same values.
        double lon, lat, az, alt, ra, dec, eot, dt = 0, tra, tdec, st, jd;
        CalcSunPosition(lon, lat, az, alt, ra, dec, eot, dt, i.year, i.month, i.day, i.hour,
                        i.minute, i.second, i.zh, i.zm, i.latitude, i.longitude, tra, tdec, st, jd,
                        0);
        EXPECT_EQ(lon, a.eclipticLongitude);
        EXPECT_EQ(alt, a.altitude);
        EXPECT_EQ(eot, a.equationOfTime);
        EXPECT_EQ(dt, a.deltaT);
        EXPECT_EQ(jd, a.julianDay);
        EXPECT_EQ(tdec, a.topoDeclination);
    }
}

}  // namespace
}  // namespace tarvel
