// The main window's form as designed: every control with its number, kind,
// rectangle in dialog units and label, the hidden group boxes with their
// captions, the twilight group's columns, the groups the window paints, and
// which control shows each result text. The window builds itself from these
// tables (tarvel_dlg_form.cpp); its behaviour lives in tarvel_dlg.cpp.
#pragma once

#include <QCoreApplication>
#include <QVector>
#include <iterator>
#include <utility>

#include "format/result_texts.h"
#include "ui/form/form_widgets.h"
#include "ui/main/tarvel_dlg.h"

namespace tarvel::main_form {

// The form is 823 x 469 dialog units: the documented form, the place group
// and the twilight group below it.
inline constexpr int kFormWidthUnits = 823;
inline constexpr int kFormHeightUnits = 469;

enum class Kind { TimePicker, DatePicker, ZoneList, CheckBox, Input, Output, Radio, Button };

// One control of the form in template order (which is the tab order): number,
// kind, rectangle in dialog units, and the label beside it with its rectangle
// (or the control's own caption for check boxes, radio buttons and buttons).
struct ControlSpec {
    ControlId id;
    Kind kind;
    int x, y, w, h;
    const char* label;
    int lx, ly, lw, lh;
};

// clang-format off
inline const ControlSpec kControls[] = {
    {SiteControl::TimePicker, Kind::TimePicker, 142, 21, 52, 15, nullptr, 0, 0, 0, 0},
    {SiteControl::DatePicker, Kind::DatePicker, 15, 21, 117, 15, nullptr, 0, 0, 0, 0},
    {SiteControl::ZoneList, Kind::ZoneList, 204, 21, 190, 119, nullptr, 0, 0, 0, 0},
    {SiteControl::SummerTime, Kind::CheckBox, 406, 19, 34, 15, QT_TRANSLATE_NOOP("CTarvelDlg", "ora estiva"), 0, 0, 0, 0},
    {SiteControl::Latitude, Kind::Input, 205, 47, 58, 12, QT_TRANSLATE_NOOP("CTarvelDlg", "latitudine (<0 sud)"), 159, 44, 41, 17},
    {SiteControl::Longitude, Kind::Input, 323, 47, 58, 12, QT_TRANSLATE_NOOP("CTarvelDlg", "longitudine (<0 est)"), 273, 44, 40, 17},
    {MainControl::Gmst, Kind::Output, 246, 90, 78, 12, QT_TRANSLATE_NOOP("CTarvelDlg", "GMST"), 214, 92, 22, 11},
    {MainControl::Lmst, Kind::Output, 393, 90, 78, 12, QT_TRANSLATE_NOOP("CTarvelDlg", "LMST"), 363, 92, 26, 11},
    {MainControl::DeltaT, Kind::Input, 43, 47, 58, 12, QT_TRANSLATE_NOOP("CTarvelDlg", "DeltaT"), 14, 47, 21, 11},
    {MainControl::JulianDay, Kind::Output, 71, 91, 89, 12, QT_TRANSLATE_NOOP("CTarvelDlg", "Julian day"), 23, 92, 43, 11},
    {SiteControl::Height, Kind::Input, 427, 47, 44, 12, QT_TRANSLATE_NOOP("CTarvelDlg", "altitudine [m]"), 385, 43, 33, 18},
    {MainControl::EclipticLatitude, Kind::Output, 95, 196, 134, 12, QT_TRANSLATE_NOOP("CTarvelDlg", "latitudine"), 47, 196, 42, 11},
    {MainControl::EclipticLongitude, Kind::Output, 337, 196, 134, 12, QT_TRANSLATE_NOOP("CTarvelDlg", "longitudine"), 280, 196, 50, 11},
    {MainControl::RightAscension, Kind::Output, 93, 237, 134, 12, QT_TRANSLATE_NOOP("CTarvelDlg", "AR"), 64, 238, 23, 11},
    {MainControl::Declination, Kind::Output, 94, 254, 134, 12, QT_TRANSLATE_NOOP("CTarvelDlg", "declinazione"), 36, 255, 50, 11},
    {MainControl::TopocentricRightAscension, Kind::Output, 337, 237, 134, 12, QT_TRANSLATE_NOOP("CTarvelDlg", "AR"), 307, 238, 23, 11},
    {MainControl::TopocentricDeclination, Kind::Output, 337, 254, 134, 12, QT_TRANSLATE_NOOP("CTarvelDlg", "declinazione"), 280, 255, 50, 11},
    {MainControl::Azimuth, Kind::Output, 93, 294, 134, 12, QT_TRANSLATE_NOOP("CTarvelDlg", "azimut"), 45, 294, 42, 11},
    {MainControl::Altitude, Kind::Output, 93, 311, 134, 12, QT_TRANSLATE_NOOP("CTarvelDlg", "altezza"), 37, 311, 50, 11},
    {MainControl::Refraction, Kind::Output, 337, 294, 134, 12, QT_TRANSLATE_NOOP("CTarvelDlg", "rifrazione"), 288, 294, 42, 11},
    {MainControl::RefractedAltitude, Kind::Output, 337, 311, 134, 12, QT_TRANSLATE_NOOP("CTarvelDlg", "altezza con rifrazione"), 280, 308, 50, 15},
    {MainControl::GeometricRise, Kind::Output, 550, 26, 78, 12, QT_TRANSLATE_NOOP("CTarvelDlg", "sorge"), 506, 26, 35, 11},
    {MainControl::GeometricSet, Kind::Output, 550, 63, 78, 12, QT_TRANSLATE_NOOP("CTarvelDlg", "tramonta"), 506, 63, 35, 11},
    {MainControl::GeometricTransit, Kind::Output, 550, 45, 78, 12, QT_TRANSLATE_NOOP("CTarvelDlg", "transita"), 509, 45, 32, 11},
    {MainControl::EquationOfTime, Kind::Output, 58, 116, 102, 12, QT_TRANSLATE_NOOP("CTarvelDlg", "EdT"), 26, 119, 21, 11},
    {MainControl::LongitudeDifference, Kind::Output, 101, 138, 59, 12, QT_TRANSLATE_NOOP("CTarvelDlg", "differenza di longitudine"), 14, 139, 80, 12},
    {MainControl::TrueZoneTime, Kind::Output, 246, 127, 78, 12, QT_TRANSLATE_NOOP("CTarvelDlg", "ora vera del fuso"), 159, 127, 77, 11},
    {MainControl::TrueLocalTime, Kind::Output, 246, 158, 78, 12, QT_TRANSLATE_NOOP("CTarvelDlg", "ora vera locale"), 159, 159, 77, 11},
    {MainControl::MeanLocalTime, Kind::Output, 246, 142, 78, 12, QT_TRANSLATE_NOOP("CTarvelDlg", "ora media locale"), 159, 143, 77, 11},
    {MainControl::MeanZoneTime, Kind::Output, 246, 112, 78, 12, QT_TRANSLATE_NOOP("CTarvelDlg", "ora media del fuso"), 163, 112, 73, 11},
    {MainControl::ItalianHours, Kind::Output, 393, 112, 78, 12, QT_TRANSLATE_NOOP("CTarvelDlg", "ora italica"), 330, 112, 59, 11},
    {MainControl::BabylonianHours, Kind::Output, 393, 127, 78, 12, QT_TRANSLATE_NOOP("CTarvelDlg", "ora babilonese"), 330, 127, 59, 11},
    {MainControl::TemporalHours, Kind::Output, 393, 142, 78, 12, QT_TRANSLATE_NOOP("CTarvelDlg", "ora temporale"), 333, 142, 56, 11},
    {MainControl::ApparentRise, Kind::Output, 550, 136, 78, 12, QT_TRANSLATE_NOOP("CTarvelDlg", "sorge"), 508, 136, 33, 11},
    {MainControl::ApparentSet, Kind::Output, 550, 175, 78, 12, QT_TRANSLATE_NOOP("CTarvelDlg", "tramonta"), 510, 175, 31, 11},
    {MainControl::ApparentTransit, Kind::Output, 550, 155, 78, 12, QT_TRANSLATE_NOOP("CTarvelDlg", "transita"), 510, 155, 31, 11},
    {MainControl::GeometricDaylight, Kind::Output, 550, 80, 78, 12, QT_TRANSLATE_NOOP("CTarvelDlg", "ore di luce"), 506, 80, 35, 11},
    {MainControl::ApparentDaylight, Kind::Output, 550, 194, 78, 12, QT_TRANSLATE_NOOP("CTarvelDlg", "ore di luce"), 506, 194, 35, 11},
    {MainControl::Fajr, Kind::Output, 549, 251, 78, 12, QT_TRANSLATE_NOOP("CTarvelDlg", "Fajr"), 507, 251, 33, 11},
    {MainControl::Zuhr, Kind::Output, 685, 251, 78, 12, QT_TRANSLATE_NOOP("CTarvelDlg", "Zuhr"), 643, 251, 33, 11},
    {MainControl::Asr1, Kind::Output, 549, 270, 78, 12, QT_TRANSLATE_NOOP("CTarvelDlg", "Asr 1"), 507, 270, 33, 11},
    {MainControl::Asr2, Kind::Output, 685, 270, 78, 12, QT_TRANSLATE_NOOP("CTarvelDlg", "Asr 2"), 643, 270, 33, 11},
    {MainControl::Maghrib, Kind::Output, 549, 289, 78, 12, QT_TRANSLATE_NOOP("CTarvelDlg", "Maghrib"), 507, 289, 33, 11},
    {MainControl::Isha, Kind::Output, 685, 289, 78, 12, QT_TRANSLATE_NOOP("CTarvelDlg", "Isha"), 643, 289, 33, 11},
    {MainControl::Qibla, Kind::Output, 549, 308, 78, 12, QT_TRANSLATE_NOOP("CTarvelDlg", "Qibla"), 507, 308, 33, 11},
    {MainControl::HoursToSunset, Kind::Output, 393, 158, 78, 12, QT_TRANSLATE_NOOP("CTarvelDlg", "ore al tramonto"), 333, 158, 56, 11},
    {MainControl::AutomaticDeltaT, Kind::Radio, 117, 43, 37, 9, QT_TRANSLATE_NOOP("CTarvelDlg", "auto"), 0, 0, 0, 0},
    {MainControl::ManualDeltaT, Kind::Radio, 117, 54, 37, 9, QT_TRANSLATE_NOOP("CTarvelDlg", "manuale"), 0, 0, 0, 0},
    {MainControl::Now, Kind::Button, 441, 21, 30, 15, QT_TRANSLATE_NOOP("CTarvelDlg", "adesso"), 0, 0, 0, 0},
    {MainControl::GeometricRiseAzimuth, Kind::Output, 682, 26, 113, 12, QT_TRANSLATE_NOOP("CTarvelDlg", "azimut"), 638, 26, 35, 11},
    {MainControl::GeometricSetAzimuth, Kind::Output, 682, 63, 113, 12, QT_TRANSLATE_NOOP("CTarvelDlg", "azimut"), 638, 63, 35, 11},
    {MainControl::GeometricTransitAltitude, Kind::Output, 681, 45, 113, 12, QT_TRANSLATE_NOOP("CTarvelDlg", "altezza"), 637, 45, 35, 11},
    {MainControl::ApparentRiseAzimuth, Kind::Output, 682, 136, 113, 12, QT_TRANSLATE_NOOP("CTarvelDlg", "azimut"), 638, 136, 35, 11},
    {MainControl::ApparentSetAzimuth, Kind::Output, 682, 175, 113, 12, QT_TRANSLATE_NOOP("CTarvelDlg", "azimut"), 638, 175, 35, 11},
    {MainControl::ApparentTransitAltitude, Kind::Output, 681, 155, 113, 12, QT_TRANSLATE_NOOP("CTarvelDlg", "altezza"), 637, 155, 35, 11},
    {MainControl::QiblaTime, Kind::Output, 685, 308, 78, 12, QT_TRANSLATE_NOOP("CTarvelDlg", "ora Qibla"), 643, 308, 33, 11},
};

// Hidden group boxes: number, caption, rectangle in dialog units.
struct GroupSpec {
    ControlId id;
    const char* caption;
    int x, y, w, h;
};

inline const GroupSpec kGroups[] = {
    {SiteControl::Group, QT_TRANSLATE_NOOP("CTarvelDlg", "DATA, ORA E LOCALITA'"), 7, 7, 475, 62},
    {MainControl::TimeGroup, QT_TRANSLATE_NOOP("CTarvelDlg", "MISURE DEL TEMPO"), 7, 79, 475, 96},
    {MainControl::EclipticGroup, QT_TRANSLATE_NOOP("CTarvelDlg", "COORDINATE ECLITTICHE"), 7, 185, 475, 29},
    {MainControl::GeocentricGroup, QT_TRANSLATE_NOOP("CTarvelDlg", "COORDINATE EQUATORIALI GEOCENTRICHE"), 7, 224, 232, 47},
    {MainControl::TopocentricGroup, QT_TRANSLATE_NOOP("CTarvelDlg", "COORDINATE EQUATORIALI TOPOCENTRICHE"), 250, 225, 232, 47},
    {MainControl::HorizontalGroup, QT_TRANSLATE_NOOP("CTarvelDlg", "COORDINATE ALTAZIMUTALI"), 7, 280, 475, 49},
    {MainControl::GeometricGroup, QT_TRANSLATE_NOOP("CTarvelDlg", "VALORI GEOMETRICI"), 505, 7, 299, 93},
    {MainControl::ApparentGroup, QT_TRANSLATE_NOOP("CTarvelDlg", "VALORI APPARENTI"), 505, 122, 299, 93},
    {MainControl::PrayersGroup, QT_TRANSLATE_NOOP("CTarvelDlg", "PREGHIERE ISLAMICHE"), 503, 240, 269, 89},
    {MainControl::PlaceGroup, QT_TRANSLATE_NOOP("CTarvelDlg", "LOCALITA' E FUSO ORARIO"), 7, 339, 797, 35},
    {MainControl::TwilightGroup, QT_TRANSLATE_NOOP("CTarvelDlg", "CREPUSCOLI E NOTTE"), 7, 384, 797, 73},
};

// The twilight group: a column per twilight, the golden hour and the night,
// the morning's event above the evening's; each output with its label (which
// wraps into the room below it), as in kControls.
struct TwilightSpec {
    MainControl id;
    const char* label;
    int x, y, lx, lw;
};
inline constexpr int kTwilightFieldWidth = 78;
inline constexpr int kTwilightRowHeight = 12;
inline const TwilightSpec kTwilightSpecs[] = {
    {MainControl::AstronomicalDawn, QT_TRANSLATE_NOOP("CTarvelDlg", "alba astronomica"), 100, 398, 14, 82},
    {MainControl::AstronomicalDusk, QT_TRANSLATE_NOOP("CTarvelDlg", "crepuscolo astronomico"), 100, 417, 14, 82},
    {MainControl::NauticalDawn, QT_TRANSLATE_NOOP("CTarvelDlg", "alba nautica"), 254, 398, 184, 66},
    {MainControl::NauticalDusk, QT_TRANSLATE_NOOP("CTarvelDlg", "crepuscolo nautico"), 254, 417, 184, 66},
    {MainControl::CivilDawn, QT_TRANSLATE_NOOP("CTarvelDlg", "alba civile"), 406, 398, 338, 64},
    {MainControl::CivilDusk, QT_TRANSLATE_NOOP("CTarvelDlg", "crepuscolo civile"), 406, 417, 338, 64},
    {MainControl::GoldenHourEnd, QT_TRANSLATE_NOOP("CTarvelDlg", "fine ora dorata"), 558, 398, 490, 64},
    {MainControl::GoldenHourStart, QT_TRANSLATE_NOOP("CTarvelDlg", "inizio ora dorata"), 558, 417, 490, 64},
    {MainControl::NightMiddle, QT_TRANSLATE_NOOP("CTarvelDlg", "metà della notte"), 710, 398, 642, 64},
    {MainControl::NightLastThird, QT_TRANSLATE_NOOP("CTarvelDlg", "inizio ultimo terzo"), 710, 417, 642, 64},
};
// clang-format on

// The groups the main window paints, in painting order.
inline const QVector<int> kPaintedGroups = {
    ControlNumber(MainControl::TimeGroup),        ControlNumber(SiteControl::Group),
    ControlNumber(MainControl::EclipticGroup),    ControlNumber(MainControl::GeocentricGroup),
    ControlNumber(MainControl::TopocentricGroup), ControlNumber(MainControl::HorizontalGroup),
    ControlNumber(MainControl::GeometricGroup),   ControlNumber(MainControl::ApparentGroup),
    ControlNumber(MainControl::PrayersGroup),     ControlNumber(MainControl::PlaceGroup),
    ControlNumber(MainControl::TwilightGroup)};

// Where each result text goes.
inline constexpr std::pair<ResultTextField, MainControl> kResultTextControls[] = {
    {ResultTextField::DeltaT, MainControl::DeltaT},
    {ResultTextField::JulianDay, MainControl::JulianDay},
    {ResultTextField::Gmst, MainControl::Gmst},
    {ResultTextField::Lmst, MainControl::Lmst},
    {ResultTextField::EquationOfTime, MainControl::EquationOfTime},
    {ResultTextField::LongitudeDifference, MainControl::LongitudeDifference},
    {ResultTextField::MeanZoneTime, MainControl::MeanZoneTime},
    {ResultTextField::MeanLocalTime, MainControl::MeanLocalTime},
    {ResultTextField::TrueZoneTime, MainControl::TrueZoneTime},
    {ResultTextField::TrueLocalTime, MainControl::TrueLocalTime},
    {ResultTextField::ItalianHours, MainControl::ItalianHours},
    {ResultTextField::BabylonianHours, MainControl::BabylonianHours},
    {ResultTextField::TemporalHours, MainControl::TemporalHours},
    {ResultTextField::HoursToSunset, MainControl::HoursToSunset},
    {ResultTextField::EclipticLatitude, MainControl::EclipticLatitude},
    {ResultTextField::EclipticLongitude, MainControl::EclipticLongitude},
    {ResultTextField::RightAscension, MainControl::RightAscension},
    {ResultTextField::Declination, MainControl::Declination},
    {ResultTextField::TopoRightAscension, MainControl::TopocentricRightAscension},
    {ResultTextField::TopoDeclination, MainControl::TopocentricDeclination},
    {ResultTextField::Azimuth, MainControl::Azimuth},
    {ResultTextField::Altitude, MainControl::Altitude},
    {ResultTextField::Refraction, MainControl::Refraction},
    {ResultTextField::RefractedAltitude, MainControl::RefractedAltitude},
    {ResultTextField::GeometricRise, MainControl::GeometricRise},
    {ResultTextField::GeometricRiseAzimuth, MainControl::GeometricRiseAzimuth},
    {ResultTextField::GeometricTransit, MainControl::GeometricTransit},
    {ResultTextField::GeometricTransitAltitude, MainControl::GeometricTransitAltitude},
    {ResultTextField::GeometricSet, MainControl::GeometricSet},
    {ResultTextField::GeometricSetAzimuth, MainControl::GeometricSetAzimuth},
    {ResultTextField::GeometricDaylight, MainControl::GeometricDaylight},
    {ResultTextField::ApparentRise, MainControl::ApparentRise},
    {ResultTextField::ApparentRiseAzimuth, MainControl::ApparentRiseAzimuth},
    {ResultTextField::ApparentTransit, MainControl::ApparentTransit},
    {ResultTextField::ApparentTransitAltitude, MainControl::ApparentTransitAltitude},
    {ResultTextField::ApparentSet, MainControl::ApparentSet},
    {ResultTextField::ApparentSetAzimuth, MainControl::ApparentSetAzimuth},
    {ResultTextField::ApparentDaylight, MainControl::ApparentDaylight},
    {ResultTextField::Fajr, MainControl::Fajr},
    {ResultTextField::Zuhr, MainControl::Zuhr},
    {ResultTextField::Asr1, MainControl::Asr1},
    {ResultTextField::Asr2, MainControl::Asr2},
    {ResultTextField::Maghrib, MainControl::Maghrib},
    {ResultTextField::Isha, MainControl::Isha},
    {ResultTextField::Qibla, MainControl::Qibla},
    {ResultTextField::QiblaTime, MainControl::QiblaTime},
};
static_assert(std::size(kResultTextControls) == kResultTextFieldCount);
// Each text stands at its own place in the reading order, so the table is the
// list of result texts with a control beside each, and nothing else.
static_assert([] {
    for (std::size_t i = 0; i < std::size(kResultTextControls); ++i) {
        if (static_cast<std::size_t>(kResultTextControls[i].first) != i) return false;
    }
    return true;
}());

// The prayer fields a chosen method rewrites, with the day time each shows.
inline constexpr std::pair<DayTimeTextField, MainControl> kMethodPrayerControls[] = {
    {DayTimeTextField::Fajr, MainControl::Fajr},       {DayTimeTextField::Zuhr, MainControl::Zuhr},
    {DayTimeTextField::Asr1, MainControl::Asr1},       {DayTimeTextField::Asr2, MainControl::Asr2},
    {DayTimeTextField::Maghrib, MainControl::Maghrib}, {DayTimeTextField::Isha, MainControl::Isha},
};

// With a method other than the program's own the prayers' frame grows upward
// by one row, into the free band under the apparent values, for Shuruq and
// the next prayer; with the program's own it keeps its design.
inline constexpr int kPrayersGroupX = 503, kPrayersGroupW = 269;
inline constexpr int kPrayersGroupY = 240, kPrayersGroupH = 89;
inline constexpr int kPrayersGroupGrownY = 220, kPrayersGroupGrownH = 109;
struct ExtraFieldSpec {
    MainControl id;
    const char* label;  // nullptr: no label
    int x, y, w, h;
    int lx, ly, lw, lh;
};
// clang-format off
inline const ExtraFieldSpec kPrayerExtraFields[] = {
    {MainControl::Shuruq, QT_TRANSLATE_NOOP("CTarvelDlg", "Shuruq"), 549, 229, 78, 12, 507, 229, 33, 11},
    {MainControl::NextPrayer, nullptr, 643, 229, 120, 12, 0, 0, 0, 0},
    // Right of the prayers' frame, below its label, level with the Qibla.
    {MainControl::QiblaFromNorth, QT_TRANSLATE_NOOP("CTarvelDlg", "Qibla da nord"), 776, 308, 36, 12, 776, 285, 36, 21},
};
// The twilight group's last row: the blue and golden hours as ranges, the
// Hijri date; the day length's change beside the apparent daylight.
inline const ExtraFieldSpec kDayExtraFields[] = {
    {MainControl::BlueHourMorning, QT_TRANSLATE_NOOP("CTarvelDlg", "ora blu del mattino"), 100, 436, 78, 12, 14, 436, 82, 11},
    {MainControl::GoldenHourMorning, QT_TRANSLATE_NOOP("CTarvelDlg", "ora dorata del mattino"), 254, 436, 78, 12, 184, 436, 66, 11},
    {MainControl::GoldenHourEvening, QT_TRANSLATE_NOOP("CTarvelDlg", "ora dorata della sera"), 406, 436, 78, 12, 338, 436, 64, 11},
    {MainControl::BlueHourEvening, QT_TRANSLATE_NOOP("CTarvelDlg", "ora blu della sera"), 558, 436, 78, 12, 490, 436, 64, 11},
    {MainControl::HijriDate, QT_TRANSLATE_NOOP("CTarvelDlg", "data dell'Egira"), 710, 436, 88, 12, 642, 436, 64, 11},
    {MainControl::DaylightChange, QT_TRANSLATE_NOOP("CTarvelDlg", "variazione"), 682, 194, 113, 12, 638, 194, 40, 11},
};
// clang-format on

}  // namespace tarvel::main_form
