// Refraction: the worked values of both models, the dispatch, the limits of the
// integration (altitude floor, 93 degree ceiling, clamped inputs) and inputs far
// outside any atmosphere, which must still return.
#include "astro/refraction.h"

#include <gtest/gtest.h>

#include <cmath>
#include <iomanip>
#include <limits>

namespace tarvel {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kPi = 3.141592653589793;
constexpr double kD93 = 1.623156204;
constexpr double kRadiansToArcminutes = 3437.7467707849396;

struct WorkedCase {
    const char* call;
    double obtained;
    double expected;
};

// Worked values, compared to all the digits given.
TEST(Refraction, WorkedValues) {
    const WorkedCase cases[] = {
        {"BennettRefraction(0, 1010, 10)", BennettRefraction(0, 1010, 10), 28.9283},
        {"BennettRefraction(45, 1010, 10)", BennettRefraction(45, 1010, 10), 0.9954},
        {"IntegratedRefraction(45, 0, 50, 0, 1013.25, 15)",
         IntegratedRefraction(45, 0, 50, 0, 1013.25, 15), 27.8721},
        {"IntegratedRefraction(45, 0, 50, 45, 1013.25, 15)",
         IntegratedRefraction(45, 0, 50, 45, 1013.25, 15), 0.9504},
    };
    for (const WorkedCase& c : cases) {
        EXPECT_NEAR(c.obtained, c.expected, 5e-5)
            << c.call << ": expected " << c.expected << ", obtained " << std::setprecision(10)
            << c.obtained;
    }
}

// Saemundsson's formula R = 1.02 cot(h + 10.3 / (h + 5.11)) for the true
// altitude h is the inverse of Bennett's to within 0.1' (Meeus, Astronomical
// Algorithms, ch. 16); at 1010 mbar and 10 C no correction applies.
TEST(BennettRefraction, AgreesWithSaemundssonsInverseFormula) {
    for (double h : {0.0, 0.5, 1.0, 2.0, 5.0, 10.0, 20.0, 45.0, 70.0, 89.0}) {
        const double saemundsson = 1.02 / std::tan((h + 10.3 / (h + 5.11)) * M_PI / 180.0);
        EXPECT_NEAR(BennettRefraction(h, 1010, 10), saemundsson, 0.1)
            << "BennettRefraction(" << h << ", 1010, 10)";
    }
}

// At or below -10 degrees the integration gives 0 while the formula still
// evaluates, directly and through the dispatch.
TEST(Refraction, AltitudeFloorOfTheIntegration) {
    for (double h : {-10.0, -10.000001, -45.0, -90.0, -kInf}) {
        EXPECT_EQ(IntegratedRefraction(45, 0, 50, h, 1013.25, 15), 0.0)
            << "IntegratedRefraction(45, 0, 50, " << h << ", 1013.25, 15)";
        EXPECT_EQ(ComputeRefraction(h, kRefractionIntegration, 45, 0, 50, 1013.25, 15), 0.0)
            << "ComputeRefraction(" << h << ", integration, ...)";
    }
    for (double h : {-10.0, -20.0}) {
        const double r = BennettRefraction(h, 1010, 10);
        EXPECT_TRUE(std::isfinite(r) && r != 0.0)
            << "BennettRefraction(" << h << ", 1010, 10) = " << r;
        EXPECT_EQ(ComputeRefraction(h, kRefractionBennett, 45, 0, 50, 1010, 10), r);
    }
    // Just above the floor the integral is evaluated (at 93 degrees).
    EXPECT_GT(IntegratedRefraction(45, 0, 50, -9.99, 1013.25, 15), 60.0);
}

// Only model 0 selects the formula; every other value selects the integration.
TEST(ComputeRefraction, Dispatch) {
    const double lat = 40.0, heightM = 300.0, humidity = 70.0, p = 990.0, t = 22.0;
    for (double h : {-5.0, 0.0, 10.0, 45.0}) {
        const double bennett = BennettRefraction(h, p, t);
        const double integrated = IntegratedRefraction(lat, heightM, humidity, h, p, t);
        ASSERT_NE(bennett, integrated) << "h " << h;
        for (int value : {0, 1, 2, -1, 255}) {
            const auto model = static_cast<RefractionModel>(value);
            const double expected = value == 0 ? bennett : integrated;
            EXPECT_EQ(ComputeRefraction(h, model, lat, heightM, humidity, p, t), expected)
                << "ComputeRefraction(" << h << ", model " << value << ", ...)";
        }
    }
}

double IntegralAt(double z) {
    return RefractionIntegral(z, 0, 288, 1013.25, 0.5, 0.572, 45 * kPi / 180, 0.0065, 0.0001);
}

// Zenith distances beyond 93 degrees are integrated at 93 degrees; negative ones
// give the negated refraction.
TEST(RefractionIntegral, NoIntegrationBeyond93Degrees) {
    const double at93 = IntegralAt(kD93);
    ASSERT_TRUE(std::isfinite(at93) && at93 > 0.0) << at93;
    for (double zDeg : {93.0, 93.5, 100.0, 135.0, 179.9}) {
        EXPECT_EQ(IntegralAt(zDeg * kPi / 180), at93) << "RefractionIntegral at " << zDeg << " deg";
        EXPECT_EQ(IntegralAt(-zDeg * kPi / 180), -at93)
            << "RefractionIntegral at " << -zDeg << " deg";
    }
    EXPECT_NE(IntegralAt(92.0 * kPi / 180), at93);
    EXPECT_EQ(IntegralAt(-0.5), -IntegralAt(0.5));

    // Through the wrapper: at -8 and -9 degrees every apparent altitude it tries
    // lies below -3 degrees, so both give the refraction of 93 degrees.
    const double r93 = RefractionIntegral(kD93, 0, 15 + 273.0, 1013.25, 50 / 100.0, 0.572,
                                          45 * kPi / 180, 0.0065, 0.0001) *
                       kRadiansToArcminutes;
    for (double h : {-8.0, -9.0}) {
        EXPECT_DOUBLE_EQ(IntegratedRefraction(45, 0, 50, h, 1013.25, 15), r93)
            << "IntegratedRefraction(45, 0, 50, " << h << ", 1013.25, 15)";
    }
}

struct IntegralArgs {
    double z, HM, TDK, PMB, RH, WL, PHI, TLR, EPS;
    double Eval() const { return RefractionIntegral(z, HM, TDK, PMB, RH, WL, PHI, TLR, EPS); }
};

// Inputs outside the model's limits act as the limit itself.
TEST(RefractionIntegral, InputsAreClampedToTheLimits) {
    const IntegralArgs base{1.2, 500, 280, 1000, 0.4, 0.572, 0.8, 0.0065, 0.0001};
    struct ClampCase {
        const char* what;
        IntegralArgs outside;
        IntegralArgs limit;
    };
    auto with = [&](auto setter) {
        IntegralArgs a = base;
        setter(a);
        return a;
    };
    const ClampCase cases[] = {
        {"HM above", with([](auto& a) { a.HM = 25000; }), with([](auto& a) { a.HM = 10000; })},
        {"HM below", with([](auto& a) { a.HM = -5000; }), with([](auto& a) { a.HM = -1000; })},
        {"TDK above", with([](auto& a) { a.TDK = 900; }), with([](auto& a) { a.TDK = 500; })},
        {"TDK below", with([](auto& a) { a.TDK = 20; }), with([](auto& a) { a.TDK = 100; })},
        {"PMB above", with([](auto& a) { a.PMB = 5e4; }), with([](auto& a) { a.PMB = 10000; })},
        {"PMB below", with([](auto& a) { a.PMB = -300; }), with([](auto& a) { a.PMB = 0; })},
        {"RH above", with([](auto& a) { a.RH = 1.7; }), with([](auto& a) { a.RH = 1; })},
        {"RH below", with([](auto& a) { a.RH = -0.3; }), with([](auto& a) { a.RH = 0; })},
        {"TLR negative", with([](auto& a) { a.TLR = -0.0065; }), base},
        {"TLR above", with([](auto& a) { a.TLR = 0.2; }), with([](auto& a) { a.TLR = 0.01; })},
        {"TLR below", with([](auto& a) { a.TLR = 0; }), with([](auto& a) { a.TLR = 0.001; })},
        {"WL below", with([](auto& a) { a.WL = 0.01; }), with([](auto& a) { a.WL = 0.1; })},
        {"EPS negative", with([](auto& a) { a.EPS = -0.0001; }), base},
        {"EPS above", with([](auto& a) { a.EPS = 3; }), with([](auto& a) { a.EPS = 0.1; })},
    };
    for (const ClampCase& c : cases) {
        EXPECT_EQ(c.outside.Eval(), c.limit.Eval()) << "RefractionIntegral, " << c.what;
    }
}

// Not-a-number is outside no limit: it passes the clamps and the refraction is
// not-a-number.
TEST(Refraction, NotANumberGivesNotANumber) {
    const struct {
        const char* call;
        double obtained;
    } cases[] = {
        {"BennettRefraction(NaN, 1010, 10)", BennettRefraction(kNaN, 1010, 10)},
        {"BennettRefraction(inf, 1010, 10)", BennettRefraction(kInf, 1010, 10)},
        {"BennettRefraction(10, NaN, 10)", BennettRefraction(10, kNaN, 10)},
        {"IntegratedRefraction(altitude NaN)", IntegratedRefraction(45, 0, 50, kNaN, 1013.25, 15)},
        {"IntegratedRefraction(altitude inf)", IntegratedRefraction(45, 0, 50, kInf, 1013.25, 15)},
        {"IntegratedRefraction(humidity NaN)", IntegratedRefraction(45, 0, kNaN, 10, 1013.25, 15)},
        {"IntegratedRefraction(height NaN)", IntegratedRefraction(45, kNaN, 50, 10, 1013.25, 15)},
        {"IntegratedRefraction(pressure NaN)", IntegratedRefraction(45, 0, 50, 10, kNaN, 15)},
        {"IntegratedRefraction(temperature NaN)",
         IntegratedRefraction(45, 0, 50, 10, 1013.25, kNaN)},
        {"IntegratedRefraction(latitude NaN)", IntegratedRefraction(kNaN, 0, 50, 10, 1013.25, 15)},
    };
    for (const auto& c : cases)
        EXPECT_TRUE(std::isnan(c.obtained)) << c.call << " = " << c.obtained;
}

// Whatever the atmosphere, the refraction the computation uses stays between
// 0 and 5 degrees above -1 degree of altitude (or is not a number).
TEST(ComputeRefraction, BoundedForAnyAtmosphere) {
    for (RefractionModel model : {kRefractionBennett, kRefractionIntegration}) {
        for (double h : {-0.99, 0.0, 2.0, 45.0, 90.0}) {
            for (double p : {0.0, 20.0, 1200.0, 1e30, -1e30}) {
                for (double t : {-272.99, -273.0, -90.0, 60.0, 200.0, 1e6}) {
                    for (double humidity : {0.0, 100.0}) {
                        const double r = ComputeRefraction(h, model, 45, 100, humidity, p, t);
                        EXPECT_TRUE(std::isnan(r) || (r >= 0.0 && r <= 300.0))
                            << "ComputeRefraction(" << h << ", " << static_cast<int>(model) << ", 45, 100, "
                            << humidity << ", " << p << ", " << t << ") = " << r;
                    }
                }
            }
        }
    }
}

// Hot, thin air holds at most its own pressure of water vapour: within the
// accepted atmospheres the integrated refraction above the horizon stays
// positive at any humidity, falls as the humidity rises (vapour refracts less
// than dry air at the same pressure), and stops changing once the vapour
// would exceed the air.
TEST(ComputeRefraction, VapourNeverExceedsTheAir) {
    for (double altitude : {0.5, 10.0, 45.0}) {
        double previous = ComputeRefraction(altitude, kRefractionIntegration, 45, 100, 0.0, 20.0, 60.0);
        for (double humidity : {5.0, 20.0, 50.0, 100.0}) {
            const double r =
                ComputeRefraction(altitude, kRefractionIntegration, 45, 100, humidity, 20.0, 60.0);
            EXPECT_GT(r, 0.0) << altitude << " deg, " << humidity << " %";
            EXPECT_LE(r, previous) << altitude << " deg, " << humidity << " %";
            previous = r;
        }
        EXPECT_EQ(ComputeRefraction(altitude, kRefractionIntegration, 45, 100, 50.0, 20.0, 60.0),
                  ComputeRefraction(altitude, kRefractionIntegration, 45, 100, 100.0, 20.0, 60.0))
            << "saturated beyond the air's pressure at " << altitude << " deg";
    }
}

// Inputs far outside any atmosphere, and passes that can never agree, still
// return. The calls are the test; their values carry no meaning.
TEST(Refraction, HostileInputsReturn) {
    for (double h : {kNaN, kInf, -kInf, 1e300, -9.99, 0.0, 45.0}) {
        for (double p : {1e30, -1e30, kInf, 0.0}) {
            (void)BennettRefraction(h, p, 15);
            (void)IntegratedRefraction(45, 0, 50, h, p, 15);
        }
        for (double t : {-1e6, 1e6, -273.0, kInf, -kInf}) {
            (void)BennettRefraction(h, 1013.25, t);
            (void)IntegratedRefraction(45, 0, 50, h, 1013.25, t);
        }
        for (double x : {kNaN, kInf, -kInf, 1e30}) {
            (void)IntegratedRefraction(45, 0, x, h, 1013.25, 15);
            (void)IntegratedRefraction(45, x, 50, h, 1013.25, 15);
            (void)IntegratedRefraction(x, 0, 50, h, 1013.25, 15);
        }
    }
    // A zero tolerance is never met: the strips stop at their cap.
    const IntegralArgs exact{1.0, 0, 288, 1013.25, 0.5, 0.572, 0.7, 0.0065, 0.0};
    const double capped = exact.Eval();
    EXPECT_TRUE(std::isfinite(capped)) << capped;
    IntegralArgs usual = exact;
    usual.EPS = 0.0001;
    EXPECT_NEAR(capped, usual.Eval(), 5e-5);
    // Cold dense air at 93 degrees: n + r dn/dr reaches 0 along the ray, the
    // integrand is singular and the passes never agree.
    (void)RefractionIntegral(kD93, 0, 233, 1100, 0.5, 0.572, 0.7, 0.0065, 0.0001);
    (void)IntegratedRefraction(45, 0, 50, -5, 1100, -40);
    // A NaN tolerance ends each layer at its first pass.
    EXPECT_TRUE(
        std::isfinite(RefractionIntegral(1.0, 0, 288, 1013.25, 0.5, 0.572, 0.7, 0.0065, kNaN)));
}

// 100 K at the observer, the steepest lapse rate and a 1000 m observer put the
// tropopause at exactly 0 K: the stratosphere then carries no refractivity and
// the result stays a number, continuous with slightly warmer air.
TEST(RefractionIntegral, TropopauseAtZeroKelvin) {
    const double atZero = RefractionIntegral(1.0, 1000, 100, 1013.25, 0.5, 0.572, 0, 0.01, 0.0001);
    const double warmer =
        RefractionIntegral(1.0, 1000, 100.0000001, 1013.25, 0.5, 0.572, 0, 0.01, 0.0001);
    ASSERT_TRUE(std::isfinite(atZero)) << atZero;
    EXPECT_NEAR(atZero, warmer, 1e-10);
}

// Below about -3 degrees in cold, dense air the integral never converges; its
// last pass means nothing, so the formula's value stands in.
TEST(IntegratedRefraction, UnconvergedIntegralGivesTheFormulaValue) {
    const double h = -5.0;
    const double r = IntegratedRefraction(65.0, 100.0, 20.0, h, 1030.0, -40.0);
    EXPECT_EQ(r, BennettRefraction(h, 1030.0, -40.0));
    // Where it converges the integration answers as before.
    EXPECT_NE(IntegratedRefraction(65.0, 100.0, 20.0, -5.0, 1010.0, 10.0),
              BennettRefraction(-5.0, 1010.0, 10.0));
}

}  // namespace
}  // namespace tarvel
