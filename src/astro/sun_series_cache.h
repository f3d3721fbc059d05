// The Sun's slow quantities (the Earth's L, B and R, the 1980 and 2000B
// nutations) from the full series at one instant, or from Chebyshev series
// fitted to them over spans of days, kept in a process-wide cache.
//
// Given:    a Julian Ephemeris Day (L, B, the 1980 nutation) and a Julian Day
//           (R and the 2000B nutation), as one Sun position reads them.
// Returned: L and B in radians (L as the series sum it, not reduced), R in
//           astronomical units, the nutations in arcseconds.
// Notes:    the full series (SunSeriesFull) are the reference and give the
//           values of earth_position.h and nutation.h to the last bit. The
//           interpolated values (SunSeriesInterpolated) come from a span of
//           kSunSpanDays days that contains the instant: each of the seven
//           quantities is the polynomial of degree kSunSpanNodes - 1 that
//           takes the full series' values at the span's Chebyshev-Lobatto
//           points (both ends included), so two neighbouring spans meet in
//           the value of the full series at their common end. Over 1900-2100
//           the interpolated values stay within 1e-5" of the full series in
//           L, B and both nutations (the largest difference seen, 1.4e-6" in
//           L, is the scatter of the vector kernels' own sums about the
//           smooth function) and within 1e-12 AU in R (tests). A span is
//           computed from the full series the first time any thread needs it
//           (kSunSpanNodes evaluations) and kept for the process; the cache
//           is safe to use from any number of threads, and a span's values do
//           not depend on which thread made it or when (its full evaluations
//           use the series kernel active then; the kernels agree within
//           1e-11 rad). Instants outside
//           JD -10^8 ... 10^8 (and not-a-number) take the full series.
//
//           Selection: with TARVEL_FULL_SERIES=1 in the environment (read
//           once, at the first use) SunSeriesInterpolated gives the full
//           series' values; SetSunSeriesInterpolation changes that for the
//           whole process (tests and benchmarks compare both in one run).
// References: J. C. Mason and D. C. Handscomb, Chebyshev Polynomials (2003),
//           ch. 6 (interpolation at the Chebyshev-Lobatto points, the
//           discrete cosine transform of the first kind) and ch. 2
//           (Clenshaw's recurrence); X X Newhall, "Numerical representation
//           of planetary ephemerides", Celest. Mech. 45, 305 (1989) (the
//           ephemeris as Chebyshev series over fixed spans).
#pragma once

#include <cstdint>

#include "astro/apparent_sun.h"
#include "astro/earth_position.h"
#include "astro/nutation.h"

namespace tarvel {

// What one Sun position reads of the series.
struct SunSeriesValues {
    EarthSeriesSums earth;   // L, B at jde; R at jd
    SunNutations nutations;  // 1980 at jde; 2000B at jde and at jd
};

// The full series, with the active series kernel: EarthHeliocentricSums(jde,
// jd) and NutationsForSun(jde, jd).
SunSeriesValues SunSeriesFull(double jde, double jd);

// The same from the cached Chebyshev spans (the full series when
// interpolation is switched off).
SunSeriesValues SunSeriesInterpolated(double jde, double jd);

inline constexpr double kSunSpanDays = 8.0;  // a power of two: span ends are exact
inline constexpr int kSunSpanNodes = 17;     // Chebyshev-Lobatto points per span

// Whether SunSeriesInterpolated interpolates: false when TARVEL_FULL_SERIES=1
// at the first call, until SetSunSeriesInterpolation changes it.
bool SunSeriesInterpolation();
void SetSunSeriesInterpolation(bool interpolate);

// Sets the interpolation for a scope and restores the previous choice at its end.
class ScopedSunSeriesInterpolation {
  public:
    explicit ScopedSunSeriesInterpolation(bool interpolate);
    ~ScopedSunSeriesInterpolation();
    ScopedSunSeriesInterpolation(const ScopedSunSeriesInterpolation&) = delete;
    ScopedSunSeriesInterpolation& operator=(const ScopedSunSeriesInterpolation&) = delete;

  private:
    bool previous_;
};

// Where a Sun position takes its series from.
enum class SunSeriesSource {
    kFull,          // SunSeriesFull: the value of every documented result
    kInterpolated,  // SunSeriesInterpolated: the searches' many evaluations
};

// SunPosition (apparent_sun.h) at a site made by SunSiteAt with the series
// from `source`; with kFull the same values as SunPosition to the last bit.
SunState SunPosition(int year, int month, int day, int hour, int minute, double second,
                     std::int16_t zoneHours, int zoneMinutes, const SunSite& site, double deltaT,
                     bool deltaTGiven, SunSeriesSource source);

// The seven interpolated quantities, in this order.
enum class SunSlowQuantity {
    kLongitudeRad,
    kLatitudeRad,
    kRadiusAu,
    kNutationLongitude1980,
    kNutationObliquity1980,
    kNutationLongitude2000B,
    kNutationObliquity2000B,
};
inline constexpr int kSunSlowQuantityCount = 7;

// The index of the span that holds instant x: spans are [a, a + kSunSpanDays)
// with a = J2000.0 + index * kSunSpanDays.
std::int64_t SunSpanIndex(double x);
// One quantity of span `index` at x, for any x of the closed span [a, a +
// kSunSpanDays] (so that both spans can be read at their common end).
double SunSpanValue(std::int64_t index, SunSlowQuantity quantity, double x);
// The same quantity from the full series at x.
double SunSlowQuantityFull(SunSlowQuantity quantity, double x);

}  // namespace tarvel
