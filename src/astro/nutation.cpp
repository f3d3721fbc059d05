#include "astro/nutation.h"

#include "astro/angles.h"
#include "astro/series_kernel.h"

namespace tarvel {

// The terms of the 1980 theory of nutation with coefficients of at least
// 0.0003", in units of 0.0001": D, M, M', F, Omega, psiA, psiB, epsC, epsD.
const Nutation1980Term kNutation1980Terms[kNutation1980TermCount] = {
    {0, 0, 0, 0, 1, -171996, -174.2, 92025, 8.9},
    {-2, 0, 0, 2, 2, -13187, -1.6, 5736, -3.1},
    {0, 0, 0, 2, 2, -2274, -0.2, 977, -0.5},
    {0, 0, 0, 0, 2, 2062, 0.2, -895, 0.5},
    {0, 1, 0, 0, 0, 1426, -3.4, 54, -0.1},
    {0, 0, 1, 0, 0, 712, 0.1, -7, 0.0},
    {-2, 1, 0, 2, 2, -517, 1.2, 224, -0.6},
    {0, 0, 0, 2, 1, -386, -0.4, 200, 0.0},
    {0, 0, 1, 2, 2, -301, 0.0, 129, -0.1},
    {-2, -1, 0, 2, 2, 217, -0.5, -95, 0.3},
    {-2, 0, 1, 0, 0, -158, 0.0, 0, 0.0},
    {-2, 0, 0, 2, 1, 129, 0.1, -70, 0.0},
    {0, 0, -1, 2, 2, 123, 0.0, -53, 0.0},
    {2, 0, 0, 0, 0, 63, 0.0, 0, 0.0},
    {0, 0, 1, 0, 1, 63, 0.1, -33, 0.0},
    {2, 0, -1, 2, 2, -59, 0.0, 26, 0.0},
    {0, 0, -1, 0, 1, -58, -0.1, 32, 0.0},
    {0, 0, 1, 2, 1, -51, 0.0, 27, 0.0},
    {-2, 0, 2, 0, 0, 48, 0.0, 0, 0.0},
    {0, 0, -2, 2, 1, 46, 0.0, -24, 0.0},
    {2, 0, 0, 2, 2, -38, 0.0, 16, 0.0},
    {0, 0, 2, 2, 2, -31, 0.0, 13, 0.0},
    {0, 0, 2, 0, 0, 29, 0.0, 0, 0.0},
    {-2, 0, 1, 2, 2, 29, 0.0, -12, 0.0},
    {0, 0, 0, 2, 0, 26, 0.0, 0, 0.0},
    {-2, 0, 0, 2, 0, -22, 0.0, 0, 0.0},
    {0, 0, -1, 2, 1, 21, 0.0, -10, 0.0},
    {0, 2, 0, 0, 0, 17, -0.1, 0, 0.0},
    {2, 0, -1, 0, 1, 16, 0.0, -8, 0.0},
    {-2, 2, 0, 2, 2, -16, 0.1, 7, 0.0},
    {0, 1, 0, 0, 1, -15, 0.0, 9, 0.0},
    {-2, 0, 1, 0, 1, -13, 0.0, 7, 0.0},
    {0, -1, 0, 0, 1, -12, 0.0, 6, 0.0},
    {0, 0, 2, -2, 0, 11, 0.0, 0, 0.0},
    {2, 0, -1, 2, 1, -10, 0.0, 5, 0.0},
    {2, 0, 1, 2, 2, -8, 0.0, 3, 0.0},
    {0, 1, 0, 2, 2, 7, 0.0, -3, 0.0},
    {-2, 1, 1, 0, 0, -7, 0.0, 0, 0.0},
    {0, -1, 0, 2, 2, -7, 0.0, 3, 0.0},
    {2, 0, 0, 2, 1, -7, 0.0, 3, 0.0},
    {2, 0, 1, 0, 0, 6, 0.0, 0, 0.0},
    {-2, 0, 2, 2, 2, 6, 0.0, -3, 0.0},
    {-2, 0, 1, 2, 1, 6, 0.0, -3, 0.0},
    {2, 0, -2, 0, 1, -6, 0.0, 3, 0.0},
    {2, 0, 0, 0, 1, -6, 0.0, 3, 0.0},
    {0, -1, 1, 0, 0, 5, 0.0, 0, 0.0},
    {-2, -1, 0, 2, 1, -5, 0.0, 3, 0.0},
    {-2, 0, 0, 0, 1, -5, 0.0, 3, 0.0},
    {0, 0, 2, 2, 1, -5, 0.0, 3, 0.0},
    {-2, 0, 2, 0, 1, 4, 0.0, 0, 0.0},
    {-2, 1, 0, 2, 1, 4, 0.0, 0, 0.0},
    {0, 0, 1, -2, 0, 4, 0.0, 0, 0.0},
    {-1, 0, 1, 0, 0, -4, 0.0, 0, 0.0},
    {-2, 1, 0, 0, 0, -4, 0.0, 0, 0.0},
    {1, 0, 0, 0, 0, -4, 0.0, 0, 0.0},
    {0, 0, 1, 2, 0, 3, 0.0, 0, 0.0},
    {0, 0, -2, 2, 2, -3, 0.0, 0, 0.0},
    {-1, -1, 1, 0, 0, -3, 0.0, 0, 0.0},
    {0, 1, 1, 0, 0, -3, 0.0, 0, 0.0},
    {0, -1, 1, 2, 2, -3, 0.0, 0, 0.0},
    {2, -1, -1, 2, 2, -3, 0.0, 0, 0.0},
    {0, 0, 3, 2, 2, -3, 0.0, 0, 0.0},
    {2, -1, 0, 2, 2, -3, 0.0, 0, 0.0},};

// The 77 luni-solar terms of IAU 2000B (IERS Conventions 2003), in units of
// 0.1 microarcsecond: l, l', F, D, Omega, then psi sin, psi sin per century,
// psi cos, eps cos, eps cos per century, eps sin.
const Nutation2000BTerm kNutation2000BTerms[kNutation2000BTermCount] = {
    {0, 0, 0, 0, 1, -172064161.0, -174666.0, 33386.0, 92052331.0, 9086.0, 15377.0},
    {0, 0, 2, -2, 2, -13170906.0, -1675.0, -13696.0, 5730336.0, -3015.0, -4587.0},
    {0, 0, 2, 0, 2, -2276413.0, -234.0, 2796.0, 978459.0, -485.0, 1374.0},
    {0, 0, 0, 0, 2, 2074554.0, 207.0, -698.0, -897492.0, 470.0, -291.0},
    {0, 1, 0, 0, 0, 1475877.0, -3633.0, 11817.0, 73871.0, -184.0, -1924.0},
    {0, 1, 2, -2, 2, -516821.0, 1226.0, -524.0, 224386.0, -677.0, -174.0},
    {1, 0, 0, 0, 0, 711159.0, 73.0, -872.0, -6750.0, 0.0, 358.0},
    {0, 0, 2, 0, 1, -387298.0, -367.0, 380.0, 200728.0, 18.0, 318.0},
    {1, 0, 2, 0, 2, -301461.0, -36.0, 816.0, 129025.0, -63.0, 367.0},
    {0, -1, 2, -2, 2, 215829.0, -494.0, 111.0, -95929.0, 299.0, 132.0},
    {0, 0, 2, -2, 1, 128227.0, 137.0, 181.0, -68982.0, -9.0, 39.0},
    {-1, 0, 2, 0, 2, 123457.0, 11.0, 19.0, -53311.0, 32.0, -4.0},
    {-1, 0, 0, 2, 0, 156994.0, 10.0, -168.0, -1235.0, 0.0, 82.0},
    {1, 0, 0, 0, 1, 63110.0, 63.0, 27.0, -33228.0, 0.0, -9.0},
    {-1, 0, 0, 0, 1, -57976.0, -63.0, -189.0, 31429.0, 0.0, -75.0},
    {-1, 0, 2, 2, 2, -59641.0, -11.0, 149.0, 25543.0, -11.0, 66.0},
    {1, 0, 2, 0, 1, -51613.0, -42.0, 129.0, 26366.0, 0.0, 78.0},
    {-2, 0, 2, 0, 1, 45893.0, 50.0, 31.0, -24236.0, -10.0, 20.0},
    {0, 0, 0, 2, 0, 63384.0, 11.0, -150.0, -1220.0, 0.0, 29.0},
    {0, 0, 2, 2, 2, -38571.0, -1.0, 158.0, 16452.0, -11.0, 68.0},
    {0, -2, 2, -2, 2, 32481.0, 0.0, 0.0, -13870.0, 0.0, 0.0},
    {-2, 0, 0, 2, 0, -47722.0, 0.0, -18.0, 477.0, 0.0, -25.0},
    {2, 0, 2, 0, 2, -31046.0, -1.0, 131.0, 13238.0, -11.0, 59.0},
    {1, 0, 2, -2, 2, 28593.0, 0.0, -1.0, -12338.0, 10.0, -3.0},
    {-1, 0, 2, 0, 1, 20441.0, 21.0, 10.0, -10758.0, 0.0, -3.0},
    {2, 0, 0, 0, 0, 29243.0, 0.0, -74.0, -609.0, 0.0, 13.0},
    {0, 0, 2, 0, 0, 25887.0, 0.0, -66.0, -550.0, 0.0, 11.0},
    {0, 1, 0, 0, 1, -14053.0, -25.0, 79.0, 8551.0, -2.0, -45.0},
    {-1, 0, 0, 2, 1, 15164.0, 10.0, 11.0, -8001.0, 0.0, -1.0},
    {0, 2, 2, -2, 2, -15794.0, 72.0, -16.0, 6850.0, -42.0, -5.0},
    {0, 0, -2, 2, 0, 21783.0, 0.0, 13.0, -167.0, 0.0, 13.0},
    {1, 0, 0, -2, 1, -12873.0, -10.0, -37.0, 6953.0, 0.0, -14.0},
    {0, -1, 0, 0, 1, -12654.0, 11.0, 63.0, 6415.0, 0.0, 26.0},
    {-1, 0, 2, 2, 1, -10204.0, 0.0, 25.0, 5222.0, 0.0, 15.0},
    {0, 2, 0, 0, 0, 16707.0, -85.0, -10.0, 168.0, -1.0, 10.0},
    {1, 0, 2, 2, 2, -7691.0, 0.0, 44.0, 3268.0, 0.0, 19.0},
    {-2, 0, 2, 0, 0, -11024.0, 0.0, -14.0, 104.0, 0.0, 2.0},
    {0, 1, 2, 0, 2, 7566.0, -21.0, -11.0, -3250.0, 0.0, -5.0},
    {0, 0, 2, 2, 1, -6637.0, -11.0, 25.0, 3353.0, 0.0, 14.0},
    {0, -1, 2, 0, 2, -7141.0, 21.0, 8.0, 3070.0, 0.0, 4.0},
    {0, 0, 0, 2, 1, -6302.0, -11.0, 2.0, 3272.0, 0.0, 4.0},
    {1, 0, 2, -2, 1, 5800.0, 10.0, 2.0, -3045.0, 0.0, -1.0},
    {2, 0, 2, -2, 2, 6443.0, 0.0, -7.0, -2768.0, 0.0, -4.0},
    {-2, 0, 0, 2, 1, -5774.0, -11.0, -15.0, 3041.0, 0.0, -5.0},
    {2, 0, 2, 0, 1, -5350.0, 0.0, 21.0, 2695.0, 0.0, 12.0},
    {0, -1, 2, -2, 1, -4752.0, -11.0, -3.0, 2719.0, 0.0, -3.0},
    {0, 0, 0, -2, 1, -4940.0, -11.0, -21.0, 2720.0, 0.0, -9.0},
    {-1, -1, 0, 2, 0, 7350.0, 0.0, -8.0, -51.0, 0.0, 4.0},
    {2, 0, 0, -2, 1, 4065.0, 0.0, 6.0, -2206.0, 0.0, 1.0},
    {1, 0, 0, 2, 0, 6579.0, 0.0, -24.0, -199.0, 0.0, 2.0},
    {0, 1, 2, -2, 1, 3579.0, 0.0, 5.0, -1900.0, 0.0, 1.0},
    {1, -1, 0, 0, 0, 4725.0, 0.0, -6.0, -41.0, 0.0, 3.0},
    {-2, 0, 2, 0, 2, -3075.0, 0.0, -2.0, 1313.0, 0.0, -1.0},
    {3, 0, 2, 0, 2, -2904.0, 0.0, 15.0, 1233.0, 0.0, 7.0},
    {0, -1, 0, 2, 0, 4348.0, 0.0, -10.0, -81.0, 0.0, 2.0},
    {1, -1, 2, 0, 2, -2878.0, 0.0, 8.0, 1232.0, 0.0, 4.0},
    {0, 0, 0, 1, 0, -4230.0, 0.0, 5.0, -20.0, 0.0, -2.0},
    {-1, -1, 2, 2, 2, -2819.0, 0.0, 7.0, 1207.0, 0.0, 3.0},
    {-1, 0, 2, 0, 0, -4056.0, 0.0, 5.0, 40.0, 0.0, -2.0},
    {0, -1, 2, 2, 2, -2647.0, 0.0, 11.0, 1129.0, 0.0, 5.0},
    {-2, 0, 0, 0, 1, -2294.0, 0.0, -10.0, 1266.0, 0.0, -4.0},
    {1, 1, 2, 0, 2, 2481.0, 0.0, -7.0, -1062.0, 0.0, -3.0},
    {2, 0, 0, 0, 1, 2179.0, 0.0, -2.0, -1129.0, 0.0, -2.0},
    {-1, 1, 0, 1, 0, 3276.0, 0.0, 1.0, -9.0, 0.0, 0.0},
    {1, 1, 0, 0, 0, -3389.0, 0.0, 5.0, 35.0, 0.0, -2.0},
    {1, 0, 2, 0, 0, 3339.0, 0.0, -13.0, -107.0, 0.0, 1.0},
    {-1, 0, 2, -2, 1, -1987.0, 0.0, -6.0, 1073.0, 0.0, -2.0},
    {1, 0, 0, 0, 2, -1981.0, 0.0, 0.0, 854.0, 0.0, 0.0},
    {-1, 0, 0, 1, 0, 4026.0, 0.0, -353.0, -553.0, 0.0, -139.0},
    {0, 0, 2, 1, 2, 1660.0, 0.0, -5.0, -710.0, 0.0, -2.0},
    {-1, 0, 2, 4, 2, -1521.0, 0.0, 9.0, 647.0, 0.0, 4.0},
    {-1, 1, 0, 1, 1, 1314.0, 0.0, 0.0, -700.0, 0.0, 0.0},
    {0, -2, 2, -2, 1, -1283.0, 0.0, 0.0, 672.0, 0.0, 0.0},
    {1, 0, 2, 2, 1, -1331.0, 0.0, 8.0, 663.0, 0.0, 4.0},
    {-2, 0, 2, 2, 2, 1383.0, 0.0, -2.0, -594.0, 0.0, -2.0},
    {-1, 0, 0, 0, 2, 1405.0, 0.0, 4.0, -610.0, 0.0, 2.0},
    {1, 1, 2, -2, 2, 1290.0, 0.0, 0.0, -556.0, 0.0, 0.0},};

double MeanObliquity(double jde) {
    const double u = (jde - 2451545.0) / 3652500.0;
    const double u2 = u * u;
    const double u3 = u2 * u;
    const double u4 = u3 * u;
    const double u5 = u4 * u;
    const double u6 = u5 * u;
    const double u7 = u6 * u;
    const double u8 = u7 * u;
    const double u9 = u8 * u;
    const double u10 = u9 * u;
    return DmsToDegrees(23, 26, 21.448, 1) - DmsToDegrees(0, 0, 4680.93, 1) * u -
           DmsToDegrees(0, 0, 1.55, 1) * u2 + DmsToDegrees(0, 0, 1999.25, 1) * u3 -
           DmsToDegrees(0, 0, 51.38, 1) * u4 - DmsToDegrees(0, 0, 249.67, 1) * u5 -
           DmsToDegrees(0, 0, 39.05, 1) * u6 + DmsToDegrees(0, 0, 7.12, 1) * u7 +
           DmsToDegrees(0, 0, 27.87, 1) * u8 + DmsToDegrees(0, 0, 5.79, 1) * u9 +
           DmsToDegrees(0, 0, 2.45, 1) * u10;
}

namespace {

// The two tables as columns of doubles (the integers converted exactly), each
// column padded with zero terms to a multiple of eight entries, so that the
// loops over the terms below run over whole vectors of eight; a padding term
// adds nothing and is never summed.
constexpr int kPadded1980 = (kNutation1980TermCount + 7) / 8 * 8;
constexpr int kPadded2000B = (kNutation2000BTermCount + 7) / 8 * 8;

struct Columns1980 {
    alignas(64) double kD[kPadded1980] = {};
    alignas(64) double kM[kPadded1980] = {};
    alignas(64) double kMp[kPadded1980] = {};
    alignas(64) double kF[kPadded1980] = {};
    alignas(64) double kOmega[kPadded1980] = {};
    alignas(64) double psiA[kPadded1980] = {};
    alignas(64) double psiB[kPadded1980] = {};
    alignas(64) double epsC[kPadded1980] = {};
    alignas(64) double epsD[kPadded1980] = {};
};

struct Columns2000B {
    alignas(64) double l[kPadded2000B] = {};
    alignas(64) double lp[kPadded2000B] = {};
    alignas(64) double F[kPadded2000B] = {};
    alignas(64) double D[kPadded2000B] = {};
    alignas(64) double Om[kPadded2000B] = {};
    alignas(64) double psiSin[kPadded2000B] = {};
    alignas(64) double psiSinT[kPadded2000B] = {};
    alignas(64) double psiCos[kPadded2000B] = {};
    alignas(64) double epsCos[kPadded2000B] = {};
    alignas(64) double epsCosT[kPadded2000B] = {};
    alignas(64) double epsSin[kPadded2000B] = {};
};

const Columns1980& Table1980() {
    static const Columns1980 columns = [] {
        Columns1980 c;
        for (int i = 0; i < kNutation1980TermCount; ++i) {
            const Nutation1980Term& k = kNutation1980Terms[i];
            c.kD[i] = k.kD;
            c.kM[i] = k.kM;
            c.kMp[i] = k.kMp;
            c.kF[i] = k.kF;
            c.kOmega[i] = k.kOmega;
            c.psiA[i] = k.psiA;
            c.psiB[i] = k.psiB;
            c.epsC[i] = k.epsC;
            c.epsD[i] = k.epsD;
        }
        return c;
    }();
    return columns;
}

const Columns2000B& Table2000B() {
    static const Columns2000B columns = [] {
        Columns2000B c;
        for (int i = 0; i < kNutation2000BTermCount; ++i) {
            const Nutation2000BTerm& k = kNutation2000BTerms[i];
            c.l[i] = k.l;
            c.lp[i] = k.lp;
            c.F[i] = k.F;
            c.D[i] = k.D;
            c.Om[i] = k.Om;
            c.psiSin[i] = k.psiSin;
            c.psiSinT[i] = k.psiSinT;
            c.psiCos[i] = k.psiCos;
            c.epsCos[i] = k.epsCos;
            c.epsCosT[i] = k.epsCosT;
            c.epsSin[i] = k.epsSin;
        }
        return c;
    }();
    return columns;
}

// The fundamental arguments of the 1980 series at jde: t in Julian centuries
// from J2000.0 and D, M, M', F, Omega in degrees, reduced.
struct Fundamentals1980 {
    double t, d, m, mp, f, om;
};

Fundamentals1980 Fundamentals1980At(double jde) {
    const double t = (jde - 2451545.0) / 36525.0;
    const double t2 = t * t;
    const double t3 = t2 * t;
    return {t,
            NormalizeDegrees(297.85036 + 445267.11148 * t - 0.0019142 * t2 + t3 / 189474.0),
            NormalizeDegrees(357.52772 + 35999.05034 * t - 0.0001603 * t2 - t3 / 300000.0),
            NormalizeDegrees(134.96298 + 477198.867398 * t + 0.0086972 * t2 + t3 / 56250.0),
            NormalizeDegrees(93.27191 + 483202.017538 * t - 0.0036825 * t2 + t3 / 327270.0),
            NormalizeDegrees(125.04452 - 1934.136261 * t + 0.0020708 * t2 + t3 / 450000.0)};
}

// The fundamental arguments of the 2000B series at jd: t, and l, l', F, D,
// Omega in radians.
struct Fundamentals2000B {
    double t, l, lp, f, d, om;
};

Fundamentals2000B Fundamentals2000BAt(double jd) {
    const double t = (jd - 2451545.0) / 36525.0;
    const double t2 = t * t;
    const double t3 = t2 * t;
    const double t4 = t3 * t;
    return {t,
            DegToRad((485868.249036 + 1717915923.2178 * t + 31.8792 * t2 + 0.051635 * t3 -
                      0.0002447 * t4) /
                     3600.0),
            DegToRad((1287104.79305 + 129596581.0481 * t - 0.5532 * t2 + 0.000136 * t3 -
                      0.00001149 * t4) /
                     3600.0),
            DegToRad((335779.526232 + 1739527262.8478 * t - 12.7512 * t2 - 0.001037 * t3 +
                      0.00000417 * t4) /
                     3600.0),
            DegToRad((1072260.70369 + 1602961601.209 * t - 6.3706 * t2 + 0.006593 * t3 -
                      0.00003169 * t4) /
                     3600.0),
            DegToRad(
                (450160.398036 - 6962890.5431 * t + 7.4722 * t2 + 0.007702 * t3 - 0.00005939 * t4) /
                3600.0)};
}

// One pass over the series: the 1980 series at one instant and the 2000B
// series at up to two, laid out in the arrays of a pass as the padded terms
// of the 1980 series (when present), then of each 2000B instant.
struct NutationPass {
    bool with1980 = false;
    Fundamentals1980 at1980{};
    int count2000B = 0;
    Fundamentals2000B at2000B[2]{};

    int Size() const { return (with1980 ? kPadded1980 : 0) + count2000B * kPadded2000B; }
};

// Eight doubles, lowered by the compiler to the vector registers of the
// function's instruction set (four SSE2 registers, two AVX2 ones or one
// AVX-512 one); each lane computes exactly the scalar expression. V8 reads
// and writes them in place in the arrays of doubles (which they may alias).
typedef double Vec8 __attribute__((vector_size(64), aligned(8), may_alias));

[[gnu::always_inline]] inline const Vec8& V8(const double* p) {
    return *reinterpret_cast<const Vec8*>(p);
}
[[gnu::always_inline]] inline Vec8& V8(double* p) {
    return *reinterpret_cast<Vec8*>(p);
}

// The arguments of every term of the pass, radians: for the 1980 series
// DegToRad(kD D + kM M + kMp M' + kF F + kOmega Omega), for the 2000B series
// l l + lp l' + F F + D D + Om Omega, each in that order.
[[gnu::always_inline]] inline void PassArguments(const NutationPass& pass, double* arguments) {
    double* out = arguments;
    if (pass.with1980) {
        const Columns1980& k = Table1980();
        const Fundamentals1980& a = pass.at1980;
        for (int i = 0; i < kPadded1980; i += 8) {
            const Vec8 x = V8(k.kD + i) * a.d + V8(k.kM + i) * a.m + V8(k.kMp + i) * a.mp +
                           V8(k.kF + i) * a.f + V8(k.kOmega + i) * a.om;
            V8(out + i) = x * 0.017453292519943295;  // DegToRad
        }
        out += kPadded1980;
    }
    const Columns2000B& k = Table2000B();
    for (int j = 0; j < pass.count2000B; ++j) {
        const Fundamentals2000B& a = pass.at2000B[j];
        for (int i = 0; i < kPadded2000B; i += 8) {
            V8(out + i) = V8(k.l + i) * a.l + V8(k.lp + i) * a.lp + V8(k.F + i) * a.f +
                          V8(k.D + i) * a.d + V8(k.Om + i) * a.om;
        }
        out += kPadded2000B;
    }
}

// The terms of every series of the pass from the sines and cosines of their
// arguments: the nutation in longitude (psi) and in obliquity (eps), for the
// 1980 series in arcseconds, sin (psiA + psiB t) 0.0001 and
// cos (epsC + epsD t) 0.0001, for the 2000B series in 0.1 microarcsecond,
// (psiSin + psiSinT t) sin + psiCos cos and (epsCos + epsCosT t) cos + epsSin sin.
[[gnu::always_inline]] inline void PassTerms(const NutationPass& pass, const double* sines,
                                             const double* cosines, double* psi, double* eps) {
    int offset = 0;
    if (pass.with1980) {
        const Columns1980& k = Table1980();
        const double t = pass.at1980.t;
        for (int i = 0; i < kPadded1980; i += 8) {
            V8(psi + i) = V8(sines + i) * (V8(k.psiA + i) + V8(k.psiB + i) * t) * 0.0001;
            V8(eps + i) = V8(cosines + i) * (V8(k.epsC + i) + V8(k.epsD + i) * t) * 0.0001;
        }
        offset = kPadded1980;
    }
    const Columns2000B& k = Table2000B();
    for (int j = 0; j < pass.count2000B; ++j) {
        const double t = pass.at2000B[j].t;
        for (int i = 0; i < kPadded2000B; i += 8) {
            const Vec8 sine = V8(sines + offset + i);
            const Vec8 cosine = V8(cosines + offset + i);
            V8(psi + offset + i) =
                (V8(k.psiSin + i) + V8(k.psiSinT + i) * t) * sine + V8(k.psiCos + i) * cosine;
            V8(eps + offset + i) =
                (V8(k.epsCos + i) + V8(k.epsCosT + i) * t) * cosine + V8(k.epsSin + i) * sine;
        }
        offset += kPadded2000B;
    }
}

// Both loops compiled for each instruction set of the series kernels.
void ArgumentsBaseline(const NutationPass& pass, double* arguments) {
    PassArguments(pass, arguments);
}
__attribute__((target("avx2"))) void ArgumentsAvx2(const NutationPass& pass, double* arguments) {
    PassArguments(pass, arguments);
}
__attribute__((target("avx512f"))) void ArgumentsAvx512(const NutationPass& pass,
                                                        double* arguments) {
    PassArguments(pass, arguments);
}
void TermsBaseline(const NutationPass& pass, const double* sines, const double* cosines,
                   double* psi, double* eps) {
    PassTerms(pass, sines, cosines, psi, eps);
}
__attribute__((target("avx2"))) void TermsAvx2(const NutationPass& pass, const double* sines,
                                               const double* cosines, double* psi, double* eps) {
    PassTerms(pass, sines, cosines, psi, eps);
}
__attribute__((target("avx512f"))) void TermsAvx512(const NutationPass& pass, const double* sines,
                                                    const double* cosines, double* psi,
                                                    double* eps) {
    PassTerms(pass, sines, cosines, psi, eps);
}

// The largest pass: the 1980 series and the 2000B series at two instants.
constexpr int kMaxPass = kPadded1980 + 2 * kPadded2000B;

// The terms of a pass: arguments, their sines and cosines with the kernel,
// and the terms. The arithmetic of each term is the same whatever the
// instruction set of the loops; only the sines and cosines depend on the
// kernel.
void EvaluatePass(const NutationPass& pass, double* psi, double* eps) {
    const SeriesKernel kernel = ActiveSeriesKernel();
    const int n = pass.Size();
    alignas(64) double arguments[kMaxPass];
    switch (kernel) {
        case SeriesKernel::kAvx512:
            ArgumentsAvx512(pass, arguments);
            break;
        case SeriesKernel::kAvx2:
            ArgumentsAvx2(pass, arguments);
            break;
        default:
            ArgumentsBaseline(pass, arguments);
            break;
    }
    alignas(64) double sines[kMaxPass];
    alignas(64) double cosines[kMaxPass];
    Sines(kernel, arguments, sines, static_cast<std::size_t>(n));
    Cosines(kernel, arguments, cosines, static_cast<std::size_t>(n));
    switch (kernel) {
        case SeriesKernel::kAvx512:
            TermsAvx512(pass, sines, cosines, psi, eps);
            break;
        case SeriesKernel::kAvx2:
            TermsAvx2(pass, sines, cosines, psi, eps);
            break;
        default:
            TermsBaseline(pass, sines, cosines, psi, eps);
            break;
    }
}

// The sum of the first n terms in stored order.
double SumInOrder(const double* terms, int n) {
    double sum = 0.0;
    for (int i = 0; i < n; ++i) {
        sum += terms[i];
    }
    return sum;
}

}  // namespace

Nutation1980 Nutation1980Both(double jde) {
    NutationPass pass;
    pass.with1980 = true;
    pass.at1980 = Fundamentals1980At(jde);
    alignas(64) double psi[kMaxPass];
    alignas(64) double eps[kMaxPass];
    EvaluatePass(pass, psi, eps);
    return {SumInOrder(psi, kNutation1980TermCount), SumInOrder(eps, kNutation1980TermCount)};
}

double NutationLongitude1980(double jde) { return Nutation1980Both(jde).longitudeArcsec; }
double NutationObliquity1980(double jde) { return Nutation1980Both(jde).obliquityArcsec; }

double TrueObliquity(double jde) {
    return MeanObliquity(jde) + NutationObliquity1980(jde) / 3600.0;
}

Nutation2000B Nutation2000BBoth(double jd) {
    NutationPass pass;
    pass.count2000B = 1;
    pass.at2000B[0] = Fundamentals2000BAt(jd);
    alignas(64) double psi[kMaxPass];
    alignas(64) double eps[kMaxPass];
    EvaluatePass(pass, psi, eps);
    return {SumInOrder(psi, kNutation2000BTermCount) / 1e7,
            SumInOrder(eps, kNutation2000BTermCount) / 1e7};
}

SunNutations NutationsForSun(double jde, double jd) {
    NutationPass pass;
    pass.with1980 = true;
    pass.at1980 = Fundamentals1980At(jde);
    pass.count2000B = 2;
    pass.at2000B[0] = Fundamentals2000BAt(jde);
    pass.at2000B[1] = Fundamentals2000BAt(jd);
    alignas(64) double psi[kMaxPass];
    alignas(64) double eps[kMaxPass];
    EvaluatePass(pass, psi, eps);
    // Each series summed in stored order, the six sums side by side.
    constexpr int atJde = kPadded1980;
    constexpr int atJd = kPadded1980 + kPadded2000B;
    double sums[6] = {};
    for (int i = 0; i < kNutation2000BTermCount; ++i) {
        if (i < kNutation1980TermCount) {
            sums[0] += psi[i];
            sums[1] += eps[i];
        }
        sums[2] += psi[atJde + i];
        sums[3] += eps[atJde + i];
        sums[4] += psi[atJd + i];
        sums[5] += eps[atJd + i];
    }
    return {{sums[0], sums[1]}, {sums[2] / 1e7, sums[3] / 1e7}, {sums[4] / 1e7, sums[5] / 1e7}};
}

double NutationLongitude2000B(double jd) { return Nutation2000BBoth(jd).longitudeArcsec; }
double NutationObliquity2000B(double jd) { return Nutation2000BBoth(jd).obliquityArcsec; }

}  // namespace tarvel
