#include "format/format_texts.h"

#include <cmath>
#include <cstdlib>

#include "format/printf_text.h"
#include "format/sexagesimal.h"

namespace tarvel {

namespace {

// Magnitude of a part. The split operations keep every part within
// ±2147483647, so the negation cannot overflow.
int Magnitude(std::int32_t part) {
    return std::abs(part);
}

// Largest count of minutes (equation of time) or hours (longitude difference)
// that the own splits below convert to an integer.
constexpr double kMaxCount = 2147483647.0;

}  // namespace

std::string FormatTimeOfDay(double hours) {
    const SexagesimalParts parts = SplitHours(hours);
    return PrintfText(" %02d:%02d:%04.1lf", Magnitude(parts.whole), Magnitude(parts.minutes),
                      std::fabs(parts.seconds));
}

std::string FormatClockReading(std::int32_t hour, std::int32_t minute, double second) {
    return PrintfText(" %02d:%02d:%04.1lf", hour, minute, second);
}

std::string FormatRightAscension(double hours) {
    const SexagesimalParts parts = SplitHours(hours);
    const int h = Magnitude(parts.whole);
    const int m = Magnitude(parts.minutes);
    const double s = std::fabs(parts.seconds);
    if (hours < 0.0) {
        return PrintfText("-%02d:%02d:%04.1lf (%+2.6f)", h, m, s, hours);
    }
    return PrintfText(" %02d:%02d:%04.1lf (%+2.6f)", h, m, s, hours);
}

std::string FormatEquationOfTime(double seconds) {
    std::int32_t minutes = 0;
    double restSeconds = seconds;
    if (std::fabs(seconds / 60.0) < kMaxCount) {
        minutes = static_cast<std::int32_t>(seconds / 60.0);
        restSeconds = seconds - minutes * 60.0;
    }
    const int m = Magnitude(minutes);
    const double s = std::fabs(restSeconds);
    if (seconds < 0.0) {
        return PrintfText("-%02d:%02d:%04.1lf (%+2.1f s)", 0, m, s, seconds);
    }
    return PrintfText(" %02d:%02d:%04.1lf (%+2.1f s)", 0, m, s, seconds);
}

std::string FormatLongitudeDifferenceTime(double degrees) {
    const double timeSeconds = degrees * 240.0;
    std::int32_t hours = 0;
    std::int32_t minutes = 0;
    double seconds = timeSeconds;
    if (std::fabs(timeSeconds / 3600.0) < kMaxCount) {
        hours = static_cast<std::int32_t>(timeSeconds / 3600.0);
        minutes = static_cast<std::int32_t>(timeSeconds / 60.0 - hours * 60.0);
        seconds = timeSeconds - minutes * 60.0 - hours * 3600.0;
    }
    const int h = Magnitude(hours);
    const int m = Magnitude(minutes);
    const double s = std::fabs(seconds);
    if (degrees > 0.0) {
        return PrintfText("-%02d:%02d:%04.1lf", h, m, s);
    }
    return PrintfText(" %02d:%02d:%04.1f", h, m, s);
}

std::string FormatHorizontalAngle(double degrees) {
    const SexagesimalParts parts = SplitDegrees(degrees);
    const int d = Magnitude(parts.whole);
    const int m = Magnitude(parts.minutes);
    const double s = std::fabs(parts.seconds);
    if (degrees < 0.0) {
        return PrintfText(" -%02d°%02d'%04.1lf\"  (%+2.6f)", d, m, s, degrees);
    }
    return PrintfText("  %02d°%02d'%04.1lf\"  (%+2.6f)", d, m, s, degrees);
}

std::string FormatEclipticAngle(double degrees) {
    const SexagesimalParts parts = SplitDegrees(degrees);
    const int d = Magnitude(parts.whole);
    const int m = Magnitude(parts.minutes);
    const double s = std::fabs(parts.seconds);
    if (degrees < 0.0) {
        return PrintfText("-%02d°%02d'%04.1lf\" (%+2.6f)", d, m, s, degrees);
    }
    return PrintfText(" %02d°%02d'%04.1lf\" (%+2.6f)", d, m, s, degrees);
}

std::string FormatQiblaDirection(double degrees, std::string_view east, std::string_view west) {
    const SexagesimalParts parts = SplitDegrees(degrees);
    const std::string word(degrees >= 0.0 ? east : west);
    return PrintfText("%02d°%02d'%04.1lf\"  %s", Magnitude(parts.whole), Magnitude(parts.minutes),
                      std::fabs(parts.seconds), word.c_str());
}

std::string FormatJulianDay(double julianDay) {
    return PrintfText("%.8lf", julianDay);
}

std::string FormatDeltaTShort(double seconds) {
    return PrintfText("%.1lf", seconds);
}

std::string FormatDeltaTModel(double seconds) {
    return PrintfText("%lf", seconds);
}

std::string FormatRefraction(double arcminutes) {
    return PrintfText("%.4lf'", arcminutes);
}

}  // namespace tarvel
