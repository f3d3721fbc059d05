// The values of a SolarResult described once: how each is read from the
// record, its JSON key, its English name, its unit and kind, and whether it may
// be absent. The JSON writer, the table's columns and its CSV all read the
// values through this list; a table column that shows a value in another role
// (Zuhr is the transit, Maghrib the geometric set) points at the same entry.
// The values of DayTimes (the method's prayers, the twilights and the night,
// prayer_times.h) are described the same way in a second list,
// kDayTimeFields, whose entries read that record instead.
//
// Given:    (data) the members of SolarResult (astro/solar_computation.h) and of
//           DayTimes (prayer_times.h).
// Returned: kResultFields and kDayTimeFields: for each value its name
//           (ResultFieldId), JSON key, English name, unit (days, seconds,
//           hours, degrees) and kind, the function that reads it and the one
//           that says whether it is there; FieldOf(id) finds an entry.
// Notes:    units are those the record holds (hours of clock time on the
//           request's clock, degrees, seconds for Delta T and the equation of
//           time, days for the Julian Day); nothing is converted here. An
//           event that does not occur is not there, whatever marker its member
//           holds. Every entry stands at the index of its name (checked at
//           compile time).
// References: the definitions of the values themselves, with theirs, in
//           solar_computation.h and prayer_times.h.
#pragma once

#include <array>
#include <cmath>
#include <cstddef>
#include <string_view>

#include "astro/prayer_times.h"
#include "astro/solar_computation.h"

namespace tarvel {

// Names of the entries of kResultFields, in its order: the fields of
// SolarResult in the order of the record, then the values derived from them.
enum class ResultFieldId : int {
    JulianDay,
    DeltaT,
    Gmst,
    Lmst,
    EquationOfTime,
    LongitudeDifference,
    MeanLocalTime,
    TrueLocalTime,
    TrueZoneTime,
    ItalianHours,
    BabylonianHours,
    TemporalHours,
    HoursToSunset,
    EclipticLongitude,
    EclipticLatitude,
    RightAscension,
    Declination,
    TopoRightAscension,
    TopoDeclination,
    Azimuth,
    Altitude,
    Refraction,
    RefractedAltitude,
    Transit,
    TransitAltitude,
    TransitRefraction,
    GeometricRise,
    GeometricRiseAzimuth,
    GeometricSet,
    GeometricSetAzimuth,
    GeometricDaylight,
    ApparentRise,
    ApparentRiseAzimuth,
    ApparentSet,
    ApparentSetAzimuth,
    ApparentDaylight,
    Fajr,
    Asr1,
    Asr2,
    Isha,
    QiblaAzimuth,
    QiblaTime,
    // Derived: transitAltitude + transitRefraction, the transit altitude over
    // the refracted horizon.
    ApparentTransitAltitude,
    // The fields of DayTimes (kDayTimeFields), in the order of the record.
    PrayerFajr,
    PrayerSunrise,
    PrayerZuhr,
    PrayerAsr1,
    PrayerAsr2,
    PrayerMaghrib,
    PrayerIsha,
    CivilDawn,
    CivilDusk,
    NauticalDawn,
    NauticalDusk,
    AstronomicalDawn,
    AstronomicalDusk,
    GoldenHourEnd,
    GoldenHourStart,
    NightLength,
    NightMiddle,
    NightLastThird,
};

// The unit of a value as the record holds it.
enum class ResultUnit {
    Days,
    Seconds,
    Hours,
    Degrees,
};

// What a value measures.
enum class ResultKind {
    JulianDay,       // an instant as a Julian Day
    ClockTime,       // a reading of a clock: civil, solar or sidereal time, the time of an event
    Duration,        // a count of hours: since or until an event, a length of daylight
    TimeDifference,  // the difference of two time scales: ΔT, the equation of time
    RightAscension,  // hours of right ascension
    Angle,           // coordinates, azimuths, altitudes, refraction, longitude differences
};

// The refraction applied to the altitude, in degrees: the computed refraction
// where the refracted altitude is at or above the horizon, 0 where the Sun's
// centre stays below it (refractedAltitude is then the altitude itself). Every
// output shows this one value.
inline double AppliedRefraction(const SolarResult& r) {
    return r.refractedAltitude >= 0.0 ? r.refraction : 0.0;
}

struct ResultField {
    ResultFieldId id;
    // The JSON key: the name of the SolarResult member; empty for a derived
    // value, which JSON leaves out.
    std::string_view key;
    // The English name, e.g. "GeometricRise"; the table's CSV heading of the
    // column that shows the value in its own role.
    std::string_view name;
    ResultUnit unit;
    ResultKind kind;
    double (*value)(const SolarResult&);
    // Whether the value is there; nullptr: always. An event is there when it
    // occurs on the request's date (SolarResult::occurs): where it does not,
    // value() gives the record's marker (0, or -1 for the Qibla time). The
    // temporal hours are there when they are a number, the Italian and
    // Babylonian hours and the hours to sunset when the date has its
    // geometric rise and set.
    bool (*present)(const SolarResult&) = nullptr;

    constexpr bool Present(const SolarResult& result) const {
        return present == nullptr || present(result);
    }

    // An entry of kDayTimeFields reads DayTimes instead (value and present
    // are then nullptr): the value, and whether it is there (an event, or the
    // night, that occurs: DayTimes::occurs).
    double (*dayValue)(const DayTimes&) = nullptr;
    bool (*dayPresent)(const DayTimes&) = nullptr;
    // The method's Fajr and Isha: the high-latitude rule that gave the value
    // (kNone when its angle did), with the JSON key and the English name (CSV
    // heading) of that mark; nullptr and empty for every other value.
    HighLatitudeRule (*rule)(const DayTimes&) = nullptr;
    std::string_view ruleKey = {};
    std::string_view ruleName = {};
    // A clock time of DayTimes: the whole days from the request's date to the
    // date it falls on (DayTimes::dayOffset); nullptr for the night's length.
    int (*dayOffset)(const DayTimes&) = nullptr;

    constexpr bool IsDayTime() const { return dayValue != nullptr; }
    // The value from the record it belongs to; not-a-number for a value of
    // DayTimes when there are none (days == nullptr).
    double ValueOf(const SolarResult& result, const DayTimes* days) const {
        if (!IsDayTime()) return value(result);
        return days != nullptr ? dayValue(*days) : std::nan("");
    }
    // Whether the value is there: Present for a value of SolarResult; for one
    // of DayTimes, dayPresent, and never without DayTimes.
    bool PresentIn(const SolarResult& result, const DayTimes* days) const {
        if (!IsDayTime()) return Present(result);
        return days != nullptr && (dayPresent == nullptr || dayPresent(*days));
    }
    // The rule that gave the value; kNone for a value without a rule mark or
    // without DayTimes.
    HighLatitudeRule RuleIn(const DayTimes* days) const {
        return rule != nullptr && days != nullptr ? rule(*days) : HighLatitudeRule::kNone;
    }
    // The whole days from the request's date to the value's own date; 0 for
    // a value of SolarResult (always on the date), a duration or without
    // DayTimes.
    int DayOffsetIn(const DayTimes* days) const {
        return dayOffset != nullptr && days != nullptr ? dayOffset(*days) : 0;
    }
};

namespace result_fields_detail {
template <double SolarResult::*member>
constexpr double Member(const SolarResult& result) {
    return result.*member;
}
template <bool SolarResult::Occurrences::*flag>
constexpr bool Occurs(const SolarResult& result) {
    return result.occurs.*flag;
}
// The hours counted from the geometric rise and set (Italian, Babylonian, to
// the sunset) are there when the date has both.
constexpr bool RiseAndSet(const SolarResult& result) {
    return result.occurs.geometricRise && result.occurs.geometricSet;
}
template <double DayTimes::*member>
constexpr double DayMember(const DayTimes& days) {
    return days.*member;
}
template <bool DayTimes::Occurrences::*flag>
constexpr bool DayOccurs(const DayTimes& days) {
    return days.occurs.*flag;
}
template <HighLatitudeRule DayTimes::*member>
constexpr HighLatitudeRule DayRule(const DayTimes& days) {
    return days.*member;
}
template <int DayTimes::DayOffsets::*member>
constexpr int DayOffset(const DayTimes& days) {
    return days.dayOffset.*member;
}
}  // namespace result_fields_detail

// Every value, in ResultFieldId order.
// clang-format off
inline constexpr std::array<ResultField, 43> kResultFields = [] {
    using namespace result_fields_detail;
    using R = SolarResult;
    using F = ResultFieldId;
    using U = ResultUnit;
    using K = ResultKind;
    return std::array<ResultField, 43>{{
        {F::JulianDay, "julianDay", "JulianDay", U::Days, K::JulianDay, Member<&R::julianDay>},
        {F::DeltaT, "deltaT", "DeltaT", U::Seconds, K::TimeDifference, Member<&R::deltaT>},
        {F::Gmst, "gmst", "GMST", U::Hours, K::ClockTime, Member<&R::gmst>},
        {F::Lmst, "lmst", "LMST", U::Hours, K::ClockTime, Member<&R::lmst>},
        {F::EquationOfTime, "equationOfTime", "EquationOfTime", U::Seconds, K::TimeDifference,
         Member<&R::equationOfTime>},
        {F::LongitudeDifference, "longitudeDifference", "LongitudeDifference", U::Degrees, K::Angle,
         Member<&R::longitudeDifference>},
        {F::MeanLocalTime, "meanLocalTime", "MeanLocalTime", U::Hours, K::ClockTime,
         Member<&R::meanLocalTime>},
        {F::TrueLocalTime, "trueLocalTime", "TrueLocalTime", U::Hours, K::ClockTime,
         Member<&R::trueLocalTime>},
        {F::TrueZoneTime, "trueZoneTime", "TrueZoneTime", U::Hours, K::ClockTime,
         Member<&R::trueZoneTime>},
        {F::ItalianHours, "italianHours", "ItalianHours", U::Hours, K::Duration,
         Member<&R::italianHours>, RiseAndSet},
        {F::BabylonianHours, "babylonianHours", "BabylonianHours", U::Hours, K::Duration,
         Member<&R::babylonianHours>, RiseAndSet},
        {F::TemporalHours, "temporalHours", "TemporalHours", U::Hours, K::Duration,
         Member<&R::temporalHours>, [](const R& r) { return !std::isnan(r.temporalHours); }},
        {F::HoursToSunset, "hoursToSunset", "HoursToSunset", U::Hours, K::Duration,
         Member<&R::hoursToSunset>, RiseAndSet},
        {F::EclipticLongitude, "eclipticLongitude", "EclipticLongitude", U::Degrees, K::Angle,
         Member<&R::eclipticLongitude>},
        {F::EclipticLatitude, "eclipticLatitude", "EclipticLatitude", U::Degrees, K::Angle,
         Member<&R::eclipticLatitude>},
        {F::RightAscension, "rightAscension", "RightAscension", U::Hours, K::RightAscension,
         Member<&R::rightAscension>},
        {F::Declination, "declination", "Declination", U::Degrees, K::Angle,
         Member<&R::declination>},
        {F::TopoRightAscension, "topoRightAscension", "TopoRightAscension", U::Hours,
         K::RightAscension, Member<&R::topoRightAscension>},
        {F::TopoDeclination, "topoDeclination", "TopoDeclination", U::Degrees, K::Angle,
         Member<&R::topoDeclination>},
        {F::Azimuth, "azimuth", "Azimuth", U::Degrees, K::Angle, Member<&R::azimuth>},
        {F::Altitude, "altitude", "Altitude", U::Degrees, K::Angle, Member<&R::altitude>},
        {F::Refraction, "refraction", "Refraction", U::Degrees, K::Angle,
         [](const R& r) { return AppliedRefraction(r); }},
        {F::RefractedAltitude, "refractedAltitude", "ApparentAltitude", U::Degrees, K::Angle,
         Member<&R::refractedAltitude>},
        {F::Transit, "transit", "Transit", U::Hours, K::ClockTime,
         Member<&R::transit>, Occurs<&R::Occurrences::transit>},
        {F::TransitAltitude, "transitAltitude", "GeometricTransitAltitude", U::Degrees, K::Angle,
         Member<&R::transitAltitude>},
        {F::TransitRefraction, "transitRefraction", "TransitRefraction", U::Degrees, K::Angle,
         Member<&R::transitRefraction>},
        {F::GeometricRise, "geometricRise", "GeometricRise", U::Hours, K::ClockTime,
         Member<&R::geometricRise>, Occurs<&R::Occurrences::geometricRise>},
        {F::GeometricRiseAzimuth, "geometricRiseAzimuth", "GeometricRiseAzimuth", U::Degrees,
         K::Angle, Member<&R::geometricRiseAzimuth>},
        {F::GeometricSet, "geometricSet", "GeometricSet", U::Hours, K::ClockTime,
         Member<&R::geometricSet>, Occurs<&R::Occurrences::geometricSet>},
        {F::GeometricSetAzimuth, "geometricSetAzimuth", "GeometricSetAzimuth", U::Degrees, K::Angle,
         Member<&R::geometricSetAzimuth>},
        {F::GeometricDaylight, "geometricDaylight", "GeometricDaylight", U::Hours, K::Duration,
         Member<&R::geometricDaylight>},
        {F::ApparentRise, "apparentRise", "ApparentRise", U::Hours, K::ClockTime,
         Member<&R::apparentRise>, Occurs<&R::Occurrences::apparentRise>},
        {F::ApparentRiseAzimuth, "apparentRiseAzimuth", "ApparentRiseAzimuth", U::Degrees, K::Angle,
         Member<&R::apparentRiseAzimuth>},
        {F::ApparentSet, "apparentSet", "ApparentSet", U::Hours, K::ClockTime,
         Member<&R::apparentSet>, Occurs<&R::Occurrences::apparentSet>},
        {F::ApparentSetAzimuth, "apparentSetAzimuth", "ApparentSetAzimuth", U::Degrees, K::Angle,
         Member<&R::apparentSetAzimuth>},
        {F::ApparentDaylight, "apparentDaylight", "ApparentDaylight", U::Hours, K::Duration,
         Member<&R::apparentDaylight>},
        {F::Fajr, "fajr", "Fajr", U::Hours, K::ClockTime,
         Member<&R::fajr>, Occurs<&R::Occurrences::fajr>},
        {F::Asr1, "asr1", "Asr1", U::Hours, K::ClockTime,
         Member<&R::asr1>, Occurs<&R::Occurrences::asr1>},
        {F::Asr2, "asr2", "Asr2", U::Hours, K::ClockTime,
         Member<&R::asr2>, Occurs<&R::Occurrences::asr2>},
        {F::Isha, "isha", "Isha", U::Hours, K::ClockTime,
         Member<&R::isha>, Occurs<&R::Occurrences::isha>},
        {F::QiblaAzimuth, "qiblaAzimuth", "QiblaAzimuth", U::Degrees, K::Angle,
         Member<&R::qiblaAzimuth>},
        {F::QiblaTime, "qiblaTime", "QiblaTime", U::Hours, K::ClockTime,
         Member<&R::qiblaTime>, Occurs<&R::Occurrences::qiblaTime>},
        {F::ApparentTransitAltitude, "", "ApparentTransitAltitude", U::Degrees, K::Angle,
         [](const R& r) { return r.transitAltitude + r.transitRefraction; }},
    }};
}();
// clang-format on

// Every value of DayTimes, in ResultFieldId order. The JSON keys of the
// method's prayers carry the prefix "prayer" (the documented "fajr" is the
// Fajr of SolarResult, at the observer's own angle).
// clang-format off
inline constexpr std::array<ResultField, 18> kDayTimeFields = [] {
    using namespace result_fields_detail;
    using D = DayTimes;
    using O = DayTimes::Occurrences;
    using F = ResultFieldId;
    using U = ResultUnit;
    using K = ResultKind;
    using Off = DayTimes::DayOffsets;
    // A clock time of DayTimes, there when its flag says it occurs, on the
    // date its day offset names.
    const auto time = [](F id, std::string_view key, std::string_view name,
                         double (*value)(const D&), bool (*present)(const D&),
                         int (*offset)(const D&)) {
        ResultField field{id, key, name, U::Hours, K::ClockTime, nullptr};
        field.dayValue = value;
        field.dayPresent = present;
        field.dayOffset = offset;
        return field;
    };
    const auto ruled = [](ResultField field, HighLatitudeRule (*rule)(const D&),
                          std::string_view key, std::string_view name) {
        field.rule = rule;
        field.ruleKey = key;
        field.ruleName = name;
        return field;
    };
    ResultField nightLength = time(F::NightLength, "nightLength", "NightLength",
                                   DayMember<&D::nightLength>, DayOccurs<&O::night>, nullptr);
    nightLength.kind = K::Duration;
    return std::array<ResultField, 18>{{
        ruled(time(F::PrayerFajr, "prayerFajr", "PrayerFajr", DayMember<&D::fajr>,
                   DayOccurs<&O::fajr>,
             DayOffset<&Off::fajr>),
              DayRule<&D::fajrRule>, "fajrRule", "FajrRule"),
        time(F::PrayerSunrise, "prayerSunrise", "PrayerSunrise", DayMember<&D::sunrise>,
             DayOccurs<&O::sunrise>,
             DayOffset<&Off::sunrise>),
        time(F::PrayerZuhr, "prayerZuhr", "PrayerZuhr", DayMember<&D::zuhr>, DayOccurs<&O::zuhr>,
             DayOffset<&Off::zuhr>),
        time(F::PrayerAsr1, "prayerAsr1", "PrayerAsr1", DayMember<&D::asr1>, DayOccurs<&O::asr1>,
             DayOffset<&Off::asr1>),
        time(F::PrayerAsr2, "prayerAsr2", "PrayerAsr2", DayMember<&D::asr2>, DayOccurs<&O::asr2>,
             DayOffset<&Off::asr2>),
        time(F::PrayerMaghrib, "prayerMaghrib", "PrayerMaghrib", DayMember<&D::maghrib>,
             DayOccurs<&O::maghrib>,
             DayOffset<&Off::maghrib>),
        ruled(time(F::PrayerIsha, "prayerIsha", "PrayerIsha", DayMember<&D::isha>,
                   DayOccurs<&O::isha>,
             DayOffset<&Off::isha>),
              DayRule<&D::ishaRule>, "ishaRule", "IshaRule"),
        time(F::CivilDawn, "civilDawn", "CivilDawn", DayMember<&D::civilDawn>,
             DayOccurs<&O::civilDawn>,
             DayOffset<&Off::civilDawn>),
        time(F::CivilDusk, "civilDusk", "CivilDusk", DayMember<&D::civilDusk>,
             DayOccurs<&O::civilDusk>,
             DayOffset<&Off::civilDusk>),
        time(F::NauticalDawn, "nauticalDawn", "NauticalDawn", DayMember<&D::nauticalDawn>,
             DayOccurs<&O::nauticalDawn>,
             DayOffset<&Off::nauticalDawn>),
        time(F::NauticalDusk, "nauticalDusk", "NauticalDusk", DayMember<&D::nauticalDusk>,
             DayOccurs<&O::nauticalDusk>,
             DayOffset<&Off::nauticalDusk>),
        time(F::AstronomicalDawn, "astronomicalDawn", "AstronomicalDawn",
             DayMember<&D::astronomicalDawn>, DayOccurs<&O::astronomicalDawn>,
             DayOffset<&Off::astronomicalDawn>),
        time(F::AstronomicalDusk, "astronomicalDusk", "AstronomicalDusk",
             DayMember<&D::astronomicalDusk>, DayOccurs<&O::astronomicalDusk>,
             DayOffset<&Off::astronomicalDusk>),
        time(F::GoldenHourEnd, "goldenHourEnd", "GoldenHourEnd", DayMember<&D::goldenHourEnd>,
             DayOccurs<&O::goldenHourEnd>,
             DayOffset<&Off::goldenHourEnd>),
        time(F::GoldenHourStart, "goldenHourStart", "GoldenHourStart",
             DayMember<&D::goldenHourStart>, DayOccurs<&O::goldenHourStart>,
             DayOffset<&Off::goldenHourStart>),
        nightLength,
        time(F::NightMiddle, "nightMiddle", "NightMiddle", DayMember<&D::nightMiddle>,
             DayOccurs<&O::night>, DayOffset<&Off::nightMiddle>),
        time(F::NightLastThird, "nightLastThird", "NightLastThird", DayMember<&D::nightLastThird>,
             DayOccurs<&O::night>, DayOffset<&Off::nightLastThird>),
    }};
}();
// clang-format on

// The entry named id, in either list.
constexpr const ResultField& FieldOf(ResultFieldId id) {
    const auto index = static_cast<std::size_t>(id);
    return index < kResultFields.size() ? kResultFields[index]
                                        : kDayTimeFields[index - kResultFields.size()];
}

// Every entry stands at the index of its name.
static_assert(
    [] {
        for (std::size_t i = 0; i < kResultFields.size(); ++i) {
            if (static_cast<std::size_t>(kResultFields[i].id) != i) return false;
        }
        return true;
    }(),
    "kResultFields follows ResultFieldId");
static_assert(
    [] {
        for (std::size_t i = 0; i < kDayTimeFields.size(); ++i) {
            if (static_cast<std::size_t>(kDayTimeFields[i].id) != kResultFields.size() + i) {
                return false;
            }
        }
        return true;
    }(),
    "kDayTimeFields follows ResultFieldId after kResultFields");

}  // namespace tarvel
