#include "astro/angles.h"

#include <cmath>
#include <cstdint>

#include "astro/constants.h"

namespace tarvel {

namespace {

// Below this magnitude Remainder takes its quotient in integer arithmetic.
constexpr double kQuotientLimit = 1099511627776.0;  // 2^40

// std::fmod(x, period) for a period of 24 or 360: the exact remainder, with the
// sign of x. Below 2^40 it is x - q period with q the quotient cut towards zero,
// corrected by one period where the rounded division was one off: q period is
// a multiple of 8 and so of the unit in the last place of x, and the
// difference, smaller than x in magnitude, is then exact, as is the correction
// (the remainder itself is a double). The same bits as fmod, without its loop.
double Remainder(double x, double period) {
    if (!(std::fabs(x) < kQuotientLimit)) return std::fmod(x, period);
    const double q = static_cast<double>(static_cast<std::int64_t>(x / period));
    double r = x - q * period;
    if (x > 0.0) {
        if (r < 0.0) r += period;
        if (r >= period) r -= period;
    } else {
        if (r > 0.0) r -= period;
        if (r <= -period) r += period;
        if (r == 0.0) r = -0.0;  // fmod keeps the sign of x
    }
    return r;
}

// Brings x into [0, period] by whole periods: values below 0 move up into
// [0, period), values above period move down into (0, period]. Each whole-period
// step of the plain loop is exact in double arithmetic, so the exact remainder
// of fmod gives the same bits without looping.
double NormalizeInto(double x, double period) {
    if (!std::isfinite(x)) return std::nan("");
    if (x < 0.0) {
        const double r = Remainder(x, period);  // exact, in (-period, 0]
        if (r < 0.0) return r + period;
        return 0.0;
    }
    if (x > period) {
        const double r = Remainder(x, period);  // exact, in [0, period)
        return r == 0.0 ? period : r;
    }
    return x;
}

}  // namespace

double NormalizeHours(double hours) { return NormalizeInto(hours, 24.0); }
double NormalizeDegrees(double degrees) { return NormalizeInto(degrees, 360.0); }

double WrapRadians(double radians) {
    const double twoPi = 2.0 * kPi;
    const double r = std::fmod(radians, twoPi);
    if (std::fabs(r) < kPi) return r;
    return radians < 0.0 ? r + twoPi : r - twoPi;
}

}  // namespace tarvel
