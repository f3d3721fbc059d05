// The sundial's lines against the closed formulas of gnomonics: the hour-line
// angles of the horizontal dial (tan theta = sin phi tan t) and of the
// vertical declining dial, its substyle distance and style height, the
// equinoctial line straight, the solstice lines on the hyperbolas of the
// cone of the Sun's declination, the hours a declining wall is lit, and a
// vertical dial in Rome (wall declining 20 degrees west, Italian hours and
// solstice lines) on a 50 cm plate to 0.1 mm.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "astro/solar_computation.h"
#include "chart/sundial_model.h"
#include "support/solar_support.h"

namespace tarvel {
namespace {

using test_support::Request;

constexpr double kRad = 3.141592653589793 / 180.0;

SundialModel Dial(DialType type, double latitude, double declination,
                  std::vector<DialHourSystem> hours, double gnomonMm = 50, double sizeMm = 300,
                  double longitudeWest = -12.5) {
    SundialDesign design;
    design.type = type;
    design.declinationDeg = declination;
    design.gnomonHeightMm = gnomonMm;
    design.sizeMm = sizeMm;
    design.hours = std::move(hours);
    return BuildSundial(
        design, {Request(2025, 6, 1, 12, 0, 0, 1, false, latitude, longitudeWest), nullptr});
}

// Distance (mm) of a point from the line through `through` at angle
// directionDeg from the plate's -y towards +x (undirected).
double DistanceFromLine(DialPoint p, DialPoint through, double directionDeg) {
    const double dx = std::sin(directionDeg * kRad), dy = -std::cos(directionDeg * kRad);
    return std::fabs((p.x - through.x) * dy - (p.y - through.y) * dx);
}

// Distance (mm) of a point from a line's drawn pieces.
double DistanceFromPieces(DialPoint p, const DialLine& line) {
    double best = std::numeric_limits<double>::infinity();
    for (const auto& piece : line.pieces) {
        for (std::size_t i = 0; i + 1 < piece.size(); ++i) {
            const DialPoint a = piece[i], b = piece[i + 1];
            const double dx = b.x - a.x, dy = b.y - a.y;
            const double len2 = dx * dx + dy * dy;
            double t = len2 > 0 ? ((p.x - a.x) * dx + (p.y - a.y) * dy) / len2 : 0;
            t = std::clamp(t, 0.0, 1.0);
            best = std::min(best, std::hypot(p.x - (a.x + t * dx), p.y - (a.y + t * dy)));
        }
    }
    return best;
}

const DialLine* HourLine(const SundialModel& model, DialHourSystem system, double hour) {
    for (const DialLine& line : model.hourLines) {
        if (line.system == system && line.value == hour) return &line;
    }
    return nullptr;
}

// The closed shadow of the nodus on a vertical wall declining D (from the
// south, positive west): x to the right of one facing the wall, y up, the
// origin under the nodus; none when the Sun is below the horizon or behind
// the wall.
std::optional<DialPoint> VerticalShadow(double phi, double d, double dec, double h, double g) {
    phi *= kRad, d *= kRad, dec *= kRad, h *= kRad;
    const double east = -std::cos(dec) * std::sin(h);
    const double north =
        std::cos(phi) * std::sin(dec) - std::sin(phi) * std::cos(dec) * std::cos(h);
    const double up = std::sin(phi) * std::sin(dec) + std::cos(phi) * std::cos(dec) * std::cos(h);
    const double front = -std::sin(d) * east - std::cos(d) * north;
    if (up <= 0 || front <= 1e-6) return std::nullopt;
    return DialPoint{-g * (std::cos(d) * east - std::sin(d) * north) / front, -g * up / front};
}

TEST(SundialHorizontal, HourLinesFollowTanThetaEqualsSinPhiTanT) {
    for (double phi : {0.0, 41.9, 60.0}) {
        const SundialModel model = Dial(DialType::kHorizontal, phi, 0, {DialHourSystem::kTrue});
        if (phi == 0) {
            EXPECT_FALSE(model.centre.has_value());
        } else {
            ASSERT_TRUE(model.centre.has_value());
            // The centre lies g / tan(phi) south of the foot; the style rises at phi.
            EXPECT_NEAR(model.centre->x, 0, 1e-9);
            EXPECT_NEAR(model.centre->y, -50 / std::tan(phi * kRad), 1e-9);
            EXPECT_NEAR(model.styleHeightDeg, phi, 1e-9);
        }
        int checked = 0;
        for (const DialLine& line : model.hourLines) {
            const double t = 15 * (line.value - 12);
            for (const auto& piece : line.pieces) {
                for (DialPoint p : piece) {
                    double miss;
                    if (phi == 0) {
                        miss = std::fabs(p.x - 50 * std::tan(t * kRad));  // parallel lines
                    } else {
                        // theta from the noon line (north), towards the east after noon.
                        const double theta = std::atan(std::sin(phi * kRad) * std::tan(t * kRad));
                        miss = DistanceFromLine(p, *model.centre, 180 - theta / kRad);
                    }
                    ++checked;
                    EXPECT_LT(miss, 1e-6) << "latitude " << phi << " hour " << line.value << " at ("
                                          << p.x << ", " << p.y << ")";
                }
            }
        }
        EXPECT_GT(checked, 50) << "latitude " << phi;
    }
}

TEST(SundialVertical, DecliningWallMatchesClosedFormulas) {
    struct Case {
        double phi;
        double declination;  // positive west
    };
    for (const Case c :
         {Case{0, -30}, Case{41.9, -30}, Case{60, -30}, Case{41.9, 0}, Case{41.9, 20}}) {
        SCOPED_TRACE("latitude " + std::to_string(c.phi) + " declination " +
                     std::to_string(c.declination));
        const SundialModel model =
            Dial(DialType::kVertical, c.phi, c.declination, {DialHourSystem::kTrue});
        const double phi = c.phi * kRad, d = c.declination * kRad;
        // Style height: sin SH = cos phi cos D.
        EXPECT_NEAR(model.styleHeightDeg, std::asin(std::cos(phi) * std::cos(d)) / kRad, 1e-9);
        // Substyle distance from the vertical: tan SD = sin D / tan phi,
        // towards the right (east side of the wall) for a wall declining west.
        const double substyle = std::atan2(std::sin(d), std::tan(phi)) / kRad;
        EXPECT_NEAR(std::remainder(180 - model.substyleDirectionDeg - substyle, 360.0), 0, 1e-9);
        ASSERT_TRUE(model.centre.has_value());
        // Hour lines from the centre: tan X = cos phi / (sin phi sin D + cos D cot t),
        // X from the downward vertical.
        int checked = 0;
        for (const DialLine& line : model.hourLines) {
            const double t = 15 * (line.value - 12) * kRad;
            const double x =
                std::atan2(std::cos(phi) * std::sin(t),
                           std::sin(phi) * std::sin(d) * std::sin(t) + std::cos(d) * std::cos(t)) /
                kRad;
            for (const auto& piece : line.pieces) {
                for (DialPoint p : piece) {
                    ++checked;
                    EXPECT_LT(DistanceFromLine(p, *model.centre, x), 1e-6)
                        << "hour " << line.value << " at (" << p.x << ", " << p.y << ")";
                }
            }
        }
        EXPECT_GT(checked, 50);
    }
}

TEST(SundialDateLines, EquinoxStraightSolsticesOnTheirHyperbolas) {
    struct Case {
        DialType type;
        double phi;
        double declination;
    };
    for (const Case c :
         {Case{DialType::kHorizontal, 0, 0}, Case{DialType::kHorizontal, 41.9, 0},
          Case{DialType::kHorizontal, 60, 0}, Case{DialType::kVertical, 0, -30},
          Case{DialType::kVertical, 41.9, -30}, Case{DialType::kVertical, 60, -30}}) {
        SCOPED_TRACE("latitude " + std::to_string(c.phi) + " declination " +
                     std::to_string(c.declination) +
                     (c.type == DialType::kHorizontal ? " horizontal" : " vertical"));
        const double g = 20;
        const SundialModel model = Dial(c.type, c.phi, c.declination, {}, g, 500);
        // The celestial pole in the plate's axes (x, y, out of the face).
        const double phi = c.phi * kRad, d = c.declination * kRad;
        const double pole[3] = {
            c.type == DialType::kHorizontal ? 0 : -std::cos(phi) * std::sin(d),
            c.type == DialType::kHorizontal ? std::cos(phi) : std::sin(phi),
            c.type == DialType::kHorizontal ? std::sin(phi) : -std::cos(phi) * std::cos(d)};
        ASSERT_EQ(model.dateLines.size(), 4u);
        for (const DialLine& line : model.dateLines) {
            ASSERT_FALSE(line.pieces.empty()) << line.value;
            if (line.dateKind == DialDateKind::kEquinox) {
                // Every point on the line through the ends of the piece (the
                // Sun's declination at the entry is within a second of arc of 0).
                EXPECT_LT(std::fabs(line.declinationDeg), 3e-4);
                const auto& piece = line.pieces.front();
                const DialPoint a = piece.front(), b = piece.back();
                const double direction = std::atan2(b.x - a.x, -(b.y - a.y)) / kRad;
                for (DialPoint p : piece) EXPECT_LT(DistanceFromLine(p, a, direction), 0.01);
                continue;
            }
            // The cone of the declination about the style through the nodus:
            // ((N - P) . pole)^2 = sin^2(dec) |N - P|^2, a conic of the plate
            // whose discriminant B^2 - 4AC is positive: a hyperbola.
            const double s2 = std::pow(std::sin(line.declinationDeg * kRad), 2);
            const double A = pole[0] * pole[0] - s2, B = 2 * pole[0] * pole[1],
                         C = pole[1] * pole[1] - s2, D = -2 * g * pole[2] * pole[0],
                         E = -2 * g * pole[2] * pole[1], F = g * g * (pole[2] * pole[2] - s2);
            EXPECT_GT(B * B - 4 * A * C, 0) << "longitude " << line.value;
            for (const auto& piece : line.pieces) {
                for (DialPoint p : piece) {
                    const double value =
                        A * p.x * p.x + B * p.x * p.y + C * p.y * p.y + D * p.x + E * p.y + F;
                    const double gradient =
                        std::hypot(2 * A * p.x + B * p.y + D, B * p.x + 2 * C * p.y + E);
                    EXPECT_LT(std::fabs(value) / gradient, 1e-3)
                        << "longitude " << line.value << " at (" << p.x << ", " << p.y << ")";
                }
            }
        }
    }
}

TEST(SundialSunlit, DecliningWallLosesTheSunWhereTanTEqualsMinusSinPhiOverTanD) {
    // At the equinox the Sun rises at 6 true solar time; a wall facing
    // south-east (D = -30) loses it at t with tan t = -sin phi / tan D.
    for (double phi : {41.9, 60.0}) {
        const SundialModel model = Dial(DialType::kVertical, phi, -30, {});
        const double leave = 12 + std::atan(std::sin(phi * kRad) / std::tan(30 * kRad)) / kRad / 15;
        for (std::size_t i = 0; i < model.dateLines.size(); ++i) {
            if (model.dateLines[i].dateKind != DialDateKind::kEquinox) continue;
            ASSERT_EQ(model.sunlit[i].size(), 1u);
            // The equinox's declination is a few thousandths of a degree off 0.
            EXPECT_NEAR(model.sunlit[i][0].startHours, 6, 0.002) << phi;
            EXPECT_NEAR(model.sunlit[i][0].endHours, leave, 0.002) << phi;
        }
    }
}

TEST(SundialMeanTime, NoonCurvePassesThroughTheEnginesTrueTimeAtMeanNoon) {
    // A horizontal dial at 45 N on its zone's meridian (15 E, zone +1): at
    // 12:00 of the zone's clock the Sun's hour angle is the equation of time
    // the engine shows, at the declination it shows; the closed horizontal
    // shadow of that hour angle and declination lies on the noon curve.
    const double phi = 45, g = 40;
    const SundialModel model =
        Dial(DialType::kHorizontal, phi, 0, {DialHourSystem::kMean}, g, 400, -15);
    const DialLine* noon = HourLine(model, DialHourSystem::kMean, 12);
    ASSERT_NE(noon, nullptr);
    for (int month : {2, 5, 7, 11}) {
        const SolarResult result =
            CalcSolarParameters(Request(2025, month, 10, 12, 0, 0, 1, false, phi, -15));
        const double t = result.equationOfTime / 240.0 * kRad;
        const double dec = result.declination * kRad;
        const double p = phi * kRad;
        const double up = std::sin(p) * std::sin(dec) + std::cos(p) * std::cos(dec) * std::cos(t);
        const DialPoint closed{
            g * std::cos(dec) * std::sin(t) / up,
            g * (std::sin(p) * std::cos(dec) * std::cos(t) - std::cos(p) * std::sin(dec)) / up};
        EXPECT_LT(DistanceFromPieces(closed, *noon), 0.05) << "month " << month;
    }
}

TEST(SundialRome, WallDecliningTwentyWestItalianHoursAndSolsticesWithinATenthOfAMillimetre) {
    // Rome, 41.9 N 12.5 E; a nodus 100 mm from the wall; a 50 cm plate.
    SundialDesign design;
    design.type = DialType::kVertical;
    design.declinationDeg = 20;
    design.gnomonHeightMm = 100;
    design.sizeMm = 500;
    design.hours = {DialHourSystem::kItalian};
    design.solstices = true;
    design.equinoxes = false;
    const SundialModel model =
        BuildSundial(design, {Request(2025, 6, 1, 12, 0, 0, 1, true, 41.9, -12.5), nullptr});
    // The year's solstices from the program's own Sun: the true obliquity of
    // 2025, the mean 23.4362 with some 8" of nutation.
    EXPECT_NEAR(model.declinationMaxDeg, 23.4384, 0.0005);
    EXPECT_NEAR(model.declinationMinDeg, -23.4384, 0.0005);
    const double phi = 41.9, g = 100;
    const auto onPlate = [&](DialPoint p) {
        return p.x > model.plateLeft + 0.5 && p.x < model.plateLeft + model.plateSide - 0.5 &&
               p.y > model.plateBottom + 0.5 && p.y < model.plateBottom + model.plateSide - 0.5;
    };
    // Italian hour I: the Sun's hour angle 15 (I + H0) with cos H0 = -tan phi tan dec.
    int checked = 0;
    for (int italian = 1; italian <= 23; ++italian) {
        const DialLine* line = HourLine(model, DialHourSystem::kItalian, italian);
        for (double dec : {model.declinationMinDeg, -12.0, 0.0, 12.0, model.declinationMaxDeg}) {
            const double h0 = std::acos(-std::tan(phi * kRad) * std::tan(dec * kRad)) / kRad;
            double t = std::fmod(15.0 * italian + h0, 360.0);
            if (t > 180) t -= 360;
            const std::optional<DialPoint> p = VerticalShadow(phi, 20, dec, t, g);
            if (!p || !onPlate(*p)) continue;
            ASSERT_NE(line, nullptr) << "Italian hour " << italian;
            ++checked;
            EXPECT_LT(DistanceFromPieces(*p, *line), 0.1)
                << "Italian hour " << italian << " declination " << dec;
        }
    }
    EXPECT_GT(checked, 20);
    // The solstice lines: the closed shadow through the day, every 5 minutes.
    ASSERT_EQ(model.dateLines.size(), 2u);
    checked = 0;
    for (const DialLine& line : model.dateLines) {
        for (int minute = 0; minute < 24 * 60; minute += 5) {
            const std::optional<DialPoint> p =
                VerticalShadow(phi, 20, line.declinationDeg, (minute / 60.0 - 12) * 15, g);
            if (!p || !onPlate(*p)) continue;
            ++checked;
            EXPECT_LT(DistanceFromPieces(*p, line), 0.1)
                << "declination " << line.declinationDeg << " minute " << minute;
        }
    }
    EXPECT_GT(checked, 100);
}

}  // namespace
}  // namespace tarvel
