#include "format/result_texts.h"

#include <cmath>
#include <iterator>
#include <stdexcept>

#include "format/result_fields.h"
#include "astro/event_absence.h"
#include "format/format_texts.h"
#include "format/printf_text.h"

namespace tarvel {

namespace {

// Temporal hours: shown only below the polar circles and only when defined.
std::string TemporalHoursText(const SolarRequest& request, const SolarResult& result) {
    if (std::fabs(request.latitude) >= kTemporalHoursLatitudeLimit ||
        std::isnan(result.temporalHours)) {
        return kUndefinedTimeText;
    }
    return FormatTimeOfDay(result.temporalHours);
}

// Refraction in arcminutes, 0 when the refracted altitude is below the horizon.
std::string RefractionText(const SolarResult& result) {
    const double arcminutes = AppliedRefraction(result) * 60.0;
    return FormatRefraction(arcminutes);
}

std::string QiblaTimeText(const SolarResult& result) {
    if (result.qiblaTime < 0.0) {
        return kNoEventTimeText;
    }
    return FormatTimeOfDay(result.qiblaTime);
}

}  // namespace

EventAbsence AbsenceOf(ResultTextField field, const SolarRequest& request,
                       const SolarResult& result) {
    using F = ResultTextField;
    const auto of = [&](SolarEvent event) { return AbsenceOf(event, request, result); };
    switch (field) {
        case F::GeometricRise:
        case F::GeometricRiseAzimuth:
            return of(SolarEvent::GeometricRise);
        case F::GeometricSet:
        case F::GeometricSetAzimuth:
        case F::Maghrib:
            return of(SolarEvent::GeometricSet);
        case F::ApparentRise:
        case F::ApparentRiseAzimuth:
            return of(SolarEvent::ApparentRise);
        case F::ApparentSet:
        case F::ApparentSetAzimuth:
            return of(SolarEvent::ApparentSet);
        case F::GeometricTransit:
        case F::GeometricTransitAltitude:
        case F::ApparentTransit:
        case F::ApparentTransitAltitude:
        case F::Zuhr:
            return of(SolarEvent::Transit);
        case F::Fajr:
            return of(SolarEvent::Fajr);
        case F::Isha:
            return of(SolarEvent::Isha);
        case F::Asr1:
            return of(SolarEvent::Asr1);
        case F::Asr2:
            return of(SolarEvent::Asr2);
        case F::QiblaTime:
            return of(SolarEvent::QiblaTime);
        case F::ItalianHours:
        case F::BabylonianHours:
        case F::HoursToSunset:
        case F::TemporalHours:
            // Counted from the geometric rise and set: the reason of the one
            // missing, the set first.
            if (!result.occurs.geometricSet) return of(SolarEvent::GeometricSet);
            return of(SolarEvent::GeometricRise);
        default:
            return EventAbsence::None;
    }
}

std::vector<ResultText> MainWindowResultTexts(const SolarRequest& request,
                                              const SolarResult& result,
                                              const ResultTextOptions& options) {
    using F = ResultTextField;
    const SolarResult& r = result;
    std::vector<ResultText> texts = {
        {F::DeltaT, FormatDeltaTShort(r.deltaT)},

        {F::JulianDay, FormatJulianDay(r.julianDay)},
        {F::Gmst, FormatTimeOfDay(r.gmst)},
        {F::Lmst, FormatTimeOfDay(r.lmst)},
        {F::EquationOfTime, FormatEquationOfTime(r.equationOfTime)},
        {F::LongitudeDifference, FormatLongitudeDifferenceTime(r.longitudeDifference)},
        {F::MeanZoneTime, FormatClockReading(request.hour, request.minute, request.second)},
        {F::MeanLocalTime, FormatTimeOfDay(r.meanLocalTime)},
        {F::TrueZoneTime, FormatTimeOfDay(r.trueZoneTime)},
        {F::TrueLocalTime, FormatTimeOfDay(r.trueLocalTime)},
        {F::ItalianHours, FormatTimeOfDay(r.italianHours)},
        {F::BabylonianHours, FormatTimeOfDay(r.babylonianHours)},
        {F::TemporalHours, TemporalHoursText(request, r)},
        {F::HoursToSunset, FormatTimeOfDay(r.hoursToSunset)},

        {F::EclipticLatitude, FormatEclipticAngle(r.eclipticLatitude)},
        {F::EclipticLongitude, FormatEclipticAngle(r.eclipticLongitude)},

        {F::RightAscension, FormatRightAscension(r.rightAscension)},
        {F::Declination, FormatHorizontalAngle(r.declination)},

        {F::TopoRightAscension, FormatRightAscension(r.topoRightAscension)},
        {F::TopoDeclination, FormatHorizontalAngle(r.topoDeclination)},

        {F::Azimuth, FormatHorizontalAngle(r.azimuth)},
        {F::Altitude, FormatHorizontalAngle(r.altitude)},
        {F::Refraction, RefractionText(r)},
        {F::RefractedAltitude, FormatHorizontalAngle(r.refractedAltitude)},

        {F::GeometricRise, FormatTimeOfDay(r.geometricRise)},
        {F::GeometricRiseAzimuth, FormatHorizontalAngle(r.geometricRiseAzimuth)},
        {F::GeometricTransit, FormatTimeOfDay(r.transit)},
        {F::GeometricTransitAltitude, FormatHorizontalAngle(r.transitAltitude)},
        {F::GeometricSet, FormatTimeOfDay(r.geometricSet)},
        {F::GeometricSetAzimuth, FormatHorizontalAngle(r.geometricSetAzimuth)},
        {F::GeometricDaylight, FormatTimeOfDay(r.geometricDaylight)},

        {F::ApparentRise, FormatTimeOfDay(r.apparentRise)},
        {F::ApparentRiseAzimuth, FormatHorizontalAngle(r.apparentRiseAzimuth)},
        {F::ApparentTransit, FormatTimeOfDay(r.transit)},
        {F::ApparentTransitAltitude,
         FormatHorizontalAngle(FieldOf(ResultFieldId::ApparentTransitAltitude).value(r))},
        {F::ApparentSet, FormatTimeOfDay(r.apparentSet)},
        {F::ApparentSetAzimuth, FormatHorizontalAngle(r.apparentSetAzimuth)},
        {F::ApparentDaylight, FormatTimeOfDay(r.apparentDaylight)},

        {F::Fajr, FormatTimeOfDay(r.fajr)},
        {F::Zuhr, FormatTimeOfDay(r.transit)},
        {F::Asr1, FormatTimeOfDay(r.asr1)},
        {F::Asr2, FormatTimeOfDay(r.asr2)},
        {F::Maghrib, FormatTimeOfDay(r.geometricSet)},
        {F::Isha, FormatTimeOfDay(r.isha)},
        {F::Qibla, FormatQiblaDirection(r.qiblaAzimuth, options.east, options.west)},
        {F::QiblaTime, QiblaTimeText(r)},
    };
    for (ResultText& t : texts) {
        t.absence = AbsenceOf(t.field, request, result);
        if (options.dashAbsentEvents && t.absence != EventAbsence::None &&
            t.field != F::QiblaTime) {
            t.text = kAbsentEventText;
        }
    }
    return texts;
}

const std::string& TextOf(const std::vector<ResultText>& texts, ResultTextField field) {
    for (const ResultText& t : texts) {
        if (t.field == field) return t.text;
    }
    throw std::out_of_range("TextOf: no text for the field");
}

namespace {

// An angle as "%g" writes it, with the degree sign: "-18.5°".
std::string DegreesText(double degrees) {
    return PrintfText("%g", degrees) + "°";
}

}  // namespace

std::vector<DayTimeText> DayTimeTexts(const SolarRequest& request, const SolarResult& result,
                                      const DayTimes& days, const ResultTextOptions& options) {
    using F = DayTimeTextField;
    const DayTimes::Occurrences& o = days.occurs;
    const PrayerMethodParameters& method = MethodParameters(days.method);
    const EffectivePrayerAngles angles = EffectiveAngles(request);
    const auto altitude = [&](double degrees) {
        return AltitudeAbsence(degrees, request, result);
    };
    // The Maghrib of the method: a rise or set of SolarResult, or a crossing.
    EventAbsence maghrib = EventAbsence::None;
    switch (method.maghrib) {
        case MaghribEvent::kGeometricSet:
            maghrib = AbsenceOf(SolarEvent::GeometricSet, request, result);
            break;
        case MaghribEvent::kApparentSet:
            maghrib = AbsenceOf(SolarEvent::ApparentSet, request, result);
            break;
        case MaghribEvent::kAltitude:
            maghrib = altitude(method.maghribAngle);
            break;
    }
    const EventAbsence sunrise = AbsenceOf(
        days.method == PrayerMethod::kTarvel ? SolarEvent::GeometricRise : SolarEvent::ApparentRise,
        request, result);
    const EventAbsence isha = angles.ishaMinutes > 0.0 ? maghrib : altitude(angles.ishaAngle);
    const DayTimes::DayOffsets& off = days.dayOffset;
    constexpr HighLatitudeRule kNoRule = HighLatitudeRule::kNone;
    const struct {
        F field;
        double value;
        bool occurs;
        EventAbsence why;
        HighLatitudeRule rule;
        int dayOffset;
    } rows[] = {
        {F::Fajr, days.fajr, o.fajr, altitude(angles.fajrAngle), days.fajrRule, off.fajr},
        {F::Sunrise, days.sunrise, o.sunrise, sunrise, kNoRule, off.sunrise},
        {F::Zuhr, days.zuhr, o.zuhr, AbsenceOf(SolarEvent::Transit, request, result), kNoRule, off.zuhr},
        {F::Asr1, days.asr1, o.asr1, AbsenceOf(SolarEvent::Asr1, request, result), kNoRule, off.asr1},
        {F::Asr2, days.asr2, o.asr2, AbsenceOf(SolarEvent::Asr2, request, result), kNoRule, off.asr2},
        {F::Maghrib, days.maghrib, o.maghrib, maghrib, kNoRule, off.maghrib},
        {F::Isha, days.isha, o.isha, isha, days.ishaRule, off.isha},
        {F::AstronomicalDawn, days.astronomicalDawn, o.astronomicalDawn,
         altitude(kAstronomicalTwilightAltitude), kNoRule, off.astronomicalDawn},
        {F::NauticalDawn, days.nauticalDawn, o.nauticalDawn, altitude(kNauticalTwilightAltitude),
         kNoRule, off.nauticalDawn},
        {F::CivilDawn, days.civilDawn, o.civilDawn, altitude(kCivilTwilightAltitude), kNoRule,
         off.civilDawn},
        {F::GoldenHourEnd, days.goldenHourEnd, o.goldenHourEnd, altitude(kGoldenHourAltitude),
         kNoRule, off.goldenHourEnd},
        {F::GoldenHourStart, days.goldenHourStart, o.goldenHourStart, altitude(kGoldenHourAltitude),
         kNoRule, off.goldenHourStart},
        {F::CivilDusk, days.civilDusk, o.civilDusk, altitude(kCivilTwilightAltitude), kNoRule,
         off.civilDusk},
        {F::NauticalDusk, days.nauticalDusk, o.nauticalDusk, altitude(kNauticalTwilightAltitude),
         kNoRule, off.nauticalDusk},
        {F::AstronomicalDusk, days.astronomicalDusk, o.astronomicalDusk,
         altitude(kAstronomicalTwilightAltitude), kNoRule, off.astronomicalDusk},
        {F::NightLength, days.nightLength, o.night, NightAbsence(result), kNoRule, 0},
        {F::NightMiddle, days.nightMiddle, o.night, NightAbsence(result), kNoRule,
         off.nightMiddle},
        {F::NightLastThird, days.nightLastThird, o.night, NightAbsence(result), kNoRule,
         off.nightLastThird},
    };
    std::vector<DayTimeText> texts;
    texts.reserve(std::size(rows));
    for (const auto& row : rows) {
        DayTimeText text{row.field, FormatTimeOfDay(row.value), EventAbsence::None, row.rule,
                         row.occurs ? row.dayOffset : 0};
        if (!row.occurs) {
            // A reason is always given; an absence the checks above cannot
            // tell counts as an event of another date.
            text.absence = row.why == EventAbsence::None ? EventAbsence::OtherDate : row.why;
            if (options.dashAbsentEvents) text.text = kAbsentEventText;
        }
        texts.push_back(std::move(text));
    }
    return texts;
}

std::string DayOffsetText(int dayOffset, const ResultTextOptions& options) {
    if (dayOffset == 0) return {};
    const int count = dayOffset < 0 ? -dayOffset : dayOffset;
    return PrintfText("(%+d ", dayOffset) + (count == 1 ? options.day : options.days) + ")";
}

const DayTimeText& DayTextOf(const std::vector<DayTimeText>& texts, DayTimeTextField field) {
    for (const DayTimeText& t : texts) {
        if (t.field == field) return t;
    }
    throw std::out_of_range("DayTextOf: no text for the field");
}

std::string PrayerMethodText(const SolarRequest& request, const ResultTextOptions& options) {
    const PrayerMethodParameters& method = MethodParameters(request.prayerMethod);
    const EffectivePrayerAngles angles = EffectiveAngles(request);
    std::string name = std::string(method.title);
    if (method.method == PrayerMethod::kTarvel) name = options.ownMethod;
    if (method.method == PrayerMethod::kCustom) name = options.customMethod;
    const std::string isha = angles.ishaMinutes > 0.0
                                 ? PrintfText("%g", angles.ishaMinutes) + " " + options.minutes
                                 : DegreesText(angles.ishaAngle);
    std::string text = name + " (Fajr " + DegreesText(angles.fajrAngle) + ", Isha " + isha;
    if (method.maghrib == MaghribEvent::kAltitude) {
        text += ", Maghrib " + DegreesText(method.maghribAngle);
    }
    return text + ")";
}

const std::string& HighLatitudeRuleText(HighLatitudeRule rule, const ResultTextOptions& options) {
    const auto index = static_cast<std::size_t>(rule);
    return options.rules.at(index < options.rules.size() ? index : 0);
}

std::optional<ResultFieldId> EventTimeField(ResultTextField field) {
    using T = ResultTextField;
    using F = ResultFieldId;
    switch (field) {
        case T::GeometricRise:
            return F::GeometricRise;
        case T::GeometricTransit:
        case T::ApparentTransit:
        case T::Zuhr:
            return F::Transit;
        case T::GeometricSet:
        case T::Maghrib:
            return F::GeometricSet;
        case T::ApparentRise:
            return F::ApparentRise;
        case T::ApparentSet:
            return F::ApparentSet;
        case T::Fajr:
            return F::Fajr;
        case T::Asr1:
            return F::Asr1;
        case T::Asr2:
            return F::Asr2;
        case T::Isha:
            return F::Isha;
        case T::QiblaTime:
            return F::QiblaTime;
        default:
            return std::nullopt;
    }
}

std::optional<ResultFieldId> EventTimeField(DayTimeTextField field) {
    using T = DayTimeTextField;
    using F = ResultFieldId;
    switch (field) {
        case T::Fajr:
            return F::PrayerFajr;
        case T::Sunrise:
            return F::PrayerSunrise;
        case T::Zuhr:
            return F::PrayerZuhr;
        case T::Asr1:
            return F::PrayerAsr1;
        case T::Asr2:
            return F::PrayerAsr2;
        case T::Maghrib:
            return F::PrayerMaghrib;
        case T::Isha:
            return F::PrayerIsha;
        case T::AstronomicalDawn:
            return F::AstronomicalDawn;
        case T::NauticalDawn:
            return F::NauticalDawn;
        case T::CivilDawn:
            return F::CivilDawn;
        case T::GoldenHourEnd:
            return F::GoldenHourEnd;
        case T::GoldenHourStart:
            return F::GoldenHourStart;
        case T::CivilDusk:
            return F::CivilDusk;
        case T::NauticalDusk:
            return F::NauticalDusk;
        case T::AstronomicalDusk:
            return F::AstronomicalDusk;
        case T::NightMiddle:
            return F::NightMiddle;
        case T::NightLastThird:
            return F::NightLastThird;
        case T::NightLength:
            return std::nullopt;
    }
    return std::nullopt;
}

std::string ClockRangeEndText(double hours, bool occurs) {
    if (!occurs) return kAbsentEventText;
    const long seconds = std::lround(hours * 3600.0) % 86400;
    return PrintfText("%02ld:%02ld:%02ld", seconds / 3600, seconds / 60 % 60, seconds % 60);
}

std::string ClockRangeText(double fromHours, bool fromOccurs, double toHours, bool toOccurs) {
    return ClockRangeEndText(fromHours, fromOccurs) + "\u2013" + ClockRangeEndText(toHours, toOccurs);
}

std::string DayLengthChangeText(double hours) {
    const long seconds = std::lround(std::fabs(hours) * 3600.0);
    const char* sign = seconds == 0 ? "" : hours < 0.0 ? "-" : "+";
    return PrintfText("%s%ld m %ld s", sign, seconds / 60, seconds % 60);
}

}  // namespace tarvel
