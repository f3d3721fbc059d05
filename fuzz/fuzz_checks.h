// What every fuzz target demands of what it accepted: values within their
// ranges, refusals of one line. A violation stops the run with the input.
#pragma once

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "astro/observer.h"

namespace tarvel::fuzz {

[[noreturn]] inline void Fail(const char* what, double value) {
    std::fprintf(stderr, "fuzz check failed: %s = %.17g\n", what, value);
    std::abort();
}

inline void ExpectWithin(const char* what, double value, double low, double high) {
    if (!(value >= low && value <= high)) Fail(what, value);
}

inline void ExpectWithin(const char* what, double value, ValueBounds bounds) {
    ExpectWithin(what, value, bounds.low, bounds.high);
}

// The observer's settings lie within the bounds every input path applies.
inline void ExpectObserverWithinBounds(const ObserverSettings& s) {
    ExpectWithin("latitude", s.latitude, kLatitudeBounds);
    ExpectWithin("longitude", s.longitude, kLongitudeBounds);
    ExpectWithin("height", s.height, kHeightBounds);
    ExpectWithin("refractionModel", static_cast<int>(s.refractionModel), 0, 1);
    ExpectWithin("pressure", s.pressure, kPressureBounds);
    ExpectWithin("temperature", s.temperature, kTemperatureBounds);
    ExpectWithin("refractionHeight", s.refractionHeight, kRefractionHeightBounds);
    ExpectWithin("humidity", s.humidity, kHumidityBounds);
    ExpectWithin("fajrAngle", s.fajrAngle, kPrayerAngleBounds);
    ExpectWithin("ishaAngle", s.ishaAngle, kPrayerAngleBounds);
    ExpectWithin("prayerMethod", static_cast<int>(s.prayerMethod), 0, 12);
    ExpectWithin("highLatitudeRule", static_cast<int>(s.highLatitudeRule), 0, 3);
    const PrayerAdjustments& a = s.prayerAdjustments;
    for (const int minutes : {a.fajr, a.sunrise, a.zuhr, a.asr, a.maghrib, a.isha}) {
        ExpectWithin("prayerAdjustments", minutes, kPrayerAdjustmentBounds);
    }
}

// A refusal is one line: text without a line break except a final one.
inline void ExpectOneLine(std::string_view message) {
    if (message.empty()) Fail("empty refusal", 0);
    const std::size_t newline = message.find('\n');
    if (newline != std::string_view::npos && newline + 1 != message.size()) {
        Fail("refusal of several lines, first break at", static_cast<double>(newline));
    }
}

}  // namespace tarvel::fuzz
