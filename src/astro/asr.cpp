#include "astro/asr.h"

#include <cmath>

#include "astro/constants.h"
#include "astro/solar_events.h"

namespace tarvel {

namespace {

const double kDegToRad = kPi / 180.0;
const double kRadToDeg = 180.0 / kPi;

}  // namespace

double AsrAltitude(double k, double dec, double latitude) {
    const double zenithAtNoon = std::fabs(latitude - dec);
    if (zenithAtNoon >= 90.0) return std::nan("");
    return std::atan(1.0 / (k + std::tan(zenithAtNoon * kDegToRad))) * kRadToDeg;
}

double AsrApparentTime(double k, double dec, double latitude) {
    const double zenithAtNoon = std::fabs(latitude - dec);  // noon zenith distance, degrees
    if (zenithAtNoon >= 90.0) return std::nan("");          // the Sun does not rise
    const double g = Sign(latitude);
    double hA;
    if (latitude != 0.0 && SameSign(latitude - dec, latitude)) {
        // Culmination on the equator's side of the zenith: the noon altitude is
        // 90 - |phi| + g dec, and cot hA = k + cot X.
        const double x = 90.0 - std::fabs(latitude) + g * dec;
        const double a = std::tan(x * kDegToRad);
        hA = std::atan(a / (k * a + 1.0)) * kRadToDeg;
        const double cosH =
            (std::sin(hA * kDegToRad) -
             std::sin(std::fabs(latitude) * kDegToRad) * std::sin(g * dec * kDegToRad)) /
            (std::cos(std::fabs(latitude) * kDegToRad) * std::cos(g * dec * kDegToRad));
        return 12.0 + std::acos(cosH) * kRadToDeg / 15.0;
    }
    // Anywhere else (pole's side of the zenith, the zenith itself, the equator)
    // the noon shadow is tan|phi - dec| times the object: cot hA = k + tan|phi - dec|.
    hA = std::atan(1.0 / (k + std::tan(zenithAtNoon * kDegToRad))) * kRadToDeg;
    return 12.0 + HourAngleAtAltitude(hA, dec, latitude);
}

}  // namespace tarvel
