// Shared inputs of the table tests.
#pragma once

#include <string>
#include <vector>

#include "astro/solar_computation.h"
#include "table/table_layout.h"
#include "support/table_support.h"
#include "table/table_parameters.h"

namespace tarvel::table_test {

// A result with plain, distinct values in every field, so each cell of a row is
// easy to recognise.
inline SolarResult PlainResult() {
    SolarResult r;
    r.julianDay = 2461018.5;
    r.deltaT = 69.2;
    r.gmst = 5.5;
    r.lmst = 6.25;
    r.equationOfTime = 5.25;
    r.longitudeDifference = -2.5;
    r.meanLocalTime = 12.5;
    r.trueLocalTime = 12.75;
    r.trueZoneTime = 12.25;
    r.italianHours = 18.5;
    r.babylonianHours = 4.5;
    r.temporalHours = 6.0;
    r.hoursToSunset = 5.5;
    r.eclipticLongitude = 257.5;
    r.eclipticLatitude = -0.0001;
    r.rightAscension = 17.125;
    r.declination = -22.75;
    r.topoRightAscension = 17.1251;
    r.topoDeclination = -22.7525;
    r.azimuth = -0.5;
    r.altitude = 21.5;
    r.refraction = 0.04;
    r.refractedAltitude = 21.54;
    r.transit = 11.75;
    r.transitAltitude = 22.0;
    r.transitRefraction = 0.04;
    r.geometricRise = 7.5;
    r.geometricRiseAzimuth = -57.25;
    r.geometricSet = 16.5;
    r.geometricSetAzimuth = 57.25;
    r.geometricDaylight = 9.0;
    r.apparentRise = 7.25;
    r.apparentRiseAzimuth = -58.0;
    r.apparentSet = 16.75;
    r.apparentSetAzimuth = 58.0;
    r.apparentDaylight = 9.5;
    r.fajr = 5.75;
    r.asr1 = 14.0;
    r.asr2 = 14.5;
    r.isha = 18.25;
    r.qiblaAzimuth = 43.5;
    r.qiblaTime = 9.5;
    r.occurs = {true, true, true, true, true, true, true, true, true, true};
    return r;
}

inline TableRow PlainRow(ClockInstant instant = {2025, 12, 9, 12, 0, 0.0}) {
    return TableRow{instant, PlainResult(), true, {}};
}

// Milan from 2024-02-28 18:00 on the UTC+1 clock, 120 m, steps of 30 hours:
// the tables' common fixture.
inline TableParameters MilanParameters(int pointCount) {
    return test_support::MilanTable(pointCount);
}

// Splits a text at CR LF; a last line without CR LF is kept as it is.
inline std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find("\r\n", start);
        if (end == std::string::npos) {
            lines.push_back(text.substr(start));
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

}  // namespace tarvel::table_test
