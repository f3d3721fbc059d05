#include "format/result_texts.h"

#include <cmath>
#include <stdexcept>

#include "astro/result_fields.h"
#include "format/format_texts.h"

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
    const double arcminutes = result.refractedAltitude >= 0.0 ? result.refraction * 60.0 : 0.0;
    return FormatRefraction(arcminutes);
}

std::string QiblaTimeText(const SolarResult& result) {
    if (result.qiblaTime < 0.0) {
        return kNoEventTimeText;
    }
    return FormatTimeOfDay(result.qiblaTime);
}

}  // namespace

std::vector<ResultText> MainWindowResultTexts(const SolarRequest& request,
                                              const SolarResult& result) {
    using F = ResultTextField;
    const SolarResult& r = result;
    return {
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
        {F::Qibla, FormatQiblaDirection(r.qiblaAzimuth)},
        {F::QiblaTime, QiblaTimeText(r)},
    };
}

const std::string& TextOf(const std::vector<ResultText>& texts, ResultTextField field) {
    for (const ResultText& t : texts) {
        if (t.field == field) return t.text;
    }
    throw std::out_of_range("TextOf: no text for the field");
}

}  // namespace tarvel
