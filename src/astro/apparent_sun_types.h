// The small coordinate records of the apparent Sun's pipeline.
//
// Given:    (data types) values produced by apparent_sun.h.
// Returned: EquatorialCoords: right ascension in hours and declination in
//           degrees; EclipticOffset: the offsets of ecliptic longitude and
//           latitude in degrees (the annual aberration).
// Notes:    plain aggregates of doubles, no invariants; right ascension in
//           [0, 24) as EclipticToEquatorial gives it, declination north
//           positive, longitude offsets positive towards increasing longitude.
// References: Meeus ch. 13 (equatorial coordinates from ecliptic ones) and
//           ch. 23 (annual aberration in longitude and latitude).
#pragma once

namespace tarvel {

// Right ascension in hours and declination in degrees.
struct EquatorialCoords {
    double ra;
    double dec;
};

// Aberration offsets in degrees.
struct EclipticOffset {
    double dLongitude;
    double dLatitude;
};

}  // namespace tarvel
