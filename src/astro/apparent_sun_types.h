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
