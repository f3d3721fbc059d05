#include "table/table_columns.h"

namespace tarvel {

namespace {

using O = TableOptions;
using D = TableDayTimeColumns;
using U = TableUnitKind;
using C = TableCellKind;
using F = ResultFieldId;

}  // namespace

// clang-format off
const std::array<TableColumn, kTableColumnCount> kTableColumns = {{
    {1, nullptr, {143, 0, 0}, U::Blank, 13, C::Date, nullptr, "Date"},
    {2, nullptr, {144, 0, 0}, U::Hours, 13, C::Time, nullptr, "Time"},
    {3, &O::showGmst, {103, 0, 0}, U::Hours, 13, C::SiderealTime, &FieldOf(F::Gmst)},
    {4, &O::showLmst, {104, 0, 0}, U::Hours, 13, C::SiderealTime, &FieldOf(F::Lmst)},
    {5, &O::showJulianDay, {105, 0, 0}, U::Blank, 18, C::JulianDay, &FieldOf(F::JulianDay)},
    {6, &O::showAzimuth, {106, 161, 0}, U::Angle, 13, C::Angle, &FieldOf(F::Azimuth)},
    {7, &O::showAltitude, {107, 0, 0}, U::Angle, 13, C::Angle, &FieldOf(F::Altitude)},
    {8, &O::showAltitude, {108, 0, 0}, U::Refraction, 10, C::Refraction, &FieldOf(F::Refraction)},
    {9, &O::showAltitude, {109, 162, 0}, U::Angle, 13, C::Angle, &FieldOf(F::RefractedAltitude)},
    {10, &O::showDeltaT, {110, 0, 0}, U::Seconds, 8, C::DeltaT, &FieldOf(F::DeltaT)},
    {11, &O::showEquationOfTime, {111, 0, 0}, U::EquationOfTime, 13, C::EquationOfTime,
     &FieldOf(F::EquationOfTime)},
    {12, &O::showLongitudeDifference, {112, 163, 187}, U::Hours, 13, C::LongitudeDifference,
     &FieldOf(F::LongitudeDifference)},
    {13, &O::showMeanLocalTime, {113, 164, 0}, U::Hours, 13, C::MeanLocalTime,
     &FieldOf(F::MeanLocalTime)},
    {14, &O::showTrueZoneTime, {114, 165, 0}, U::Hours, 13, C::TrueSolarTime,
     &FieldOf(F::TrueZoneTime)},
    {15, &O::showTrueLocalTime, {115, 166, 0}, U::Hours, 13, C::TrueSolarTime,
     &FieldOf(F::TrueLocalTime)},
    {16, &O::showEclipticLatitude, {116, 167, 0}, U::Angle, 13, C::Angle,
     &FieldOf(F::EclipticLatitude)},
    {17, &O::showEclipticLongitude, {117, 168, 0}, U::Angle, 13, C::Angle,
     &FieldOf(F::EclipticLongitude)},
    {18, &O::showRightAscension, {118, 169, 0}, U::Hours, 13, C::HoursPlain,
     &FieldOf(F::RightAscension)},
    {19, &O::showDeclination, {119, 170, 0}, U::Angle, 13, C::Angle, &FieldOf(F::Declination)},
    {20, &O::showTopoRightAscension, {120, 171, 0}, U::Hours, 13, C::SignedHours,
     &FieldOf(F::TopoRightAscension)},
    {21, &O::showTopoDeclination, {121, 172, 0}, U::Angle, 13, C::Angle,
     &FieldOf(F::TopoDeclination)},
    {22, &O::showItalianHours, {122, 173, 0}, U::Hours, 13, C::HoursBlank,
     &FieldOf(F::ItalianHours)},
    {23, &O::showBabylonianHours, {123, 174, 0}, U::Hours, 13, C::HoursBlank,
     &FieldOf(F::BabylonianHours)},
    {24, &O::showTemporalHours, {124, 175, 0}, U::Hours, 13, C::TemporalHours,
     &FieldOf(F::TemporalHours)},
    {25, &O::showGeometricTimes, {125, 176, 185}, U::Hours, 13, C::HoursBlank,
     &FieldOf(F::GeometricRise)},
    {26, &O::showGeometricAzAlt, {152, 177, 185}, U::Angle, 13, C::Angle,
     &FieldOf(F::GeometricRiseAzimuth)},
    {27, &O::showGeometricTimes, {126, 178, 185}, U::Hours, 13, C::HoursBlank,
     &FieldOf(F::Transit), "GeometricTransit"},
    {28, &O::showGeometricAzAlt, {153, 179, 185}, U::Angle, 13, C::Angle,
     &FieldOf(F::TransitAltitude)},
    {29, &O::showGeometricTimes, {127, 180, 185}, U::Hours, 13, C::HoursBlank,
     &FieldOf(F::GeometricSet)},
    {30, &O::showGeometricAzAlt, {154, 181, 185}, U::Angle, 13, C::Angle,
     &FieldOf(F::GeometricSetAzimuth)},
    {31, &O::showGeometricTimes, {128, 182, 185}, U::Hours, 13, C::HoursBlank,
     &FieldOf(F::HoursToSunset)},
    {32, &O::showGeometricDaylight, {129, 183, 185}, U::Hours, 13, C::HoursBlank,
     &FieldOf(F::GeometricDaylight)},
    {33, &O::showApparentTimes, {125, 176, 186}, U::Hours, 13, C::HoursBlank,
     &FieldOf(F::ApparentRise)},
    {34, &O::showApparentAzAlt, {152, 177, 186}, U::Angle, 13, C::Angle,
     &FieldOf(F::ApparentRiseAzimuth)},
    {35, &O::showApparentTimes, {126, 178, 186}, U::Hours, 13, C::HoursBlank,
     &FieldOf(F::Transit), "ApparentTransit"},
    {36, &O::showApparentAzAlt, {153, 179, 186}, U::Angle, 13, C::Angle,
     &FieldOf(F::ApparentTransitAltitude)},
    {37, &O::showApparentTimes, {127, 180, 186}, U::Hours, 13, C::HoursBlank,
     &FieldOf(F::ApparentSet)},
    {38, &O::showApparentAzAlt, {154, 181, 186}, U::Angle, 13, C::Angle,
     &FieldOf(F::ApparentSetAzimuth)},
    {39, &O::showApparentDaylight, {129, 183, 186}, U::Hours, 13, C::HoursBlank,
     &FieldOf(F::ApparentDaylight)},
    {40, &O::showFajr, {136, 0, 0}, U::Hours, 13, C::HoursBlank, &FieldOf(F::Fajr), {},
     &FieldOf(F::PrayerFajr)},
    {41, &O::showZuhr, {137, 0, 0}, U::Hours, 13, C::HoursBlank, &FieldOf(F::Transit), "Zuhr",
     &FieldOf(F::PrayerZuhr)},
    {42, &O::showAsr, {138, 0, 0}, U::Hours, 13, C::HoursBlank, &FieldOf(F::Asr1), {},
     &FieldOf(F::PrayerAsr1)},
    {43, &O::showAsr, {139, 0, 0}, U::Hours, 13, C::HoursBlank, &FieldOf(F::Asr2), {},
     &FieldOf(F::PrayerAsr2)},
    {44, &O::showMaghrib, {140, 0, 0}, U::Hours, 13, C::HoursBlank,
     &FieldOf(F::GeometricSet), "Maghrib", &FieldOf(F::PrayerMaghrib)},
    {45, &O::showIsha, {141, 0, 0}, U::Hours, 13, C::HoursBlank, &FieldOf(F::Isha), {},
     &FieldOf(F::PrayerIsha)},
    {46, &O::showQibla, {142, 0, 0}, U::Angle, 19, C::QiblaAzimuth, &FieldOf(F::QiblaAzimuth)},
    {47, &O::showQiblaTime, {155, 184, 0}, U::Hours, 13, C::QiblaTime, &FieldOf(F::QiblaTime)},
    {48, nullptr, {210, 0, 0}, U::Hours, 13, C::HoursBlank, &FieldOf(F::PrayerSunrise),
     "Sunrise", nullptr, &D::showSunrise},
    {49, nullptr, {193, 195, 0}, U::Hours, 13, C::HoursBlank,
     &FieldOf(F::CivilDawn), {}, nullptr, &D::showCivilTwilight},
    {50, nullptr, {194, 195, 0}, U::Hours, 13, C::HoursBlank,
     &FieldOf(F::CivilDusk), {}, nullptr, &D::showCivilTwilight},
    {51, nullptr, {193, 196, 0}, U::Hours, 13, C::HoursBlank,
     &FieldOf(F::NauticalDawn), {}, nullptr, &D::showNauticalTwilight},
    {52, nullptr, {194, 197, 0}, U::Hours, 13, C::HoursBlank,
     &FieldOf(F::NauticalDusk), {}, nullptr, &D::showNauticalTwilight},
    {53, nullptr, {193, 198, 0}, U::Hours, 13, C::HoursBlank,
     &FieldOf(F::AstronomicalDawn), {}, nullptr, &D::showAstronomicalTwilight},
    {54, nullptr, {194, 199, 0}, U::Hours, 13, C::HoursBlank,
     &FieldOf(F::AstronomicalDusk), {}, nullptr, &D::showAstronomicalTwilight},
    {55, nullptr, {200, 201, 202}, U::Hours, 13, C::HoursBlank,
     &FieldOf(F::GoldenHourEnd), {}, nullptr, &D::showGoldenHour},
    {56, nullptr, {203, 201, 204}, U::Hours, 13, C::HoursBlank,
     &FieldOf(F::GoldenHourStart), {}, nullptr, &D::showGoldenHour},
    {57, nullptr, {129, 208, 0}, U::Hours, 13, C::HoursBlank,
     &FieldOf(F::NightLength), {}, nullptr, &D::showNight},
    {58, nullptr, {205, 206, 0}, U::Hours, 13, C::HoursBlank,
     &FieldOf(F::NightMiddle), {}, nullptr, &D::showNight},
    {59, nullptr, {209, 207, 206}, U::Hours, 13, C::HoursBlank,
     &FieldOf(F::NightLastThird), {}, nullptr, &D::showNight},
}};
// clang-format on

std::vector<const TableColumn*> SelectedTableColumns(const TableColumnSet& options) {
    std::vector<const TableColumn*> columns;
    for (const TableColumn& column : kTableColumns) {
        const bool shown = column.flag != nullptr      ? options.*column.flag
                           : column.dayFlag != nullptr ? options.dayColumns.*column.dayFlag
                                                       : true;
        if (shown) {
            columns.push_back(&column);
        }
    }
    return columns;
}

}  // namespace tarvel
