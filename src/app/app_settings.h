// The settings that survive from one run to the next: the observer's site, the
// refraction settings and the Sun altitudes of the Fajr and Isha prayers.
//
// A plain record without Qt, owned by the application object; the main window
// works on a copy and the preferences dialog on the main window's copy.
#pragma once

#include "astro/refraction.h"

namespace tarvel {

// Field names as in SolarRequest. Latitude positive north, longitude positive
// WEST (east negative), heights in metres.
struct AppSettings {
    double latitude = 45.0;                                // degrees, -90 ... 90
    double longitude = -8.0;                               // degrees, -180 ... 180
    double height = 0.0;                                   // observer above sea level, metres
    RefractionModel refractionModel = kRefractionBennett;  // 0 Bennett, 1 integration
    double pressure = 1010.0;                              // mbar
    double temperature = 10.0;                             // deg C
    double refractionHeight = 100.0;                       // metres, for the integration model
    double humidity = 20.0;                                // percent
    double fajrAngle = -19.0;                              // Sun altitude at Fajr, degrees
    double ishaAngle = -17.0;                              // Sun altitude at Isha, degrees

    friend bool operator==(const AppSettings&, const AppSettings&) = default;
};

// Copies the seven values the preferences dialog edits (refraction model and
// atmosphere, prayer angles); the site is left alone.
inline void CopyPreferences(const AppSettings& from, AppSettings& to) {
    to.refractionModel = from.refractionModel;
    to.pressure = from.pressure;
    to.temperature = from.temperature;
    to.refractionHeight = from.refractionHeight;
    to.humidity = from.humidity;
    to.fajrAngle = from.fajrAngle;
    to.ishaAngle = from.ishaAngle;
}

}  // namespace tarvel
