#include "table/table_columns.h"

namespace tarvel {

namespace {

using O = TableOptions;
using U = TableUnitKind;
using C = TableCellKind;
using R = SolarResult;

}  // namespace

// clang-format off
const std::array<TableColumn, 47> kTableColumns = {{
    {1, nullptr, {143, 0, 0}, U::Blank, 13, C::Date, nullptr, "Date"},
    {2, nullptr, {144, 0, 0}, U::Hours, 13, C::Time, nullptr, "Time"},
    {3, &O::showGmst, {103, 0, 0}, U::Hours, 13, C::SiderealTime,
     [](const R& r) { return r.gmst; }, "GMST"},
    {4, &O::showLmst, {104, 0, 0}, U::Hours, 13, C::SiderealTime,
     [](const R& r) { return r.lmst; }, "LMST"},
    {5, &O::showJulianDay, {105, 0, 0}, U::Blank, 18, C::JulianDay,
     [](const R& r) { return r.julianDay; }, "JulianDay"},
    {6, &O::showAzimuth, {106, 161, 0}, U::Angle, 13, C::Angle,
     [](const R& r) { return r.azimuth; }, "Azimuth"},
    {7, &O::showAltitude, {107, 0, 0}, U::Angle, 13, C::Angle,
     [](const R& r) { return r.altitude; }, "Altitude"},
    {8, &O::showAltitude, {108, 0, 0}, U::Refraction, 10, C::Refraction,
     [](const R& r) { return r.refraction; }, "Refraction"},
    {9, &O::showAltitude, {109, 162, 0}, U::Angle, 13, C::Angle,
     [](const R& r) { return r.refractedAltitude; }, "ApparentAltitude"},
    {10, &O::showDeltaT, {110, 0, 0}, U::Seconds, 8, C::DeltaT,
     [](const R& r) { return r.deltaT; }, "DeltaT"},
    {11, &O::showEquationOfTime, {111, 0, 0}, U::EquationOfTime, 13, C::EquationOfTime,
     [](const R& r) { return r.equationOfTime; }, "EquationOfTime"},
    {12, &O::showLongitudeDifference, {112, 163, 187}, U::Hours, 13, C::LongitudeDifference,
     [](const R& r) { return r.longitudeDifference; }, "LongitudeDifference"},
    {13, &O::showMeanLocalTime, {113, 164, 0}, U::Hours, 13, C::MeanLocalTime,
     [](const R& r) { return r.meanLocalTime; }, "MeanLocalTime"},
    {14, &O::showTrueZoneTime, {114, 165, 0}, U::Hours, 13, C::TrueSolarTime,
     [](const R& r) { return r.trueZoneTime; }, "TrueZoneTime"},
    {15, &O::showTrueLocalTime, {115, 166, 0}, U::Hours, 13, C::TrueSolarTime,
     [](const R& r) { return r.trueLocalTime; }, "TrueLocalTime"},
    {16, &O::showEclipticLatitude, {116, 167, 0}, U::Angle, 13, C::Angle,
     [](const R& r) { return r.eclipticLatitude; }, "EclipticLatitude"},
    {17, &O::showEclipticLongitude, {117, 168, 0}, U::Angle, 13, C::Angle,
     [](const R& r) { return r.eclipticLongitude; }, "EclipticLongitude"},
    {18, &O::showRightAscension, {118, 169, 0}, U::Hours, 13, C::HoursPlain,
     [](const R& r) { return r.rightAscension; }, "RightAscension"},
    {19, &O::showDeclination, {119, 170, 0}, U::Angle, 13, C::Angle,
     [](const R& r) { return r.declination; }, "Declination"},
    {20, &O::showTopoRightAscension, {120, 171, 0}, U::Hours, 13, C::SignedHours,
     [](const R& r) { return r.topoRightAscension; }, "TopoRightAscension"},
    {21, &O::showTopoDeclination, {121, 172, 0}, U::Angle, 13, C::Angle,
     [](const R& r) { return r.topoDeclination; }, "TopoDeclination"},
    {22, &O::showItalianHours, {122, 173, 0}, U::Hours, 13, C::HoursBlank,
     [](const R& r) { return r.italianHours; }, "ItalianHours"},
    {23, &O::showBabylonianHours, {123, 174, 0}, U::Hours, 13, C::HoursBlank,
     [](const R& r) { return r.babylonianHours; }, "BabylonianHours"},
    {24, &O::showTemporalHours, {124, 175, 0}, U::Hours, 13, C::TemporalHours,
     [](const R& r) { return r.temporalHours; }, "TemporalHours"},
    {25, &O::showGeometricTimes, {125, 176, 185}, U::Hours, 13, C::HoursBlank,
     [](const R& r) { return r.geometricRise; }, "GeometricRise",
     [](const R& r) { return r.occurs.geometricRise; }},
    {26, &O::showGeometricAzAlt, {152, 177, 185}, U::Angle, 13, C::Angle,
     [](const R& r) { return r.geometricRiseAzimuth; }, "GeometricRiseAzimuth"},
    {27, &O::showGeometricTimes, {126, 178, 185}, U::Hours, 13, C::HoursBlank,
     [](const R& r) { return r.transit; }, "GeometricTransit",
     [](const R& r) { return r.occurs.transit; }},
    {28, &O::showGeometricAzAlt, {153, 179, 185}, U::Angle, 13, C::Angle,
     [](const R& r) { return r.transitAltitude; }, "GeometricTransitAltitude"},
    {29, &O::showGeometricTimes, {127, 180, 185}, U::Hours, 13, C::HoursBlank,
     [](const R& r) { return r.geometricSet; }, "GeometricSet",
     [](const R& r) { return r.occurs.geometricSet; }},
    {30, &O::showGeometricAzAlt, {154, 181, 185}, U::Angle, 13, C::Angle,
     [](const R& r) { return r.geometricSetAzimuth; }, "GeometricSetAzimuth"},
    {31, &O::showGeometricTimes, {128, 182, 185}, U::Hours, 13, C::HoursBlank,
     [](const R& r) { return r.hoursToSunset; }, "HoursToSunset"},
    {32, &O::showGeometricDaylight, {129, 183, 185}, U::Hours, 13, C::HoursBlank,
     [](const R& r) { return r.geometricDaylight; }, "GeometricDaylight"},
    {33, &O::showApparentTimes, {125, 176, 186}, U::Hours, 13, C::HoursBlank,
     [](const R& r) { return r.apparentRise; }, "ApparentRise",
     [](const R& r) { return r.occurs.apparentRise; }},
    {34, &O::showApparentAzAlt, {152, 177, 186}, U::Angle, 13, C::Angle,
     [](const R& r) { return r.apparentRiseAzimuth; }, "ApparentRiseAzimuth"},
    {35, &O::showApparentTimes, {126, 178, 186}, U::Hours, 13, C::HoursBlank,
     [](const R& r) { return r.transit; }, "ApparentTransit",
     [](const R& r) { return r.occurs.transit; }},
    {36, &O::showApparentAzAlt, {153, 179, 186}, U::Angle, 13, C::Angle,
     [](const R& r) { return r.transitAltitude + r.transitRefraction; },
     "ApparentTransitAltitude"},
    {37, &O::showApparentTimes, {127, 180, 186}, U::Hours, 13, C::HoursBlank,
     [](const R& r) { return r.apparentSet; }, "ApparentSet",
     [](const R& r) { return r.occurs.apparentSet; }},
    {38, &O::showApparentAzAlt, {154, 181, 186}, U::Angle, 13, C::Angle,
     [](const R& r) { return r.apparentSetAzimuth; }, "ApparentSetAzimuth"},
    {39, &O::showApparentDaylight, {129, 183, 186}, U::Hours, 13, C::HoursBlank,
     [](const R& r) { return r.apparentDaylight; }, "ApparentDaylight"},
    {40, &O::showFajr, {136, 0, 0}, U::Hours, 13, C::HoursBlank,
     [](const R& r) { return r.fajr; }, "Fajr",
     [](const R& r) { return r.occurs.fajr; }},
    {41, &O::showZuhr, {137, 0, 0}, U::Hours, 13, C::HoursBlank,
     [](const R& r) { return r.transit; }, "Zuhr",
     [](const R& r) { return r.occurs.transit; }},
    {42, &O::showAsr, {138, 0, 0}, U::Hours, 13, C::HoursBlank,
     [](const R& r) { return r.asr1; }, "Asr1",
     [](const R& r) { return r.occurs.asr1; }},
    {43, &O::showAsr, {139, 0, 0}, U::Hours, 13, C::HoursBlank,
     [](const R& r) { return r.asr2; }, "Asr2",
     [](const R& r) { return r.occurs.asr2; }},
    {44, &O::showMaghrib, {140, 0, 0}, U::Hours, 13, C::HoursBlank,
     [](const R& r) { return r.geometricSet; }, "Maghrib",
     [](const R& r) { return r.occurs.geometricSet; }},
    {45, &O::showIsha, {141, 0, 0}, U::Hours, 13, C::HoursBlank,
     [](const R& r) { return r.isha; }, "Isha",
     [](const R& r) { return r.occurs.isha; }},
    {46, &O::showQibla, {142, 0, 0}, U::Angle, 19, C::QiblaAzimuth,
     [](const R& r) { return r.qiblaAzimuth; }, "QiblaAzimuth"},
    {47, &O::showQiblaTime, {155, 184, 0}, U::Hours, 13, C::QiblaTime,
     [](const R& r) { return r.qiblaTime; }, "QiblaTime",
     [](const R& r) { return r.occurs.qiblaTime; }},
}};
// clang-format on

std::vector<const TableColumn*> SelectedTableColumns(const TableOptions& options) {
    std::vector<const TableColumn*> columns;
    for (const TableColumn& column : kTableColumns) {
        if (column.flag == nullptr || options.*column.flag) {
            columns.push_back(&column);
        }
    }
    return columns;
}

}  // namespace tarvel
