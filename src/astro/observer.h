// The observer, defined once: where they stand, the air their refraction
// models see, and the Sun's altitudes that define Fajr and Isha. The request
// of one computation, the table's parameters and the application's stored
// settings are composed of these records.
#pragma once

#include "astro/refraction.h"

namespace tarvel {

// Latitude positive north, longitude positive WEST (east negative), degrees;
// height above sea level in metres (the apparent horizon's dip only).
struct ObserverSite {
    double latitude = 45.0;   // -90 ... 90
    double longitude = -8.0;  // -180 ... 180
    double height = 0.0;

    friend bool operator==(const ObserverSite&, const ObserverSite&) = default;
};

// The refraction model and its atmosphere.
struct Atmosphere {
    RefractionModel refractionModel = kRefractionBennett;
    double refractionHeight = 100.0;  // metres, for the integration model
    double humidity = 20.0;           // percent, for the integration model
    double pressure = 1010.0;         // mbar, both models
    double temperature = 10.0;        // deg C, both models

    friend bool operator==(const Atmosphere&, const Atmosphere&) = default;
};

// Altitudes of the Sun's centre, degrees (negative), that define Fajr and Isha.
struct PrayerAngles {
    double fajrAngle = -19.0;
    double ishaAngle = -17.0;

    friend bool operator==(const PrayerAngles&, const PrayerAngles&) = default;
};

// All three: what persists for the observer from one run to the next.
struct ObserverSettings : ObserverSite, Atmosphere, PrayerAngles {
    friend bool operator==(const ObserverSettings&, const ObserverSettings&) = default;
};

// The values accepted for an observer, wherever they come in (the windows,
// the command-line tool, the stored settings): physically meaningful ones.
// Not-a-number lies in no range.
struct ValueBounds {
    double low;
    double high;
    bool Contains(double value) const { return value >= low && value <= high; }
};

inline constexpr ValueBounds kLatitudeBounds{-90.0, 90.0};
inline constexpr ValueBounds kLongitudeBounds{-180.0, 180.0};
// From below the Dead Sea's shore to above the highest summits.
inline constexpr ValueBounds kHeightBounds{-1000.0, 20000.0};
// Air pressure, mbar: from high in the atmosphere to above any sea-level record.
inline constexpr ValueBounds kPressureBounds{20.0, 1200.0};
// Air temperature, deg C: about the extremes ever recorded at the surface.
inline constexpr ValueBounds kTemperatureBounds{-90.0, 60.0};
inline constexpr ValueBounds kRefractionHeightBounds{0.0, 10000.0};
inline constexpr ValueBounds kHumidityBounds{0.0, 100.0};
// The Sun's altitude at Fajr or Isha: below the horizon.
inline constexpr ValueBounds kPrayerAngleBounds{-90.0, 0.0};

// Copies what the preferences dialog edits (refraction model and atmosphere,
// prayer angles); the site is left alone.
inline void CopyPreferences(const ObserverSettings& from, ObserverSettings& to) {
    static_cast<Atmosphere&>(to) = from;
    static_cast<PrayerAngles&>(to) = from;
}

}  // namespace tarvel
