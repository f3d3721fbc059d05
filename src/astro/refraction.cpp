// Atmospheric refraction: the Bennett-Saemundsson formula and the numerical
// integration of the refraction integral (Hohenkerk and Sinclair, 1985).
#include "astro/refraction.h"

#include <algorithm>
#include <cmath>

#include "astro/angles.h"
#include "astro/constants.h"

namespace tarvel {

namespace {

// Degrees to radians in the Bennett formula's cotangents.
constexpr double kBennettDegToRad = 0.017453292519943295;

// Both fixed-point iterations stop when the change of R (arcminutes) is at most
// this (0.6 arcsecond expressed in radians), or after this many evaluations.
constexpr double kFixedPointTolerance = 2.908882086657216e-06;
constexpr int kFixedPointMaxSteps = 10;

constexpr double kRadiansToArcminutes = 3437.7467707849396;

// Fixed arguments the integration wrapper hands to the integral.
constexpr double kWavelengthMicrons = 0.572;
constexpr double kLapseRateKPerM = 0.0065;
constexpr double kPrecisionRad = 0.0001;

// Constants of the integral.
constexpr double D93 = 1.623156204;  // largest zenith distance integrated (93 deg), rad
constexpr double GCR = 8314.36;      // universal gas constant
constexpr double DMD = 28.966;       // molecular weight of dry air
constexpr double DMW = 18.016;       // molecular weight of water vapour
constexpr double S = 6378120.0;      // mean radius of the Earth, m
constexpr double DELTA = 18.36;      // exponent of the temperature dependence of vapour pressure
constexpr double HT = 11000.0;       // height of the tropopause, m
constexpr double HS = 80000.0;       // upper limit of the refracting atmosphere, m

// Simpson's rule starts the troposphere with this many strips and doubles them
// until two passes agree. The doubling stops at kMaxStrips per layer, whose last
// value is then taken, so that every input returns. Over 0-1100 mbar, -50 to
// +50 C, any humidity and observer heights of -1000 to 10000 m, every zenith
// distance below 92.5 degrees agrees at 32 strips. In cold, dense air (about
// -30 C and 850 mbar, or colder and denser) from about 92.5 degrees on (true
// altitudes below about -3 degrees are integrated at 93 degrees) the ray's path
// below the observer meets n + r dn/dr = 0: the integrand is singular there and
// the passes never agree, at any count. The cap also ends a zero tolerance and
// degenerate atmospheres. 4096 strips keep such a call to a few milliseconds.
constexpr int kFirstStrips = 16;
constexpr int kMaxStrips = 1 << 12;

// Initial previous-pass value of the convergence test.
constexpr double kNoPreviousPass = -999.999;

// The Newton steps are skipped at or below this zenith distance.
constexpr double kZenithNewtonLimit = 1e-20;

double Cot(double x) {
    return 1.0 / std::tan(x);
}

// Into [lo, hi]. Not-a-number lies outside no limit and comes back unchanged.
double ClampTo(double v, double lo, double hi) {
    if (v < lo) return lo;
    if (v > hi) return hi;
    return v;
}

// Arcsine that accepts arguments slightly beyond 1 (gives pi/2 there).
double ArcSine(double s) {
    return std::atan2(s, std::sqrt(std::max(1.0 - s * s, 0.0)));
}

// Refractive index n and its radial derivative x = dn/dr at a distance r (m)
// from the Earth's centre.
struct IndexAndSlope {
    double n;
    double x;
};

// The model atmosphere of one call: a troposphere with a constant temperature
// lapse rate from the observer to the tropopause, an isothermal stratosphere
// above it.
struct ModelAtmosphere {
    double R0;     // observer's distance from the centre, m
    double TDK;    // temperature at the observer, K
    double TLR;    // tropospheric lapse rate, K/m
    double GAMM2;  // exponents of the troposphere
    double DELM2;
    double C1, C2, C3, C4;  // troposphere coefficients
    double RT;              // tropopause distance from the centre, m
    double tT;              // troposphere temperature at the tropopause, K
    double nT;              // troposphere index at the tropopause
    double b;               // stratosphere decay rate GAMAL / tT, 1/m

    IndexAndSlope Troposphere(double r) const {
        const double t = TDK - TLR * (r - R0);
        const double q = std::max(t / TDK, 0.0);
        const double qGamm2 = std::pow(q, GAMM2);
        const double qDelm2 = std::pow(q, DELM2);
        return {1.0 + (C1 * qGamm2 - C2 * qDelm2) * q, C4 * qDelm2 - C3 * qGamm2};
    }

    IndexAndSlope Stratosphere(double r) const {
        // At or below zero kelvin at the tropopause (reachable only through direct
        // calls: near 100 K at the observer, the steepest lapse rate and an
        // observer at 1000 m or lower) the troposphere has already come down to
        // index 1 (q = 0) and the stratosphere carries no refractivity. This is
        // the formula's own value wherever that is finite; it avoids 0 x infinity
        // when tT is 0 or nearly so.
        if (tT <= 0.0) return {1.0, 0.0};
        const double w = (nT - 1.0) * std::exp(-b * (r - RT));
        return {1.0 + w, -b * w};
    }
};

// The integrand r x / (n + r x).
double Integrand(double n, double r, double x) {
    return r * x / (n + r * x);
}

enum class Layer { kTroposphere, kStratosphere };

IndexAndSlope LayerAt(const ModelAtmosphere& atm, Layer layer, double r) {
    return layer == Layer::kTroposphere ? atm.Troposphere(r) : atm.Stratosphere(r);
}

// Integrand at the zenith distance z of the ray, whose radius r solves
// r n(r) = sk0 / sin z by four Newton steps from the radius carried in r.
double IntegrandAt(const ModelAtmosphere& atm, Layer layer, double z, double sk0, double& r) {
    if (z > kZenithNewtonLimit) {
        const double target = sk0 / std::sin(z);
        for (int step = 0; step < 4; ++step) {
            const IndexAndSlope m = LayerAt(atm, layer, r);
            r = r - (r * m.n - target) / (m.n + r * m.x);
        }
    }
    const IndexAndSlope m = LayerAt(atm, layer, r);
    return Integrand(m.n, r, m.x);
}

// Simpson's rule over z from zStart to zEnd with end values fStart and fEnd,
// doubling the strips from `strips` until two passes agree within tol (or the
// cap is reached). previous carries the previous-pass value between layers;
// strips returns the count of the final pass.
double IntegrateLayer(const ModelAtmosphere& atm, Layer layer, double zStart, double zEnd,
                      double fStart, double fEnd, double rFirst, double sk0, double tol,
                      int& strips, double& previous, bool& converged) {
    int is = strips;
    double fo = 0.0;
    double fe = 0.0;
    bool firstPass = true;
    for (;;) {
        const double h = (zEnd - zStart) / is;
        double r = rFirst;
        if (firstPass) {
            for (int i = 1; i < is; ++i) {
                const double f = IntegrandAt(atm, layer, zStart + i * h, sk0, r);
                if (i % 2 == 0) {
                    fe += f;
                } else {
                    fo += f;
                }
            }
        } else {
            for (int i = 1; i < is; i += 2) fo += IntegrandAt(atm, layer, zStart + i * h, sk0, r);
        }
        const double value = h * (fStart + 4.0 * fo + 2.0 * fe + fEnd) / 3.0;
        if (!(std::fabs(value - previous) > tol)) {
            strips = is;
            return value;
        }
        previous = value;
        if (is >= kMaxStrips) {
            strips = is;
            converged = false;
            return value;
        }
        is += is;
        fe = fe + fo;
        fo = 0.0;
        firstPass = false;
    }
}

}  // namespace

double BennettRefraction(double altitudeDeg, double pressure, double temperature) {
    const double h = altitudeDeg;
    const double k = kBennettDegToRad;
    const double f = (283.0 / (temperature + 273.0)) * (pressure / 1010.0);
    double r = 1.02 * Cot((h + 10.3 / (h + 5.11)) * k) * f;
    double dr = 1.0;
    for (int step = 0; step < kFixedPointMaxSteps && std::fabs(dr) > kFixedPointTolerance; ++step) {
        const double previous = r;
        const double a = h + r / 60.0;
        const double c = Cot((a + 7.31 / (a + 4.4)) * k);
        r = (c - 0.06 * std::sin((14.7 * c / 60.0 + 13.0) * kPi / 180.0) + 0.014833333333333334) *
            f;
        dr = previous - r;
    }
    return r;
}

namespace {
double RefractionIntegralChecked(double z, double HM, double TDK, double PMB, double RH,
                                 double WL, double PHI, double TLR, double EPS, bool& converged);
}  // namespace

double IntegratedRefraction(double latitude, double refractionHeightM, double humidity,
                            double altitudeDeg, double pressure, double temperature) {
    const double h = altitudeDeg;
    if (h <= -10.0) return 0.0;
    double r = BennettRefraction(h, pressure, temperature);
    double dr = 1.0;
    for (int step = 0; step < kFixedPointMaxSteps && std::fabs(dr) > kFixedPointTolerance; ++step) {
        const double previous = r;
        const double a = h + r / 60.0;
        if (a <= -10.0) {
            r = 0.0;
        } else {
            bool converged = true;
            r = RefractionIntegralChecked((90.0 - a) * kPi / 180.0, refractionHeightM,
                                          temperature + 273.0, pressure, humidity / 100.0,
                                          kWavelengthMicrons, latitude * kPi / 180.0,
                                          kLapseRateKPerM, kPrecisionRad, converged) *
                kRadiansToArcminutes;
            // In cold, dense air a ray below the horizon meets a singular point of
            // the integrand and the passes never agree: the last pass is then
            // meaningless (anything from -52' to 405'), so the formula answers.
            if (!converged) return BennettRefraction(h, pressure, temperature);
        }
        dr = previous - r;
    }
    return r;
}

double ComputeRefraction(double altitudeDeg, RefractionModel model, double latitude,
                         double refractionHeightM, double humidity, double pressure,
                         double temperature) {
    const double r =
        model == kRefractionBennett
            ? BennettRefraction(altitudeDeg, pressure, temperature)
            : IntegratedRefraction(latitude, refractionHeightM, humidity, altitudeDeg, pressure,
                                   temperature);
    // Above -1 degree the air bends light up, and never by more than a few
    // degrees: whatever atmosphere comes in, the result stays in [0', 300'].
    if (altitudeDeg > -1.0 && r < 0.0) return 0.0;
    if (altitudeDeg > -1.0 && r > kMaxRefractionArcmin) return kMaxRefractionArcmin;
    return r;
}

namespace {

// The refraction integral; converged is cleared when a layer stopped at the
// strip cap without two passes agreeing.
double RefractionIntegralChecked(double z, double HM, double TDK, double PMB, double RH,
                                 double WL, double PHI, double TLR, double EPS, bool& converged) {
    converged = true;
    // Zenith distance, limited to 93 degrees; the sign is restored at the end.
    const double z1 = WrapRadians(z);
    const double z2 = std::min(std::fabs(z1), D93);

    // Limits of the inputs.
    HM = ClampTo(HM, -1000.0, 10000.0);
    TDK = ClampTo(TDK, 100.0, 500.0);
    PMB = ClampTo(PMB, 0.0, 10000.0);
    RH = ClampTo(RH, 0.0, 1.0);
    TLR = ClampTo(std::fabs(TLR), 0.001, 0.01);
    WL = std::max(WL, 0.1);
    // A not-a-number tolerance accepts the first pass of each layer.
    const double tol = std::min(std::fabs(EPS), 0.1) / 2.0;

    // Optical refractivity for the wavelength.
    const double WL2 = WL * WL;
    const double A = (287.604 + 1.6288 / WL2 + 0.0136 / (WL2 * WL2)) * 273.15 / 1013.25 * 1e-06;

    // Gravity and gas terms.
    const double GB = 9.784 * (1.0 - 0.0026 * std::cos(2.0 * PHI) - 2.8e-07 * HM);
    const double GAMAL = GB * DMD / GCR;
    const double GAMMA = GAMAL / TLR;
    const double GAMM2 = GAMMA - 2.0;
    const double DELM2 = DELTA - 2.0;

    // Water vapour at the observer: its partial pressure is at most the air's
    // whole pressure (hot, thin air at a high humidity would otherwise hold
    // more vapour than air, and the model's refractivity would vanish).
    const double PW0 = std::min(RH * std::pow(TDK / 247.1, DELTA), PMB);
    const double W = PW0 * (1.0 - DMW / DMD) * GAMMA / (DELTA - GAMMA);

    // Model coefficients.
    ModelAtmosphere atm{};
    atm.TDK = TDK;
    atm.TLR = TLR;
    atm.GAMM2 = GAMM2;
    atm.DELM2 = DELM2;
    atm.C1 = A * (PMB + W) / TDK;
    atm.C2 = (A * W + 1.12684e-05 * PW0) / TDK;
    atm.C3 = (GAMMA - 1.0) * TLR * atm.C1 / TDK;
    atm.C4 = (DELTA - 1.0) * TLR * atm.C2 / TDK;

    // Fixed points: the observer, both sides of the tropopause, the top.
    const double R0 = S + HM;
    const double RT = S + HT;
    const double RS = S + HS;
    atm.R0 = R0;
    atm.RT = RT;

    const IndexAndSlope obs = atm.Troposphere(R0);
    const double SK0 = obs.n * R0 * std::sin(z2);
    const double F0 = Integrand(obs.n, R0, obs.x);

    const IndexAndSlope tropT = atm.Troposphere(RT);
    const double ZT = ArcSine(SK0 / (RT * tropT.n));
    const double FT = Integrand(tropT.n, RT, tropT.x);

    atm.tT = TDK - TLR * (RT - R0);
    atm.nT = tropT.n;
    atm.b = GAMAL / atm.tT;

    const IndexAndSlope stratT = atm.Stratosphere(RT);
    const double ZTS = ArcSine(SK0 / (RT * stratT.n));
    const double FTS = Integrand(stratT.n, RT, stratT.x);

    const IndexAndSlope top = atm.Stratosphere(RS);
    const double ZS = ArcSine(SK0 / (RS * top.n));
    const double FS = Integrand(top.n, RS, top.x);

    // The two layers; the previous-pass value runs on from the first into the
    // second, and the second starts with half the strips the first ended with.
    double previous = kNoPreviousPass;
    int strips = kFirstStrips;
    const double refTroposphere =
        IntegrateLayer(atm, Layer::kTroposphere, z2, ZT, F0, FT, R0, SK0, tol, strips, previous,
                       converged);
    strips = strips / 2;
    const double refStratosphere =
        IntegrateLayer(atm, Layer::kStratosphere, ZTS, ZS, FTS, FS, RT, SK0, tol, strips, previous,
                       converged);

    const double ref = refTroposphere + refStratosphere;
    return z1 < 0.0 ? -ref : ref;
}

}  // namespace

double RefractionIntegral(double z, double HM, double TDK, double PMB, double RH, double WL,
                          double PHI, double TLR, double EPS) {
    bool converged = true;
    return RefractionIntegralChecked(z, HM, TDK, PMB, RH, WL, PHI, TLR, EPS, converged);
}

}  // namespace tarvel
