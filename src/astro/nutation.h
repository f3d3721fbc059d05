// Nutation and the obliquity of the ecliptic. Two models side by side: the
// 63-term series of the 1980 theory (apparent Sun, equation of time) and the
// 77 luni-solar terms of IAU 2000B (equation of the equinoxes only).
//
// Given:    a Julian Day (JDE for the 1980 series and the obliquity, the UT
//           Julian Day for the sidereal time's 2000B nutation).
// Returned: nutation in longitude and in obliquity in arcseconds; mean and
//           true obliquity in degrees.
// Notes:    the sines and cosines of all terms come from one call each of
//           Sines and Cosines with ActiveSeriesKernel() (series_kernel.h):
//           glibc's vector functions by default, std::sin and std::cos with
//           TARVEL_SCALAR_SERIES=1. Either way the terms are summed in stored
//           order with the same arithmetic; only the sines and cosines differ
//           (in their last bits).
// References: the 1980 IAU theory of nutation (J. M. Wahr, Geophys. J. R.
//           Astron. Soc. 64, 705, 1981; P. K. Seidelmann, Celest. Mech. 27,
//           79, 1982), terms of at least 0.0003" as in Meeus ch. 22, table
//           22.A; mean obliquity after J. Laskar, Astron. Astrophys. 157, 59
//           (1986), Meeus eq. 22.3; IAU 2000B: McCarthy and Luzum (2003),
//           IERS Conventions 2003, ch. 5.
#pragma once

namespace tarvel {

// One row of the 63-term series. Coefficients in 0.0001 arcsecond; psiB and
// epsD per Julian century.
struct Nutation1980Term {
    int kD, kM, kMp, kF, kOmega;
    int psiA;
    double psiB;
    int epsC;
    double epsD;
};

// One IAU 2000B luni-solar term: multipliers of l, l', F, D, Omega, and
// coefficients in 0.1 microarcsecond.
struct Nutation2000BTerm {
    int l, lp, F, D, Om;
    double psiSin, psiSinT, psiCos;
    double epsCos, epsCosT, epsSin;
};

inline constexpr int kNutation1980TermCount = 63;
inline constexpr int kNutation2000BTermCount = 77;
extern const Nutation1980Term kNutation1980Terms[kNutation1980TermCount];
extern const Nutation2000BTerm kNutation2000BTerms[kNutation2000BTermCount];

// Laskar's mean obliquity in degrees.
double MeanObliquity(double jde);
// Mean obliquity plus the 63-term nutation in obliquity, degrees.
double TrueObliquity(double jde);
// 63-term nutation in longitude, arcseconds.
double NutationLongitude1980(double jde);
// 63-term nutation in obliquity, arcseconds.
double NutationObliquity1980(double jde);

// Both 63-term sums from one pass over the table (the same arithmetic as the
// two functions above, to the last bit).
struct Nutation1980 {
    double longitudeArcsec;
    double obliquityArcsec;
};
Nutation1980 Nutation1980Both(double jde);

// IAU 2000B nutation in longitude and in obliquity, arcseconds.
double NutationLongitude2000B(double jd);
double NutationObliquity2000B(double jd);

struct Nutation2000B {
    double longitudeArcsec;
    double obliquityArcsec;
};
Nutation2000B Nutation2000BBoth(double jd);

// The three nutations one Sun position needs, from one pass over both tables
// (one call each of Sines and Cosines for all their terms, the sums of the
// series run side by side): the 1980 series at jde (apparent place) and the
// 2000B series at jde and at jd (the sidereal times of the topocentric place
// and of the reported time). Each is bit for bit the value of
// Nutation1980Both(jde), Nutation2000BBoth(jde) and Nutation2000BBoth(jd).
struct SunNutations {
    Nutation1980 apparentPlace;  // 1980 series at jde
    Nutation2000B atJde;         // 2000B series at jde
    Nutation2000B atJd;          // 2000B series at jd
};
SunNutations NutationsForSun(double jde, double jd);

}  // namespace tarvel
